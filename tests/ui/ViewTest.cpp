#include "TestScreen.h"

#include <gtest/gtest.h>

namespace
{
// A view that builds a container with one button, and records what it is offered.
class CButtonView : public CZuView
{
public:
    CButtonView(CZuUiManager* manager, int id, bool makesContainer = true)
        : CZuView(manager), iMakesContainer(makesContainer)
    {
        SetViewId(id);
    }
    void DoActivateL() override
    {
        ++iActivations;
        if (iMakesContainer)
        {
            CZuContainer* container =
                new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
            container->ConstructL();
            iButton = new CZuButton(container);
            iButton->Set(50 + GetViewId(), CZuString("OK"), nullptr, false);
            iButton->SetMsgWnd(container, 0);
            container->GetClientLayout()->AppendRow(iButton, 0, 0);
        }
        CZuView::DoActivateL();
    }
    void DoDeactivate() override
    {
        ++iDeactivations;
        iButton = nullptr;
        CZuView::DoDeactivate();
    }
    void DynInitMenuData(CZuMenuData* menu) override
    {
        ++iMenuInits;
        if (menu)
            menu->MakeItemVisible(12, false);
    }
    bool HandleMessage(CZuMessage* message) override
    {
        iMessages.push_back(message->iType);
        return iTakes;
    }

    bool iMakesContainer;
    CZuButton* iButton = nullptr;
    int iActivations = 0;
    int iDeactivations = 0;
    int iMenuInits = 0;
    std::vector<unsigned> iMessages;
    bool iTakes = true;
};

class ViewTest : public ::testing::Test
{
protected:
    CButtonView* AddView(int id, bool makesContainer = true)
    {
        CButtonView* view = new CButtonView(&Ui(), id, makesContainer);
        Ui().AddViewL(view);
        return view;
    }
    CTestUiManager& Ui() { return iScreen.Ui(); }
    int QueuedDraws() const { return CZuEnv::MsgProcessor()->GetQueueCount(); }

    CTestScreen iScreen{false};
};
} // namespace

TEST_F(ViewTest, AViewStartsInactiveAndKeepsItsValues)
{
    CZuView view(&Ui());
    EXPECT_FALSE(view.IsActivated());
    EXPECT_EQ(view.GetContainer(), nullptr);
    EXPECT_FALSE(view.IsHaveCba());
    EXPECT_FALSE(view.IsHaveMenu());
    EXPECT_EQ(view.GetTransformEffect(), EZuTransNone);
    view.ConstructL(42);
    EXPECT_EQ(view.GetConstructValue(), 42u);
    view.SetRetViewId(3);
    EXPECT_EQ(view.GetRetViewId(), 3);
    view.SetCbaData(1, CZuString("Menu"), 6, CZuString("Exit"));
    ASSERT_TRUE(view.IsHaveCba());
    CZuCbaData* data = view.GetCbaData();
    view.SetCbaData(2, CZuString("Go"), 7, CZuString("Back"));
    // Set again, the same data object changes.
    EXPECT_EQ(view.GetCbaData(), data);
    EXPECT_EQ(data->GetLeftItem()->GetCommandID(), 2);
    EXPECT_STREQ(data->GetRightItem()->GetItemName().PtrZ(), "Back");
}

TEST_F(ViewTest, ActivationShowsTheContainerAndDeactivationDeletesIt)
{
    CButtonView* view = AddView(1);
    Ui().ActivateViewL(1);
    ASSERT_TRUE(view->IsActivated());
    CZuContainer* container = view->GetContainer();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->GetView(), view);
    EXPECT_EQ(Ui().GetTopFromDispStack(), container);
    EXPECT_EQ(container->Rect(), Ui().GetClientRect());
    // The container laid its button out when it got its size.
    EXPECT_FALSE(view->iButton->Rect().IsEmpty());
    EXPECT_TRUE(container->IsFocused());

    Ui().ActivateViewL(99);
    EXPECT_FALSE(view->IsActivated());
    EXPECT_EQ(view->GetContainer(), nullptr);
    EXPECT_EQ(Ui().GetDispStackCount(), 0);
    EXPECT_EQ(Ui().GetClientLayout()->GetRowCount(), 0);
}

