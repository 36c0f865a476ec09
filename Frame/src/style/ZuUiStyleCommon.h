#ifndef ZUUISTYLECOMMON_H
#define ZUUISTYLECOMMON_H

#include "ZuRgb.h"

// The colours every control takes when it is built: the style record all other records derive from.
// Controls copy the values they use; changing a record changes a control only on its next UpdateUiStyle().
class CZuUiStyleCommon
{
public:
    CZuUiStyleCommon();
    virtual ~CZuUiStyleCommon();

    // The colour the defaults are derived from.
    CZuRgb iBaseColor;
    CZuRgb iForeground;
    CZuRgb iBackground;
    // The end colour of a background gradient.
    CZuRgb iBackgroundTo;
    CZuRgb iBorderColor;
    CZuRgb iFocusedColor;
    // Transparency degrees in percent.
    int iForeTransDegree;
    int iBgTransDegree;
};

#endif // ZUUISTYLECOMMON_H
