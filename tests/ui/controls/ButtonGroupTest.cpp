#include "TestScreen.h"

#include <gtest/gtest.h>

namespace
{
// A button group on the test screen's client pane.
class ButtonGroupTest : public ::testing::Test
{
protected:
    ButtonGroupTest() : iGroup(new CZuButtonGroup(iScreen.Client(), true, EZuCtrlButtonGroup)) {}
    int CellCount() const
    {
        int cells = 0;
        for (int row = 0; row < iGroup->GetLayout()->GetRowCount(); ++row)
            cells += iGroup->GetLayout()->GetRow(row)->GetLayoutCellCount();
        return cells;
    }

    CTestScreen iScreen;
    CZuButtonGroup* iGroup;
};

CZuImage* BmpImage(const char* name)
{
    const std::vector<char>& bmp = RedGreenBmp();
    return CZuEnv::ImageMgr()->GetImage(CZuString(name), false, bmp.data(), int(bmp.size()));
}
} // namespace

TEST_F(ButtonGroupTest, SetButtonCountAddsPlaceholdersAndDeletesFromTheEnd)
{
    iGroup->SetButtonCount(3);
    ASSERT_EQ(iGroup->GetButtonCount(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(iGroup->GetButton(i)->GetCommand(), -1);
        EXPECT_STREQ(iGroup->GetButton(i)->GetText().PtrZ(), "test");
    }
    EXPECT_EQ(CellCount(), 3);
    CZuButton* first = iGroup->GetButton(0);
    iGroup->SetButtonCount(1);
    EXPECT_EQ(iGroup->GetButtonCount(), 1);
    EXPECT_EQ(iGroup->GetButton(0), first);
    // Their cells went with them.
    EXPECT_EQ(CellCount(), 1);
    iGroup->SetRect(CZuRect(0, 0, 200, 40));
    iGroup->SetButtonCount(0);
    EXPECT_EQ(CellCount(), 0);
    EXPECT_EQ(iGroup->GetLayout()->GetRowCount(), 0);
}

TEST_F(ButtonGroupTest, ANegativeCountAndBadIndexesChangeNothing)
{
    iGroup->SetButtonCount(2);
    iGroup->SetButtonCount(-4);
    EXPECT_EQ(iGroup->GetButtonCount(), 2);
    iGroup->SetButtonByIndex(2, 9, CZuString("nine"), nullptr, false);
    iGroup->SetButtonByIndex(-1, 9, CZuString("nine"), nullptr, false);
    EXPECT_EQ(iGroup->GetButtonByCmd(9), nullptr);
    EXPECT_EQ(iGroup->GetButton(5), nullptr);
    iGroup->SetButton(77, CZuString("none"), nullptr, false);
    iGroup->SetBtnsize(77, CZuSize(10, 10));
    EXPECT_STREQ(iGroup->GetButton(0)->GetText().PtrZ(), "test");
}

TEST_F(ButtonGroupTest, AnEmptyGroupMeasuresItsFrameAndDrawsAndLaysOut)
{
    iGroup->SetInnerSpace(2, 3, 4, 5);
    iGroup->SetBorderType(EZuBorderLine);
    EXPECT_EQ(iGroup->GetMinSize(), CZuSize(4 + 5 + 2, 2 + 3 + 2));
    iGroup->SetRect(CZuRect(0, 0, 100, 30));
    iScreen.Draw();
    iGroup->SetBtnSize();
    iGroup->SetBtnGroupType(CZuButtonGroup::EGroupColumn);
    EXPECT_EQ(iGroup->GetButtonCount(), 0);
}

TEST_F(ButtonGroupTest, NewButtonsTakeTheGroupsSettings)
{
    iGroup->SetBtnType(EZuBtnImageText);
    iGroup->SetBtnStyle(EZuBtnStyleFlat);
    iGroup->SetBtnSize(CZuSize(60, 30));
    iGroup->SetBgTransDegree(35);
    CZuButton* button = iGroup->AppendButton(12, CZuString("Go"), nullptr, false, 0, 0);
    EXPECT_EQ(button->Parent(), iGroup);
    EXPECT_EQ(button->GetCommand(), 12);
    EXPECT_EQ(button->GetID(), 12);
    EXPECT_STREQ(button->GetText().PtrZ(), "Go");
    EXPECT_EQ(button->GetBtnType(), EZuBtnImageText);
    EXPECT_EQ(button->GetBtnUiStyle(), EZuBtnStyleFlat);
    EXPECT_EQ(button->GetPredefinedSize(), CZuSize(60, 30));
    EXPECT_EQ(button->GetBgTransDegree(), 35);
    EXPECT_EQ(button->InnerMargin().iLeft, 10);
    EXPECT_EQ(button->InnerMargin().iTop, 2);
    // Later changes reach every button.
    iGroup->SetBtnType(EZuBtnText);
    iGroup->SetBtnStyle(EZuBtnStyleGradient);
    iGroup->SetBtnSize(CZuSize(70, 20));
    EXPECT_EQ(button->GetBtnType(), EZuBtnText);
    EXPECT_EQ(button->GetBtnUiStyle(), EZuBtnStyleGradient);
    EXPECT_EQ(button->GetPredefinedSize(), CZuSize(70, 20));
}

TEST_F(ButtonGroupTest, ARowMeasuresItsButtonsSideBySideAndAColumnStacksThem)
{
    iGroup->AppendButton(1, CZuString("One"), nullptr, false, 0, 0);
    iGroup->AppendButton(2, CZuString("Three"), nullptr, false, 0, 0);
    CZuSize one = iGroup->GetButton(0)->GetMinSize();
    CZuSize three = iGroup->GetButton(1)->GetMinSize();
    iGroup->SetSpace(6);
    EXPECT_EQ(iGroup->GetMinSize(),
              CZuSize(one.iWidth + three.iWidth + 6, std::max(one.iHeight, three.iHeight)));
    iGroup->SetBtnGroupType(CZuButtonGroup::EGroupColumn);
    EXPECT_EQ(iGroup->GetMinSize(),
              CZuSize(std::max(one.iWidth, three.iWidth), one.iHeight + three.iHeight + 6));
    // A column is one row per button, the space between the rows.
    EXPECT_EQ(iGroup->GetLayout()->GetRowCount(), 2);
    iGroup->SetRect(CZuRect(0, 0, 100, 100));
    EXPECT_EQ(iGroup->GetButton(1)->Rect().iTl.iY - iGroup->GetButton(0)->Rect().iBr.iY, 6);
    // Automatic gaps take no room of their own.
    iGroup->SetBtnGroupType(CZuButtonGroup::EGroupRow);
    iGroup->SetSpace(-1);
    EXPECT_EQ(iGroup->GetMinSize().iWidth, one.iWidth + three.iWidth);
    EXPECT_EQ(iGroup->GetLayout()->GetRowCount(), 1);
}

TEST_F(ButtonGroupTest, ButtonsAreFoundRenamedAndSizedByCommand)
{
    iGroup->AppendButton(1, CZuString("One"), nullptr, false, 0, 0);
    iGroup->AppendButton(2, CZuString("Two"), nullptr, false, 0, 0);
    iGroup->SetButton(2, 20, CZuString("Twenty"), nullptr, false);
    ASSERT_NE(iGroup->GetButtonByCmd(20), nullptr);
    EXPECT_EQ(iGroup->GetButtonByCmd(2), nullptr);
    EXPECT_STREQ(iGroup->GetButtonByCmd(20)->GetText().PtrZ(), "Twenty");
    iGroup->SetButtonByIndex(0, 10, CZuString("Ten"), nullptr, false);
    EXPECT_EQ(iGroup->GetButton(0)->GetCommand(), 10);
    iGroup->SetBtnsize(20, CZuSize(33, 22));
    EXPECT_EQ(iGroup->GetButtonByCmd(20)->GetMinSize(), CZuSize(33, 22));
    // Every button as large as the largest.
    iGroup->SetBtnSize();
    EXPECT_EQ(iGroup->GetButton(0)->GetPredefinedSize(), iGroup->GetButton(1)->GetPredefinedSize());
}

TEST_F(ButtonGroupTest, TheArrowKeysMoveTheFocusAlongTheButtons)
{
    iGroup->SetButtonCount(3);
    iGroup->SetRect(CZuRect(0, 0, 200, 40));
    iGroup->GetButton(0)->SetFocus(true);
    iScreen.Press(EZuKeyRight);
    EXPECT_TRUE(iGroup->GetButton(1)->IsFocused());
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyRight);
    EXPECT_TRUE(iGroup->GetButton(2)->IsFocused());
    iScreen.Press(EZuKeyLeft);
    EXPECT_TRUE(iGroup->GetButton(1)->IsFocused());
}

