#ifndef ZUMP3STREAMPLAYERWRAP_H
#define ZUMP3STREAMPLAYERWRAP_H

#include "ZuAudioPlayer.h"
#include "ZuString.h"

class MZuAudioPlayerObserver;

// The stream side's inner player: MP3-type media from files, memory and internet radio. Its engine is not
// built yet, so it opens nothing; it keeps its name, state and volume as the player sets them.
class CZuMp3StreamPlayerWrap
{
public:
    explicit CZuMp3StreamPlayerWrap(MZuAudioPlayerObserver* observer);
    virtual ~CZuMp3StreamPlayerWrap();

    // Tells the observer, when there is one, with event 1.
    virtual void Notify();

    // Keeps the name; false while there is no engine to open it with.
    bool Open(const CZuString& name);
    // State stopped.
    void Stop();

    MZuAudioPlayerObserver* Observer() const { return iObserver; }
    CZuAudioPlayer::TState State() const { return iState; }
    const CZuString& Name() const { return iName; }
    int Volume() const { return iVolume; }
    void SetVolume(int volume) { iVolume = volume; }

private:
    CZuMp3StreamPlayerWrap(const CZuMp3StreamPlayerWrap&) = delete;
    CZuMp3StreamPlayerWrap& operator=(const CZuMp3StreamPlayerWrap&) = delete;

    MZuAudioPlayerObserver* iObserver;
    CZuAudioPlayer::TState iState;
    CZuString iName;
    int iVolume;
};

#endif // ZUMP3STREAMPLAYERWRAP_H
