#include "ZuUiStyle.h"

namespace
{
// Foreground, background and border of a record in one go.
void SetColors(CZuUiStyleCommon& record, const CZuRgb& foreground, const CZuRgb& background,
               const CZuRgb& border)
{
    record.iForeground = foreground;
    record.iBackground = background;
    record.iBorderColor = border;
}

// Calm blue buttons with a lighter top, a darker pressed look and a warm focus.
void SetButtonColors(CZuUiStyleButton& button)
{
    button.iNormalColor = CZuRgb(104, 158, 214);
    button.iNormalColor2 = CZuRgb(52, 104, 170);
    button.iDownColor = CZuRgb(40, 84, 146);
    button.iDownColor2 = CZuRgb(72, 122, 186);
    button.iFocusedBtnColor = CZuRgb(250, 182, 112);
    button.iFocusedBtnColor2 = CZuRgb(226, 136, 64);
    button.iDefaultFocusedColor = CZuRgb(132, 178, 228);
    button.iDefaultFocusedColor2 = CZuRgb(84, 134, 196);
    button.iDisabledColor = CZuRgb(176, 178, 182);
    button.iDisabledColor2 = CZuRgb(146, 148, 152);
}

// Dark text on near-white rows, a blue title row and a blue selection.
void SetListColors(CZuUiStyleList& list, const CZuRgb& background)
{
    SetColors(list, CZuRgb(34, 44, 60), background, CZuRgb(190, 200, 215));
    list.iTitleColor = CZuRgb(255, 255, 255);
    list.iTitleBgColor = CZuRgb(70, 120, 180);
    list.iSelTextColor = CZuRgb(255, 255, 255);
    list.iSelRowBorderColor = CZuRgb(40, 90, 160);
    list.iSelRowColor = CZuRgb(88, 140, 205);
    list.iSelCellColor = CZuRgb(120, 170, 225);
    list.iGridColor = CZuRgb(215, 222, 232);
}

void SetScrollListColors(CZuUiStyleScrollList& scrollList, const CZuRgb& background)
{
    SetColors(scrollList, CZuRgb(34, 44, 60), background, CZuRgb(190, 200, 215));
    SetListColors(scrollList.iListStyle, background);
}
} // namespace

CZuUiStyle::CZuUiStyle() : iUiStyle(EUiStyleDefault), iColorSchemeFlag(true) {}

CZuUiStyle::~CZuUiStyle() {}

void CZuUiStyle::SetColorScheme(TUiColorScheme scheme)
{
    iColorSchemeFlag = false;
    ApplyFirstScheme();
    if (scheme == EUiColorSchemeSecond)
    {
        iButton.iDisabledColor = CZuRgb(159, 155, 155);
    }
}

void CZuUiStyle::SetColorScheme(TUiColorScheme, const CZuRgb&)
{
    iColorSchemeFlag = false;
}

void CZuUiStyle::ApplyFirstScheme()
{
    const CZuRgb white(0xFFFFFF);
    const CZuRgb frame(122, 122, 122);
    SetColors(iCommon, white, CZuRgb(64, 64, 64), frame);
    SetColors(iTitleBar, white, CZuRgb(0, 0, 0), frame);
    SetColors(iCbaBar, white, CZuRgb(0, 0, 0), frame);
    SetColors(iCbaBar.iButtonStyle, white, CZuRgb(0, 0, 0), frame);
    SetButtonColors(iCbaBar.iButtonStyle);
    SetColors(iLabel, white, CZuRgb(89, 89, 89), frame);
    SetColors(iButton, CZuRgb(255, 255, 200), CZuRgb(89, 89, 89), CZuRgb(220, 220, 220));
    SetButtonColors(iButton);

    SetColors(iButtonGroup, white, CZuRgb(214, 226, 240), CZuRgb(170, 190, 215));
    SetColors(iButtonGroup.iButtonStyle, CZuRgb(255, 255, 200), CZuRgb(89, 89, 89), CZuRgb(220, 220, 220));
    SetButtonColors(iButtonGroup.iButtonStyle);
    SetColors(iTabGroup, CZuRgb(30, 50, 80), CZuRgb(206, 220, 238), CZuRgb(150, 175, 205));
    SetColors(iTabGroup.iButtonStyle, CZuRgb(255, 255, 255), CZuRgb(89, 89, 89), CZuRgb(220, 220, 220));
    SetButtonColors(iTabGroup.iButtonStyle);
    SetColors(iPromptBar, CZuRgb(40, 52, 72), CZuRgb(236, 241, 247), CZuRgb(190, 200, 215));
    SetListColors(iList, CZuRgb(250, 251, 253));
    SetScrollListColors(iScrollList, CZuRgb(250, 251, 253));
    SetColors(iMenuBar, CZuRgb(34, 44, 60), CZuRgb(246, 248, 251), CZuRgb(150, 165, 185));
    SetScrollListColors(iMenuBar.iLevelStyle, CZuRgb(246, 248, 251));
    SetColors(iDialog, CZuRgb(34, 44, 60), CZuRgb(240, 244, 249), CZuRgb(70, 110, 160));
}

CZuUiStyleCommon* CZuUiStyle::StyleForControlType(int controlType)
{
    switch (controlType)
    {
    case 1:
        return &iLabel;
    case 3:
        return &iButton;
    case 6:
        return &iButtonGroup;
    case 7:
        return &iTabGroup;
    case 9:
        return &iPromptBar;
    case 100:
        return &iList;
    case 101:
        return &iScrollList;
    case 200:
        return &iCbaBar;
    case 201:
        return &iTitleBar;
    case 300:
        return &iMenuBar;
    case 301:
        return &iDialog;
    default:
        return &iCommon;
    }
}

CZuUiStyleButton* CZuUiStyle::ButtonStyleForParent(int parentType)
{
    switch (parentType)
    {
    case 6:
        return &iButtonGroup.iButtonStyle;
    case 7:
        return &iTabGroup.iButtonStyle;
    case 200:
        return &iCbaBar.iButtonStyle;
    default:
        return &iButton;
    }
}
