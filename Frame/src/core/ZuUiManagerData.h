#ifndef ZUUIMANAGERDATA_H
#define ZUUIMANAGERDATA_H

#include "ZuBitmapGc.h"
#include "ZuObjectList.h"
#include "ZuRect.h"
#include "ZuRgb.h"
#include "ZuString.h"
#include "ZuTransform.h"
#include "ZuUiManager.h"

class CZuMenuBar;
class CZuView;

// The UI manager's own record.
struct TZuUiManagerData
{
    TZuOsType iOsType = 0;
    CZuString iAppName = CZuString("ZuUi");
    CZuBitmapGc* iBackBuffer = nullptr;
    CZuBitmapGc* iOldPicture = nullptr;
    CZuBitmapGc* iNewPicture = nullptr;
    bool iTransPending = false;
    bool iTransStarted = false;
    CZuTransform iTransform;
    CZuRect iScreenRect;
    CZuRect iUiRect;
    CZuImage* iBgImage = nullptr;
    bool iBgImageOwned = false;
    CZuRgb iBgColor;
    bool iBgColorSet = false;
    CZuObjectList iWnds{true};
    int iCurWnd = 0;
    unsigned iNextViewId = 1;
    CZuObjectList iViews{true};
    CZuView* iCurView = nullptr;
    CZuView* iActivatingView = nullptr;
    CZuRect iMenuBasePos;
    // The control a menu-opening message named, while that menu opens: it comes before the command bar.
    CZuControl* iMenuAnchor = nullptr;
    CZuMenuBar* iMenuBar = nullptr;
    CZuObjectList iDispStack{false};
    MZuUiManagerObserver* iObserver = nullptr;
    MZuEngineCallback* iEngine = nullptr;
    CZuControl* iPlatWindow = nullptr;
    bool iPlatWindowOwned = false;
    int iSavedFocus = -1;
    // The welcome screen's text and colours as last set, kept for a welcome screen shown later.
    bool iWelcomeInfoSet = false;
    CZuString iWelcomeInfo;
    bool iWelcomeColorSet = false;
    CZuRgb iWelcomeFore;
    CZuRgb iWelcomeBack;
    bool iDrawing = false;
};

#endif // ZUUIMANAGERDATA_H
