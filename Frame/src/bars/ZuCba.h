#ifndef ZUCBA_H
#define ZUCBA_H

#include "ZuControl.h"

class CZuCbaData;

// The command bar at the bottom of a window: two soft keys, F1 on the left and F2 on the right, that send
// their commands as message 18 (command 1 opens the options menu instead).
//
// To be completed with the buttons: this is the bar's minimal form, drawing its two labels itself. The
// full bar is a button group (CZuButtonGroup) whose two buttons can also be clicked.
class CZuCba : public CZuControl
{
public:
    CZuCba(CZuControl* parent, bool addToParent);
    ~CZuCba() override;

    // The left key gets the left command and text, the right key the right ones.
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    void SetCbaData(CZuCbaData* data);
    int GetLeftCommand() const { return iLeftCmd; }
    int GetRightCommand() const { return iRightCmd; }
    const CZuString& GetLeftText() const { return iLeftText; }
    const CZuString& GetRightText() const { return iRightText; }

    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;

private:
    int iLeftCmd;
    int iRightCmd;
    CZuString iLeftText;
    CZuString iRightText;
};

#endif // ZUCBA_H