TEST_F(ViewTest, AViewActivatedAgainGetsANewContainer)
{
    CButtonView* view = AddView(1);
    Ui().ActivateViewL(1);
    Ui().ActivateViewL(1);
    EXPECT_EQ(view->iActivations, 2);
    EXPECT_EQ(view->iDeactivations, 1);
    ASSERT_NE(view->GetContainer(), nullptr);
    EXPECT_EQ(Ui().GetDispStackCount(), 1);
    EXPECT_EQ(Ui().GetClientLayout()->GetRowCount(), 1);
}

TEST_F(ViewTest, AViewThatMadeNoContainerIsNotPushed)
{
    CButtonView* view = AddView(1, false);
    Ui().ActivateViewL(1);
    EXPECT_EQ(Ui().GetCurView(), view);
    EXPECT_EQ(Ui().GetDispStackCount(), 0);
    EXPECT_EQ(Ui().GetClientLayout()->GetRowCount(), 0);
    iScreen.Draw();
    // Switching away deactivates it all the same.
    AddView(2);
    Ui().ActivateViewL(2);
    EXPECT_EQ(view->iDeactivations, 1);
    EXPECT_EQ(Ui().GetDispStackCount(), 1);
}

TEST_F(ViewTest, AContainerWithoutAViewRegistersNowhere)
{
    CZuContainer* loose = new CZuContainer(iScreen.Wnd().GetWnd(), nullptr, EZuCtrlDialog);
    loose->ConstructL();
    EXPECT_EQ(loose->GetView(), nullptr);
    EXPECT_EQ(loose->Parent(), iScreen.Wnd().GetWnd());
    EXPECT_EQ(iScreen.Wnd().GetWnd()->FindControl(loose), -1);
    EXPECT_EQ(loose->GetMinSize(), CZuSize(0, 0));
    delete loose;
}

TEST_F(ViewTest, AContainerReplacedWhileShownLeavesTheScreen)
{
    CButtonView* view = AddView(1);
    Ui().ActivateViewL(1);
    CZuContainer* replacement = new CZuContainer(iScreen.Wnd().GetWnd(), view, EZuCtrlContainer);
    EXPECT_EQ(view->GetContainer(), replacement);
    // The old one went with its cell and its place on the stack: drawing and laying out reach nothing
    // deleted.
    EXPECT_EQ(Ui().GetDispStackCount(), 0);
    EXPECT_EQ(Ui().GetClientLayout()->GetRowCount(), 0);
    iScreen.Draw();
    Ui().GetClientLayout()->DoLayout();
}

TEST_F(ViewTest, ARemovedViewLeavesTheScreenAndMayBeDeleted)
{
    CButtonView* view = AddView(1);
    Ui().ActivateViewL(1);
    Ui().RemoveView(1);
    EXPECT_EQ(Ui().GetCurView(), nullptr);
    EXPECT_EQ(Ui().GetViewCount(), 0);
    EXPECT_EQ(Ui().GetDispStackCount(), 0);
    delete view;
    iScreen.Draw();
}

TEST(ViewShutdown, ShuttingDownWithAViewShownFreesEverythingOnce)
{
    // Under AddressSanitizer a container deleted twice, or drawn after it went, fails here.
    auto* screen = new CTestScreen(false);
    CButtonView* first = new CButtonView(&screen->Ui(), 1);
    CButtonView* second = new CButtonView(&screen->Ui(), 2);
    screen->Ui().AddViewL(first);
    screen->Ui().AddViewL(second);
    screen->Ui().ActivateViewL(1);
    screen->Ui().ActivateViewL(2);
    screen->Ui().ActivateViewL(1);
    screen->Draw();
    screen->Ui().ActivateViewL(2);
    // Deactivated twice by hand: the second finds no container to delete.
    first->DoDeactivate();
    first->DoDeactivate();
    EXPECT_EQ(first->GetContainer(), nullptr);
    EXPECT_NE(second->GetContainer(), nullptr);
    delete screen;
}

