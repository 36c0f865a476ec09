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
// UI thread (every event goes through CZuEventLoop::Dispatch) until a handler called from inside it calls
// StopWait. A quit request (the window closed) ends every wait in progress, innermost first, and is put
// back in the queue for the program's own loop (CZuEventLoop::Run), which then ends. It may be reused, but
// must not be destroyed while it waits.
class CZuSynWait : public IZuSynWait
{
public:
    CZuSynWait();
    ~CZuSynWait() override;

    // Returns after the event whose handling called StopWait has been handled, or once a quit request
    // arrived. It sleeps until events arrive. After a quit request it returns at once.
    virtual void StartWait();
    virtual void StopWait();

    // Whether a wait has taken the program's quit request: no wait runs any more.
    static bool IsQuitRequested();
    // Lets waits run again (a test that closed its window).
    static void ClearQuitRequest();
};

#endif // ZUSYNWAIT_H
