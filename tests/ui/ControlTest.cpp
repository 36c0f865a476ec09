#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// A parent with count recording children.
struct TFamily
{
    explicit TFamily(int count) : iParent(nullptr, false, EZuCtrlPane)
    {
        for (int i = 0; i < count; ++i)
            iChildren.push_back(new CRecordingControl(&iParent));
    }
    CZuControl iParent;
    std::vector<CRecordingControl*> iChildren;
};

TZuKeyEvent Key(unsigned code)
{
    return TZuKeyEvent{code, 0};
}

TZuPointerEvent Pointer(TZuPointerType type, int x, int y)
{
    TZuPointerEvent event;
    event.iType = type;
    event.iPosition = CZuPoint(x, y);
    return event;
}
} // namespace

TEST(ControlTest, ClearAllFocusTurnsTheFocusIntoDefaultFocus)
{
    TFamily family(4);
    family.iChildren[0]->SetState(EZuStateFocused);
    family.iChildren[1]->SetState(EZuStatePressed);
    family.iChildren[2]->SetState(EZuStateDefaultFocus);
    family.iParent.ClearAllFocus();
    EXPECT_EQ(family.iChildren[0]->GetState(), EZuStateDefaultFocus);
    EXPECT_EQ(family.iChildren[1]->GetState(), EZuStateNormal);
    EXPECT_EQ(family.iChildren[2]->GetState(), EZuStateDefaultFocus);
    EXPECT_EQ(family.iChildren[3]->GetState(), EZuStateNormal);
    EXPECT_TRUE(family.iChildren[3]->iStates.empty());
}

TEST(ControlTest, ReadOnlyAndDisabledAreInheritedFromAllChildren)
{
    TFamily family(2);
    EXPECT_FALSE(family.iParent.IsReadOnly());
    family.iChildren[0]->SetReadOnly(true);
    EXPECT_FALSE(family.iParent.IsReadOnly());
    family.iChildren[1]->SetReadOnly(true);
    EXPECT_TRUE(family.iParent.IsReadOnly());
    family.iChildren[0]->SetDisabled(true);
    EXPECT_FALSE(family.iParent.IsDisabled());
    family.iChildren[1]->SetDisabled(true);
    EXPECT_TRUE(family.iParent.IsDisabled());
    CZuControl lonely(nullptr, false, EZuCtrlPane);
    EXPECT_FALSE(lonely.IsReadOnly());
}

TEST(ControlTest, FocusWalkSkipsReadOnlyGroupsAndStopsOrLoopsAtTheEnd)
{
    CZuControl root(nullptr, false, EZuCtrlPane);
    CRecordingControl* first = new CRecordingControl(&root);
    // A group whose children are all read-only is read-only itself.
    CZuControl* group = new CZuControl(&root, true, EZuCtrlPane);
    (new CRecordingControl(group))->SetReadOnly(true);
    CRecordingControl* hidden = new CRecordingControl(&root);
    hidden->MakeVisible(false);
    CRecordingControl* last = new CRecordingControl(&root);
    root.SetFocusToIndex(0);
    EXPECT_TRUE(first->IsFocused());

    EXPECT_TRUE(root.FocusToNextCtrl());
    EXPECT_TRUE(last->IsFocused());
    EXPECT_FALSE(first->IsFocused());
    EXPECT_EQ(root.GetFocusIndex(), 3);
    EXPECT_FALSE(root.FocusToNextCtrl());
    EXPECT_TRUE(last->IsFocused());

    root.SetFocusLoop(true);
    EXPECT_TRUE(root.FocusToNextCtrl());
    EXPECT_TRUE(first->IsFocused());
    EXPECT_TRUE(root.FocusToPrevCtrl());
    EXPECT_TRUE(last->IsFocused());
    root.SetFocusLoop(false);
    EXPECT_TRUE(root.FocusToPrevCtrl());
    EXPECT_TRUE(first->IsFocused());
    EXPECT_FALSE(root.FocusToPrevCtrl());
}

