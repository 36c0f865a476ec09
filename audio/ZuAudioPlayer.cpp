#include "ZuAudioPlayer.h"

#include "ZuAmrDecoder.h"
#include "ZuAmrPlayer.h"
#include "ZuBuffer.h"
#include "ZuMp3StreamPlayerWrap.h"
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
    // The volume set before the stream player exists, handed to it when it is made.
    int iVolume = KInitialVolume;
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

void CZuAudioPlayer::Mp3DataPlay(const char*, int)
{
    MakeStreamPlayer();
    iMode = EModeStream;
}

void CZuAudioPlayer::Mp3DataAppend(const char*, int)
{
    bool made = iPlayers->iStream == nullptr;
    MakeStreamPlayer();
    if (made)
        iMode = EModeStream;
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

CZuAudioPlayer::TMode CZuAudioPlayer::Mode() const
{
    return iMode;
}

int CZuAudioPlayer::GetNumberOfMetaDataEntries() const
{
    return 0;
}

CZuNameValue* CZuAudioPlayer::GetMetaDataEntry(int) const
{
    return nullptr;
}

CZuNameValueList* CZuAudioPlayer::GetMetaDataList() const
{
    return nullptr;
}

void CZuAudioPlayer::SetObserver(MZuAudioPlayerObserver* observer)
{
    iObserver = observer;
}
