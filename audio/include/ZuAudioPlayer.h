#ifndef ZUAUDIOPLAYER_H
#define ZUAUDIOPLAYER_H

#include "ZuObject.h"

class CZuNameValue;
class CZuNameValueList;
class CZuString;
class MZuAudioPlayerObserver;

// The program's audio player. Its AMR side decodes a word's whole speech clip and hands the sound to the
// current sound output (IZuSoundOutput), which plays it while the caller goes on; a new clip replaces the one
// playing. Its stream side fronts a player of MP3-type media, which is not built yet: it opens nothing and
// answers as an idle player.
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

    // Stream side. Open and the data operations make the stream player; until it has an engine nothing
    // opens or plays, so Open answers false and the state stays idle.
    bool Open(const CZuString& path);
    void Mp3DataPlay(const char* data, int len);
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

    // Kept for the stream player until it exists.
    void SetVolume(int volume);
    // The low 16 bits of the volume (0xFFFF until set).
    int GetVolume() const;
    int MaxVolume() const;

    // The stream player's state (idle before it exists).
    bool IsPlaying() const;
    TState GetState() const;
    TMode Mode() const;

    int GetNumberOfMetaDataEntries() const;
    CZuNameValue* GetMetaDataEntry(int index) const;
    CZuNameValueList* GetMetaDataList() const;

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