TEST(ControlTest, RowWalkJumpsByTheControlsPerRow)
{
    TFamily family(9);
    CZuControl& grid = family.iParent;
    grid.SetCtrlCountPerRow(3);
    grid.SetFocusToIndex(1);
    EXPECT_TRUE(grid.FocusToNextRow());
    EXPECT_EQ(grid.GetFocusIndex(), 4);
    // Read-only and disabled children are skipped; hidden ones are not.
    family.iChildren[7]->SetReadOnly(true);
    family.iChildren[8]->MakeVisible(false);
    EXPECT_TRUE(grid.FocusToNextRow());
    EXPECT_EQ(grid.GetFocusIndex(), 8);
    EXPECT_FALSE(grid.FocusToNextRow());
    EXPECT_TRUE(grid.FocusToPrevRow());
    EXPECT_EQ(grid.GetFocusIndex(), 5);
    grid.SetFocusLoop(true);
    grid.SetFocusToIndex(0);
    EXPECT_TRUE(grid.FocusToPrevRow());
    EXPECT_EQ(grid.GetFocusIndex(), 8);
    EXPECT_TRUE(family.iChildren[8]->IsFocused());
}

TEST(ControlTest, FocusKeysMoveOnKeyEventsOnly)
{
    TFamily family(3);
    family.iParent.SetFocusToIndex(0);
    EXPECT_FALSE(family.iParent.HandleKeyEvent(Key(39), EZuKeyEventDown));
    EXPECT_EQ(family.iParent.GetFocusIndex(), 0);
    EXPECT_TRUE(family.iParent.HandleKeyEvent(Key(39), EZuKeyEventKey));
    EXPECT_EQ(family.iParent.GetFocusIndex(), 1);
    // The focused child is offered the key first; the others are not.
    EXPECT_EQ(family.iChildren[0]->iKeys.size(), 2u);
    EXPECT_TRUE(family.iChildren[2]->iKeys.empty());
    family.iParent.SetMoveFocusKey('A', 'W', 'D', 'S');
    EXPECT_FALSE(family.iParent.HandleKeyEvent(Key(39), EZuKeyEventKey));
    EXPECT_TRUE(family.iParent.HandleKeyEvent(Key('D'), EZuKeyEventKey));
    EXPECT_EQ(family.iParent.GetFocusIndex(), 2);
    family.iChildren[2]->iConsumeKeys = true;
    EXPECT_TRUE(family.iParent.HandleKeyEvent(Key('A'), EZuKeyEventKey));
    EXPECT_EQ(family.iParent.GetFocusIndex(), 2);
}

TEST(ControlTest, FocusTreeFocusesEveryParentOnTheWay)
{
    CZuControl root(nullptr, false, EZuCtrlPane);
    CZuControl* left = new CZuControl(&root, true, EZuCtrlPane);
    CZuControl* right = new CZuControl(&root, true, EZuCtrlPane);
    CRecordingControl* leaf = new CRecordingControl(right);
    new CRecordingControl(left);
    leaf->SetFocus(true);
    EXPECT_TRUE(right->IsFocused());
    EXPECT_EQ(root.GetFocusIndex(), 1);
    EXPECT_EQ(root.GetLastFocusCtrl(), leaf);
    left->SetFocus(true);
    EXPECT_FALSE(right->IsFocused());
    // The branch that lost the focus keeps its leaf as the default focus.
    EXPECT_EQ(leaf->GetState(), EZuStateDefaultFocus);
    EXPECT_EQ(root.GetFocusCtrl(), left);
}

TEST(ControlTest, ResetFocusSkipsAReadOnlyChild)
{
    TFamily family(3);
    family.iChildren[0]->SetReadOnly(true);
    family.iParent.SetDefaultFocusIndex(0);
    family.iParent.ResetFocus();
    EXPECT_EQ(family.iParent.GetFocusIndex(), 1);
    EXPECT_TRUE(family.iChildren[1]->IsFocused());
    family.iParent.SetDefaultFocusIndex(7);
    family.iParent.ResetFocus();
    EXPECT_EQ(family.iParent.GetFocusIndex(), 1);
}

