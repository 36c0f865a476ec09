#ifndef ZUAUDIOPLAYER_H
#define ZUAUDIOPLAYER_H

#include "ZuObject.h"

class CZuNameValue;
class CZuNameValueList;
class CZuString;
class MZuAudioPlayerObserver;
class MZuAudioWakeUp;

// The program's audio player. Its AMR side decodes a word's whole speech clip and hands the sound to the
// current sound output (IZuSoundOutput), which plays it while the caller goes on; a new clip replaces the one
// playing. Its stream side plays MP3 and Ogg Vorbis files, memory and internet radio through the decoder
// plug-ins, on a thread of its own, into the same output; its news reaches the UI thread through the
// wake-up (SetWakeUp, HandleWakeUp). Every operation is called on the UI thread.
class CZuAudioPlayer : public CZuObject
{
public:
    // The stream player's state.
    enum TState
    {
        EIdle = 0,
        EPlaying = 2,
        EStopped = 4,
    };
    // Why the stream side's last stream did not start or ended early.
    enum TError
    {
        ENoError = 0,
        // No regular file of that name can be read.
        ENotFound,
        // The plug-in folder holds no usable decoder.
        ENoPlugins,
        // No decoder knows the data.
        EUnknownFormat,
        // The data stopped being sound the decoder could read.
        EDecodeFailed,
        // Not an http or https address the player fetches.
        EBadAddress,
        // The server refused the connection or its name is unknown.
        EConnectFailed,
        // The server took longer than the time-outs allow.
        ETimedOut,
        // More redirects than the player follows (or a loop of them).
        ETooManyRedirects,
        // The server answered with an error status.
        EHttpStatus,
        // The server's radio headers are unusable (an icy-metaint out of range).
        EBadStream,
        // The transfer failed otherwise.
        ENetworkFailed,
        // The data could not be read.
        EReadFailed,
        // There is no sound device to play on.
        ENoDevice,
    };
    // Which side was used last.
    enum TMode
    {
        EModeNone = 0,
        EModeStream = 1,
        EModeAmr = 2,
    };

    // The observer (may be null) is handed to the inner players when they are made.
    explicit CZuAudioPlayer(MZuAudioPlayerObserver* observer);
    ~CZuAudioPlayer() override;

    // Plays a whole AMR clip from its start, replacing any sound that is playing.
    void AmrDataPlay(const char* data, int len);
    // As AmrDataPlay; the mode changes only when this call makes the AMR player.
    void AmrDataAppend(const char* data, int len);
    // Does nothing: nothing is ever queued behind a clip.
    void AmrDataClear();

    // Stream side. Open and the data operations make the stream player, and the first of them looks for
    // the decoder plug-ins. Open plays a local file or an http or https address; false when it cannot
    // (LastError says why). A network stream answers true at once and connects on the engine's thread.
    bool Open(const CZuString& path);
    // Plays encoded bytes (copied) in place of what plays.
    void Mp3DataPlay(const char* data, int len);
    // As Mp3DataPlay; the mode changes only when this call makes the stream player.
    void Mp3DataAppend(const char* data, int len);
    void Mp3DataClear();
    void Play();
    void Pause();
    void Resume();
    // Stops the stream player when the stream side was used last; a speech clip plays on.
    void Stop();
    void Close();

    void SetPosition(int position);
    int GetPosition() const;
    int Duration() const;

    // The stream's own software gain: the low 16 bits, 0 silent to 0xFFFF as decoded. Kept for the stream
    // player until it exists.
    void SetVolume(int volume);
    // The low 16 bits of the volume (0xFFFF until set).
    int GetVolume() const;
    int MaxVolume() const;

    // The stream player's state (idle before it exists): playing from a successful start until the stream
    // has been heard to its end or fails (then idle, LastError saying why), stopped after Stop.
    bool IsPlaying() const;
    TState GetState() const;
    TError LastError() const;
    TMode Mode() const;

    // The stream's tags (name and value): the decoder's ("TITLE", "ARTIST", ...), a radio's headers
    // ("icy-name", "icy-genre", "icy-url", "icy-metaint") and its "StreamTitle". Brought up to date by
    // GetNumberOfMetaDataEntries and HandleWakeUp; entries and list stay valid until then. Null and 0
    // before the stream player exists.
    int GetNumberOfMetaDataEntries() const;
    CZuNameValue* GetMetaDataEntry(int index) const;
    CZuNameValueList* GetMetaDataList() const;
    // What plays, to show: a radio's stream title, else "artist - title" from the tags, else the station.
    CZuString Title() const;

    // Called on the stream engine's thread whenever it has news (not owned; null for none). Kept for the
    // stream player until it exists.
    void SetWakeUp(MZuAudioWakeUp* wakeUp);
    // On the UI thread, after a wake-up: takes the engine's news and tells the observer with event 1.
    void HandleWakeUp();
    // Time-outs of later network streams: to connect, and to wait for more of the answer.
    void SetNetworkTimeouts(int connectMs, int readMs);

    // Players already made keep the observer they were given.
    void SetObserver(MZuAudioPlayerObserver* observer);

private:
    CZuAudioPlayer(const CZuAudioPlayer&) = delete;
    CZuAudioPlayer& operator=(const CZuAudioPlayer&) = delete;

    // Returns whether the AMR player was made by this call.
    bool MakeAmrPlayer();
    void MakeStreamPlayer();
    void PlayClip(const char* data, int len);

    struct TPlayers;

    TMode iMode;
    MZuAudioPlayerObserver* iObserver;
    TPlayers* iPlayers;
};

#endif // ZUAUDIOPLAYER_H
