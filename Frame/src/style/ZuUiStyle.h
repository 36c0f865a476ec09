#ifndef ZUUISTYLE_H
#define ZUUISTYLE_H

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

// One style record per kind of control, owned by the environment. Controls read the records directly and
// copy what they use; the application picks a built-in colour scheme and may then change single values.
class CZuUiStyle
{
public:
    enum TUiStyle : int
    {
        EUiStyleDefault = 0
    };

    enum TUiColorScheme : int
    {
        EUiColorSchemeFirst = 0,
        EUiColorSchemeSecond = 1
    };

    // Every record with its defaults (derived from the base colour); no scheme applied yet.
    CZuUiStyle();
    virtual ~CZuUiStyle();

    void SetUiStyle(TUiStyle style) { iUiStyle = style; }
    TUiStyle GetUiStyle() const { return iUiStyle; }
    // Writes the colours of a built-in scheme into the records: 1 the second, any other value the first.
    void SetColorScheme(TUiColorScheme scheme);
    // Keeps the records as they are.
    void SetColorScheme(TUiColorScheme scheme, const CZuRgb& base);
    // True until a colour scheme is set.
    bool ColorSchemeFlag() const { return iColorSchemeFlag; }

    // The record that controls of a control type take when their style is updated: 1 label, 3 button,
    // 6 button group, 7 tab group, 9 prompt bar, 100 list, 101 scroll list, 200 command bar, 201 title bar,
    // 300 menu bar, 301 dialog; every other type the common record.
    CZuUiStyleCommon* StyleForControlType(int controlType);
    // The record a button takes inside a parent of this control type: the command bar's, a button
    // group's or a tab group's button part (types 200, 6, 7), else the button record.
    CZuUiStyleButton* ButtonStyleForParent(int parentType);

    CZuUiStyleCommon iCommon;
    CZuUiStyleTitleBar iTitleBar;
    CZuUiStyleCbaBar iCbaBar;
    CZuUiStyleMenuBar iMenuBar;
    CZuUiStyleLabel iLabel;
    CZuUiStyleButton iButton;
    CZuUiStyleButtonGroup iButtonGroup;
    CZuUiStyleTabGroup iTabGroup;
    CZuUiStylePromptBar iPromptBar;
    CZuUiStyleList iList;
    CZuUiStyleScrollList iScrollList;
    CZuUiStyleDialog iDialog;

private:
    CZuUiStyle(const CZuUiStyle&) = delete;
    CZuUiStyle& operator=(const CZuUiStyle&) = delete;

    void ApplyFirstScheme();

    TUiStyle iUiStyle;
    bool iColorSchemeFlag;
};

#endif // ZUUISTYLE_H