TEST(ControlTest, EnterPressesAndReleasesAnActivatableControl)
{
    CRecordingControl button(nullptr, false, EZuCtrlButton);
    EXPECT_FALSE(button.ProcessKeyEvent(Key(13), EZuKeyEventDown));
    EXPECT_EQ(button.GetState(), EZuStatePressed);
    EXPECT_FALSE(button.ProcessKeyEvent(Key(13), EZuKeyEventUp));
    EXPECT_EQ(button.iStates, (std::vector<int>{EZuStatePressed, EZuStateReleased, EZuStateFocused}));
    button.ProcessKeyEvent(Key(32), EZuKeyEventDown);
    EXPECT_EQ(button.GetState(), EZuStateFocused);
}

TEST(ControlTest, PointerHoverPressAndLeave)
{
    CRecordingControl button(nullptr, false, EZuCtrlButton);
    button.SetRect(CZuRect(10, 10, 50, 30));
    button.SetState(EZuStateFocused);
    EXPECT_TRUE(button.SetStateByPointerEvent(Pointer(EZuPointerMove, 20, 20)));
    EXPECT_EQ(button.GetState(), EZuStatePointerOver);
    EXPECT_FALSE(button.SetStateByPointerEvent(Pointer(EZuPointerMove, 21, 20)));
    EXPECT_TRUE(button.SetStateByPointerEvent(Pointer(EZuPointerMove, 80, 20)));
    EXPECT_EQ(button.GetState(), EZuStateFocused);
    EXPECT_FALSE(button.SetStateByPointerEvent(Pointer(EZuPointerMove, 80, 20)));
    EXPECT_TRUE(button.SetStateByPointerEvent(Pointer(EZuPointerDown, 20, 20)));
    EXPECT_EQ(button.GetState(), EZuStatePressed);
    EXPECT_TRUE(button.SetStateByPointerEvent(Pointer(EZuPointerUp, 20, 20)));
    EXPECT_EQ(button.GetState(), EZuStateFocused);
}

TEST(ControlTest, GeometryWithInnerSpacesAndBorder)
{
    CZuControl control(nullptr, false, EZuCtrlPane);
    control.SetRect(CZuRect(10, 20, 110, 70));
    control.SetInnerSpace(1, 2, 3, 4);
    control.SetBorderType(EZuBorderTwoTone);
    EXPECT_EQ(control.GetBorderWidth(), 2);
    EXPECT_EQ(control.InnerRect(), CZuRect(15, 23, 104, 66));
    control.SetBorderType(TZuBorderType(9));
    EXPECT_EQ(control.GetBorderWidth(), 2);
    control.SetBorderType(EZuBorderOpaque);
    EXPECT_EQ(control.GetBorderWidth(), 1);
    control.SetBorderWidth(3);
    EXPECT_EQ(control.InnerSize(), CZuSize(100 - 7 - 6, 50 - 3 - 6));
    control.SetPredefinedSize(CZuSize(30, 12));
    EXPECT_EQ(control.GetMinSize(), CZuSize(30, 12));
    EXPECT_EQ(control.GetMinHeight(), 12);
}

TEST(ControlTest, MinimumSizeOfTextHasItsInnerSpaces)
{
    class CLabel : public CZuControl
    {
    public:
        CLabel() : CZuControl(nullptr, false, EZuCtrlLabel) {}
        CZuString GetText() override { return CZuString("Hello"); }
    } label;
    label.SetInnerSpace(2, 3, 4, 5);
    CZuFont* font = label.GetFont();
    CZuSize size = label.GetMinSize();
    EXPECT_EQ(size.iWidth, font->TextWidthInPixels(CZuString("Hello")) + 4 + 5 + 2);
    EXPECT_EQ(size.iHeight, font->HeightInPixels() + 2 + 3 + 2);
    label.SetPredefinedSize(CZuSize(500, 0));
    EXPECT_EQ(label.GetMinSize().iWidth, 500);
}

