#include "ZuMp3StreamPlayerWrap.h"

#include "ZuAudioPlayerObserver.h"
#include "ZuDecoderPlugins.h"
#include "ZuHttpSource.h"
#include "ZuNameValue.h"
#include "ZuNameValueList.h"
#include "ZuSoundOutput.h"
#include "ZuStreamEngine.h"

namespace
{

const int KInitialVolume = 0xFFFF;

std::string TextOf(const CZuString& text)
{
    return text.IsEmpty() ? std::string() : std::string(text.PtrZ(), text.Length());
}

} // namespace

CZuMp3StreamPlayerWrap::CZuMp3StreamPlayerWrap(MZuAudioPlayerObserver* observer)
    : iObserver(observer), iVolume(KInitialVolume), iEngine(new CZuStreamEngine),
      iTimeouts(new TZuNetworkTimeouts), iMetaData(new CZuNameValueList), iToldSerial(0),
      iSeenState(CZuAudioPlayer::EIdle), iSeenError(CZuAudioPlayer::ENoError)
{
}

CZuMp3StreamPlayerWrap::~CZuMp3StreamPlayerWrap()
{
    delete iEngine;
    delete iTimeouts;
    delete iMetaData;
}

void CZuMp3StreamPlayerWrap::Notify()
{
    if (iObserver != nullptr)
        iObserver->HandleAudioPlayerEvent(1);
}

bool CZuMp3StreamPlayerWrap::CanPlay()
{
    if (!IZuSoundOutput::Current().HasDevice())
    {
        Fail(CZuAudioPlayer::ENoDevice);
        return false;
    }
    // The plug-ins are looked for here, when the first stream opens.
    if (CZuDecoderPlugins::Count() == 0)
    {
        Fail(CZuAudioPlayer::ENoPlugins);
        return false;
    }
    return true;
}

bool CZuMp3StreamPlayerWrap::Open(const CZuString& name)
{
    iName = name;
    std::string path = TextOf(name);
    if (!CanPlay())
        return false;
    TZuStreamStart* start = new TZuStreamStart;
    if (CZuHttpSource::IsNetworkAddress(path))
    {
        if (!CZuHttpSource::IsAcceptedAddress(path))
        {
            delete start;
            Fail(CZuAudioPlayer::EBadAddress);
            return false;
        }
        // Connecting waits on the network: the engine's thread does it and chooses the decoder then.
        start->iSource.reset(new CZuHttpSource(path, *iTimeouts));
        HandOver(start);
        return true;
    }
    start->iSource.reset(path.find("://") == std::string::npos ? CZuFileSource::Open(path.c_str()) : nullptr);
    if (start->iSource == nullptr)
    {
        delete start;
        Fail(path.find("://") == std::string::npos ? CZuAudioPlayer::ENotFound
                                                            : CZuAudioPlayer::EBadAddress);
        return false;
    }
    return ChooseAndHandOver(start);
}

void CZuMp3StreamPlayerWrap::PlayData(const char* data, int length)
{
    iName = CZuString();
    if (!CanPlay())
        return;
    TZuStreamStart* start = new TZuStreamStart;
    start->iSource.reset(new CZuMemorySource(data, length));
    ChooseAndHandOver(start);
}

bool CZuMp3StreamPlayerWrap::ChooseAndHandOver(TZuStreamStart* start)
{
    CZuAudioPlayer::TError error = CZuAudioPlayer::ENoError;
    start->iDecoder = CZuStreamEngine::ChooseDecoder(*start, error);
    if (start->iDecoder == nullptr)
    {
        delete start;
        Fail(error);
        return false;
    }
    HandOver(start);
    return true;
}

void CZuMp3StreamPlayerWrap::HandOver(TZuStreamStart* start)
{
    iEngine->SetVolume(iVolume & 0xFFFF);
    iEngine->Play(start, IZuSoundOutput::Current());
    iSeenState = CZuAudioPlayer::EPlaying;
    iSeenError = CZuAudioPlayer::ENoError;
    RefreshMetaData();
}

void CZuMp3StreamPlayerWrap::Stop()
{
    iEngine->Stop();
    iSeenState = CZuAudioPlayer::EStopped;
}

void CZuMp3StreamPlayerWrap::HandleWakeUp()
{
    TZuStreamReport report = iEngine->Report();
    iSeenState = report.iState;
    iSeenError = report.iError;
    unsigned serial = report.iSerial;
    if (serial == iToldSerial)
        return;
    iToldSerial = serial;
    RefreshMetaData();
    Notify();
}

void CZuMp3StreamPlayerWrap::SetWakeUp(MZuAudioWakeUp* wakeUp)
{
    iEngine->SetWakeUp(wakeUp);
}

void CZuMp3StreamPlayerWrap::SetNetworkTimeouts(const TZuNetworkTimeouts& timeouts)
{
    *iTimeouts = timeouts;
}

void CZuMp3StreamPlayerWrap::Fail(CZuAudioPlayer::TError error)
{
    iEngine->Fail(error);
    iSeenState = CZuAudioPlayer::EIdle;
    iSeenError = error;
}

CZuString CZuMp3StreamPlayerWrap::Title() const
{
    TZuStreamReport report = iEngine->Report();
    return CZuString(report.iTitle.c_str(), static_cast<int>(report.iTitle.size()));
}

CZuNameValueList* CZuMp3StreamPlayerWrap::MetaData()
{
    RefreshMetaData();
    return iMetaData;
}

void CZuMp3StreamPlayerWrap::RefreshMetaData()
{
    TZuStreamReport report = iEngine->Report();
    CZuNameValueList* list = new CZuNameValueList;
    for (const auto& tag : report.iTags)
    {
        CZuNameValue* entry = new CZuNameValue;
        entry->iName = CZuString(tag.first.c_str(), static_cast<int>(tag.first.size()));
        entry->iValue = CZuString(tag.second.c_str(), static_cast<int>(tag.second.size()));
        list->Append(entry);
    }
    delete iMetaData;
    iMetaData = list;
}

void CZuMp3StreamPlayerWrap::SetVolume(int volume)
{
    iVolume = volume;
    iEngine->SetVolume(volume & 0xFFFF);
}
