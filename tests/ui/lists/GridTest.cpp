#include "GalleryScene.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

class GridTest : public ::testing::Test
{
protected:
    // A grid of 220 x 120 inside its inner space of 5, holding 3 columns of 50 x 50 cells 10 apart: two
    // rows show whole, the third starts at its bottom edge.
    CZuGrid* MakeGrid(int cells)
    {
        CZuGrid* grid = new CZuGrid(iScene.Client());
        grid->SetRect(CZuRect(0, 0, 230, 130));
        grid->SetGridCellSize(50, 50, false);
        for (int i = 0; i < cells; ++i)
            grid->AppendCell(new CZuGridCell(grid, 100 + i, i, CZuString("cell"), CZuString()));
        return grid;
    }
    // The actions (param1) of the messages 23 the grid posted since the last call.
    std::vector<int> Posted(CZuGrid* grid)
    {
        iScene.Pump();
        std::vector<int> actions;
        for (const TGalleryMessage& message : iScene.Messages())
        {
            if (message.iType != CZuGrid::KMsgGrid)
                continue;
            EXPECT_EQ(CZuMessage::ParamObject<CZuGrid>(message.iParam2), grid);
            actions.push_back(static_cast<int>(message.iParam1));
        }
        iScene.ClearMessages();
        return actions;
    }
    bool Press(CZuGrid* grid, unsigned code) { return grid->HandleKeyEvent(KeyEvent(code), EZuKeyEventKey); }
    void Tap(CZuGrid* grid, int x, int y)
    {
        grid->HandlePointerEventL(PointerEvent(EZuPointerDown, x, y));
        grid->HandlePointerEventL(PointerEvent(EZuPointerUp, x, y));
    }
    void Drag(CZuGrid* grid, int x, int fromY, int toY)
    {
        grid->HandlePointerEventL(PointerEvent(EZuPointerDown, x, fromY));
        grid->HandlePointerEventL(PointerEvent(EZuPointerDrag, x, toY));
        grid->HandlePointerEventL(PointerEvent(EZuPointerUp, x, toY));
    }

    CGalleryScene iScene{ZU_TEST_OUT_DIR "/", "", "grid"};
};

TEST_F(GridTest, AnEmptyGridSelectsAndDrawsNothing)
{
    CZuGrid* grid = MakeGrid(0);
    EXPECT_EQ(grid->GetType(), EZuCtrlGrid);
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    EXPECT_EQ(grid->GetSelectedCellID(), -1);
    EXPECT_TRUE(Press(grid, EZuKeyLeft));
    EXPECT_TRUE(Press(grid, EZuKeyDown));
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    EXPECT_TRUE(Posted(grid).empty());
    grid->SetBackground(CZuRgb(1, 2, 3));
    const unsigned before = (iScene.Draw(), iScene.PixelAt(60, 60));
    grid->SetSelectedItem(0);
    EXPECT_EQ((iScene.Draw(), iScene.PixelAt(60, 60)), before);
}

TEST_F(GridTest, SelectingPostsOnceAndTheSameIndexPostsNothing)
{
    CZuGrid* grid = MakeGrid(4);
    grid->SetSelectedItem(2);
    EXPECT_EQ(grid->GetSelectedIndex(), 2);
    EXPECT_EQ(grid->GetSelectedCellID(), 102);
    EXPECT_TRUE(grid->GetCell(2)->IsSelected());
    EXPECT_EQ(Posted(grid), std::vector<int>{CZuGrid::KMsgSelectionChanged});
    grid->SetSelectedItem(2);
    grid->SetSelectedItem(4);
    EXPECT_TRUE(Posted(grid).empty());
    EXPECT_EQ(grid->GetSelectedIndex(), 2);
    grid->SetSelectedItem(-5);
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    EXPECT_FALSE(grid->GetCell(2)->IsSelected());
    grid->SetSelectedItem(-1);
    EXPECT_EQ(Posted(grid).size(), 1u);
}

TEST_F(GridTest, LeftOrRightWithNothingSelectedSelectsTheFirstCell)
{
    CZuGrid* grid = MakeGrid(4);
    EXPECT_TRUE(Press(grid, EZuKeyLeft));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    EXPECT_EQ(Posted(grid).size(), 1u);
    grid->SetSelectedItem(-1);
    Posted(grid);
    EXPECT_TRUE(Press(grid, EZuKeyRight));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
}

