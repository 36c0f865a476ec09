#include "ZuStreamEngine.h"

#include "ZuAudioWakeUp.h"
#include "ZuDecoderPlugins.h"
#include "ZuIcyReader.h"
#include "ZuSoundOutput.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace
{

// How often a paced or draining stream looks at the device again.
const int KPaceSliceMs = 40;
// Formats a decoder may hand over; anything else is a broken plug-in or a broken stream.
const int KMinRate = 1000;
const int KMaxRate = 384000;
// Tags read from a decoder for one stream.
const int KMaxTags = 64;
const int KFullVolume = 0xFFFF;

const std::string* FindTag(const TZuStreamTags& tags, const char* name)
{
    for (const auto& tag : tags)
    {
        if (tag.first == name && !tag.second.empty())
            return &tag.second;
    }
    return nullptr;
}

// A radio's current title first, then "artist - title" from the tags, then the station's name.
std::string TitleOf(const TZuStreamTags& decoderTags, const TZuStreamTags& sourceTags)
{
    if (const std::string* streamTitle = FindTag(sourceTags, "StreamTitle"))
        return *streamTitle;
    const std::string* artist = FindTag(decoderTags, "ARTIST");
    const std::string* title = FindTag(decoderTags, "TITLE");
    if (artist != nullptr && title != nullptr)
    {
        std::vector<char> text(artist->size() + title->size() + 4);
        std::snprintf(text.data(), text.size(), "%s - %s", artist->c_str(), title->c_str());
        return text.data();
    }
    if (title != nullptr || artist != nullptr)
        return title != nullptr ? *title : *artist;
    const std::string* station = FindTag(sourceTags, "icy-name");
    return station != nullptr ? *station : std::string();
}

void ApplyGain(short* samples, int count, int volume)
{
    if (volume >= KFullVolume)
        return;
    // volume + 1 makes 0xFFFF exactly 1; dividing rounds towards 0, so that 0 is silence.
    int gain = volume + 1;
    for (int i = 0; i < count; ++i)
        samples[i] = static_cast<short>(samples[i] * gain / 65536);
}

} // namespace

// One stream played on the engine's thread, from connecting to the last sound heard.
class CZuStreamEngine::CSession
{
public:
    CSession(CZuStreamEngine& engine, TZuStreamStart& start, IZuSoundOutput& output, unsigned session)
        : iEngine(engine), iStart(start), iOutput(output), iSession(session), iHandle(nullptr), iHeadAt(0),
          iError(CZuAudioPlayer::ENoError)
    {
        iInput.iContext = this;
        iInput.iRead = ReadInput;
        iInput.iSeek = SeekInput;
        iInput.iLength = -1;
    }
    ~CSession()
    {
        if (iHandle != nullptr)
            iStart.iDecoder->Close(iHandle);
    }

    void Run()
    {
        if (Open())
            Play();
        if (Cancelled())
        {
            iOutput.StopStream();
            return;
        }
        iOutput.EndStream();
        while (iOutput.StreamQueuedMs() > 0 && !Cancelled())
            iEngine.Wait(iSession, KPaceSliceMs);
        CZuAudioPlayer::TError error = iError;
        iEngine.Publish(iSession,
                        [error](TZuStreamReport& report)
                        {
                            report.iState = CZuAudioPlayer::EIdle;
                            report.iError = error;
                        });
    }

private:
    bool Cancelled() const { return iEngine.Cancelled(iSession); }

    bool Open()
    {
        unsigned session = iSession;
        CZuStreamEngine& engine = iEngine;
        if (!iStart.iSource->Start([&engine, session] { return engine.Cancelled(session); }))
        {
            iError = iStart.iSource->Error();
            return false;
        }
        TakeSourceTags();
        if (iStart.iDecoder == nullptr)
            iStart.iDecoder = ChooseDecoder(iStart, iError);
        if (iStart.iDecoder == nullptr)
            return false;
        iInput.iLength = iStart.iSource->Length();
        iHandle = iStart.iDecoder->Open(&iInput);
        if (iHandle == nullptr)
            iError = ReadError(CZuAudioPlayer::EUnknownFormat);
        return iHandle != nullptr;
    }

    // Why reading stopped: the source's reason when it failed, else the given one.
    CZuAudioPlayer::TError ReadError(CZuAudioPlayer::TError otherwise) const
    {
        return iReadFailed ? iStart.iSource->Error() : otherwise;
    }

