#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A control whose natural size is fixed.
class CSizedControl : public CZuControl
{
public:
    explicit CSizedControl(CZuSize natural = CZuSize(0, 0))
        : CZuControl(nullptr, false, EZuCtrlPane), iNatural(natural)
    {
    }
    CZuSize GetMinSize() override { return iNatural; }
    CZuSize iNatural;
};

class LayoutTest : public ::testing::Test
{
protected:
    CSizedControl* Make(CZuSize natural = CZuSize(0, 0))
    {
        iControls.emplace_back(new CSizedControl(natural));
        return iControls.back().get();
    }
    std::vector<std::unique_ptr<CSizedControl>> iControls;
};
} // namespace

TEST_F(LayoutTest, SharingCellsSplitTheFreeWidthAndTheFirstTakesTheRemainder)
{
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 311, 20));
    CSizedControl* a = Make();
    CSizedControl* b = Make();
    CSizedControl* c = Make();
    layout.AppendRow(a, 100, -1);
    layout.AppendCellToLastRow(b, -1, -1, EAlignVCenter);
    layout.AppendCellToLastRow(c, -1, -1, EAlignVCenter);
    layout.SetColSpace(0, 10);
    layout.DoLayout();
    EXPECT_EQ(a->Rect(), CZuRect(0, 0, 100, 20));
    EXPECT_EQ(b->Rect(), CZuRect(110, 0, 206, 20));
    EXPECT_EQ(c->Rect(), CZuRect(216, 0, 311, 20));
}

TEST_F(LayoutTest, AutomaticGapsTakeATenthWhenCellsShare)
{
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 311, 20));
    CSizedControl* a = Make();
    CSizedControl* b = Make();
    CSizedControl* c = Make();
    layout.AppendRow(a, 100, -1);
    layout.AppendCellToLastRow(b, -1, -1, EAlignVCenter);
    layout.AppendCellToLastRow(c, -1, -1, EAlignVCenter);
    layout.SetColSpace(-1);
    layout.DoLayout();
    EXPECT_EQ(a->Size().iWidth, 100);
    EXPECT_EQ(b->Rect(), CZuRect(110, 0, 206, 20));
    EXPECT_EQ(c->Rect(), CZuRect(216, 0, 311, 20));
}

TEST_F(LayoutTest, AutomaticGapTakesAllTheFreeWidthWithoutSharingCells)
{
    CZuLayout layout;
    layout.SetColSpace(-1);
    layout.SetRect(CZuRect(0, 0, 300, 20));
    CSizedControl* a = Make();
    CSizedControl* b = Make();
    layout.AppendRow(a, 50, -1);
    layout.AppendCellToLastRow(b, 50, -1, EAlignVCenter);
    layout.DoLayout();
    EXPECT_EQ(a->Rect().iTl.iX, 0);
    EXPECT_EQ(b->Rect().iTl.iX, 250);
}

TEST_F(LayoutTest, SharingRowsSplitTheHeightAndTheRemainderStaysUnused)
{
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 100, 201));
    CSizedControl* top = Make();
    CSizedControl* fixed = Make();
    CSizedControl* bottom = Make();
    layout.AppendRow(top, -1, -1);
    layout.AppendRow(fixed, -1, -1);
    layout.SetRowHeight(1, 40);
    layout.AppendRow(bottom, -1, -1);
    layout.DoLayout();
    EXPECT_EQ(top->Rect(), CZuRect(0, 0, 100, 80));
    EXPECT_EQ(fixed->Rect(), CZuRect(0, 80, 100, 120));
    EXPECT_EQ(bottom->Rect(), CZuRect(0, 120, 100, 200));
}