TEST_F(GridTest, ArrowsStopAtTheEdges)
{
    CZuGrid* grid = MakeGrid(10);
    ASSERT_EQ(grid->GetColumnCount(), 3);
    ASSERT_EQ(grid->GetRowCount(), 4);
    grid->SetSelectedItem(0);
    Posted(grid);
    // The first cell: left and up go nowhere and post nothing, but the keys are the grid's.
    EXPECT_TRUE(Press(grid, EZuKeyLeft));
    EXPECT_TRUE(Press(grid, EZuKeyUp));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    EXPECT_TRUE(Posted(grid).empty());
    Press(grid, EZuKeyRight);
    EXPECT_EQ(grid->GetSelectedIndex(), 1);
    // Up from the first row lands on the first cell.
    Press(grid, EZuKeyUp);
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    Press(grid, EZuKeyDown);
    Press(grid, EZuKeyDown);
    EXPECT_EQ(grid->GetSelectedIndex(), 6);
    // Down from a row above the short last row lands on the last cell.
    grid->SetSelectedItem(8);
    Press(grid, EZuKeyDown);
    EXPECT_EQ(grid->GetSelectedIndex(), 9);
    Posted(grid);
    EXPECT_TRUE(Press(grid, EZuKeyDown));
    EXPECT_TRUE(Press(grid, EZuKeyRight));
    EXPECT_EQ(grid->GetSelectedIndex(), 9);
    EXPECT_TRUE(Posted(grid).empty());
    Press(grid, EZuKeyUp);
    EXPECT_EQ(grid->GetSelectedIndex(), 6);
    Press(grid, EZuKeyLeft);
    EXPECT_EQ(grid->GetSelectedIndex(), 5);
}

TEST_F(GridTest, OtherKeysAndKeyPhasesAreNotTheGrids)
{
    CZuGrid* grid = MakeGrid(4);
    EXPECT_FALSE(grid->HandleKeyEvent(KeyEvent(EZuKeyRight), EZuKeyEventDown));
    EXPECT_FALSE(grid->HandleKeyEvent(KeyEvent(EZuKeyRight), EZuKeyEventUp));
    EXPECT_FALSE(Press(grid, 'A'));
    // A typed "%" has the left key's code.
    EXPECT_FALSE(grid->HandleKeyEvent(KeyEvent(EZuKeyLeft, true), EZuKeyEventKey));
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
}

TEST_F(GridTest, EnterActivatesAndLeavesTheKeyToOthers)
{
    CZuGrid* grid = MakeGrid(4);
    grid->SetSelectedItem(1);
    Posted(grid);
    EXPECT_FALSE(Press(grid, 13));
    // The window delivers Enter as its character.
    EXPECT_FALSE(grid->HandleKeyEvent(KeyEvent(13, true), EZuKeyEventKey));
    EXPECT_EQ(Posted(grid), (std::vector<int>{CZuGrid::KMsgActivated, CZuGrid::KMsgActivated}));
}

TEST_F(GridTest, KeysScrollARowToShowTheSelectionAndBack)
{
    CZuGrid* grid = MakeGrid(10);
    grid->SetSelectedItem(3);
    EXPECT_EQ(grid->Origin().iY, 5);
    Press(grid, EZuKeyDown);
    EXPECT_EQ(grid->GetSelectedIndex(), 6);
    EXPECT_EQ(grid->Origin().iY, 5 - 60);
    EXPECT_EQ(grid->CellRect(6), CZuRect(5, 65, 55, 115));
    Press(grid, EZuKeyDown);
    // The last row is held at the bottom of the grid.
    EXPECT_EQ(grid->GetSelectedIndex(), 9);
    EXPECT_EQ(grid->Origin().iY, 125 - 230);
    Press(grid, EZuKeyUp);
    Press(grid, EZuKeyUp);
    // A row up from where the last row held the grid.
    EXPECT_EQ(grid->Origin().iY, 125 - 230 + 60);
    EXPECT_EQ(grid->CellRect(3).iTl.iY, 15);
    Press(grid, EZuKeyUp);
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    EXPECT_EQ(grid->Origin().iY, 5);
}

TEST_F(GridTest, ASelectionFarOutOfSightIsBroughtWholeIntoView)
{
    CZuGrid* grid = MakeGrid(30);
    grid->SetSelectedItem(1);
    // Dragged half a row down the list, then the keys take over.
    Drag(grid, 100, 100, 70);
    ASSERT_EQ(grid->Origin().iY, 5 - 30);
    Press(grid, EZuKeyUp);
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    EXPECT_EQ(grid->CellRect(0).iTl.iY, 5);
    grid->SetSelectedItem(27);
    Press(grid, EZuKeyRight);
    EXPECT_EQ(grid->GetSelectedIndex(), 28);
    EXPECT_EQ(grid->CellRect(28).iBr.iY, 125);
}

