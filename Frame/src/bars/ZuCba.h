#ifndef ZUCBA_H
#define ZUCBA_H

#include "ZuButtonGroup.h"

class CZuCbaData;

// The command bar at the bottom of a window: a group of two soft-key buttons over a gradient, the left one
// answering F1 and the right one F2 (or a click). A soft key sends its command as EZuMsgCommand; the menu
// command opens the options menu instead; command 0 does nothing. The bar never takes the focus but sees
// every key.
class CZuCba : public CZuButtonGroup
{
public:
    CZuCba(CZuControl* parent, bool addToParent);
    ~CZuCba() override;

    // The first button gets the left command and text, the last (when there are two) the right ones.
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    // The same from a data object; null changes nothing.
    void SetCbaData(CZuCbaData* data);
    // What the soft keys hold now (0 and empty without their button).
    int GetLeftCommand() const;
    int GetRightCommand() const;
    CZuString GetLeftText() const;
    CZuString GetRightText() const;

    // F1 and F2 (key events of EZuKeyEventKey), with the commands of what is on top of the screen now. A held key
    // acts once per press.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;

private:
    CZuButton* LeftButton() const;
    CZuButton* RightButton() const;
    // Sends a soft key's command; false when it has none to send.
    bool Fire(int command);

    // The soft key that has acted during the press now held (0 none).
    unsigned iFiredKey;
};

#endif // ZUCBA_H