TEST_F(LayoutTest, HiddenOnlyControlHidesItsRowAndItsRowSpace)
{
    CZuLayout layout;
    layout.SetRowspace(5);
    layout.SetRect(CZuRect(0, 0, 100, 100));
    CSizedControl* first = Make();
    CSizedControl* hidden = Make();
    CSizedControl* last = Make();
    layout.AppendRow(first, -1, 20);
    layout.AppendRow(hidden, -1, 20);
    layout.AppendRow(last, -1, 20);
    hidden->MakeVisible(false);
    layout.DoLayout();
    EXPECT_FALSE(layout.GetRow(1)->IsVisible());
    EXPECT_EQ(last->Rect().iTl.iY, 25);
}

TEST_F(LayoutTest, NaturalWidthIsCentredInItsCell)
{
    CSizedControl* control = Make(CZuSize(30, 10));
    CZuLayoutCell cell(control, 0, 0, EAlignVCenter);
    cell.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(35, 15, 65, 25));
    CZuLayoutCell top(control, 0, 0, EAlignTop);
    top.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(35, 0, 65, 10));
    CZuLayoutCell bottom(control, 0, 0, EAlignBottom);
    bottom.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(35, 30, 65, 40));
    // Sharing sizes and other alignments take the whole cell.
    CZuLayoutCell whole(control, -1, -1, EAlignVCenter);
    whole.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(0, 0, 100, 40));
    CZuLayoutCell other(control, 0, 0, EAlignLeft);
    other.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(0, 0, 100, 40));
    // A predefined size wins over the natural one.
    control->SetPredefinedSize(CZuSize(50, 0));
    cell.SetRect(CZuRect(0, 0, 100, 40));
    EXPECT_EQ(control->Rect(), CZuRect(25, 15, 75, 25));
}

TEST_F(LayoutTest, RightAndCentredRows)
{
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 200, 30));
    CSizedControl* a = Make();
    CSizedControl* b = Make();
    layout.AppendRow(a, 40, -1);
    layout.AppendCellToLastRow(b, 60, -1, EAlignVCenter);
    layout.SetColSpace(0, 10);
    layout.SetAlign(0, EAlignRight);
    layout.DoLayout();
    EXPECT_EQ(b->Rect(), CZuRect(140, 0, 200, 30));
    EXPECT_EQ(a->Rect(), CZuRect(90, 0, 130, 30));
    layout.SetAlign(0, EAlignCenter);
    layout.DoLayout();
    EXPECT_EQ(a->Rect(), CZuRect(45, 0, 85, 30));
    EXPECT_EQ(b->Rect(), CZuRect(95, 0, 155, 30));
}

// Three cells of 40, 50 and 60 with a column space of 10 in a 300-pixel row; the test hides some.
class HiddenCellTest : public LayoutTest
{
protected:
    HiddenCellTest()
    {
        iLayout.SetRect(CZuRect(0, 0, 300, 30));
        iA = Make();
        iB = Make();
        iC = Make();
        iLayout.AppendRow(iA, 40, -1);
        iLayout.AppendCellToLastRow(iB, 50, -1, EAlignVCenter);
        iLayout.AppendCellToLastRow(iC, 60, -1, EAlignVCenter);
        iLayout.SetColSpace(0, 10);
    }
    void LayOut(TZuAlign align)
    {
        iLayout.SetAlign(0, align);
        iLayout.DoLayout();
    }
    CZuLayout iLayout;
    CSizedControl* iA;
    CSizedControl* iB;
    CSizedControl* iC;
};

TEST_F(HiddenCellTest, AHiddenFirstCellLeavesNoGapAtTheLeftEdge)
{
    iA->MakeVisible(false);
    LayOut(EAlignLeft);
    EXPECT_EQ(iB->Rect(), CZuRect(0, 0, 50, 30));
    EXPECT_EQ(iC->Rect(), CZuRect(60, 0, 120, 30));
}

TEST_F(HiddenCellTest, AHiddenLastCellLeavesNoGapAtTheRightEdge)
{
    iC->MakeVisible(false);
    LayOut(EAlignRight);
    EXPECT_EQ(iB->Rect(), CZuRect(250, 0, 300, 30));
    EXPECT_EQ(iA->Rect(), CZuRect(200, 0, 240, 30));
}

