#ifndef ZUUI_H
#define ZUUI_H

// Everything of the UI toolkit.
#include "ZuAl.h"
#include "ZuBase.h"

#include "ZuKeyEvent.h"
#include "ZuMessage.h"
#include "ZuMessageProcessor.h"
#include "ZuMessageProcessorImpl.h"
#include "ZuMessageRouter.h"
#include "ZuMessageWnd.h"
#include "ZuPointerEvent.h"
#include "ZuTimerManager.h"

#endif // ZUUI_H