    void Play()
    {
        std::vector<short> pcm(static_cast<size_t>(KChunkFrames) * ZU_DECODER_MAX_CHANNELS);
        while (!Cancelled())
        {
            TZuDecodedFormat format = {0, 0, 0};
            int frames = iStart.iDecoder->Decode(iHandle, pcm.data(), KChunkFrames, &format);
            TakeSourceTags();
            if (format.iTagsChanged != 0)
                TakeDecoderTags();
            if (frames == 0)
            {
                iError = ReadError(CZuAudioPlayer::ENoError);
                return;
            }
            if (frames < 0 || frames > KChunkFrames || format.iSampleRate < KMinRate ||
                format.iSampleRate > KMaxRate || format.iChannels < 1 ||
                format.iChannels > ZU_DECODER_MAX_CHANNELS)
            {
                iError = ReadError(CZuAudioPlayer::EDecodeFailed);
                return;
            }
            ApplyGain(pcm.data(), frames * format.iChannels, iEngine.iVolume.load());
            iOutput.WriteStream(pcm.data(), frames, format.iSampleRate, format.iChannels);
            while (iOutput.StreamQueuedMs() > KAheadMs && !Cancelled())
                iEngine.Wait(iSession, KPaceSliceMs);
        }
    }

    void TakeSourceTags()
    {
        if (iStart.iSource->TakeTags(iSourceTags))
            PublishTags();
    }

    void TakeDecoderTags()
    {
        iDecoderTags.clear();
        const char* name = nullptr;
        const char* value = nullptr;
        for (int i = 0; i < KMaxTags && iStart.iDecoder->GetTag(iHandle, i, &name, &value) != 0; ++i)
        {
            if (name != nullptr && value != nullptr)
                iDecoderTags.emplace_back(CZuIcyReader::CleanText(name), CZuIcyReader::CleanText(value));
        }
        PublishTags();
    }

    void PublishTags()
    {
        TZuStreamTags tags = iDecoderTags;
        tags.insert(tags.end(), iSourceTags.begin(), iSourceTags.end());
        std::string title = TitleOf(iDecoderTags, iSourceTags);
        iEngine.Publish(iSession,
                        [&](TZuStreamReport& report)
                        {
                            report.iTags.swap(tags);
                            report.iTitle.swap(title);
                        });
    }

    static long ReadInput(void* context, void* buffer, long size)
    {
        CSession* session = static_cast<CSession*>(context);
        TZuStreamStart& start = session->iStart;
        if (size <= 0)
            return 0;
        if (session->iHeadAt < start.iHead.size())
        {
            size_t take = std::min(static_cast<size_t>(size), start.iHead.size() - session->iHeadAt);
            std::memcpy(buffer, start.iHead.data() + session->iHeadAt, take);
            session->iHeadAt += take;
            return static_cast<long>(take);
        }
        long got = start.iSource->Read(buffer, size);
        if (got < 0)
            session->iReadFailed = true;
        return got;
    }

    static long long SeekInput(void* context, long long offset, int whence)
    {
        CSession* session = static_cast<CSession*>(context);
        // A kept head means the source cannot seek.
        if (!session->iStart.iHead.empty())
            return -1;
        return session->iStart.iSource->Seek(offset, whence);
    }

    CZuStreamEngine& iEngine;
    TZuStreamStart& iStart;
    IZuSoundOutput& iOutput;
    unsigned iSession;
    TZuDecoderInput iInput;
    void* iHandle;
    size_t iHeadAt;
    bool iReadFailed = false;
    CZuAudioPlayer::TError iError;
    TZuStreamTags iDecoderTags;
    TZuStreamTags iSourceTags;
};

CZuStreamEngine::CZuStreamEngine()
    : iQuit(false), iSession(0), iPendingOutput(nullptr), iVolume(KFullVolume), iWakeUp(nullptr)
{
}

CZuStreamEngine::~CZuStreamEngine()
{
    {
        std::lock_guard<std::mutex> hold(iLock);
        iQuit = true;
        ++iSession;
    }
    iWake.notify_all();
    if (iThread.joinable())
        iThread.join();
    // Deleting the player silences it, also when the thread had not taken up its stream yet.
    if (iPendingOutput != nullptr)
        iPendingOutput->StopStream();
}

