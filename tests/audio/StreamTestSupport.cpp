#include "StreamTestSupport.h"

#include "TestFiles.h"
#include "ZuNameValue.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

void CCapturingOutput::PlayWav(const unsigned char*, int)
{
    std::lock_guard<std::mutex> hold(iLock);
    ++iSpeechImages;
}

void CCapturingOutput::WriteStream(const short* frames, int count, int rate, int channels)
{
    std::lock_guard<std::mutex> hold(iLock);
    iSamples.insert(iSamples.end(), frames, frames + count * channels);
    iRate = rate;
    iChannels = channels;
}

void CCapturingOutput::EndStream()
{
    std::lock_guard<std::mutex> hold(iLock);
    ++iEnds;
}

void CCapturingOutput::StopStream()
{
    std::lock_guard<std::mutex> hold(iLock);
    ++iStops;
}

std::vector<short> CCapturingOutput::Samples() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iSamples;
}

int CCapturingOutput::Rate() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iRate;
}

int CCapturingOutput::Channels() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iChannels;
}

long CCapturingOutput::Frames() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iChannels == 0 ? 0 : static_cast<long>(iSamples.size()) / iChannels;
}

int CCapturingOutput::Ends() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iEnds;
}

int CCapturingOutput::Stops() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iStops;
}

int CCapturingOutput::SpeechImages() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iSpeechImages;
}

void CWakeUps::RequestWakeUp()
{
    {
        std::lock_guard<std::mutex> hold(iLock);
        ++iCount;
    }
    iArrived.notify_all();
}

bool CWakeUps::WaitUntil(CZuAudioPlayer& player, const std::function<bool()>& done, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock<std::mutex> lock(iLock);
    for (;;)
    {
        int seen = iCount;
        lock.unlock();
        player.HandleWakeUp();
        if (done())
            return true;
        lock.lock();
        if (!iArrived.wait_until(lock, deadline, [&] { return iCount != seen; }))
            return false;
    }
}

bool CWakeUps::WaitUntilDone(CZuAudioPlayer& player, int timeoutMs)
{
    return WaitUntil(
        player, [&] { return !player.IsPlaying(); }, timeoutMs);
}

int CWakeUps::Count() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iCount;
}

std::string SoundFile(const std::string& name)
{
    return std::string(ZU_TEST_BINARY_DIR) + "/tests/sounds/" + name;
}

std::vector<unsigned char> SoundBytes(const std::string& name)
{
    return ReadFileBytes(SoundFile(name));
}

std::string PluginFolder()
{
    return std::string(ZU_TEST_OUT_DIR) + "/plugins/";
}

double ToneFrequency(const std::vector<short>& samples, int channels, int channel, int rate)
{
    size_t frames = samples.size() / channels;
    size_t first = frames / 10;
    size_t last = frames - frames / 10;
    int crossings = 0;
    size_t firstCrossing = 0;
    size_t lastCrossing = 0;
    for (size_t i = first + 1; i < last; ++i)
    {
        bool before = samples[(i - 1) * channels + channel] < 0;
        bool now = samples[i * channels + channel] < 0;
        if (before == now)
            continue;
        if (crossings == 0)
            firstCrossing = i;
        lastCrossing = i;
        ++crossings;
    }
    if (crossings < 3)
        return 0;
    // Two crossings a period, counted between the first and the last one seen.
    return (crossings - 1) / 2.0 * rate / static_cast<double>(lastCrossing - firstCrossing);
}

int Peak(const std::vector<short>& samples, int channels, int channel)
{
    int peak = 0;
    for (size_t i = channel; i < samples.size(); i += channels)
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak;
}

std::string Text(const CZuString& text)
{
    return text.IsEmpty() ? std::string() : std::string(text.PtrZ());
}

std::string TagValue(CZuAudioPlayer& player, const char* name)
{
    int count = player.GetNumberOfMetaDataEntries();
    for (int i = 0; i < count; ++i)
    {
        CZuNameValue* entry = player.GetMetaDataEntry(i);
        if (entry->iName == name)
            return Text(entry->iValue);
    }
    return "(none)";
}
