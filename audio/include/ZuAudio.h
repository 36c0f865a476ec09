#ifndef ZUAUDIO_H
#define ZUAUDIO_H

// Everything of the audio library.
#include "ZuAmrDecoder.h"
#include "ZuAmrPlayer.h"
#include "ZuAudioPlayer.h"
#include "ZuAudioPlayerObserver.h"
#include "ZuAudioWakeUp.h"
#include "ZuDecoderPlugin.h"
#include "ZuDecoderPlugins.h"
#include "ZuMp3StreamPlayerWrap.h"
#include "ZuSoundOutput.h"

#endif // ZUAUDIO_H
