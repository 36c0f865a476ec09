// The options menu as the UI manager opens it over a view: its levels, where they go, its keys, pointer and
// the one command it delivers.
#include "TestScreen.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
const int KOpen = 20;
const int KSave = 22;
const int KExit = 30;

// A view with a container and an options menu; it records the commands it gets and whether the menu was
// still open when each came.
class CMenuView : public CZuView
{
public:
    explicit CMenuView(CZuUiManager* manager) : CZuView(manager) { SetViewId(1); }
    void DoActivateL() override
    {
        CZuContainer* container = new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        CZuView::DoActivateL();
    }
    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType != EZuMsgCommand)
            return false;
        iCommands.push_back(int(message->iParam1));
        iMenuOpenAtCommand.push_back(iUiManager->IsShowMenu());
        return true;
    }
    std::vector<int> iCommands;
    std::vector<bool> iMenuOpenAtCommand;
};

class MenuBarTest : public ::testing::Test
{
protected:
    void SetUp() override { MakeScreen(240, 320); }

    void MakeScreen(int width, int height)
    {
        iScreen.reset();
        iScreen.reset(new CTestScreen(false, width, height));
        // Before the view: the screen on top is the root's last child, as in a window.
        iAnchor = new CZuControl(iScreen->Wnd().GetWnd(), true, EZuCtrlPane);
        iView = new CMenuView(&iScreen->Ui());
        iScreen->Ui().AddViewL(iView);
        iScreen->Ui().ActivateViewL(1);
        iMenu = iView->CreateMenu();
        iEntry = iMenu->AddMenu();
    }

    // Three items, the first with two sub-items.
    void AddFileMenu()
    {
        iMenu->AddMenuItem(iEntry, KOpen, CZuString("文件"));
        CZuMenuItem* file = iMenu->GetMenuItem(iEntry, 0);
        file->AddSubMenuItem(21, CZuString("打开"));
        file->AddSubMenuItem(KSave, CZuString("保存"));
        iMenu->AddMenuItem(iEntry, 25, CZuString("设置"));
        iMenu->AddMenuItem(iEntry, KExit, CZuString("退出"));
    }
    void AddItems(int count, int firstCommand = 100)
    {
        for (int i = 0; i < count; ++i)
            iMenu->AddMenuItem(iEntry, firstCommand + i, CZuString("第") + CZuString(i + 1) + "项");
    }

    // Opens the menu from a control at rect, as message 1 naming it does.
    void OpenAt(const CZuRect& rect)
    {
        if (iScreen->Ui().IsShowMenu())
            iScreen->Ui().CloseMenu();
        iAnchor->SetRect(rect);
        CZuEnv::Static()->PostMessageW(&iScreen->Ui(), EZuMsgShowMenu, 1, CZuMessage::MakeParam(iAnchor));
        iScreen->Pump();
        iScreen->Draw();
    }
    // Opens it from the lower left corner, where the soft key that opens it usually sits.
    void Open() { OpenAt(CZuRect(4, 290, 60, 310)); }

    CZuMenuBar* Bar() { return iScreen->Ui().GetMenuBar(); }
    CZuRect Level(int level) { return Bar()->GetSubmenu(level)->Rect(); }
    CZuList* LevelList(int level) { return Bar()->GetSubmenu(level)->GetList(); }
    CZuRect Ui() { return iScreen->Ui().GetUiRect(); }
    void Press(unsigned code) { iScreen->Press(code); }
    // The middle of a row as last drawn.
    CZuPoint RowCentre(int level, int row)
    {
        iScreen->Draw();
        return LevelList(level)->GetDispRowRect(row).Center();
    }

    std::unique_ptr<CTestScreen> iScreen;
    CMenuView* iView = nullptr;
    CZuMenuData* iMenu = nullptr;
    int iEntry = 0;
    CZuControl* iAnchor = nullptr;
};
} // namespace

TEST_F(MenuBarTest, TheFirstLevelShowsTheVisibleItemsOfTheFirstEntryEachRowItsOwnItem)
{
    AddItems(3);
    iMenu->MakeItemVisible(101, false);
    Open();
    ASSERT_NE(Bar(), nullptr);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_EQ(LevelList(0)->GetRowCount(), 2);
    EXPECT_EQ(Bar()->GetLevelItem(0, 0)->GetCommandID(), 100);
    EXPECT_EQ(Bar()->GetLevelItem(0, 1)->GetCommandID(), 102);
    EXPECT_EQ(Bar()->GetLevelItem(0, 2), nullptr);
    // No item opens a level: one column, no marks.
    EXPECT_EQ(LevelList(0)->GetColCount(), 1);
    EXPECT_EQ(iScreen->Ui().GetTopFromDispStack(), Bar());
    EXPECT_TRUE(LevelList(0)->IsFocused());
}