TEST_F(GridTest, ATapSelectsAndATapOnTheSelectionActivates)
{
    CZuGrid* grid = MakeGrid(6);
    Tap(grid, 80, 30);
    EXPECT_EQ(grid->GetSelectedIndex(), 1);
    EXPECT_EQ(Posted(grid), std::vector<int>{CZuGrid::KMsgSelectionChanged});
    Tap(grid, 82, 32);
    EXPECT_EQ(grid->GetSelectedIndex(), 1);
    EXPECT_EQ(Posted(grid), std::vector<int>{CZuGrid::KMsgActivated});
    Tap(grid, 30, 90);
    EXPECT_EQ(grid->GetSelectedIndex(), 3);
}

TEST_F(GridTest, TapsThatMoveOrMissACellSelectNothing)
{
    CZuGrid* grid = MakeGrid(6);
    // Half a font height (8 pixels) of movement is a drag.
    grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 20, 20));
    grid->HandlePointerEventL(PointerEvent(EZuPointerUp, 28, 20));
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 20, 20));
    grid->HandlePointerEventL(PointerEvent(EZuPointerUp, 27, 20));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    // The gap between two cells, and a press on one cell released on the next.
    Tap(grid, 60, 30);
    grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 53, 30));
    grid->HandlePointerEventL(PointerEvent(EZuPointerUp, 58, 30));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
    // A release with no press inside the grid first.
    grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 300, 30));
    EXPECT_TRUE(grid->HandlePointerEventL(PointerEvent(EZuPointerUp, 82, 32)));
    EXPECT_EQ(grid->GetSelectedIndex(), 0);
}

TEST_F(GridTest, PointerEventsOutsideTheInnerRectangleAreNotTaken)
{
    CZuGrid* grid = MakeGrid(6);
    EXPECT_FALSE(grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 2, 30)));
    EXPECT_FALSE(grid->HandlePointerEventL(PointerEvent(EZuPointerUp, 2, 30)));
    EXPECT_FALSE(grid->HandlePointerEventL(PointerEvent(EZuPointerMove, 30, 30)));
    EXPECT_TRUE(grid->HandlePointerEventL(PointerEvent(EZuPointerDown, 30, 30)));
}

TEST_F(GridTest, DraggingScrollsButNeverPastTheFirstOrLastRow)
{
    CZuGrid* grid = MakeGrid(10);
    Drag(grid, 100, 100, 40);
    EXPECT_EQ(grid->Origin().iY, 5 - 60);
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    Drag(grid, 100, 20, 120);
    EXPECT_EQ(grid->Origin().iY, 5);
    Drag(grid, 100, 120, 10);
    Drag(grid, 100, 120, 10);
    EXPECT_EQ(grid->Origin().iY, 125 - 230);
}

TEST_F(GridTest, AGridThatShowsAllItsCellsDoesNotScroll)
{
    CZuGrid* grid = MakeGrid(6);
    Drag(grid, 100, 100, 40);
    grid->HandlePointerEventL(PointerEvent(EZuPointerWheel, 100, 100, -1));
    EXPECT_EQ(grid->Origin().iY, 5);
}

TEST_F(GridTest, CellsAppendedAfterTheLayoutScrollToo)
{
    CZuGrid* grid = MakeGrid(0);
    for (int i = 0; i < 12; ++i)
        grid->AppendCell(new CZuGridCell(grid, i, 0, CZuString("late"), CZuString()));
    EXPECT_EQ(grid->GetRowCount(), 4);
    Drag(grid, 100, 100, 40);
    EXPECT_EQ(grid->Origin().iY, 5 - 60);
}

TEST_F(GridTest, TheWheelScrollsARowAStepWithinTheRows)
{
    CZuGrid* grid = MakeGrid(30);
    EXPECT_TRUE(grid->HandlePointerEventL(PointerEvent(EZuPointerWheel, 100, 60, -2)));
    EXPECT_EQ(grid->Origin().iY, 5 - 120);
    EXPECT_TRUE(grid->HandlePointerEventL(PointerEvent(EZuPointerWheel, 100, 60, 5)));
    EXPECT_EQ(grid->Origin().iY, 5);
    EXPECT_TRUE(grid->HandlePointerEventL(PointerEvent(EZuPointerWheel, 100, 60, -100)));
    EXPECT_EQ(grid->Origin().iY, 125 - (60 * 10 - 10));
    EXPECT_FALSE(grid->HandlePointerEventL(PointerEvent(EZuPointerWheel, 300, 60, 1)));
}

