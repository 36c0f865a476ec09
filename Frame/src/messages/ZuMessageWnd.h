#ifndef ZUMESSAGEWND_H
#define ZUMESSAGEWND_H

class CZuMessage;

// Receives the toolkit's messages: controls, views and the UI manager. A receiver that is destroyed takes
// the messages still queued for it with it, so none reaches it after it is gone.
class MZuMessageWnd
{
public:
    // True when the message was handled. The message belongs to the caller.
    virtual bool HandleMessage(CZuMessage* message) = 0;
    virtual ~MZuMessageWnd();
};

#endif // ZUMESSAGEWND_H
