#ifndef ZUSYNWAIT_H
#define ZUSYNWAIT_H

// A waiting flag: the state of a synchronous wait.
class IZuSynWait
{
public:
    IZuSynWait();
    virtual ~IZuSynWait();

    void SetWaiting(bool waiting) { iWaiting = waiting; }
    bool IsWaiting() const { return iWaiting; }

private:
    bool iWaiting;
};

// Waits synchronously while the user interface keeps running: StartWait runs a nested event loop on the
// UI thread (every event goes through CZuEventLoop::Dispatch, a quit request is dropped) until a handler
// called from inside it calls StopWait. It may be reused, but must not be destroyed while it waits.
class CZuSynWait : public IZuSynWait
{
public:
    CZuSynWait();
    ~CZuSynWait() override;

    // Returns after the event whose handling called StopWait has been handled. When no event is queued it
    // sleeps 10 ms before looking again.
    virtual void StartWait();
    virtual void StopWait();
};

#endif // ZUSYNWAIT_H
