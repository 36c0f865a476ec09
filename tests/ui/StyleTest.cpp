// The style records: defaults derived from the base colour, the records' own changes, the colour schemes
// and the record each control type takes.
#include "ZuUi.h"

#include <gtest/gtest.h>

namespace
{
const CZuRgb KBase(22, 0, 250);
const CZuRgb KWhite(255, 255, 255);
} // namespace

TEST(StyleTest, CommonDefaultsDeriveFromTheBaseColour)
{
    CZuUiStyleCommon common;
    EXPECT_EQ(common.iBaseColor, KBase);
    EXPECT_EQ(common.iForeground, KBase.GetNewColor(90, -90));
    EXPECT_EQ(common.iBackground, KBase.GetNewColor(-80, 80));
    EXPECT_EQ(common.iBackgroundTo, CZuRgb());
    EXPECT_EQ(common.iBorderColor, KBase.GetNewColor(100, 0));
    EXPECT_EQ(common.iFocusedColor, CZuRgb(245, 157, 86));
    EXPECT_EQ(common.iForeTransDegree, 0);
    EXPECT_EQ(common.iBgTransDegree, 80);
}

TEST(StyleTest, RecordsChangeTheirOwnDefaults)
{
    CZuUiStyle style;
    EXPECT_EQ(style.iTitleBar.iForeground, KBase.GetNewColor(-90, 90));
    EXPECT_EQ(style.iTitleBar.iBackground, KBase);
    EXPECT_EQ(style.iTitleBar.iBgTransDegree, 80);
    EXPECT_EQ(style.iCbaBar.iBackground, KBase);
    EXPECT_EQ(style.iCbaBar.iButtonStyle.iForeground, KBase.GetNewColor(-90, 90));
    EXPECT_EQ(style.iCbaBar.iButtonStyle.iForeTransDegree, 100);
    EXPECT_EQ(style.iMenuBar.iBackground, KBase.GetNewColor(-90, 90));
    EXPECT_EQ(style.iMenuBar.iBgTransDegree, 20);
    EXPECT_EQ(style.iButtonGroup.iBackground, KBase.GetNewColor(-20, 20));
    EXPECT_EQ(style.iButtonGroup.iBgTransDegree, 0);
    EXPECT_EQ(style.iButtonGroup.iButtonStyle.iForeTransDegree, 100);
    EXPECT_EQ(style.iTabGroup.iBackground, KBase.GetNewColor(-60, 100));
    EXPECT_EQ(style.iTabGroup.iBgTransDegree, 0);
    EXPECT_EQ(style.iTabGroup.iButtonStyle.iForeTransDegree, 100);
    EXPECT_EQ(style.iDialog.iBorderColor, KBase.GetNewColor(80, -80));
    EXPECT_EQ(style.iDialog.iBgTransDegree, 20);
    // Records without changes keep the common values.
    EXPECT_EQ(style.iLabel.iForeground, style.iCommon.iForeground);
    EXPECT_EQ(style.iPromptBar.iBackground, style.iCommon.iBackground);
    EXPECT_EQ(style.iButton.iBgTransDegree, 80);
    EXPECT_EQ(style.iButton.iForeTransDegree, 0);
}

TEST(StyleTest, ListRecordsCarryTheirFont)
{
    CZuUiStyle style;
    EXPECT_TRUE(style.iList.iFontName == "Annotation");
    EXPECT_EQ(style.iList.iFontSize, 15);
    EXPECT_EQ(style.iList.iFlag, 1);
    EXPECT_TRUE(style.iScrollList.iListStyle.iFontName == "Annotation");
    EXPECT_EQ(style.iMenuBar.iLevelStyle.iListStyle.iFontSize, 15);
    // The list colours are told apart from each other.
    EXPECT_NE(style.iList.iSelRowColor, style.iList.iGridColor);
}

TEST(StyleTest, TheFirstSchemeWritesItsTellingValues)
{
    CZuUiStyle style;
    EXPECT_TRUE(style.ColorSchemeFlag());
    style.SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    EXPECT_FALSE(style.ColorSchemeFlag());
    EXPECT_EQ(style.iCommon.iForeground, KWhite);
    EXPECT_EQ(style.iCommon.iBackground, CZuRgb(64, 64, 64));
    EXPECT_EQ(style.iCommon.iBorderColor, CZuRgb(122, 122, 122));
    EXPECT_EQ(style.iTitleBar.iBackground, CZuRgb(0, 0, 0));
    EXPECT_EQ(style.iCbaBar.iForeground, KWhite);
    EXPECT_EQ(style.iCbaBar.iButtonStyle.iBackground, CZuRgb(0, 0, 0));
    EXPECT_EQ(style.iCbaBar.iButtonStyle.iBorderColor, CZuRgb(122, 122, 122));
    EXPECT_EQ(style.iLabel.iForeground, KWhite);
    EXPECT_EQ(style.iLabel.iBackground, CZuRgb(89, 89, 89));
    EXPECT_EQ(style.iButton.iForeground, CZuRgb(255, 255, 200));
    EXPECT_EQ(style.iButton.iBorderColor, CZuRgb(220, 220, 220));
    // Only colours are written: transparency degrees stay.
    EXPECT_EQ(style.iCommon.iBgTransDegree, 80);
    EXPECT_EQ(style.iDialog.iBgTransDegree, 20);
}

