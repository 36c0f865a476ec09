#ifndef ZUAL_H
#define ZUAL_H

// Everything of the platform layer.
#include "ZuBase.h"

#include "ZuImage.h"

#include "ZuEventLoop.h"
#include "ZuKeyCode.h"
#include "ZuKeyMap.h"
#include "ZuManualClock.h"
#include "ZuPathUtil.h"
#include "ZuPointerType.h"
#include "ZuSynWait.h"
#include "ZuTimer.h"
#include "ZuTimerBackend.h"
#include "ZuTimerObserver.h"
#include "ZuWindow.h"
#include "ZuWindowEventHandler.h"

#endif // ZUAL_H