TEST_F(MenuBarTest, HiddenItemsNeverShiftTheCommandThatRuns)
{
    AddItems(3);
    iMenu->MakeItemVisible(101, false);
    Open();
    Press(EZuKeyDown);
    Press(EZuKeyEnter);
    EXPECT_EQ(iView->iCommands, std::vector<int>{102});
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
}

TEST_F(MenuBarTest, EachQuarterOfTheScreenOpensTheMenuTowardsTheMiddle)
{
    AddItems(3);
    // Lower left: above, left edges aligned.
    OpenAt(CZuRect(10, 280, 50, 300));
    EXPECT_EQ(Bar()->GetDirection(), 2);
    EXPECT_EQ(Level(0).iTl.iX, 10);
    EXPECT_EQ(Level(0).iBr.iY, 279);
    // Lower right: above, right edges aligned.
    OpenAt(CZuRect(190, 280, 230, 300));
    EXPECT_EQ(Bar()->GetDirection(), 1);
    EXPECT_EQ(Level(0).iBr.iX, 230);
    EXPECT_EQ(Level(0).iBr.iY, 279);
    // Upper left: below, left edges aligned.
    OpenAt(CZuRect(10, 20, 50, 40));
    EXPECT_EQ(Bar()->GetDirection(), 4);
    EXPECT_EQ(Level(0).iTl.iX, 10);
    EXPECT_EQ(Level(0).iTl.iY, 41);
    // Upper right: below, right edges aligned.
    OpenAt(CZuRect(190, 20, 230, 40));
    EXPECT_EQ(Bar()->GetDirection(), 3);
    EXPECT_EQ(Level(0).iBr.iX, 230);
    EXPECT_EQ(Level(0).iTl.iY, 41);
    // The bar covers its level: that is what a press must hit to stay in the menu.
    EXPECT_EQ(Bar()->Rect(), Level(0));
    EXPECT_TRUE(Bar()->HitTest(Level(0).Center()));
    EXPECT_FALSE(Bar()->HitTest(CZuPoint(5, 5)));
}

TEST_F(MenuBarTest, AMenuThatFindsNoRoomAboveGoesOnToBelow)
{
    AddItems(3);
    // Centred across: a tie, so first above with right edges aligned; at the top there is no room.
    OpenAt(CZuRect(100, 20, 140, 40));
    EXPECT_EQ(Bar()->GetDirection(), 3);
    EXPECT_EQ(Level(0).iBr.iX, 140);
    EXPECT_EQ(Level(0).iTl.iY, 41);
}

TEST_F(MenuBarTest, AMenuLargerThanTheUiIsKeptInsideIt)
{
    MakeScreen(100, 90);
    iMenu->AddMenuItem(iEntry, 7, CZuString("一个比窗口还宽得多的菜单项"));
    AddItems(7);
    OpenAt(CZuRect(10, 60, 40, 80));
    const CZuRect level = Level(0);
    EXPECT_TRUE(Ui().Contains(level))
        << level.iTl.iX << "," << level.iTl.iY << " " << level.iBr.iX << "," << level.iBr.iY;
    EXPECT_EQ(level.Width(), Ui().Width());
    EXPECT_EQ(level.Height(), Ui().Height());
    // It scrolls what does not fit.
    EXPECT_LT(LevelList(0)->GetListviewRowCount(), 8);
    EXPECT_TRUE(Bar()->GetSubmenu(0)->GetScrollBar(CZuScrollBar::EVertical)->IsVisible());
}

TEST_F(MenuBarTest, AnAnchorNearAnEdgeKeepsTheLevelInside)
{
    AddItems(3);
    // Left of the middle but so low that the level would leave the bottom below and the top above.
    OpenAt(CZuRect(-30, 318, 0, 330));
    EXPECT_TRUE(Ui().Contains(Level(0)));
}

