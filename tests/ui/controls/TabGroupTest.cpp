#include "TestFiles.h"
#include "TestScreen.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A picture of width x height in one colour; the caller releases it.
CZuImage* Block(int width, int height)
{
    CZuImage* image = new CZuImage();
    image->CreateEmptyImage(CZuSize(width, height));
    return image;
}

TZuKeyEvent Key(unsigned code)
{
    return KeyEvent(code);
}

// Tab groups on the test screen's client pane, with no inner space or border, so that the inner rectangle is
// the group's rectangle.
class TabGroupTest : public ::testing::Test
{
protected:
    TabGroupTest() : iScreen(true, 320, 200) {}
    ~TabGroupTest() override
    {
        for (CZuImage* image : iImages)
            image->Release();
    }
    CZuTabGroup* MakeGroup(const CZuRect& rect)
    {
        CZuTabGroup* group = new CZuTabGroup(iScreen.Client(), true);
        group->SetRect(rect);
        return group;
    }
    // A page with one button (command 100 + id) in its layout.
    CZuPane* MakePage(CZuTabGroup* group, int id)
    {
        CZuPane* page = new CZuPane(group);
        CZuButton* button = new CZuButton(page);
        button->Set(100 + id, CZuString("按钮"), nullptr, false);
        page->GetLayout()->AppendRow(button, -1, 24);
        return page;
    }
    // Tabs 0..count-1 named "T0".. with a page each.
    CZuTabGroup* MakeTabs(int count, const CZuRect& rect)
    {
        CZuTabGroup* group = MakeGroup(rect);
        for (int id = 0; id < count; ++id)
        {
            char name[16];
            std::snprintf(name, sizeof(name), "T%d", id);
            group->AppendTab(MakePage(group, id), id, CZuString(name), nullptr, false);
        }
        return group;
    }
    CZuImage* Keep(CZuImage* image)
    {
        iImages.push_back(image);
        return image;
    }
    // Gives the group the keyboard (header row).
    void Focus(CZuTabGroup* group)
    {
        iScreen.Client()->SetFocusTo(group);
        ASSERT_TRUE(group->IsFocused());
    }
    int VisiblePages(CZuTabGroup* group)
    {
        int visible = 0;
        for (int i = 0; i < group->GetTabCount(); ++i)
            visible += group->GetTabItem(i)->GetPage()->IsVisible() ? 1 : 0;
        return visible;
    }

    CTestScreen iScreen;
    std::vector<CZuImage*> iImages;
};

TEST_F(TabGroupTest, ThreeHeadersOfSixtySixPixelsInTwoHundred)
{
    CZuTabGroup* group = MakeGroup(CZuRect(10, 10, 210, 150));
    for (int id = 0; id < 3; ++id)
        group->AppendTab(nullptr, id, CZuString(), Keep(Block(56, 10)), false);
    ASSERT_EQ(group->HeaderWidthNeeded(*group->GetTabItem(0)), 60);
    ASSERT_EQ(group->GetHeaderCount(), 3);
    EXPECT_EQ(group->GetHeaderRect(0).iTl.iX, 11);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(group->GetHeaderRect(i).Width(), 66) << i;
        EXPECT_EQ(group->GetHeaderRect(i).iTl.iY, 10);
        EXPECT_EQ(group->GetHeaderRect(i).Height(), group->GetHeaderHeight());
    }
    EXPECT_EQ(group->GetHeaderRect(1).iTl.iX, group->GetHeaderRect(0).iBr.iX);
    EXPECT_EQ(group->GetHeaderHeight(),
              CZuEnv::FontMgr()->GetFont(EFontUi, 100, false)->HeightInPixels() * 13 / 10);
}

TEST_F(TabGroupTest, PagesTakeTheAreaBelowTheHeaders)
{
    CZuTabGroup* group = MakeTabs(2, CZuRect(0, 0, 300, 150));
    group->SetInnerSpace(4);
    group->SetRect(CZuRect(0, 0, 300, 150));
    const int header = group->GetHeaderHeight();
    EXPECT_EQ(group->GetTab(0)->Rect(), CZuRect(4, 4 + header, 296, 146));
    EXPECT_EQ(group->GetTab(1)->Rect(), CZuRect(4, 4 + header, 296, 146));
}

