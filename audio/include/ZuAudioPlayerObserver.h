#ifndef ZUAUDIOPLAYEROBSERVER_H
#define ZUAUDIOPLAYEROBSERVER_H

// Told by the inner players of a CZuAudioPlayer when something about their playback changes.
class MZuAudioPlayerObserver
{
public:
    // The only event sent so far is 1: a player's notification fired.
    virtual void HandleAudioPlayerEvent(int event) = 0;

protected:
    virtual ~MZuAudioPlayerObserver() {}
};

#endif // ZUAUDIOPLAYEROBSERVER_H