TEST(ControlTest, HitSearchIsDepthFirstAndHonoursLevels)
{
    CZuControl root(nullptr, false, EZuCtrlPane);
    root.SetRect(CZuRect(0, 0, 100, 100));
    CZuControl* panel = new CZuControl(&root, true, EZuCtrlPane);
    panel->SetRect(CZuRect(0, 0, 50, 50));
    CZuControl* inner = new CZuControl(panel, true, EZuCtrlPane);
    inner->SetRect(CZuRect(10, 10, 20, 20));
    EXPECT_EQ(root.GetControlBy(CZuPoint(15, 15)), inner);
    EXPECT_EQ(root.GetControlBy(CZuPoint(30, 30)), panel);
    EXPECT_EQ(root.GetControlBy(CZuPoint(80, 80)), &root);
    EXPECT_EQ(root.GetControlBy(CZuPoint(180, 80)), nullptr);
    inner->MakeVisible(false);
    EXPECT_EQ(root.GetControlBy(CZuPoint(15, 15)), panel);
    panel->SetDispOrder(2);
    EXPECT_EQ(root.GetTopDispLevel(), 2);
    EXPECT_EQ(inner->GetDispOrder(), 2);
    EXPECT_EQ(root.GetControlBy(CZuPoint(80, 80), 1), nullptr);
    EXPECT_EQ(root.GetControlBy(CZuPoint(30, 30), 1), panel);
}

TEST(ControlTest, ChildrenOfLowerLevelAreNotDrawnAndHigherOnesLast)
{
    CZuBitmapGc gc(CZuSize(60, 40));
    CZuControl parent(nullptr, false, EZuCtrlPane);
    parent.SetRect(CZuRect(0, 0, 60, 40));
    parent.SetDispOrder(1);
    auto filled = [&](const CZuRect& rect, const CZuRgb& color, int level)
    {
        CZuControl* child = new CZuControl(&parent, true, EZuCtrlPane);
        child->SetRect(rect);
        child->SetShowBackground(true, false, IZuGc::EGradualVertical);
        child->SetBackground(color);
        child->SetDispOrder(level);
        return child;
    };
    filled(CZuRect(0, 0, 20, 40), CZuRgb(255, 0, 0), 0);
    filled(CZuRect(20, 0, 60, 40), CZuRgb(0, 0, 255), 2);
    filled(CZuRect(20, 0, 60, 40), CZuRgb(0, 255, 0), 1);
    gc.SetDrawColor(CZuRgb(0, 0, 0));
    gc.Clear();
    parent.DrawCtrl(gc, parent.Rect());
    EXPECT_EQ(PixelAt(gc, 10, 20), 0x000000u);
    EXPECT_EQ(PixelAt(gc, 40, 20), 0x0000FFu);
    parent.MakeVisible(false);
    gc.SetDrawColor(CZuRgb(0, 0, 0));
    gc.Clear();
    parent.DrawCtrl(gc, parent.Rect());
    EXPECT_EQ(PixelAt(gc, 40, 20), 0x000000u);
}

