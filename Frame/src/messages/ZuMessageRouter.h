#ifndef ZUMESSAGEROUTER_H
#define ZUMESSAGEROUTER_H

class MZuMessageWnd;

// What the message processor needs from the UI manager to deliver a message: the UI manager itself and
// the top of its display stack. The UI manager implements it and hands itself to
// CZuMessageProcessor::SetRouter.
class MZuMessageRouter
{
public:
    // Gets the toolkit's own types (up to EZuMsgLastUiManager) and every message that nobody else took.
    virtual MZuMessageWnd* GetUiManagerReceiver() = 0;
    // The receiver the top of the display stack offers: the menu bar (EZuCtrlMenuBar) or the dialog
    // (EZuCtrlDialog) itself, or the view of a view container (EZuCtrlContainer). Null when the stack is empty or its top is none of
    // these.
    virtual MZuMessageWnd* GetDisplayTopReceiver() = 0;
    virtual ~MZuMessageRouter() {}
};

#endif // ZUMESSAGEROUTER_H