TEST_F(HiddenCellTest, AHiddenFirstCellInARightAlignedRowChangesNothingElse)
{
    iA->MakeVisible(false);
    LayOut(EAlignRight);
    EXPECT_EQ(iC->Rect(), CZuRect(240, 0, 300, 30));
    EXPECT_EQ(iB->Rect(), CZuRect(180, 0, 230, 30));
}

TEST_F(HiddenCellTest, ACentredRowCentresItsVisibleCellsAndTheirGapsOnly)
{
    iA->MakeVisible(false);
    LayOut(EAlignCenter);
    // 50 + 10 + 60 = 120 wide: 90 on each side.
    EXPECT_EQ(iB->Rect(), CZuRect(90, 0, 140, 30));
    EXPECT_EQ(iC->Rect(), CZuRect(150, 0, 210, 30));

    iA->MakeVisible(true);
    iC->MakeVisible(false);
    LayOut(EAlignCenter);
    // 40 + 10 + 50 = 100 wide: 100 on each side.
    EXPECT_EQ(iA->Rect(), CZuRect(100, 0, 140, 30));
    EXPECT_EQ(iB->Rect(), CZuRect(150, 0, 200, 30));
}

TEST_F(HiddenCellTest, AHiddenMiddleCellTakesOneGapWithIt)
{
    iB->MakeVisible(false);
    LayOut(EAlignLeft);
    EXPECT_EQ(iA->Rect(), CZuRect(0, 0, 40, 30));
    EXPECT_EQ(iC->Rect(), CZuRect(50, 0, 110, 30));
    LayOut(EAlignRight);
    EXPECT_EQ(iC->Rect(), CZuRect(240, 0, 300, 30));
    EXPECT_EQ(iA->Rect(), CZuRect(190, 0, 230, 30));
}

TEST_F(HiddenCellTest, AutomaticGapsSpreadOverTheVisibleCellsOnly)
{
    iLayout.SetColSpace(0, -1);
    iA->MakeVisible(false);
    LayOut(EAlignLeft);
    // One gap between the two visible cells takes the 190 pixels left over.
    EXPECT_EQ(iB->Rect(), CZuRect(0, 0, 50, 30));
    EXPECT_EQ(iC->Rect(), CZuRect(240, 0, 300, 30));
}

TEST_F(LayoutTest, SpacersTakeTheirPlaceAndInnerSpacesShrinkTheArea)
{
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 200, 50));
    layout.SetInnerSpace(5, 5, 10, 10);
    CSizedControl* a = Make();
    layout.AppendRow(CZuSize(30, 10), 0, 0);
    layout.AppendCellToLastRow(a, -1, -1, EAlignVCenter);
    layout.SetRowHeight(0, -1);
    layout.DoLayout();
    EXPECT_EQ(a->Rect(), CZuRect(40, 5, 190, 45));
    EXPECT_EQ(layout.GetRow(0)->GetLayoutCell(0)->GetRect(), CZuRect());
}

TEST_F(LayoutTest, NestedLayoutIsLaidOutInItsCell)
{
    CZuLayout outer;
    CZuLayout inner;
    CSizedControl* control = Make();
    inner.AppendRow(control, -1, -1);
    inner.SetRowHeight(0, -1);
    outer.SetRect(CZuRect(0, 0, 100, 60));
    outer.AppendRow(CZuSize(100, 20), -1, 20);
    outer.AppendRow(&inner, -1, -1);
    outer.SetRowHeight(1, -1);
    outer.DoLayout();
    EXPECT_EQ(inner.GetRect(), CZuRect(0, 20, 100, 60));
    EXPECT_EQ(control->Rect(), CZuRect(0, 20, 100, 60));
}

