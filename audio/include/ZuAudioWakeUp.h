#ifndef ZUAUDIOWAKEUP_H
#define ZUAUDIOWAKEUP_H

// How the stream player's engine thread asks the UI thread to look at its news. The host posts a wake-up
// to its UI thread (CZuEventLoop::PostWakeUp, an SDL user event of its own) and there calls the player's
// HandleWakeUp, which brings the state and tags up to date and tells the observer.
class MZuAudioWakeUp
{
public:
    // Called on the engine thread: must only post the wake-up and return, touching nothing of the UI.
    virtual void RequestWakeUp() = 0;

protected:
    virtual ~MZuAudioWakeUp() {}
};

#endif // ZUAUDIOWAKEUP_H