TEST_F(ViewTest, MessagesQueuedForTheOldScreenAreDroppedWithIt)
{
    CButtonView* first = AddView(1);
    AddView(2);
    Ui().ActivateViewL(1);
    // The button posts to its container; the switch deletes both before the queue runs.
    iScreen.KeyDown(EZuKeyEnter);
    iScreen.KeyUp(EZuKeyEnter);
    EXPECT_GT(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
    Ui().ActivateViewL(2);
    iScreen.Pump();
    EXPECT_EQ(first->GetContainer(), nullptr);
}

TEST_F(ViewTest, UnaddressedMessagesGoToTheViewOnTopAndWhatItLeavesToTheUiManager)
{
    CButtonView* view = AddView(1);
    Ui().ActivateViewL(1);
    Ui().iMessages.clear();
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgButtonChosen, 3, 0);
    iScreen.Pump();
    EXPECT_EQ(view->iMessages, std::vector<unsigned>{EZuMsgButtonChosen});
    EXPECT_EQ(iScreen.UiCount(EZuMsgButtonChosen), 0);
    view->iTakes = false;
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, EZuCmdExit, 0);
    iScreen.Pump();
    EXPECT_EQ(iScreen.UiCount(EZuMsgCommand), 1);
    EXPECT_EQ(Ui().iExits, 1);
}

TEST_F(ViewTest, ADeferredDrawNeedsAContainer)
{
    CButtonView* view = AddView(1);
    iScreen.Pump();
    view->DrawDeferred();
    EXPECT_EQ(QueuedDraws(), 0);
    Ui().ActivateViewL(1);
    iScreen.Pump();
    view->DrawDeferred();
    EXPECT_EQ(QueuedDraws(), 1);
}

TEST_F(ViewTest, TheTitleGoesToTheWindowsTitleBar)
{
    CZuControl* title = new CZuControl(iScreen.Wnd().GetWnd(), true, EZuCtrlTitleBar);
    iScreen.Wnd().Append(title, 0, CZuString("TitleBar"));
    CButtonView* view = AddView(1);
    view->SetTitle(CZuString("Study"));
    EXPECT_STREQ(view->GetTitle().PtrZ(), "Study");
    EXPECT_STREQ(title->GetText().PtrZ(), "Study");
}

TEST_F(ViewTest, CreateMenuTwiceLeavesOnlyTheSecondAndTheViewPreparesItBeforeItOpens)
{
    CButtonView* view = AddView(1);
    CZuMenuData* first = view->CreateMenu();
    first->AddMenu();
    CZuMenuData* second = view->CreateMenu();
    EXPECT_EQ(view->GetMenuData(), second);
    EXPECT_EQ(second->GetMenuCount(), 0);
    int entry = second->AddMenu();
    second->AddMenuItem(entry, 11, CZuString("Speak"));
    second->AddMenuItem(entry, 12, CZuString("Delete"));
    Ui().ActivateViewL(1);
    ASSERT_TRUE(Ui().ShowMenu());
    EXPECT_EQ(view->iMenuInits, 1);
    EXPECT_FALSE(second->GetMenuItemByCmdId(12)->IsVisible());
    EXPECT_TRUE(second->GetMenuItemByCmdId(11)->IsVisible());
    // A second open while one is open does nothing.
    EXPECT_FALSE(Ui().ShowMenu());
    EXPECT_EQ(view->iMenuInits, 1);
}

