#include "ZuMp3StreamPlayerWrap.h"

#include "ZuAudioPlayerObserver.h"

CZuMp3StreamPlayerWrap::CZuMp3StreamPlayerWrap(MZuAudioPlayerObserver* observer)
    : iObserver(observer), iState(CZuAudioPlayer::EIdle), iVolume(0xFFFF)
{
}

CZuMp3StreamPlayerWrap::~CZuMp3StreamPlayerWrap() {}

void CZuMp3StreamPlayerWrap::Notify()
{
    if (iObserver != nullptr)
        iObserver->HandleAudioPlayerEvent(1);
}

bool CZuMp3StreamPlayerWrap::Open(const CZuString& name)
{
    iName = name;
    return false;
}

void CZuMp3StreamPlayerWrap::Stop()
{
    iState = CZuAudioPlayer::EStopped;
}