void CZuStreamEngine::SetWakeUp(MZuAudioWakeUp* wakeUp)
{
    std::lock_guard<std::mutex> hold(iWakeUpLock);
    iWakeUp = wakeUp;
}

void CZuStreamEngine::Play(TZuStreamStart* start, IZuSoundOutput& output)
{
    {
        std::lock_guard<std::mutex> hold(iLock);
        ++iSession;
        iPending.reset(start);
        iPendingOutput = &output;
        iReport.iState = CZuAudioPlayer::EPlaying;
        iReport.iError = CZuAudioPlayer::ENoError;
        iReport.iTitle.clear();
        iReport.iTags.clear();
        if (!iThread.joinable())
            iThread = std::thread(&CZuStreamEngine::Run, this);
    }
    iWake.notify_all();
}

void CZuStreamEngine::Stop()
{
    End(CZuAudioPlayer::EStopped, nullptr);
}

void CZuStreamEngine::Fail(CZuAudioPlayer::TError error)
{
    End(CZuAudioPlayer::EIdle, &error);
}

void CZuStreamEngine::End(CZuAudioPlayer::TState state, const CZuAudioPlayer::TError* error)
{
    IZuSoundOutput* output = nullptr;
    {
        std::lock_guard<std::mutex> hold(iLock);
        ++iSession;
        iPending.reset();
        output = iPendingOutput;
        iReport.iState = state;
        if (error != nullptr)
        {
            iReport.iError = *error;
            iReport.iTitle.clear();
            iReport.iTags.clear();
        }
    }
    iWake.notify_all();
    // Silent at once; the thread drops what it still hands over when it sees the end.
    if (output != nullptr)
        output->StopStream();
}

void CZuStreamEngine::SetVolume(int volume)
{
    iVolume.store(std::max(0, std::min(volume, KFullVolume)));
}

TZuStreamReport CZuStreamEngine::Report() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iReport;
}

CZuAudioPlayer::TState CZuStreamEngine::State() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iReport.iState;
}

unsigned CZuStreamEngine::Serial() const
{
    std::lock_guard<std::mutex> hold(iLock);
    return iReport.iSerial;
}

const TZuDecoder* CZuStreamEngine::ChooseDecoder(TZuStreamStart& start, CZuAudioPlayer::TError& error)
{
    std::vector<unsigned char>& head = start.iHead;
    head.resize(ZU_DECODER_PROBE_BYTES);
    size_t filled = 0;
    while (filled < head.size())
    {
        long got = start.iSource->Read(head.data() + filled, static_cast<long>(head.size() - filled));
        if (got < 0)
        {
            head.clear();
            error = start.iSource->Error();
            return nullptr;
        }
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    head.resize(filled);
    const TZuDecoder* decoder = CZuDecoderPlugins::ForHead(head.data(), static_cast<int>(head.size()));
    if (decoder == nullptr)
        error = CZuAudioPlayer::EUnknownFormat;
    // A source that can go back is read again from its start; the head is kept only for one that cannot.
    if (start.iSource->Seek(0, SEEK_SET) == 0)
        head.clear();
    return decoder;
}

void CZuStreamEngine::Run()
{
    for (;;)
    {
        std::unique_lock<std::mutex> lock(iLock);
        iWake.wait(lock, [this] { return iQuit || iPending != nullptr; });
        if (iQuit)
            return;
        std::unique_ptr<TZuStreamStart> start = std::move(iPending);
        IZuSoundOutput& output = *iPendingOutput;
        unsigned session = iSession.load();
        lock.unlock();
        CSession(*this, *start, output, session).Run();
    }
}

bool CZuStreamEngine::Cancelled(unsigned session) const
{
    return iSession.load() != session;
}

void CZuStreamEngine::Wait(unsigned session, int ms)
{
    std::unique_lock<std::mutex> lock(iLock);
    iWake.wait_for(lock, std::chrono::milliseconds(ms), [&] { return Cancelled(session); });
}

template <typename TChange> void CZuStreamEngine::Publish(unsigned session, TChange change)
{
    {
        std::lock_guard<std::mutex> hold(iLock);
        if (Cancelled(session))
            return;
        change(iReport);
        ++iReport.iSerial;
    }
    RequestWakeUp();
}

void CZuStreamEngine::RequestWakeUp()
{
    std::lock_guard<std::mutex> hold(iWakeUpLock);
    if (iWakeUp != nullptr)
        iWakeUp->RequestWakeUp();
}
