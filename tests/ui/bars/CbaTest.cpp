#include "TestScreen.h"

#include <gtest/gtest.h>

namespace
{
const int KNextWord = 24845;

// A view whose container fills the client area, with soft keys, recording what it is offered.
class CSoftKeyView : public CZuView
{
public:
    CSoftKeyView(CZuUiManager* manager, int id) : CZuView(manager) { SetViewId(id); }
    void DoActivateL() override
    {
        CZuContainer* container = new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        CZuView::DoActivateL();
    }
    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType == EZuMsgCommand)
            iCommands.push_back(int(message->iParam1));
        return iTakes;
    }
    std::vector<int> iCommands;
    bool iTakes = true;
};

// A dialog with soft keys of its own.
class CSoftKeyDialog : public CZuDialog
{
public:
    explicit CSoftKeyDialog(CZuControl* parent) : CZuDialog(parent, 0, nullptr)
    {
        SetCbaData(71, CZuString("OK"), 72, CZuString("Cancel"));
    }
    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType == EZuMsgCommand)
            iCommands.push_back(int(message->iParam1));
        return true;
    }
    std::vector<int> iCommands;
};

class CbaTest : public ::testing::Test
{
protected:
    CSoftKeyView* AddView(int id)
    {
        CSoftKeyView* view = new CSoftKeyView(&iScreen.Ui(), id);
        iScreen.Ui().AddViewL(view);
        return view;
    }
    int Commands() const { return iScreen.UiCount(EZuMsgCommand); }

    // The screen holds only the views' containers and what the tests push.
    CTestScreen iScreen{false};
};
} // namespace

TEST_F(CbaTest, TheBarIsAReadOnlyGroupOfTwoPlainSoftKeys)
{
    CZuCba* cba = iScreen.Cba();
    EXPECT_EQ(cba->GetType(), EZuCtrlCba);
    EXPECT_TRUE(cba->IsReadOnly());
    EXPECT_TRUE(cba->IsShowBackground());
    ASSERT_EQ(cba->GetButtonCount(), 2);
    EXPECT_EQ(cba->GetButton(0)->GetBtnUiStyle(), EZuBtnStylePlain);
    EXPECT_EQ(cba->GetLeftCommand(), 0);
    EXPECT_EQ(cba->GetSpace(), -1);
    // The two keys at the two ends of the bar.
    cba->SetCbaData(3, CZuString("Choose"), 4, CZuString("Back"));
    EXPECT_EQ(cba->GetButton(0)->Rect().iTl.iX, cba->InnerRect().iTl.iX);
    EXPECT_EQ(cba->GetButton(1)->Rect().iBr.iX, cba->InnerRect().iBr.iX);
    EXPECT_STREQ(cba->GetLeftText().PtrZ(), "Choose");
    EXPECT_EQ(cba->GetRightCommand(), 4);
}

TEST_F(CbaTest, SoftKeysSendTheirCommands)
{
    iScreen.Cba()->SetCbaData(KNextWord, CZuString("Next"), 7, CZuString("Back"));
    iScreen.Press(EZuKeyF1);
    iScreen.Press(EZuKeyF2);
    ASSERT_EQ(Commands(), 2);
    std::vector<unsigned> commands;
    for (size_t i = 0; i < iScreen.Ui().iMessages.size(); ++i)
        if (iScreen.Ui().iMessages[i] == EZuMsgCommand)
            commands.push_back(iScreen.Ui().iParams[i]);
    EXPECT_EQ(commands, (std::vector<unsigned>{unsigned(KNextWord), 7u}));
}

TEST_F(CbaTest, TheExitCommandClosesTheProgram)
{
    iScreen.Cba()->SetCbaData(0, CZuString(), EZuCmdExit, CZuString("Exit"));
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(iScreen.Ui().iExits, 1);
}

TEST_F(CbaTest, CommandZeroAndTypedLettersDoNothing)
{
    iScreen.Cba()->SetCbaData(0, CZuString(), 0, CZuString());
    EXPECT_FALSE(iScreen.Cba()->HandleKeyEvent(KeyEvent(EZuKeyF1), EZuKeyEventKey));
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(Commands(), 0);
    // "p" and "q" typed are the codes of F1 and F2, but characters.
    iScreen.Cba()->SetCbaData(5, CZuString("A"), 6, CZuString("B"));
    iScreen.Ui().OnChar(EZuKeyF1, 1, 0);
    iScreen.Ui().OnChar(EZuKeyF2, 1, 0);
    iScreen.Pump();
    EXPECT_EQ(Commands(), 0);
    EXPECT_EQ(iScreen.Ui().iExits, 0);
}

