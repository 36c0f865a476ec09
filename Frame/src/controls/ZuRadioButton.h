#ifndef ZURADIOBUTTON_H
#define ZURADIOBUTTON_H

#include "ZuToggleButton.h"

// A circle that a completed click fills or empties, posting EZuMsgButtonChosen with its command: to its message
// type and receiver, else its receiver, else the pane it sits in (which keeps its radio buttons one
// group), else the screen.
class CZuRadioButton : public CZuToggleButton
{
public:
    // A child of parent (EZuCtrlRadioButton) with centred content.
    explicit CZuRadioButton(CZuControl* parent);
    ~CZuRadioButton() override;

    void StateChanged() override;

protected:
    void DrawIndicator(CZuGc& gc, const CZuRect& square) override;
    void PostChoice() override;
};

#endif // ZURADIOBUTTON_H
