#include "ZuAudioPlayer.h"

#include "ZuAmrDecoder.h"
#include "ZuAmrPlayer.h"
#include "ZuBuffer.h"
#include "ZuHttpSource.h"
#include "ZuMp3StreamPlayerWrap.h"
#include "ZuNameValueList.h"
#include "ZuSoundOutput.h"

namespace
{

const int KInitialVolume = 0xFFFF;
const int KMaxVolume = 10;

} // namespace

struct CZuAudioPlayer::TPlayers
{
    CZuMp3StreamPlayerWrap* iStream = nullptr;
    CZuAmrPlayer* iAmr = nullptr;
    // What is set before the stream player exists, handed to it when it is made.
    int iVolume = KInitialVolume;
    MZuAudioWakeUp* iWakeUp = nullptr;
    TZuNetworkTimeouts iTimeouts;
};

CZuAudioPlayer::CZuAudioPlayer(MZuAudioPlayerObserver* observer)
    : iMode(EModeNone), iObserver(observer), iPlayers(new TPlayers)
{
}

CZuAudioPlayer::~CZuAudioPlayer()
{
    delete iPlayers->iStream;
    delete iPlayers->iAmr;
    delete iPlayers;
}

bool CZuAudioPlayer::MakeAmrPlayer()
{
    if (iPlayers->iAmr != nullptr)
        return false;
    iPlayers->iAmr = new CZuAmrPlayer(iObserver);
    return true;
}

void CZuAudioPlayer::MakeStreamPlayer()
{
    if (iPlayers->iStream != nullptr)
        return;
    iPlayers->iStream = new CZuMp3StreamPlayerWrap(iObserver);
    iPlayers->iStream->SetVolume(iPlayers->iVolume);
    iPlayers->iStream->SetWakeUp(iPlayers->iWakeUp);
    iPlayers->iStream->SetNetworkTimeouts(iPlayers->iTimeouts);
}

void CZuAudioPlayer::PlayClip(const char* data, int len)
{
    CZuBuffer image;
    {
        CZuAmrDecoder decoder;
        if (!decoder.DecodeToWav(data, len, image))
            return;
    }
    IZuSoundOutput::Current().PlayWav(image.Data(), image.Size());
}

void CZuAudioPlayer::AmrDataPlay(const char* data, int len)
{
    MakeAmrPlayer();
    iMode = EModeAmr;
    PlayClip(data, len);
}

void CZuAudioPlayer::AmrDataAppend(const char* data, int len)
{
    if (MakeAmrPlayer())
        iMode = EModeAmr;
    PlayClip(data, len);
}

void CZuAudioPlayer::AmrDataClear() {}

bool CZuAudioPlayer::Open(const CZuString& path)
{
    MakeStreamPlayer();
    iMode = EModeStream;
    return iPlayers->iStream->Open(path);
}

void CZuAudioPlayer::Mp3DataPlay(const char* data, int len)
{
    MakeStreamPlayer();
    iMode = EModeStream;
    iPlayers->iStream->PlayData(data, len);
}

void CZuAudioPlayer::Mp3DataAppend(const char* data, int len)
{
    bool made = iPlayers->iStream == nullptr;
    MakeStreamPlayer();
    if (made)
        iMode = EModeStream;
    // Whatever plays is stopped; the new bytes play from their start.
    iPlayers->iStream->Stop();
    iPlayers->iStream->PlayData(data, len);
}

void CZuAudioPlayer::Mp3DataClear() {}

void CZuAudioPlayer::Play() {}

void CZuAudioPlayer::Pause() {}

void CZuAudioPlayer::Resume() {}

void CZuAudioPlayer::Stop()
{
    if (iMode != EModeStream || iPlayers->iStream == nullptr)
        return;
    iPlayers->iStream->Stop();
}

void CZuAudioPlayer::Close() {}

void CZuAudioPlayer::SetPosition(int) {}

int CZuAudioPlayer::GetPosition() const
{
    return 0;
}

int CZuAudioPlayer::Duration() const
{
    return 1;
}

void CZuAudioPlayer::SetVolume(int volume)
{
    iPlayers->iVolume = volume;
    if (iPlayers->iStream != nullptr)
        iPlayers->iStream->SetVolume(volume);
}

int CZuAudioPlayer::GetVolume() const
{
    // The device's volume word holds the volume's low 16 bits for each channel.
    int volume = iPlayers->iStream != nullptr ? iPlayers->iStream->Volume() : iPlayers->iVolume;
    return volume & 0xFFFF;
}

int CZuAudioPlayer::MaxVolume() const
{
    return KMaxVolume;
}

bool CZuAudioPlayer::IsPlaying() const
{
    return GetState() == EPlaying;
}

CZuAudioPlayer::TState CZuAudioPlayer::GetState() const
{
    return iPlayers->iStream != nullptr ? iPlayers->iStream->State() : EIdle;
}

CZuAudioPlayer::TError CZuAudioPlayer::LastError() const
{
    return iPlayers->iStream != nullptr ? iPlayers->iStream->Error() : ENoError;
}

CZuAudioPlayer::TMode CZuAudioPlayer::Mode() const
{
    return iMode;
}

int CZuAudioPlayer::GetNumberOfMetaDataEntries() const
{
    if (iPlayers->iStream == nullptr)
        return 0;
    return iPlayers->iStream->MetaData()->GetCount();
}

CZuNameValue* CZuAudioPlayer::GetMetaDataEntry(int index) const
{
    CZuNameValueList* list = GetMetaDataList();
    if (list == nullptr || index < 0 || index >= list->GetCount())
        return nullptr;
    return list->Get(index);
}

CZuNameValueList* CZuAudioPlayer::GetMetaDataList() const
{
    return iPlayers->iStream != nullptr ? iPlayers->iStream->CurrentMetaData() : nullptr;
}

CZuString CZuAudioPlayer::Title() const
{
    return iPlayers->iStream != nullptr ? iPlayers->iStream->Title() : CZuString();
}

void CZuAudioPlayer::SetWakeUp(MZuAudioWakeUp* wakeUp)
{
    iPlayers->iWakeUp = wakeUp;
    if (iPlayers->iStream != nullptr)
        iPlayers->iStream->SetWakeUp(wakeUp);
}

void CZuAudioPlayer::HandleWakeUp()
{
    if (iPlayers->iStream != nullptr)
        iPlayers->iStream->HandleWakeUp();
}

void CZuAudioPlayer::SetNetworkTimeouts(int connectMs, int readMs)
{
    iPlayers->iTimeouts.iConnectMs = connectMs;
    iPlayers->iTimeouts.iReadMs = readMs;
    if (iPlayers->iStream != nullptr)
        iPlayers->iStream->SetNetworkTimeouts(iPlayers->iTimeouts);
}

void CZuAudioPlayer::SetObserver(MZuAudioPlayerObserver* observer)
{
    iObserver = observer;
}