TEST_F(CbaTest, AHeldSoftKeyActsOncePerPress)
{
    iScreen.Cba()->SetCbaData(5, CZuString("A"), 9, CZuString("B"));
    iScreen.KeyDown(EZuKeyF2);
    for (int i = 0; i < 5; ++i)
        iScreen.KeyDown(EZuKeyF2);
    iScreen.KeyUp(EZuKeyF2);
    iScreen.Pump();
    EXPECT_EQ(Commands(), 1);
    // The next press acts again.
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(Commands(), 2);
}

TEST_F(CbaTest, TheMenuCommandOpensTheMenuAndThenTheMenusOwnKeysAct)
{
    CSoftKeyView* view = AddView(1);
    view->SetCbaData(EZuCmdMenu, CZuString("Menu"), EZuCmdExit, CZuString("Exit"));
    view->CreateMenu()->AddMenu();
    iScreen.Ui().ActivateViewL(1);
    iScreen.Press(EZuKeyF1);
    ASSERT_TRUE(iScreen.Ui().IsShowMenu());
    EXPECT_EQ(iScreen.UiCount(EZuMsgShowMenu), 1);
    // With the menu on top, F1 is the menu's "choose" and opens no second menu; F2 closes it.
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(iScreen.UiCount(EZuMsgShowMenu), 1);
    EXPECT_EQ(iScreen.Cba()->GetLeftCommand(), EZuCmdMenuChoose);
    iScreen.Press(EZuKeyF2);
    EXPECT_FALSE(iScreen.Ui().IsShowMenu());
    EXPECT_EQ(iScreen.Ui().iExits, 0);
    EXPECT_TRUE(view->iCommands.empty());
}

TEST_F(CbaTest, RightAfterAPushTheSoftKeysAreThoseOfTheNewTop)
{
    CSoftKeyView* view = AddView(1);
    view->SetCbaData(KNextWord, CZuString("Next"), EZuCmdExit, CZuString("Exit"));
    iScreen.Ui().ActivateViewL(1);
    iScreen.Draw();
    EXPECT_EQ(iScreen.Cba()->GetRightCommand(), EZuCmdExit);
    CSoftKeyDialog* dialog = new CSoftKeyDialog(iScreen.Wnd().GetWnd());
    iScreen.Ui().PushToDispStack(dialog);
    // No draw in between: the bar still shows the view's keys, but F2 is the dialog's.
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(iScreen.Ui().iExits, 0);
    EXPECT_EQ(dialog->iCommands, std::vector<int>{72});
    // Popped: the view's keys again.
    iScreen.Ui().PopFromDispStack(dialog);
    delete dialog;
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(view->iCommands, std::vector<int>{KNextWord});
}

TEST_F(CbaTest, AfterTheLastPopUpClosesNoneOfItsKeysStay)
{
    // No view is active: the dialog is all there is on the display stack.
    CSoftKeyDialog* dialog = new CSoftKeyDialog(iScreen.Wnd().GetWnd());
    iScreen.Ui().PushToDispStack(dialog);
    iScreen.Draw();
    EXPECT_EQ(iScreen.Cba()->GetLeftCommand(), 71);
    EXPECT_STREQ(iScreen.Cba()->GetRightText().PtrZ(), "Cancel");
    iScreen.Ui().PopFromDispStack(dialog);
    delete dialog;
    iScreen.Draw();
    EXPECT_EQ(iScreen.Cba()->GetLeftCommand(), EZuCmdNone);
    EXPECT_EQ(iScreen.Cba()->GetRightCommand(), EZuCmdNone);
    EXPECT_TRUE(iScreen.Cba()->GetLeftText().IsEmpty());
    EXPECT_TRUE(iScreen.Cba()->GetRightText().IsEmpty());
    // Before any draw too, the keys of the closed dialog send nothing.
    CSoftKeyDialog* second = new CSoftKeyDialog(iScreen.Wnd().GetWnd());
    iScreen.Ui().PushToDispStack(second);
    iScreen.Draw();
    iScreen.Ui().PopFromDispStack(second);
    delete second;
    iScreen.Press(EZuKeyF1);
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(Commands(), 0);
}

TEST_F(CbaTest, AfterADialogClosesTheViewBelowShowsItsOwnKeysOrNone)
{
    CSoftKeyView* keyed = AddView(1);
    keyed->SetCbaData(KNextWord, CZuString("Next"), EZuCmdExit, CZuString("Exit"));
    CSoftKeyView* bare = AddView(2);
    for (CSoftKeyView* view : {keyed, bare})
    {
        iScreen.Ui().ActivateViewL(view->GetViewId());
        iScreen.Draw();
        CSoftKeyDialog* dialog = new CSoftKeyDialog(iScreen.Wnd().GetWnd());
        iScreen.Ui().PushToDispStack(dialog);
        iScreen.Draw();
        EXPECT_EQ(iScreen.Cba()->GetLeftCommand(), 71);
        iScreen.Ui().PopFromDispStack(dialog);
        delete dialog;
        iScreen.Draw();
        bool hasKeys = view == keyed;
        EXPECT_EQ(iScreen.Cba()->GetLeftCommand(), hasKeys ? KNextWord : EZuCmdNone);
        EXPECT_EQ(iScreen.Cba()->GetRightText().IsEmpty(), !hasKeys);
    }
}