TEST_F(TabGroupTest, AGroupNarrowerThanItsWidestHeaderShowsOneHeader)
{
    CZuTabGroup* group = MakeGroup(CZuRect(0, 0, 30, 100));
    group->AppendTab(nullptr, 1, CZuString("很长很长的名字"), nullptr, false);
    group->AppendTab(nullptr, 2, CZuString("另一个名字"), nullptr, false);
    ASSERT_EQ(group->GetHeaderCount(), 1);
    EXPECT_EQ(group->GetHeaderRect(0), CZuRect(0, 0, 30, group->GetHeaderHeight()));
    iScreen.Draw();
    // Right still reaches the second tab, which takes the one header.
    Focus(group);
    EXPECT_TRUE(group->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveTabID(), 2);
    EXPECT_EQ(group->GetFirstVisibleTab(), 1);
}

TEST_F(TabGroupTest, TabsWithoutNamesOrImagesShareTheWidthAndAnEmptyGroupDrawsNothing)
{
    CZuTabGroup* empty = MakeGroup(CZuRect(0, 0, 100, 60));
    EXPECT_EQ(empty->GetHeaderCount(), 0);
    EXPECT_EQ(empty->GetActiveTabID(), -1);
    EXPECT_TRUE(empty->GetActiveTabName().IsEmpty());
    EXPECT_FALSE(empty->ActiveTab(0));
    Focus(empty);
    EXPECT_FALSE(empty->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
    EXPECT_FALSE(empty->HandleKeyEvent(Key(EZuKeyDown), EZuKeyEventKey));

    CZuTabGroup* blank = MakeGroup(CZuRect(0, 100, 100, 160));
    for (int id = 0; id < 3; ++id)
        blank->AppendTab(nullptr, id, CZuString(), nullptr, false);
    ASSERT_EQ(blank->GetHeaderCount(), 3);
    EXPECT_EQ(blank->GetHeaderRect(0).Width(), 33);
    EXPECT_EQ(blank->GetHeaderRect(0).iTl.iX, 0);
    iScreen.Draw();
}

TEST_F(TabGroupTest, TheFirstTabBecomesActiveAndOnlyTheActivePageIsShown)
{
    CZuTabGroup* group = MakeTabs(3, CZuRect(0, 0, 300, 150));
    EXPECT_EQ(group->GetActiveIndex(), 0);
    EXPECT_EQ(group->GetActiveTabID(), 0);
    EXPECT_TRUE(group->GetTab(0)->IsVisible());
    EXPECT_EQ(VisiblePages(group), 1);
    EXPECT_TRUE(group->ActiveTab(2));
    EXPECT_TRUE(group->GetTab(2)->IsVisible());
    EXPECT_EQ(VisiblePages(group), 1);
}

TEST_F(TabGroupTest, IdAndNameDescribeTheSameActiveTab)
{
    CZuTabGroup* group = MakeGroup(CZuRect(0, 0, 300, 150));
    group->AppendTab(MakePage(group, 5), 5, CZuString("五"), nullptr, false);
    group->AppendTab(MakePage(group, 0), 0, CZuString("零"), nullptr, false);
    group->AppendTab(MakePage(group, 7), 7, CZuString("七"), nullptr, false);
    EXPECT_EQ(group->GetActiveTabID(), 5);
    // Id 0 is a tab like any other.
    EXPECT_TRUE(group->ActiveTab(0));
    EXPECT_EQ(group->GetActiveTabID(), 0);
    EXPECT_EQ(group->GetActiveTabName(), CZuString("零"));
    // By name: the id follows.
    EXPECT_TRUE(group->ActiveTab(CZuString("七")));
    EXPECT_EQ(group->GetActiveTabID(), 7);
    EXPECT_EQ(group->GetActiveTabName(), CZuString("七"));
    // The active tab, a negative id, an unknown id or name and the empty name change nothing.
    EXPECT_FALSE(group->ActiveTab(7));
    EXPECT_FALSE(group->ActiveTab(CZuString("七")));
    EXPECT_FALSE(group->ActiveTab(-1));
    EXPECT_FALSE(group->ActiveTab(9));
    EXPECT_FALSE(group->ActiveTab(CZuString("九")));
    EXPECT_FALSE(group->ActiveTab(CZuString("")));
    EXPECT_EQ(group->GetActiveIndex(), 2);
    EXPECT_EQ(group->GetTab(CZuString("五")), group->GetTab(5));
    EXPECT_EQ(group->GetTab(9), nullptr);
}

TEST_F(TabGroupTest, LeftOnTheFirstAndRightOnTheLastDoNothing)
{
    CZuTabGroup* group = MakeTabs(3, CZuRect(0, 0, 300, 150));
    Focus(group);
    EXPECT_FALSE(group->HandleKeyEvent(Key(EZuKeyLeft), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveIndex(), 0);
    EXPECT_EQ(group->GetFirstVisibleTab(), 0);
    EXPECT_TRUE(group->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
    EXPECT_TRUE(group->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveIndex(), 2);
    EXPECT_FALSE(group->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveIndex(), 2);
    EXPECT_TRUE(group->HandleKeyEvent(Key(EZuKeyLeft), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveIndex(), 1);
    // Presses and releases are not tab moves; a group without the keyboard takes no keys.
    EXPECT_FALSE(group->HandleKeyEvent(Key(EZuKeyLeft), EZuKeyEventDown));
    group->SetState(EZuStateDefaultFocus);
    EXPECT_FALSE(group->HandleKeyEvent(Key(EZuKeyLeft), EZuKeyEventKey));
    EXPECT_EQ(group->GetActiveIndex(), 1);
}

TEST_F(TabGroupTest, KeysThroughTheScreenSwitchTabsAndTellTheScreen)
{
    CZuTabGroup* group = MakeTabs(3, CZuRect(0, 0, 300, 150));
    Focus(group);
    iScreen.Ui().iMessages.clear();
    iScreen.Press(EZuKeyRight);
    EXPECT_EQ(group->GetActiveTabID(), 1);
    ASSERT_EQ(iScreen.UiCount(EZuMsgTabClicked), 1);
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyRight);
    EXPECT_EQ(group->GetActiveTabID(), 2);
    EXPECT_EQ(iScreen.UiCount(EZuMsgTabClicked), 2);
    EXPECT_TRUE(group->IsFocused());
}

TEST_F(TabGroupTest, DownEntersThePageAndUpAtItsTopComesBack)
{
    CZuTabGroup* group = MakeTabs(2, CZuRect(0, 0, 300, 150));
    Focus(group);
    EXPECT_FALSE(group->HasPageFocus());
    EXPECT_EQ(group->GetTab(0)->GetState(), EZuStateNormal);
    iScreen.Press(EZuKeyDown);
    EXPECT_TRUE(group->HasPageFocus());
    EXPECT_EQ(group->GetTab(0)->GetState(), EZuStateFocused);
    EXPECT_TRUE(group->GetTab(0)->GetControl(0)->IsFocused());
    // Left and Right belong to the page now: the tab stays.
    iScreen.Press(EZuKeyRight);
    EXPECT_EQ(group->GetActiveIndex(), 0);
    iScreen.Press(EZuKeyUp);
    EXPECT_FALSE(group->HasPageFocus());
    EXPECT_EQ(group->GetTab(0)->GetState(), EZuStateNormal);
    EXPECT_FALSE(group->GetTab(0)->GetControl(0)->IsFocused());
    EXPECT_TRUE(group->IsFocused());
}

TEST_F(TabGroupTest, APageWithNothingToFocusIsNotEntered)
{
    CZuTabGroup* group = MakeGroup(CZuRect(0, 0, 300, 150));
    CZuPane* page = new CZuPane(group);
    CZuLabel* label = new CZuLabel(page);
    label->SetReadOnly(true);
    group->AppendTab(page, 1, CZuString("说明"), nullptr, false);
    Focus(group);
    EXPECT_FALSE(group->HandleKeyEvent(Key(EZuKeyDown), EZuKeyEventKey));
    EXPECT_FALSE(group->HasPageFocus());
}

TEST_F(TabGroupTest, DeletingTheActiveTabActivatesANeighbour)
{
    CZuTabGroup* group = MakeTabs(4, CZuRect(0, 0, 300, 150));
    group->ActiveTab(1);
    EXPECT_TRUE(group->DeleteTab(1));
    EXPECT_EQ(group->GetTabCount(), 3);
    EXPECT_EQ(group->GetActiveTabID(), 2);
    EXPECT_TRUE(group->GetTab(2)->IsVisible());
    EXPECT_EQ(group->GetControlCount(), 3);
    group->ActiveTab(3);
    EXPECT_TRUE(group->DeleteTab(CZuString("T3")));
    EXPECT_EQ(group->GetActiveTabID(), 2);
    // A tab before the active one: the same tab stays active.
    EXPECT_TRUE(group->DeleteTab(0));
    EXPECT_EQ(group->GetActiveTabID(), 2);
    EXPECT_EQ(group->GetActiveIndex(), 0);
    EXPECT_FALSE(group->DeleteTab(0));
    EXPECT_TRUE(group->DeleteTab(2));
    EXPECT_EQ(group->GetActiveTabID(), -1);
    EXPECT_EQ(group->GetHeaderCount(), 0);
    EXPECT_EQ(group->GetControlCount(), 0);
    iScreen.Draw();
}

TEST_F(TabGroupTest, DeletingTheFocusedTabMovesTheKeyboardToTheHeaders)
{
    CZuTabGroup* group = MakeTabs(3, CZuRect(0, 0, 300, 150));
    Focus(group);
    iScreen.Press(EZuKeyDown);
    ASSERT_TRUE(group->HasPageFocus());
    EXPECT_TRUE(group->DeleteTab(0));
    EXPECT_FALSE(group->HasPageFocus());
    EXPECT_EQ(group->GetActiveTabID(), 1);
    EXPECT_EQ(group->GetTab(1)->GetState(), EZuStateNormal);
    EXPECT_TRUE(group->IsFocused());
    // The keyboard works on: Right to the last tab, Down into its page.
    iScreen.Press(EZuKeyRight);
    EXPECT_EQ(group->GetActiveTabID(), 2);
    iScreen.Press(EZuKeyDown);
    EXPECT_TRUE(group->HasPageFocus());
    EXPECT_TRUE(group->GetTab(2)->GetControl(0)->IsFocused());
    iScreen.Draw();
}

TEST_F(TabGroupTest, HeadersAreComputedAgainAfterInsertsAndDeletes)
{
    // Room for about three headers of "名字N".
    CZuTabGroup* group = MakeGroup(CZuRect(0, 0, 150, 100));
    const CZuString name("名字1");
    const int need = group->GetFont()->TextWidthInPixels(name) + 4;
    const int fit = 150 / need;
    ASSERT_GE(fit, 2);
    for (int id = 1; id <= fit + 2; ++id)
    {
        char text[16];
        std::snprintf(text, sizeof(text), "名字%d", id);
        group->AppendTab(nullptr, id, CZuString(text), nullptr, false);
        const int expected = id <= fit ? id : std::max(1, 150 / (need + 2 * CZuTabGroup::KHeaderArrowRoom));
        EXPECT_EQ(group->GetHeaderCount(), expected) << id;
    }
    group->InsertTab(2, nullptr, 20, CZuString("新的"), nullptr, false);
    EXPECT_EQ(group->GetTabItem(1)->GetId(), 20);
    group->InsertTab(CZuString("名字1"), nullptr, 21, CZuString("最前"), nullptr, false);
    EXPECT_EQ(group->GetTabItem(0)->GetId(), 21);
    group->InsertTab(99, nullptr, 22, CZuString("最后"), nullptr, false);
    EXPECT_EQ(group->GetTabItem(group->GetTabCount() - 1)->GetId(), 22);
    EXPECT_EQ(group->GetActiveTabID(), 1);
    while (group->GetTabCount() > 1)
        group->DeleteTab(group->GetTabItem(group->GetTabCount() - 1)->GetId());
    EXPECT_EQ(group->GetHeaderCount(), 1);
    EXPECT_EQ(group->GetHeaderRect(0).Width(), 150);
}

TEST_F(TabGroupTest, TheHeadersFollowTheActiveTab)
{
    CZuTabGroup* group = MakeTabs(6, CZuRect(0, 0, 90, 100));
    const int shown = group->GetHeaderCount();
    ASSERT_GE(shown, 1);
    ASSERT_LT(shown, 6);
    Focus(group);
    for (int i = 1; i < 6; ++i)
    {
        EXPECT_TRUE(group->HandleKeyEvent(Key(EZuKeyRight), EZuKeyEventKey));
        EXPECT_GE(group->GetActiveIndex(), group->GetFirstVisibleTab());
        EXPECT_LT(group->GetActiveIndex(), group->GetFirstVisibleTab() + shown);
    }
    EXPECT_EQ(group->GetFirstVisibleTab(), 6 - shown);
    group->ActiveTab(0);
    EXPECT_EQ(group->GetFirstVisibleTab(), 0);
}

TEST_F(TabGroupTest, AClickOnAHeaderActivatesItsTab)
{
    CZuTabGroup* group = MakeTabs(3, CZuRect(0, 0, 300, 150));
    iScreen.Ui().iMessages.clear();
    const CZuPoint centre = group->GetHeaderRect(2).Center();
    iScreen.Click(centre.iX, centre.iY);
    EXPECT_EQ(group->GetActiveTabID(), 2);
    EXPECT_TRUE(group->IsFocused());
    EXPECT_FALSE(group->HasPageFocus());
    EXPECT_EQ(iScreen.UiCount(EZuMsgTabClicked), 1);
    // A click in the page reaches its button and puts the keyboard there.
    const CZuPoint button = group->GetTab(2)->GetControl(0)->Rect().Center();
    iScreen.Click(button.iX, button.iY);
    EXPECT_TRUE(group->HasPageFocus());
    EXPECT_EQ(iScreen.UiCount(EZuMsgButtonClicked), 1);
    // Back on the headers.
    const CZuPoint first = group->GetHeaderRect(0).Center();
    iScreen.Click(first.iX, first.iY);
    EXPECT_EQ(group->GetActiveTabID(), 0);
    EXPECT_FALSE(group->HasPageFocus());
}

TEST_F(TabGroupTest, AClickOnAnEdgeHeaderBringsTheNextTabIntoView)
{
    CZuTabGroup* group = MakeTabs(6, CZuRect(0, 0, 90, 100));
    const int shown = group->GetHeaderCount();
    ASSERT_LT(shown, 6);
    const CZuPoint last = group->GetHeaderRect(shown - 1).Center();
    iScreen.Click(last.iX, last.iY);
    EXPECT_EQ(group->GetActiveIndex(), shown - 1);
    EXPECT_EQ(group->GetFirstVisibleTab(), 1);
    const CZuPoint first = group->GetHeaderRect(0).Center();
    iScreen.Click(first.iX, first.iY);
    EXPECT_EQ(group->GetActiveIndex(), 1);
    EXPECT_EQ(group->GetFirstVisibleTab(), 0);
}

TEST_F(TabGroupTest, TheActiveHeaderShowsWhereTheKeyboardIs)
{
    CZuTabGroup* group = MakeTabs(2, CZuRect(0, 0, 300, 150));
    Focus(group);
    const CZuRect header = group->GetHeaderRect(0);
    const CZuPoint inside(header.iTl.iX + 3, header.iTl.iY + 3);
    iScreen.Draw();
    EXPECT_EQ(iScreen.Pixel(inside.iX, inside.iY), Rgb(group->BgFocusedColor()));
    iScreen.Press(EZuKeyDown);
    iScreen.Draw();
    EXPECT_EQ(iScreen.Pixel(inside.iX, inside.iY), Rgb(group->BgDefaultFocusedColor()));
    const CZuRect other = group->GetHeaderRect(1);
    EXPECT_EQ(iScreen.Pixel(other.iTl.iX + 3, other.iTl.iY + 3), Rgb(group->Background()));
    EXPECT_EQ(iScreen.Pixel(other.iTl.iX, other.iTl.iY + 3), Rgb(group->GetBorderColor()));
}

TEST_F(TabGroupTest, OwnedImagesGoBackToTheImageManager)
{
    const std::vector<unsigned char> png =
        ReadFileBytes(ZU_TEST_SOURCE_DIR "/tests/platform/data/sample-alpha.png");
    ASSERT_FALSE(png.empty());
    CZuImageManager* images = CZuEnv::ImageMgr();
    const int cached = images->GetImageCount();
    auto load = [&](const char* name)
    {
        return images->GetImage(CZuString(name), false, reinterpret_cast<const char*>(png.data()),
                                static_cast<int>(png.size()));
    };
    CZuTabGroup* group = MakeGroup(CZuRect(0, 0, 300, 150));
    group->AppendTab(MakePage(group, 1), 1, CZuString("一"), load("tab-one"), true);
    group->AppendTab(MakePage(group, 2), 2, CZuString("二"), load("tab-two"), true);
    group->AppendTab(MakePage(group, 3), 3, CZuString("三"), load("tab-three"), true);
    EXPECT_EQ(images->GetImageCount(), cached + 3);
    iScreen.Draw();
    group->DeleteTab(2);
    EXPECT_EQ(images->GetImageCount(), cached + 2);
    iScreen.Client()->DeleteControl(group);
    EXPECT_EQ(images->GetImageCount(), cached);
}
} // namespace