TEST_F(ButtonGroupTest, SharedImagesGoToNewButtonsAndBackToTheManagerWithTheGroup)
{
    CZuImageManager* images = CZuEnv::ImageMgr();
    CZuImage* normal = BmpImage("normal.bmp");
    ASSERT_NE(normal, nullptr);
    iGroup->SetNormalImg(CZuString("normal.bmp"), 0);
    iGroup->SetPressDownImg(CZuString("missing.bmp"));
    CZuButton* button = iGroup->AppendButton(1, CZuString("One"), nullptr, false, 0, 0);
    button->SetBtnUiStyle(EZuBtnStyleImages);
    // The image look's size is the normal picture's.
    EXPECT_EQ(button->GetMinSize(), CZuSize(2, 1));
    images->ReleaseImage(normal);
    EXPECT_EQ(images->GetImageCount(), 1);
    iScreen.Client()->DeleteControl(iGroup);
    EXPECT_EQ(images->GetImageCount(), 0);
}

TEST_F(ButtonGroupTest, TheGroupsButtonsTakeItsButtonColours)
{
    CZuUiStyle* styles = CZuEnv::UiStyle();
    styles->iButtonGroup.iButtonStyle.iForeground = CZuRgb(1, 2, 3);
    styles->iButton.iForeground = CZuRgb(9, 9, 9);
    CZuButtonGroup* group = new CZuButtonGroup(iScreen.Client(), true, EZuCtrlButtonGroup);
    CZuButton* button = group->AppendButton(1, CZuString("One"), nullptr, false, 0, 0);
    EXPECT_EQ(button->Foreground(), CZuRgb(1, 2, 3));
    // And keep them when the styles are applied again.
    iScreen.Ui().UpdateUiStyle();
    EXPECT_EQ(button->Foreground(), CZuRgb(1, 2, 3));
    CZuButton* alone = new CZuButton(iScreen.Client());
    EXPECT_EQ(alone->Foreground(), CZuRgb(9, 9, 9));
}
