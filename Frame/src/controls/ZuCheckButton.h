#ifndef ZUCHECKBUTTON_H
#define ZUCHECKBUTTON_H

#include "ZuToggleButton.h"

// A box with a check mark that every completed click toggles, reporting its command as a push button
// does (EZuMsgButtonClicked with param2 0, to its receiver or by its parent).
class CZuCheckButton : public CZuToggleButton
{
public:
    // A child of parent (EZuCtrlCheckButton) with centred content.
    explicit CZuCheckButton(CZuControl* parent);
    ~CZuCheckButton() override;

    void StateChanged() override;

protected:
    void DrawIndicator(CZuGc& gc, const CZuRect& square) override;
    void PostChoice() override;

private:
    void DrawCheckMark(CZuGc& gc, const CZuRect& area);
};

#endif // ZUCHECKBUTTON_H