TEST_F(MenuBarTest, TenVisibleItemsShowSixRowsAndTheWheelScrollsThem)
{
    AddItems(10);
    Open();
    CZuList* list = LevelList(0);
    EXPECT_EQ(list->GetListviewRowCount(), CZuMenuBar::KMaxShownRows);
    EXPECT_TRUE(Bar()->GetSubmenu(0)->GetScrollBar(CZuScrollBar::EVertical)->IsVisible());
    const CZuPoint middle = Level(0).Center();
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerWheel, middle.iX, middle.iY, -1));
    EXPECT_GT(list->GetTopRowIndex(), 0);
    EXPECT_TRUE(iScreen->Ui().IsShowMenu());
    // The wheel away from the user goes back to the top.
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerWheel, middle.iX, middle.iY, 5));
    EXPECT_EQ(list->GetTopRowIndex(), 0);
    // Up from the first row wraps to the last, which scrolls into view.
    Press(EZuKeyUp);
    EXPECT_EQ(list->GetSelectedRowIndex(), 9);
    EXPECT_EQ(list->GetTopRowIndex(), 4);
}

TEST_F(MenuBarTest, RightOpensTheSubLevelBesideItsRowAndLeftClosesIt)
{
    AddFileMenu();
    Open();
    // The item with sub-items carries a mark in a second column.
    ASSERT_EQ(LevelList(0)->GetColCount(), 2);
    EXPECT_STREQ(LevelList(0)->GetRow(0)->GetCell(1)->iString->PtrZ(), ">");
    EXPECT_TRUE(LevelList(0)->GetRow(1)->GetCell(1)->iString->IsEmpty());
    Press(EZuKeyRight);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    // Right of its row, its first row level with it.
    EXPECT_EQ(Level(1).iTl.iX, Level(0).iBr.iX);
    EXPECT_EQ(Level(1).iTl.iY, Level(0).iTl.iY);
    EXPECT_EQ(Bar()->GetLevelItem(1, 1)->GetCommandID(), KSave);
    EXPECT_TRUE(LevelList(1)->IsFocused());
    EXPECT_FALSE(LevelList(0)->IsFocused());
    // The keys move in the top level.
    Press(EZuKeyDown);
    EXPECT_EQ(LevelList(1)->GetSelectedRowIndex(), 1);
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 0);
    // The bar covers both levels.
    CZuRect both = Level(0);
    both.BoundingRect(Level(1));
    EXPECT_EQ(Bar()->Rect(), both);
    EXPECT_EQ(Bar()->GetLastLevelRect(), Level(1));
    Press(EZuKeyLeft);
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_TRUE(LevelList(0)->IsFocused());
    // Enter opens it too; Right on an item without sub-items opens nothing.
    Press(EZuKeyEnter);
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 2);
    Press(EZuKeyLeft);
    Press(EZuKeyDown);
    Press(EZuKeyRight);
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_TRUE(iView->iCommands.empty());
}

TEST_F(MenuBarTest, LeftWithOneLevelIsKeptAndChangesNothing)
{
    AddFileMenu();
    Open();
    EXPECT_TRUE(iScreen->Ui().HandleKeyEvent(KeyEvent(EZuKeyLeft), EZuKeyEventKey));
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_TRUE(iScreen->Ui().IsShowMenu());
}

TEST_F(MenuBarTest, AClickOnALowerLevelChoosesThere)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    // Another row of the first level, under the open second level's side.
    CZuPoint settings = RowCentre(0, 1);
    iScreen->Click(settings.iX, settings.iY);
    EXPECT_EQ(iView->iCommands, std::vector<int>{25});
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
}

TEST_F(MenuBarTest, ASubLevelWithoutRoomOnTheRightOpensOnTheLeft)
{
    AddFileMenu();
    // Lower right: the first level ends at the right edge.
    OpenAt(CZuRect(190, 290, 236, 310));
    Press(EZuKeyRight);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    EXPECT_EQ(Level(1).iBr.iX, Level(0).iTl.iX);
    EXPECT_TRUE(Ui().Contains(Level(1)));
}

TEST_F(MenuBarTest, EscapeClosesTheLevelsOneByOneAndThenTheMenu)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    Press(EZuKeyEscape);
    ASSERT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    Press(EZuKeyEscape);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
    EXPECT_TRUE(iView->iCommands.empty());
    // The screen beneath has the focus again.
    EXPECT_TRUE(iView->GetContainer()->IsFocused());
}

TEST_F(MenuBarTest, AChosenCommandArrivesAfterTheMenuHasClosed)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    Press(EZuKeyDown);
    Press(EZuKeyEnter);
    EXPECT_EQ(iView->iCommands, std::vector<int>{KSave});
    EXPECT_EQ(iView->iMenuOpenAtCommand, std::vector<bool>{false});
    EXPECT_EQ(iScreen->UiCount(EZuMsgCloseMenu), 1);
}

