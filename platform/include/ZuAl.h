#ifndef ZUAL_H
#define ZUAL_H

// Everything of the platform layer.
#include "ZuBase.h"

#include "ZuAlign.h"
#include "ZuBitmapGc.h"
#include "ZuFont.h"
#include "ZuGc.h"
#include "ZuImage.h"
#include "ZuWindowGc.h"

#include "ZuClipboard.h"
#include "ZuEventLoop.h"
#include "ZuKeyCode.h"
#include "ZuKeyMap.h"
#include "ZuManualClock.h"
#include "ZuPathUtil.h"
#include "ZuPointerType.h"
#include "ZuSynWait.h"
#include "ZuTextInput.h"
#include "ZuTimer.h"
#include "ZuTimerBackend.h"
#include "ZuTimerObserver.h"
#include "ZuWindow.h"
#include "ZuWindowEventHandler.h"

#endif // ZUAL_H
