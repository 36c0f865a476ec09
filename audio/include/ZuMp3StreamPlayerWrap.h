#ifndef ZUMP3STREAMPLAYERWRAP_H
#define ZUMP3STREAMPLAYERWRAP_H

#include "ZuAudioPlayer.h"
#include "ZuString.h"

class CZuNameValueList;
class CZuStreamEngine;
class MZuAudioPlayerObserver;
class MZuAudioWakeUp;
struct TZuNetworkTimeouts;
struct TZuStreamStart;

// The stream side's inner player: MP3 and Ogg Vorbis from files, memory and internet radio, decoded by
// the plug-ins on its engine's thread. It lives on the UI thread; what the engine learns reaches it
// through HandleWakeUp (and the state whenever it is asked).
class CZuMp3StreamPlayerWrap
{
public:
    explicit CZuMp3StreamPlayerWrap(MZuAudioPlayerObserver* observer);
    // Stops the stream and waits for the engine's thread to end, also while it waits on the network.
    virtual ~CZuMp3StreamPlayerWrap();

    // Tells the observer, when there is one, with event 1.
    virtual void Notify();

    // Plays a local file, or an http or https address. False (the state idle, Error() saying why) when the
    // file cannot be read or decoded, the address is not one to fetch, or there are no decoders; a network
    // stream answers true and reports later how it went.
    bool Open(const CZuString& name);
    // Plays encoded bytes (copied) in place of what plays.
    void PlayData(const char* data, int length);
    // State stopped; the sound ends at once.
    void Stop();

    // The engine's news: the state, error, title and tags brought up to date, and the observer told.
    void HandleWakeUp();
    void SetWakeUp(MZuAudioWakeUp* wakeUp);
    void SetNetworkTimeouts(const TZuNetworkTimeouts& timeouts);

    MZuAudioPlayerObserver* Observer() const { return iObserver; }
    // The state and error as the UI thread last learnt them: set by Open, Stop and failures here, and
    // brought up to date by HandleWakeUp, never changed behind the caller's back by the engine's thread.
    CZuAudioPlayer::TState State() const { return iSeenState; }
    CZuAudioPlayer::TError Error() const { return iSeenError; }
    CZuString Title() const;
    // The stream's tags brought up to date; the list and its entries stay valid until the next update.
    CZuNameValueList* MetaData();
    // The tags as of the last update (HandleWakeUp, MetaData, a stream started).
    CZuNameValueList* CurrentMetaData() const { return iMetaData; }
    const CZuString& Name() const { return iName; }
    int Volume() const { return iVolume; }
    void SetVolume(int volume);

private:
    CZuMp3StreamPlayerWrap(const CZuMp3StreamPlayerWrap&) = delete;
    CZuMp3StreamPlayerWrap& operator=(const CZuMp3StreamPlayerWrap&) = delete;

    // Whether there are decoders and a device; else the state is idle with why.
    bool CanPlay();
    // Chooses start's decoder from its first bytes and hands it over; else the state is idle with why.
    bool ChooseAndHandOver(TZuStreamStart* start);
    // The engine plays start (owned) from now on.
    void HandOver(TZuStreamStart* start);
    void RefreshMetaData();
    // The stream ends here, on the UI thread, for this reason.
    void Fail(CZuAudioPlayer::TError error);

    MZuAudioPlayerObserver* iObserver;
    CZuString iName;
    int iVolume;
    CZuStreamEngine* iEngine;
    TZuNetworkTimeouts* iTimeouts;
    CZuNameValueList* iMetaData;
    // The engine's news already told to the observer.
    unsigned iToldSerial;
    CZuAudioPlayer::TState iSeenState;
    CZuAudioPlayer::TError iSeenError;
};

#endif // ZUMP3STREAMPLAYERWRAP_H
