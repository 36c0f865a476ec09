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

#include "ZuUiStyle.h"
#include "ZuUiStyleButton.h"
#include "ZuUiStyleButtonGroup.h"
#include "ZuUiStyleCbaBar.h"
#include "ZuUiStyleCommon.h"
#include "ZuUiStyleDialog.h"
#include "ZuUiStyleLabel.h"
#include "ZuUiStyleList.h"
#include "ZuUiStyleMenuBar.h"
#include "ZuUiStylePromptBar.h"
#include "ZuUiStyleScrollList.h"
#include "ZuUiStyleTabGroup.h"
#include "ZuUiStyleTitleBar.h"

#include "MfpFile.h"
#include "ZuImageSource.h"
#include "ZuLog.h"
#include "ZuMfpExtract.h"
#include "ZuStrUtil.h"
#include "ZuStringManager.h"
#include "ZuStringPool.h"
#include "ZuStringRes.h"
#include "ZuTextMeasure.h"

#endif // ZUUI_H