TEST_F(ViewTest, AViewSlidesInWithItsEffectAndWithoutSupportAtOnce)
{
    CButtonView* first = AddView(1);
    CButtonView* second = AddView(2);
    second->SetTransformEffect(EZuTransFromRight);
    Ui().ActivateViewL(1);
    iScreen.Draw();
    EXPECT_FALSE(Ui().IsTransforming());
    Ui().ActivateViewL(2);
    EXPECT_FALSE(Ui().IsTransforming());

    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);
    first->SetTransformEffect(EZuTransNone);
    Ui().ActivateViewL(1);
    iScreen.Draw();
    Ui().ActivateViewL(2);
    ASSERT_TRUE(Ui().IsTransforming());
    // The switch asked for a draw, which is the first step; each step arms a timer whose expiry asks for
    // the next one.
    const int drawsBefore = Ui().iDraws;
    for (int i = 0; i < 40 && Ui().IsTransforming(); ++i)
        iScreen.Clock().Advance(CZuMessageProcessor::KTickMs);
    EXPECT_FALSE(Ui().IsTransforming());
    const int steps = Ui().iDraws - drawsBefore;
    EXPECT_EQ(steps, int(CZuTransform::KStepCount));
}

TEST_F(ViewTest, AScreenAtRestAsksForNoRedrawOfItsOwn)
{
    CButtonView* first = AddView(1);
    CButtonView* second = AddView(2);
    first->SetCbaData(7, CZuString("Next"), 8, CZuString("Back"));
    second->SetCbaData(9, CZuString("Other"), 8, CZuString("Back"));
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);
    second->SetTransformEffect(EZuTransFromRight);
    Ui().ActivateViewL(1);
    for (int i = 0; i < 40 && (Ui().IsTransforming() || QueuedDraws() > 0); ++i)
        iScreen.Clock().Advance(CZuMessageProcessor::KTickMs);
    // A redraw with the screen at rest, then ten seconds of the clock: nothing asks to draw again.
    iScreen.Draw();
    int draws = Ui().iDraws;
    EXPECT_EQ(QueuedDraws(), 0);
    iScreen.Clock().Advance(10000);
    EXPECT_EQ(Ui().iDraws, draws);

    // After a slide to a screen with other soft keys has ended, the same holds.
    Ui().ActivateViewL(2);
    for (int i = 0; i < 40 && (Ui().IsTransforming() || QueuedDraws() > 0); ++i)
        iScreen.Clock().Advance(CZuMessageProcessor::KTickMs);
    ASSERT_FALSE(Ui().IsTransforming());
    draws = Ui().iDraws;
    iScreen.Draw();
    iScreen.Clock().Advance(10000);
    EXPECT_EQ(Ui().iDraws, draws + 1);
}

TEST(WndTest, NamedPartsAreFoundByNameOrIdAndByWhatTheyHold)
{
    CZuWnd wnd;
    CZuControl bar(nullptr, false, EZuCtrlCba);
    CZuControl other(nullptr, false, EZuCtrlPane);
    CZuLayout* client = new CZuLayout;
    CZuLayout* spare = new CZuLayout;
    wnd.Append(&bar, 3, CZuString("Cba"));
    // The same name holding a layout is not a control, and the first match wins.
    wnd.Append(client, 4, CZuString("Cba"));
    wnd.Append(&other, 3, CZuString("Cba"));
    wnd.Append(spare, 4, CZuString("ClientLayout"));
    EXPECT_EQ(wnd.GetControl(CZuString("Cba")), &bar);
    EXPECT_EQ(wnd.GetLayout(CZuString("Cba")), client);
    EXPECT_EQ(wnd.GetControl(3), &bar);
    EXPECT_EQ(wnd.GetLayout(4), client);
    EXPECT_EQ(wnd.GetLayout(CZuString("ClientLayout")), spare);
    EXPECT_EQ(wnd.GetControl(CZuString("TitleBar")), nullptr);
    EXPECT_EQ(wnd.GetLayout(CZuString("TitleBar")), nullptr);
    EXPECT_EQ(wnd.GetControl(4), nullptr);
    EXPECT_EQ(wnd.GetLayout(3), nullptr);
    // The base window description has no root and lays nothing out.
    EXPECT_EQ(wnd.GetWnd(), nullptr);
    wnd.SetWndRect(CZuRect(0, 0, 10, 10));
    wnd.SetWndLayout(new CZuLayout);
    wnd.SetWndLayout(new CZuLayout);
    EXPECT_NE(wnd.GetWndLayout(), nullptr);
}
