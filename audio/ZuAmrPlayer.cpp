#include "ZuAmrPlayer.h"

#include "ZuAudioPlayerObserver.h"

CZuAmrPlayer::CZuAmrPlayer(MZuAudioPlayerObserver* observer)
    : iObserver(observer), iState(CZuAudioPlayer::EIdle), iVolume(0xFFFF)
{
}

CZuAmrPlayer::~CZuAmrPlayer() {}

void CZuAmrPlayer::Notify()
{
    if (iObserver != nullptr)
        iObserver->HandleAudioPlayerEvent(1);
}