TEST(ControlTest, BordersArePixelExactOnStraightEdges)
{
    CZuBitmapGc gc(CZuSize(60, 50));
    CZuControl control(nullptr, false, EZuCtrlPane);
    control.SetRect(CZuRect(10, 10, 50, 40));
    control.SetBorderColor(CZuRgb(0, 0, 200));

    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.Clear();
    control.SetBorderType(EZuBorderNone);
    control.DrawCtrl(gc, control.Rect());
    EXPECT_EQ(PixelAt(gc, 10, 25), 0xFFFFFFu);

    control.SetBorderType(EZuBorderLine);
    control.DrawCtrl(gc, control.Rect());
    for (int y : {10, 25, 39})
        EXPECT_EQ(PixelAt(gc, 10, y), 0x0000C8u) << y;
    EXPECT_EQ(PixelAt(gc, 49, 25), 0x0000C8u);
    EXPECT_EQ(PixelAt(gc, 30, 10), 0x0000C8u);
    EXPECT_EQ(PixelAt(gc, 30, 39), 0x0000C8u);
    EXPECT_EQ(PixelAt(gc, 11, 25), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 9, 25), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 50, 25), 0xFFFFFFu);

    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.Clear();
    control.SetBorderType(EZuBorderTwoTone);
    control.DrawCtrl(gc, control.Rect());
    CZuRgb border(0, 0, 200);
    EXPECT_EQ(PixelAt(gc, 10, 25), Rgb(border.GetNewColor(80, -80)));
    EXPECT_EQ(PixelAt(gc, 11, 25), Rgb(border.GetNewColor(-40, 40)));
    EXPECT_EQ(PixelAt(gc, 12, 25), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 30, 38), Rgb(border.GetNewColor(-40, 40)));
}

TEST(ControlTest, RoundBordersLeaveTheCornersOpen)
{
    CZuBitmapGc gc(CZuSize(60, 50));
    CZuControl control(nullptr, false, EZuCtrlPane);
    control.SetRect(CZuRect(10, 10, 50, 40));
    control.SetBorderColor(CZuRgb(0, 0, 200));
    control.SetRoundCornerSize(8);
    control.SetBorderType(EZuBorderResizable);
    control.SetBorderWidth(2);
    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.Clear();
    control.DrawCtrl(gc, control.Rect());
    // Straight parts two pixels wide, the very corner untouched, the arc drawn in between.
    EXPECT_EQ(PixelAt(gc, 10, 25), 0x0000C8u);
    EXPECT_EQ(PixelAt(gc, 11, 25), 0x0000C8u);
    EXPECT_EQ(PixelAt(gc, 12, 25), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 10, 10), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 49, 39), 0xFFFFFFu);
    EXPECT_NE(PixelAt(gc, 12, 12), 0xFFFFFFu);
}

TEST(ControlTest, BackgroundFollowsStyleAndState)
{
    CZuBitmapGc gc(CZuSize(40, 40));
    CZuControl control(nullptr, false, EZuCtrlPane);
    control.SetRect(CZuRect(0, 0, 40, 40));
    control.SetShowBackground(true, true, IZuGc::EGradualVertical);
    control.SetBackground(CZuRgb(255, 0, 0));
    control.SetBackgroundTo(CZuRgb(0, 0, 255));
    control.DrawCtrl(gc, control.Rect());
    EXPECT_GT((PixelAt(gc, 20, 1) >> 16) & 0xFF, 200u);
    EXPECT_GT(PixelAt(gc, 20, 38) & 0xFF, 200u);
    control.SetShowBackground(true, false, IZuGc::EGradualVertical);
    control.DrawCtrl(gc, control.Rect());
    EXPECT_EQ(PixelAt(gc, 20, 38), 0xFF0000u);
}

TEST(ControlTest, StylesComeFromTheRecordOfTheControlType)
{
    CZuManualClock clock;
    CTestUiManager ui;
    CZuUiStyle* styles = CZuEnv::UiStyle();
    CZuControl root(nullptr, false, EZuCtrlPane);
    EXPECT_EQ(root.GetBgTransDegree(), styles->iCommon.iBgTransDegree);
    EXPECT_EQ(root.GetForeTransDegree(), 0);
    CZuControl* label = new CZuControl(&root, true, EZuCtrlLabel);
    CZuControl* grid = new CZuControl(&root, true, EZuCtrlGrid);
    grid->SetBackground(CZuRgb(1, 2, 3));
    styles->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    styles->iLabel.iForeground = CZuRgb(9, 8, 7);
    root.UpdateUiStyle();
    EXPECT_EQ(label->Foreground(), CZuRgb(9, 8, 7));
    EXPECT_EQ(grid->Background(), CZuRgb(1, 2, 3));
    EXPECT_EQ(root.Background(), styles->iCommon.iBackground);
    root.SetForeground(CZuRgb(4, 5, 6));
    EXPECT_EQ(label->Foreground(), CZuRgb(4, 5, 6));
    root.SetBgTransDegree(33);
    EXPECT_EQ(grid->GetBgTransDegree(), 33);
    EXPECT_EQ(root.BgDefaultFocusedColor(), root.BgFocusedColor().GetNewColor(-30, 0));
}