TEST_F(LayoutTest, MeasuresOfRowsAndLayouts)
{
    CZuLayout layout;
    layout.SetRowspace(4);
    layout.SetInnerSpace(1, 2, 3, 4);
    layout.AppendRow(Make(CZuSize(30, 12)), 0, 0);
    layout.AppendCellToLastRow(Make(CZuSize(20, 16)), 0, 0, EAlignVCenter);
    layout.SetColSpace(0, 5);
    layout.AppendRow(Make(CZuSize(70, 10)), 0, 0);
    EXPECT_EQ(layout.GetRow(0)->GetWidth(), 55);
    EXPECT_EQ(layout.GetRow(0)->GetHeight(), 16);
    EXPECT_EQ(layout.GetHeight(), 16 + 10 + 4 + 1 + 2);
    EXPECT_EQ(layout.GetActSize(), CZuSize(70 + 3 + 4, 16 + 10 + 4 + 1 + 2));
    layout.SetRowHeight(1, -1);
    EXPECT_EQ(layout.GetHeight(), 0);
    layout.SetPredefinedSize(CZuSize(0, -1));
    EXPECT_EQ(layout.GetHeight(), 0);
    layout.SetPredefinedSize(CZuSize(0, 77));
    EXPECT_EQ(layout.GetHeight(), 77);
    CZuLayoutRow empty(0);
    EXPECT_EQ(empty.GetHeight(), -1);
}

TEST_F(LayoutTest, RowsAndCellsAreInsertedFoundAndDeletedWithoutTheirControls)
{
    CZuLayout layout;
    CSizedControl* a = Make();
    CSizedControl* b = Make();
    EXPECT_EQ(layout.InsertRow(1, a, 0, 0), -1);
    EXPECT_EQ(layout.AppendRow(a, 0, 0), 0);
    EXPECT_EQ(layout.InsertRow(0, b, 0, 0), 0);
    EXPECT_EQ(layout.GetRow(0)->GetLayoutCell(0)->GetControl(), b);
    EXPECT_EQ(layout.InsertRow(2, CZuSize(1, 1), 0, 0), 2);
    int id = layout.GetRow(2)->GetID();
    layout.DeleteRowByID(id);
    EXPECT_EQ(layout.GetRowCount(), 2);
    layout.SetCell(1, 5, b, 0, 0);
    EXPECT_EQ(layout.GetRow(1)->GetLayoutCellCount(), 2);
    int cellId = layout.GetRow(1)->GetCellID(1);
    EXPECT_EQ(layout.GetRow(1)->GetCellID(9), -1);
    layout.DeleteCellByID(cellId, true);
    EXPECT_EQ(layout.GetRow(1)->GetLayoutCellCount(), 1);
    layout.DeleteCell(1, 0, false);
    EXPECT_EQ(layout.GetRowCount(), 2);
    layout.DeleteCell(0, 0, true);
    EXPECT_EQ(layout.GetRowCount(), 1);
    layout.DeleteCell(7, 0, true);
    layout.DeleteRow(7);
    layout.DeleteAllRow();
    EXPECT_EQ(layout.GetRowCount(), 0);
    // The controls are still there.
    EXPECT_TRUE(a->IsVisible());
    EXPECT_TRUE(b->IsVisible());
}

TEST_F(LayoutTest, HorizontalLayoutCentresItsControls)
{
    CZuHorizLayout layout;
    layout.SetRect(CZuRect(0, 0, 100, 40));
    CSizedControl* a = Make(CZuSize(20, 10));
    layout.AppendCellToLastRow(a, 0, 0);
    layout.SetRowHeight(0, -1);
    layout.DoLayout();
    EXPECT_EQ(layout.GetRow(0)->GetLayoutCell(0)->GetVertAlign(), EAlignVCenter);
    EXPECT_EQ(a->Rect(), CZuRect(0, 15, 20, 25));
}
