#ifndef ZUSTREAMENGINE_H
#define ZUSTREAMENGINE_H

#include "ZuAudioPlayer.h"
#include "ZuDecoderPlugin.h"
#include "ZuStreamSource.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class IZuSoundOutput;
class MZuAudioWakeUp;

// What the engine's thread has made of the stream, as the UI thread reads it.
struct TZuStreamReport
{
    CZuAudioPlayer::TState iState = CZuAudioPlayer::EIdle;
    CZuAudioPlayer::TError iError = CZuAudioPlayer::ENoError;
    std::string iTitle;
    TZuStreamTags iTags;
    // Counts the thread's news: each change it makes adds one.
    unsigned iSerial = 0;
};

// A stream ready for the engine: its source, the decoder chosen for it (null: chosen on the thread from
// the first bytes) and those bytes when the source cannot seek back to them.
struct TZuStreamStart
{
    std::unique_ptr<CZuStreamSource> iSource;
    const TZuDecoder* iDecoder = nullptr;
    std::vector<unsigned char> iHead;
};

// Plays one stream at a time on a thread of its own, started with the first stream: connects, decodes
// through a plug-in, applies the volume and feeds the sound output, keeping no more than a moment of sound
// ahead of the device. Everything the UI thread learns comes through Report(), and the wake-up is asked
// for each time there is news. Deleting the engine stops the stream and joins the thread, also while it
// waits on the network.
class CZuStreamEngine
{
public:
    enum
    {
        // Sound decoded ahead of what is heard.
        KAheadMs = 400,
        // Frames decoded at a time.
        KChunkFrames = 4096,
    };

    CZuStreamEngine();
    ~CZuStreamEngine();

    // wakeUp (may be null) is asked from the thread; it must outlive the engine or be replaced first.
    void SetWakeUp(MZuAudioWakeUp* wakeUp);
    // Plays start on output, ending the stream that plays. The state is playing from now on.
    void Play(TZuStreamStart* start, IZuSoundOutput& output);
    // Ends the stream that plays and silences it; the state is stopped.
    void Stop();
    // A stream that could not start: idle with this error.
    void Fail(CZuAudioPlayer::TError error);
    // The software gain, 0 (silent) to 0xFFFF (as decoded).
    void SetVolume(int volume);
    TZuStreamReport Report() const;
    CZuAudioPlayer::TState State() const;
    unsigned Serial() const;

    // Reads the first bytes of source into start's head and picks the decoder surest of them; when the
    // source can seek it goes back to the start and the head is not kept. Null with error set when no
    // decoder knows the bytes or they cannot be read.
    static const TZuDecoder* ChooseDecoder(TZuStreamStart& start, CZuAudioPlayer::TError& error);

private:
    CZuStreamEngine(const CZuStreamEngine&) = delete;
    CZuStreamEngine& operator=(const CZuStreamEngine&) = delete;

    class CSession;
    friend class CSession;

    void Run();
    // Ends the stream that plays with this state; a failure (error not null) also forgets its tags.
    void End(CZuAudioPlayer::TState state, const CZuAudioPlayer::TError* error);
    bool Cancelled(unsigned session) const;
    // Waits up to ms, or less when the session ends.
    void Wait(unsigned session, int ms);
    // Applies change to the report when session is still the current one, then asks for the wake-up.
    template <typename TChange> void Publish(unsigned session, TChange change);
    void RequestWakeUp();

    mutable std::mutex iLock;
    std::condition_variable iWake;
    std::thread iThread;
    bool iQuit;
    std::atomic<unsigned> iSession;
    std::unique_ptr<TZuStreamStart> iPending;
    IZuSoundOutput* iPendingOutput;
    TZuStreamReport iReport;
    std::atomic<int> iVolume;

    // Held while the wake-up is asked, so that replacing it waits for a call in progress.
    std::mutex iWakeUpLock;
    MZuAudioWakeUp* iWakeUp;
};

#endif // ZUSTREAMENGINE_H