TEST(StyleTest, TheSecondSchemeDiffersInTheDisabledButtonColour)
{
    CZuUiStyle first;
    first.SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    CZuUiStyle second;
    second.SetColorScheme(CZuUiStyle::EUiColorSchemeSecond);
    EXPECT_EQ(second.iButton.iDisabledColor, CZuRgb(159, 155, 155));
    EXPECT_NE(first.iButton.iDisabledColor, CZuRgb(159, 155, 155));
    EXPECT_EQ(second.iButton.iNormalColor, first.iButton.iNormalColor);
    EXPECT_EQ(second.iLabel.iForeground, KWhite);
    // Any value other than 1 is the first scheme, and it undoes the second.
    second.SetColorScheme(static_cast<CZuUiStyle::TUiColorScheme>(7));
    EXPECT_EQ(second.iButton.iDisabledColor, first.iButton.iDisabledColor);
}

TEST(StyleTest, SchemeWithAColourOnlyClearsTheFlag)
{
    CZuUiStyle style;
    CZuRgb before = style.iCommon.iBackground;
    style.SetColorScheme(CZuUiStyle::EUiColorSchemeFirst, CZuRgb(1, 2, 3));
    EXPECT_FALSE(style.ColorSchemeFlag());
    EXPECT_EQ(style.iCommon.iBackground, before);
}

TEST(StyleTest, SchemeButtonsReadOnTheirBackground)
{
    // The button text colour must stand out from every gradient colour the scheme gives buttons.
    CZuUiStyle style;
    style.SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    auto luminance = [](const CZuRgb& c) { return 0.299 * c.Red() + 0.587 * c.Green() + 0.114 * c.Blue(); };
    const CZuUiStyleButton& b = style.iButton;
    for (const CZuRgb* c : {&b.iNormalColor, &b.iNormalColor2, &b.iDownColor, &b.iDownColor2})
    {
        EXPECT_GT(luminance(b.iForeground) - luminance(*c), 70.0);
    }
    // List text is dark on a light row; the selected row's text light on a darker selection.
    EXPECT_GT(luminance(style.iList.iBackground) - luminance(style.iList.iForeground), 150.0);
    EXPECT_GT(luminance(style.iList.iSelTextColor) - luminance(style.iList.iSelRowColor), 90.0);
}

TEST(StyleTest, UiStyleValueIsKept)
{
    CZuUiStyle style;
    EXPECT_EQ(style.GetUiStyle(), CZuUiStyle::EUiStyleDefault);
    style.SetUiStyle(static_cast<CZuUiStyle::TUiStyle>(3));
    EXPECT_EQ(style.GetUiStyle(), 3);
}

TEST(StyleTest, EachControlTypeFindsItsRecord)
{
    CZuUiStyle style;
    EXPECT_EQ(style.StyleForControlType(1), &style.iLabel);
    EXPECT_EQ(style.StyleForControlType(3), &style.iButton);
    EXPECT_EQ(style.StyleForControlType(6), &style.iButtonGroup);
    EXPECT_EQ(style.StyleForControlType(7), &style.iTabGroup);
    EXPECT_EQ(style.StyleForControlType(9), &style.iPromptBar);
    EXPECT_EQ(style.StyleForControlType(100), &style.iList);
    EXPECT_EQ(style.StyleForControlType(101), &style.iScrollList);
    EXPECT_EQ(style.StyleForControlType(200), &style.iCbaBar);
    EXPECT_EQ(style.StyleForControlType(201), &style.iTitleBar);
    EXPECT_EQ(style.StyleForControlType(300), &style.iMenuBar);
    EXPECT_EQ(style.StyleForControlType(301), &style.iDialog);
    for (int type : {0, 2, 8, 10, 12, 204, 302, -1})
    {
        EXPECT_EQ(style.StyleForControlType(type), &style.iCommon) << type;
    }
}
