#ifndef ZUAMRPLAYER_H
#define ZUAMRPLAYER_H

#include "ZuAudioPlayer.h"
#include "ZuString.h"

class MZuAudioPlayerObserver;

// The AMR side's inner player. Speech clips are decoded and played by CZuAudioPlayer itself; this object
// marks that the AMR side is in use and carries what the two inner players share.
class CZuAmrPlayer
{
public:
    explicit CZuAmrPlayer(MZuAudioPlayerObserver* observer);
    virtual ~CZuAmrPlayer();

    // Tells the observer, when there is one, with event 1.
    virtual void Notify();

    MZuAudioPlayerObserver* Observer() const { return iObserver; }
    CZuAudioPlayer::TState State() const { return iState; }
    const CZuString& Name() const { return iName; }
    int Volume() const { return iVolume; }

private:
    CZuAmrPlayer(const CZuAmrPlayer&) = delete;
    CZuAmrPlayer& operator=(const CZuAmrPlayer&) = delete;

    MZuAudioPlayerObserver* iObserver;
    CZuAudioPlayer::TState iState;
    CZuString iName;
    int iVolume;
};

#endif // ZUAMRPLAYER_H