TEST_F(CbaTest, AfterAViewSwitchTheNewViewsKeysActAndAViewWithoutKeysHasNone)
{
    CSoftKeyView* first = AddView(1);
    first->SetCbaData(KNextWord, CZuString("Next"), EZuCmdExit, CZuString("Exit"));
    CSoftKeyView* second = AddView(2);
    iScreen.Ui().ActivateViewL(1);
    iScreen.Draw();
    iScreen.Ui().ActivateViewL(2);
    iScreen.Press(EZuKeyF2);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(iScreen.Ui().iExits, 0);
    EXPECT_TRUE(first->iCommands.empty());
    EXPECT_TRUE(second->iCommands.empty());
    iScreen.Draw();
    EXPECT_TRUE(iScreen.Cba()->GetRightText().IsEmpty());
}

TEST_F(CbaTest, ClickingASoftKeySendsItsCommandAndLeavesTheFocusWithTheScreen)
{
    CSoftKeyView* view = AddView(1);
    view->SetCbaData(KNextWord, CZuString("Next"), 0, CZuString());
    iScreen.Ui().ActivateViewL(1);
    iScreen.Draw();
    CZuContainer* container = view->GetContainer();
    ASSERT_TRUE(container->IsFocused());
    CZuPoint key = iScreen.Cba()->GetButton(0)->Rect().Center();
    iScreen.Click(key.iX, key.iY);
    EXPECT_EQ(view->iCommands, std::vector<int>{KNextWord});
    EXPECT_TRUE(container->IsFocused());
    EXPECT_EQ(iScreen.Cba()->GetButton(0)->GetState(), EZuStateNormal);
    // Enter goes to the screen, not to the soft key clicked last.
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(view->iCommands.size(), 1u);
    // The right key has no command: a click on it sends nothing.
    CZuPoint empty = iScreen.Cba()->GetButton(1)->Rect().Center();
    iScreen.Click(empty.iX, empty.iY);
    EXPECT_EQ(view->iCommands.size(), 1u);
}

TEST_F(CbaTest, ClickingTheMenuKeyOpensTheMenuAboveIt)
{
    CSoftKeyView* view = AddView(1);
    view->SetCbaData(EZuCmdMenu, CZuString("Menu"), 0, CZuString());
    CZuMenuData* menu = view->CreateMenu();
    menu->AddMenuItem(menu->AddMenu(), 8, CZuString("About"));
    iScreen.Ui().ActivateViewL(1);
    iScreen.Draw();
    CZuRect key = iScreen.Cba()->GetButton(0)->Rect();
    iScreen.Click(key.Center().iX, key.Center().iY);
    ASSERT_TRUE(iScreen.Ui().IsShowMenu());
    EXPECT_EQ(iScreen.Ui().GetMenuBar()->Rect().iTl.iX, key.iTl.iX);
    EXPECT_LE(iScreen.Ui().GetMenuBar()->Rect().iBr.iY, key.iTl.iY);
}

TEST_F(CbaTest, WithOneButtonOnlyTheLeftKeyIsSetAndWithNoneNothing)
{
    CZuCba* cba = iScreen.Cba();
    cba->SetButtonCount(1);
    cba->SetCbaData(5, CZuString("A"), 6, CZuString("B"));
    EXPECT_EQ(cba->GetLeftCommand(), 5);
    EXPECT_EQ(cba->GetRightCommand(), 0);
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(Commands(), 0);
    cba->SetButtonCount(0);
    cba->SetCbaData(5, CZuString("A"), 6, CZuString("B"));
    cba->SetCbaData(nullptr);
    iScreen.Press(EZuKeyF1);
    iScreen.Draw();
    EXPECT_EQ(Commands(), 0);
}

TEST_F(CbaTest, TheKeysKeepTheBarsColoursWhenTheStylesAreAppliedAgain)
{
    CZuUiStyle* styles = CZuEnv::UiStyle();
    styles->iCbaBar.iButtonStyle.iForeground = CZuRgb(250, 251, 252);
    iScreen.Ui().UpdateUiStyle();
    EXPECT_EQ(iScreen.Cba()->GetButton(0)->Foreground(), CZuRgb(250, 251, 252));
    EXPECT_EQ(iScreen.Cba()->GetButton(1)->Foreground(), CZuRgb(250, 251, 252));
}