TEST(ControlTest, ResizableFrameSendsCursorAndResizeMessages)
{
    CZuManualClock clock;
    CTestUiManager ui;
    CZuControl frame(nullptr, false, EZuCtrlWindow);
    frame.SetRect(CZuRect(0, 0, 100, 80));
    frame.SetBorderType(EZuBorderResizable);
    frame.HandlePointerEventL(Pointer(EZuPointerMove, 50, 1));
    frame.HandlePointerEventL(Pointer(EZuPointerMove, 98, 40));
    frame.HandlePointerEventL(Pointer(EZuPointerMove, 50, 40));
    frame.HandlePointerEventL(Pointer(EZuPointerDown, 50, 78));
    frame.HandlePointerEventL(Pointer(EZuPointerDrag, 52, 85));
    frame.HandlePointerEventL(Pointer(EZuPointerUp, 52, 85));
    frame.HandlePointerEventL(Pointer(EZuPointerDrag, 52, 95));
    EXPECT_EQ(ui.iMessages, (std::vector<unsigned>{15, 15, 15, 5}));
    EXPECT_EQ(ui.iParams, (std::vector<unsigned>{EZuCursorSizeNS, EZuCursorSizeWE, EZuCursorNone, 2}));
}

namespace
{
// A control that paints far beyond its rectangle: what stays of it is what the clip lets through.
class CSpillingControl : public CZuControl
{
public:
    CSpillingControl(CZuControl* parent, const CZuRgb& color)
        : CZuControl(parent, true, EZuCtrlPane), iColor(color)
    {
    }
    void Draw(CZuGc& gc, const CZuRect&) override
    {
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(iColor);
        gc.DrawRect(CZuRect(0, 0, 99, 99));
    }
    CZuRgb iColor;
};
} // namespace

TEST(ControlTest, AClippedControlPaintsExactlyItsInnerRectangleAndItsChildrenStayInside)
{
    CZuBitmapGc gc(CZuSize(60, 50));
    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.Clear();
    CSpillingControl control(nullptr, CZuRgb(200, 0, 0));
    control.SetRect(CZuRect(10, 10, 40, 30));
    control.SetInnerSpace(2);
    control.SetClip(true);
    CSpillingControl* child = new CSpillingControl(&control, CZuRgb(0, 0, 200));
    child->SetRect(CZuRect(30, 20, 45, 35));
    control.DrawCtrl(gc, control.Rect());
    const CZuRect inner = control.InnerRect();
    ASSERT_EQ(inner, CZuRect(12, 12, 38, 28));
    // The child, drawn last, paints everything the clip lets through: the last column and row inside,
    // and not the first ones outside (right and bottom edges exclusive).
    for (int x : {12, 25, 37})
        for (int y : {12, 20, 27})
            EXPECT_EQ(PixelAt(gc, x, y), 0x0000C8u) << x << "," << y;
    EXPECT_EQ(PixelAt(gc, 38, 15), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 20, 28), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 38, 28), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 11, 12), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 12, 11), 0xFFFFFFu);
    // The clip is undone afterwards.
    EXPECT_EQ(gc.ClipDepth(), 0);

    // Inside a clip that leaves none of its inner rectangle, it shows nothing and leaves the clip alone.
    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.Clear();
    gc.SetClippingRect(CZuRect(0, 0, 5, 5));
    control.DrawCtrl(gc, control.Rect());
    EXPECT_EQ(gc.ClipDepth(), 1);
    gc.CancelClippingRect();
    EXPECT_EQ(PixelAt(gc, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 20, 20), 0xFFFFFFu);
}