TEST_F(MenuBarTest, AChosenItemRunsOnceHoweverOftenItIsChosen)
{
    AddItems(2);
    Open();
    // Enter twice and the choose key, all before the queue runs.
    iScreen->KeyDown(EZuKeyEnter);
    iScreen->KeyUp(EZuKeyEnter);
    iScreen->KeyDown(EZuKeyEnter);
    iScreen->KeyUp(EZuKeyEnter);
    iScreen->KeyDown(EZuKeyF1);
    iScreen->KeyUp(EZuKeyF1);
    iScreen->Pump();
    EXPECT_EQ(iView->iCommands, std::vector<int>{100});
    EXPECT_EQ(iScreen->UiCount(EZuMsgCloseMenu), 1);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
}

TEST_F(MenuBarTest, OnceChosenTheMenuTakesNoMoreInput)
{
    AddFileMenu();
    Open();
    Press(EZuKeyDown);
    iScreen->KeyDown(EZuKeyEnter);
    iScreen->KeyUp(EZuKeyEnter);
    // The activation is read: the menu is closing, its close still queued.
    iScreen->Clock().Advance(CZuMessageProcessor::KTickMs);
    ASSERT_TRUE(Bar()->IsClosing());
    EXPECT_TRUE(iScreen->Ui().HandleKeyEvent(KeyEvent(EZuKeyUp), EZuKeyEventKey));
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 1);
    CZuPoint row = LevelList(0)->GetDispRowRect(2).Center();
    EXPECT_TRUE(iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerDown, row.iX, row.iY)));
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerUp, row.iX, row.iY));
    iScreen->Pump();
    EXPECT_EQ(iView->iCommands, std::vector<int>{25});
}

TEST_F(MenuBarTest, WithoutAnyShownItemTheMenuKeepsTheKeysAndDoesNothing)
{
    // An entry without items.
    Open();
    ASSERT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 0);
    for (unsigned key : {EZuKeyDown, EZuKeyUp, EZuKeyRight, EZuKeyEnter, EZuKeyLeft, EZuKeyF1})
    {
        EXPECT_TRUE(iScreen->Ui().HandleKeyEvent(KeyEvent(key), EZuKeyEventKey));
        Press(key);
    }
    EXPECT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_TRUE(iView->iCommands.empty());
    EXPECT_TRUE(Bar()->GetLastLevelRect().IsEmpty());
    // Escape and the cancel key close it.
    Press(EZuKeyEscape);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
    Open();
    Press(EZuKeyF2);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
    EXPECT_EQ(iScreen->Ui().iExits, 0);
}

TEST_F(MenuBarTest, OnlyHiddenItemsAreAsNone)
{
    AddFileMenu();
    for (int command : {KOpen, 25, KExit})
        iMenu->MakeItemVisible(command, false);
    Open();
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 0);
    Press(EZuKeyEnter);
    Press(EZuKeyF1);
    EXPECT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_TRUE(iView->iCommands.empty());
    // No menu data at all.
    iScreen->Ui().CloseMenu();
    iScreen->Ui().ShowMenu(nullptr);
    ASSERT_TRUE(iScreen->Ui().IsShowMenu());
    Press(EZuKeyEnter);
    Press(EZuKeyEscape);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
    EXPECT_TRUE(iView->iCommands.empty());
}

TEST_F(MenuBarTest, AnItemWhoseSubItemsAreAllHiddenOpensNothingAndRunsNothing)
{
    AddFileMenu();
    iMenu->MakeItemVisible(21, false);
    iMenu->MakeItemVisible(KSave, false);
    Open();
    EXPECT_EQ(LevelList(0)->GetColCount(), 1);
    Press(EZuKeyRight);
    Press(EZuKeyEnter);
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_TRUE(iView->iCommands.empty());
}

TEST_F(MenuBarTest, TheSoftKeysChooseAndCancel)
{
    AddFileMenu();
    Open();
    // Choose on the item with sub-items opens its level.
    Press(EZuKeyF1);
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 2);
    Press(EZuKeyF1);
    EXPECT_EQ(iView->iCommands, std::vector<int>{21});
    Open();
    Press(EZuKeyF2);
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
    EXPECT_EQ(iView->iCommands.size(), 1u);
}