TEST_F(GridTest, TheWheelReachesTheGridThroughTheUiManager)
{
    CZuGrid* grid = MakeGrid(30);
    const CZuPoint at = grid->Position();
    iScene.Wheel(-1, at.iX + 100, at.iY + 60);
    EXPECT_EQ(grid->Origin().iY, at.iY + 5 - 60);
}

TEST_F(GridTest, FittingStretchesWholeColumnsAndRowsOverTheGrid)
{
    CZuGrid* grid = new CZuGrid(iScene.Client());
    EXPECT_EQ(grid->GetCellIconSize(), 48);
    EXPECT_EQ(grid->GetCellSize(), CZuSize(64, 80));
    // Inner 290 x 190: 3.9 columns of 64 + 10 round up to 4, 2.1 rows of 80 + 10 down to 2.
    grid->SetRect(CZuRect(0, 0, 300, 200));
    EXPECT_EQ(grid->GetColumnCount(), 4);
    EXPECT_EQ(grid->GetCellSize(), CZuSize(65, 90));
    grid->SetGridCellSize(100, 60, true);
    EXPECT_EQ(grid->GetColumnCount(), 3);
    EXPECT_EQ(grid->GetCellSize(), CZuSize(90, 56));
}

TEST_F(GridTest, AGridNarrowerThanHalfACellStillHasOneColumn)
{
    CZuGrid* grid = new CZuGrid(iScene.Client());
    grid->AppendCell(new CZuGridCell(grid, 1, 0, CZuString("narrow"), CZuString()));
    grid->AppendCell(new CZuGridCell(grid, 2, 0, CZuString("narrow"), CZuString()));
    grid->SetRect(CZuRect(0, 0, 30, 30));
    EXPECT_EQ(grid->GetColumnCount(), 1);
    EXPECT_EQ(grid->GetCellSize(), CZuSize(20, 20));
    EXPECT_EQ(grid->CellRect(1), CZuRect(5, 35, 25, 55));
    iScene.Draw();
}

TEST_F(GridTest, CellsKeepTheirSizeWithoutFittingWhenTheGridResizes)
{
    CZuGrid* grid = MakeGrid(10);
    grid->SetRect(CZuRect(0, 0, 400, 130));
    EXPECT_EQ(grid->GetCellSize(), CZuSize(50, 50));
    EXPECT_EQ(grid->GetColumnCount(), 6);
    EXPECT_EQ(grid->GetRowCount(), 2);
}

TEST_F(GridTest, TheSelectedCellIsFilledWithTheFocusedColour)
{
    CZuGrid* grid = MakeGrid(6);
    grid->SetBgFocusedColor(CZuRgb(250, 0, 0));
    const CZuPoint at = grid->Position();
    grid->SetSelectedItem(4);
    iScene.Draw();
    const CZuRect cell = grid->CellRect(4);
    EXPECT_EQ(iScene.PixelAt(cell.iTl.iX + 1, cell.iTl.iY + 1), 0xFA0000u);
    EXPECT_EQ(iScene.PixelAt(cell.iBr.iX - 1, cell.iBr.iY - 1), 0xFA0000u);
    EXPECT_NE(iScene.PixelAt(cell.iBr.iX, cell.iBr.iY - 1), 0xFA0000u);
    EXPECT_NE(iScene.PixelAt(at.iX + 6, at.iY + 6), 0xFA0000u);
}

TEST_F(GridTest, ACellWithoutAPictureFileHasNoImage)
{
    CZuGrid* grid = MakeGrid(0);
    CZuGridCell* cell = new CZuGridCell(grid, 7, 42, CZuString("学习"), CZuString("no-such-icon.png"));
    grid->AppendCell(cell);
    EXPECT_EQ(cell->GetImage(), nullptr);
    EXPECT_EQ(cell->GetData(), 42);
    EXPECT_STREQ(cell->GetCaption().PtrZ(), "学习");
    CZuImage* image = new CZuImage;
    image->CreateEmptyImage(CZuSize(48, 48));
    cell->SetImage(image, true);
    EXPECT_EQ(cell->GetImage(), image);
    iScene.Draw();
}
