#ifndef STREAMTESTSUPPORT_H
#define STREAMTESTSUPPORT_H

// What the stream player's tests share: an output that keeps the stream's sound, a wake-up that the test
// thread waits on as a UI thread would, the test sounds and measures of a tone.
#include "ZuAudioPlayer.h"
#include "ZuAudioWakeUp.h"
#include "ZuSoundOutput.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Keeps every frame handed to the stream side, as fast as it comes (nothing is queued), unless it is told
// to act as a device that is always full.
class CCapturingOutput : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override;
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return iHasDevice; }
    void WriteStream(const short* frames, int count, int rate, int channels) override;
    void EndStream() override;
    int StreamQueuedMs() override { return iQueuedMs.load(); }
    void StopStream() override;

    // Copies, safe while the engine writes.
    std::vector<short> Samples() const;
    int Rate() const;
    int Channels() const;
    long Frames() const;
    int Ends() const;
    int Stops() const;
    int SpeechImages() const;

    bool iHasDevice = true;
    // What StreamQueuedMs answers: above the engine's lead it never decodes more.
    std::atomic<int> iQueuedMs{0};

private:
    mutable std::mutex iLock;
    std::vector<short> iSamples;
    int iRate = 0;
    int iChannels = 0;
    int iEnds = 0;
    int iStops = 0;
    int iSpeechImages = 0;
};

// The UI thread's side of the wake-up: the test thread waits for wake-ups and handles them.
class CWakeUps : public MZuAudioWakeUp
{
public:
    void RequestWakeUp() override;
    // Handles the player's wake-ups until done() holds; false when it does not within timeoutMs.
    bool WaitUntil(CZuAudioPlayer& player, const std::function<bool()>& done, int timeoutMs = 20000);
    // Until the stream is no longer playing.
    bool WaitUntilDone(CZuAudioPlayer& player, int timeoutMs = 20000);
    int Count() const;

private:
    mutable std::mutex iLock;
    std::condition_variable iArrived;
    int iCount = 0;
};

// The test sounds made at build time (make-tone-files.sh).
std::string SoundFile(const std::string& name);
std::vector<unsigned char> SoundBytes(const std::string& name);
// The plug-ins built beside the test program's libraries.
std::string PluginFolder();

// The value of the player's tag of this name, "(none)" when it has none.
std::string TagValue(CZuAudioPlayer& player, const char* name);
std::string Text(const CZuString& text);

// The frequency of one channel's tone, from its zero crossings, leaving out the first and last tenth.
double ToneFrequency(const std::vector<short>& samples, int channels, int channel, int rate);
// The largest sample's size in one channel.
int Peak(const std::vector<short>& samples, int channels, int channel);

#endif // STREAMTESTSUPPORT_H