TEST_F(MenuBarTest, AClickRunsTheRowsCommandOrOpensItsLevel)
{
    AddFileMenu();
    Open();
    CZuPoint exit = RowCentre(0, 2);
    iScreen->Click(exit.iX, exit.iY);
    EXPECT_EQ(iView->iCommands, std::vector<int>{KExit});
    EXPECT_EQ(iScreen->Ui().iExits, 0);

    Open();
    CZuPoint file = RowCentre(0, 0);
    iScreen->Click(file.iX, file.iY);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    // Clicking the same row again keeps its level.
    iScreen->Click(file.iX, file.iY);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    CZuPoint save = RowCentre(1, 1);
    iScreen->Click(save.iX, save.iY);
    EXPECT_EQ(iView->iCommands, (std::vector<int>{KExit, KSave}));
}

TEST_F(MenuBarTest, ThePointerOverALevelSelectsTheRowUnderItAndAClickThereChoosesIt)
{
    AddFileMenu();
    Open();
    CZuPoint exit = RowCentre(0, 2);
    EXPECT_TRUE(iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, exit.iX, exit.iY)));
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 2);
    EXPECT_EQ(Bar()->GetSelectedItem()->GetCommandID(), KExit);
    EXPECT_TRUE(iView->iCommands.empty());
    // Outside every level the pointer changes nothing and goes on.
    EXPECT_FALSE(iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, Ui().iBr.iX - 2, 4)));
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 2);
    // The keys go on from the row the pointer chose.
    Press(EZuKeyUp);
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 1);
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, exit.iX, exit.iY));
    iScreen->Click(exit.iX, exit.iY);
    EXPECT_EQ(iView->iCommands, std::vector<int>{KExit});
    EXPECT_FALSE(iScreen->Ui().IsShowMenu());
}

TEST_F(MenuBarTest, ThePointerOverAnotherRowOfALowerLevelClosesTheLevelsAboveIt)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    // Over the second level, and back over the row it was opened from: it stays open.
    CZuPoint save = RowCentre(1, 1);
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, save.iX, save.iY));
    EXPECT_EQ(LevelList(1)->GetSelectedRowIndex(), 1);
    CZuPoint file = RowCentre(0, 0);
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, file.iX, file.iY));
    ASSERT_EQ(Bar()->GetSubmenuLevel(), 2);
    EXPECT_TRUE(LevelList(1)->IsFocused());
    // Over another row of the first level: the second level closes and the first takes the keys.
    CZuPoint settings = RowCentre(0, 1);
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, settings.iX, settings.iY));
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 1);
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 1);
    EXPECT_TRUE(LevelList(0)->IsFocused());
    EXPECT_TRUE(iView->iCommands.empty());
}

TEST_F(MenuBarTest, ThePointerMovedWhileTheButtonIsHeldSelectsNothing)
{
    AddItems(3);
    Open();
    CZuPoint first = RowCentre(0, 0);
    CZuPoint third = RowCentre(0, 2);
    LevelList(0)->SetSelectedRow(1);
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerDown, first.iX, first.iY));
    iScreen->Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, third.iX, third.iY));
    EXPECT_EQ(LevelList(0)->GetSelectedRowIndex(), 1);
}

TEST_F(MenuBarTest, TheTopLevelIsDrawnInTheBarsBackgroundAndLowerOnesLighter)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    CZuMenuBar* bar = Bar();
    EXPECT_EQ(Rgb(bar->GetSubmenu(1)->Background()), Rgb(bar->Background()));
    EXPECT_EQ(Rgb(bar->GetSubmenu(0)->Background()), Rgb(bar->Background().GetNewColor(20, 0)));
    Press(EZuKeyLeft);
    EXPECT_EQ(Rgb(bar->GetSubmenu(0)->Background()), Rgb(bar->Background()));
}

TEST_F(MenuBarTest, WhatALevelToldBeforeItClosedActsOnNoOtherLevel)
{
    AddFileMenu();
    Open();
    Press(EZuKeyRight);
    // Enter on the second level, then Left and Right before the queue runs: the level that got Enter is
    // gone, a new one stands in its place.
    for (unsigned key : {EZuKeyEnter, EZuKeyLeft, EZuKeyRight})
    {
        iScreen->KeyDown(key);
        iScreen->KeyUp(key);
    }
    iScreen->Pump();
    EXPECT_TRUE(iView->iCommands.empty());
    ASSERT_TRUE(iScreen->Ui().IsShowMenu());
    EXPECT_EQ(Bar()->GetSubmenuLevel(), 2);
    EXPECT_FALSE(Bar()->IsClosing());
}
