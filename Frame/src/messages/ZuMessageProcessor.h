#ifndef ZUMESSAGEPROCESSOR_H
#define ZUMESSAGEPROCESSOR_H

#include <cstdint>

#include "ZuObject.h"
#include "ZuObjectList.h"
#include "ZuTimerObserver.h"

class CZuMessage;
class CZuTimerManager;
class MZuMessageRouter;
class MZuMessageWnd;

// The toolkit's message queue. Posted messages are handled one per tick of timer 1 (every 25 ms) on the UI
// thread, a run of draw requests as one. The timer runs only while messages wait: it stops when the queue
// runs empty and the next posted message starts it again.
class CZuMessageProcessor : public CZuObject, public MZuTimerObserver
{
public:
    // The id and the tick of the queue's timer.
    static const int KTimerId = 1;
    static const int KTickMs = 25;

    // timers: the manager that runs the queue's timer. Either it is destroyed first, or it must outlive
    // this processor.
    explicit CZuMessageProcessor(CZuTimerManager* timers);
    // Deletes the messages still queued.
    ~CZuMessageProcessor() override;

    // Starts the queue's timer when it is not running.
    virtual void Start();
    virtual void Stop();
    // Queues the message (the queue takes it) and starts the timer.
    virtual void PostMessageW(CZuMessage* message);
    // Delivers the message at once; it stays the caller's.
    virtual void SendMessageW(CZuMessage* message);

    // Types 0 to 15 go to the UI manager. Other messages go to their receiver when they name one; else the
    // top of the display stack gets them first and the UI manager gets those it does not handle.
    void DispatchMessageW(CZuMessage* message);
    // Handles the first queued message (timer 1 only; also run by the UI manager on a wake-up).
    void OnTimer(int id) override;

    // Deletes the queued messages addressed to the receiver.
    void DropMessagesFor(const MZuMessageWnd* receiver);
    // The same on every processor that exists; a receiver's destructor calls it.
    static void DropMessagesForAll(const MZuMessageWnd* receiver);
    // Clears the second parameter of the queued messages that name this object (a control that posted
    // news of itself, an anchor), so that a handler never reaches an object that is gone; the messages
    // themselves still arrive. A control's destructor calls it on every processor.
    void ForgetParamObject(const void* object);
    static void ForgetParamObjectForAll(const void* object);

    void SetRouter(MZuMessageRouter* router) { iRouter = router; }
    int GetQueueCount() const { return iQueue.GetCount() - iHead; }
    // Whether a message with this receiver, type and parameters waits in the queue: a control that posts
    // the same news again and again (while an arrow key is held) need not queue it twice.
    bool IsQueued(const MZuMessageWnd* receiver, unsigned type, uintptr_t param1, uintptr_t param2) const;

private:
    CZuMessageProcessor(const CZuMessageProcessor&) = delete;
    CZuMessageProcessor& operator=(const CZuMessageProcessor&) = delete;
    // Takes the first queued message out; the caller must know that one is queued.
    CZuMessage* TakeFirst();
    // Deletes the draw requests at the head of the queue.
    void DropQueuedDrawRequests();
    void CompactQueue();

    // Messages are taken from slot iHead on (slots before it are empty), so that taking one is cheap
    // however long the queue is.
    CZuObjectList iQueue;
    int iHead;
    CZuTimerManager* iTimers;
    MZuMessageRouter* iRouter;
    // The processors that exist, linked through this field; a plain pointer needs no static destructor.
    CZuMessageProcessor* iNextLive;
    static CZuMessageProcessor* iFirstLive;
};

#endif // ZUMESSAGEPROCESSOR_H
