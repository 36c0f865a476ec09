// The dialog frame: its title pane and soft keys, its place in desktop and full-screen modes, modal waits
// (nested, and ended by closing the window) and modeless reports, and the way keys, soft keys and clicks
// reach it.
#include "DialogTestSupport.h"

namespace
{

// A dialog that records the commands it hears of and tells when it goes.
class CRecordingDlg : public CZuDialog
{
public:
    explicit CRecordingDlg(int* deleted = nullptr) : CZuDialog(0, nullptr), iDeleted(deleted) {}
    ~CRecordingDlg() override
    {
        if (iDeleted)
            ++*iDeleted;
    }
    bool HandleDlgCommand(int command) override
    {
        iCommands.push_back(command);
        return CZuDialog::HandleDlgCommand(command);
    }
    std::vector<int> iCommands;
    int* iDeleted;
};

CRecordingDlg* NewDialog(int* deleted = nullptr)
{
    CRecordingDlg* dialog = new CRecordingDlg(deleted);
    dialog->ConstructL();
    return dialog;
}

bool IsShown(CTestUiManager& ui, CZuControl* control)
{
    for (int i = 0; i < ui.GetDispStackCount(); ++i)
    {
        if (ui.GetDispStackAt(i) == control)
            return true;
    }
    return false;
}

TEST_F(DialogTest, TheFrameHasATitlePaneWithCancelAndOkAndTheContentBelowIt)
{
    CRecordingDlg* dialog = NewDialog();
    dialog->SetTitle(CZuString("标题"));
    CZuPane* pane = dialog->GetTitlePane();
    ASSERT_NE(nullptr, pane);
    EXPECT_EQ(2 * CZuFont::GetNormalHeight(), pane->Size().iHeight);
    EXPECT_EQ(dialog->InnerRect().iTl, pane->Position());
    EXPECT_EQ(std::string("标题"), dialog->GetTitleLabel()->GetText().PtrZ());
    CZuButton* cancel = static_cast<CZuButton*>(pane->GetControlByID(CZuDialog::KCmdCancel));
    CZuButton* ok = static_cast<CZuButton*>(pane->GetControlByID(CZuDialog::KCmdOk));
    ASSERT_NE(nullptr, cancel);
    ASSERT_NE(nullptr, ok);
    EXPECT_EQ(CZuDialog::KCmdCancel, cancel->GetCommand());
    EXPECT_LT(cancel->Position().iX, dialog->GetTitleLabel()->Position().iX);
    EXPECT_GT(ok->Position().iX, dialog->GetTitleLabel()->Position().iX);
    EXPECT_EQ(std::string("取消"), cancel->GetText().PtrZ());
    EXPECT_EQ(std::string("确定"), ok->GetText().PtrZ());
    // The content takes the rest of the dialog.
    CZuRect content = dialog->GetDlgLayout()->GetRect();
    EXPECT_EQ(pane->Rect().iBr.iY, content.iTl.iY);
    EXPECT_EQ(dialog->InnerRect().iBr.iY, content.iBr.iY);
    // The default soft keys: OK on the left, cancel on the right.
    ASSERT_NE(nullptr, dialog->GetCbaData());
    EXPECT_EQ(CZuDialog::KCmdOk, dialog->GetCbaData()->GetLeftItem()->GetCommandID());
    EXPECT_EQ(CZuDialog::KCmdCancel, dialog->GetCbaData()->GetRightItem()->GetCommandID());
    EXPECT_EQ(nullptr, dialog->GetButtonGroup());
    EXPECT_EQ(EZuCtrlDialog, dialog->GetType());
    delete dialog;
}

TEST_F(DialogTest, OnADesktopADialogIs320By240CentredAboveTheCommandBar)
{
    OpenScreen(1024, 700 + CTestScreen::KCbaHeight, false);
    CZuEnv::UiSetting()->EnableTransSupport(true);
    CRecordingDlg* dialog = NewDialog();
    EXPECT_EQ(CZuRect(352, 230, 672, 470), dialog->Rect());
    delete dialog;
}

TEST_F(DialogTest, OnANarrowDesktopADialogTakesFourFifthsOfTheWidth)
{
    OpenScreen(300, 400 + CTestScreen::KCbaHeight, false);
    CZuEnv::UiSetting()->EnableTransSupport(true);
    CRecordingDlg* dialog = NewDialog();
    EXPECT_EQ(CZuSize(240, 180), dialog->Size());
    EXPECT_EQ(CZuPoint(30, 110), dialog->Position());
    delete dialog;
}

TEST_F(DialogTest, OnALowDesktopADialogTakesFourFifthsOfTheHeight)
{
    OpenScreen(1024, 200 + CTestScreen::KCbaHeight, false);
    CZuEnv::UiSetting()->EnableTransSupport(true);
    CRecordingDlg* dialog = NewDialog();
    EXPECT_EQ(CZuSize(320, 160), dialog->Size());
    delete dialog;
}

TEST_F(DialogTest, OnAFullScreenDeviceADialogSpansTheWidthAtTheBottom)
{
    OpenScreen(240, 320 + CTestScreen::KCbaHeight, false);
    CRecordingDlg* dialog = NewDialog();
    EXPECT_EQ(CZuRect(0, 152, 240, 320), dialog->Rect());
    delete dialog;
}

TEST_F(DialogTest, ANegativeAreaGivesAnEmptyDialogNeverANegativeOne)
{
    OpenScreen(240, 160, false);
    // A command bar above the top of the UI leaves no room.
    Screen().Cba()->SetRect(CZuRect(0, -40, 240, -10));
    for (bool desktop : {false, true})
    {
        CZuEnv::UiSetting()->EnableTransSupport(desktop);
        CRecordingDlg* dialog = NewDialog();
        EXPECT_GE(dialog->Size().iHeight, 0);
        EXPECT_GE(dialog->Size().iWidth, 0);
        delete dialog;
    }
}

TEST_F(DialogTest, ShowingTwicePushesOnceAndDeletingTakesItOff)
{
    CRecordingDlg* dialog = NewDialog();
    int before = Ui().GetDispStackCount();
    EXPECT_TRUE(dialog->ShowDialog(false, nullptr));
    EXPECT_TRUE(dialog->ShowDialog(false, nullptr));
    EXPECT_EQ(before + 1, Ui().GetDispStackCount());
    EXPECT_EQ(dialog, Ui().GetTopFromDispStack());
    EXPECT_TRUE(dialog->IsFocused());
    EXPECT_FALSE(dialog->IsModel());
    CZuControl* root = dialog->Parent();
    delete dialog;
    EXPECT_EQ(before, Ui().GetDispStackCount());
    EXPECT_EQ(-1, root->FindControl(dialog));
}

TEST_F(DialogTest, AModalDialogReturnsTrueOnEnter)
{
    CRecordingDlg* dialog = NewDialog();
    Script().Add([&] { Press(EZuKeyEnter); });
    Script().Start();
    EXPECT_TRUE(dialog->ShowDialog(true, nullptr));
    EXPECT_FALSE(Script().RanDry());
    EXPECT_TRUE(dialog->IsModel());
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdOk}), dialog->iCommands);
    delete dialog;
}

TEST_F(DialogTest, AModalDialogReturnsFalseOnTheRightSoftKeyAndOnEscape)
{
    for (unsigned key : {unsigned(EZuKeyF2), unsigned(EZuKeyEscape)})
    {
        CRecordingDlg* dialog = NewDialog();
        Script().Add([&, key] { Press(key); });
        Script().Start();
        EXPECT_FALSE(dialog->ShowDialog(true, nullptr)) << key;
        EXPECT_TRUE(dialog->IsClosed());
        EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), dialog->iCommands);
        delete dialog;
        FlushSdl();
    }
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, TheLeftSoftKeyAndTheTitleButtonsAnswerAsTheirCommands)
{
    CRecordingDlg* dialog = NewDialog();
    Script().Add([&] { Press(EZuKeyF1); });
    Script().Start();
    EXPECT_TRUE(dialog->ShowDialog(true, nullptr));
    delete dialog;
    FlushSdl();

    dialog = NewDialog();
    Script().Add([&] { ClickOn(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)); });
    Script().Start();
    EXPECT_TRUE(dialog->ShowDialog(true, nullptr));
    delete dialog;
    FlushSdl();

    dialog = NewDialog();
    Script().Add([&] { ClickOn(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)); });
    Script().Start();
    EXPECT_FALSE(dialog->ShowDialog(true, nullptr));
    delete dialog;
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, ASoftKeyClickedWithThePointerReachesTheDialog)
{
    CRecordingDlg* dialog = NewDialog();
    Script().Add(
        [&]
        {
            // Drawing puts the dialog's soft keys on the bar.
            Screen().Draw();
            ClickOn(Screen().Cba()->GetButton(Screen().Cba()->GetButtonCount() - 1));
        });
    Script().Start();
    EXPECT_FALSE(dialog->ShowDialog(true, nullptr));
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), dialog->iCommands);
    delete dialog;
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, CommandsOtherThanOkAndCancelGoToTheDialogAndLeaveItOpen)
{
    CRecordingDlg* dialog = NewDialog();
    CMessageLog receiver;
    dialog->ShowDialog(false, &receiver);
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgButtonClicked, 31, 0, CZuPoint());
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, 0, 0, CZuPoint());
    Pump();
    EXPECT_EQ(std::vector<int>({31}), dialog->iCommands);
    EXPECT_FALSE(dialog->IsClosed());
    EXPECT_EQ(0, receiver.Count(CZuDialog::KMsgDialogClosed));
    Press(EZuKeyEnter);
    EXPECT_TRUE(dialog->IsClosed());
    EXPECT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    delete dialog;
}

TEST_F(DialogTest, AModelessDialogReportsOnceWhateverFollows)
{
    CRecordingDlg* dialog = NewDialog();
    CMessageLog receiver;
    EXPECT_TRUE(dialog->ShowDialog(false, &receiver));
    Screen().KeyDown(EZuKeyEnter);
    Screen().KeyUp(EZuKeyEnter);
    Screen().KeyDown(EZuKeyEnter);
    // Held: the repeats come as key events.
    Screen().KeyDown(EZuKeyEnter);
    Screen().KeyDown(EZuKeyEnter);
    Screen().KeyUp(EZuKeyEnter);
    Press(EZuKeyF1);
    Press(EZuKeyF2);
    Press(EZuKeyEscape);
    Click(2, 2);
    Pump();
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    const TGotMessage& got = receiver.iGot[0];
    EXPECT_EQ(1u, got.iParam1);
    EXPECT_EQ(CZuMessage::MakeParam(static_cast<CZuDialog*>(dialog)), got.iParam2);
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdOk}), dialog->iCommands);
    // Told once, it is not shown again: its receiver is deleting it.
    EXPECT_FALSE(dialog->ShowDialog(false, &receiver));
    delete dialog;
}

TEST_F(DialogTest, AModelessCancelReportsZero)
{
    CRecordingDlg* dialog = NewDialog();
    CMessageLog receiver;
    dialog->ShowDialog(false, &receiver);
    Press(EZuKeyF2);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    EXPECT_FALSE(dialog->GetVerdict());
    delete dialog;
}

TEST_F(DialogTest, AModelessDialogWithoutAReceiverDeletesItselfAfterItCloses)
{
    int deleted = 0;
    CRecordingDlg* dialog = NewDialog(&deleted);
    dialog->ShowDialog(false, nullptr);
    Screen().KeyDown(EZuKeyEnter);
    Screen().KeyUp(EZuKeyEnter);
    // Deferred: the dialog still exists while the key is handled.
    EXPECT_EQ(0, deleted);
    Pump();
    EXPECT_EQ(1, deleted);
    EXPECT_NE(static_cast<CZuControl*>(dialog), Ui().GetTopFromDispStack());
    // The UI manager heard nothing of it.
    EXPECT_EQ(0, Screen().UiCount(CZuDialog::KMsgDialogClosed));
}

TEST_F(DialogTest, KeysNeverReachTheScreenBelowADialog)
{
    CRecordingControl* below = new CRecordingControl(Screen().Client());
    below->iConsumeKeys = true;
    Screen().Client()->SetFocusTo(below);
    CRecordingDlg* dialog = NewDialog();
    dialog->ShowDialog(false, nullptr);
    below->iKeys.clear();
    Press(EZuKeyDown);
    Press('A');
    Screen().Point(EZuPointerDown, 1, 1);
    Screen().Point(EZuPointerUp, 1, 1);
    EXPECT_TRUE(below->iKeys.empty());
    EXPECT_TRUE(below->iPointers.empty());
    delete dialog;
}

TEST_F(DialogTest, NestedModalDialogsReturnLastInFirstOut)
{
    CRecordingDlg* outer = NewDialog();
    std::vector<int> innerCommands;
    std::vector<std::string> order;
    Script().Add(
        [&]
        {
            CRecordingDlg* inner = NewDialog();
            bool innerVerdict = inner->ShowDialog(true, nullptr);
            order.push_back(innerVerdict ? "inner true" : "inner false");
            innerCommands = inner->iCommands;
            delete inner;
        });
    // Inside the inner wait: the inner dialog is on top and takes the key.
    Script().Add([&] { Press(EZuKeyF2); });
    Script().Add(
        [&]
        {
            EXPECT_EQ(static_cast<CZuControl*>(outer), Ui().GetTopFromDispStack());
            Press(EZuKeyEnter);
        });
    Script().Start();
    bool outerVerdict = outer->ShowDialog(true, nullptr);
    order.push_back(outerVerdict ? "outer true" : "outer false");
    EXPECT_EQ(std::vector<std::string>({"inner false", "outer true"}), order);
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), innerCommands);
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdOk}), outer->iCommands);
    EXPECT_FALSE(Script().RanDry());
    delete outer;
}

TEST_F(DialogTest, ClosingTheWindowEndsEveryModalWaitWithFalseAndTheQuitReachesTheProgramsLoop)
{
    CRecordingDlg* outer = NewDialog();
    bool innerVerdict = true;
    bool innerReturned = false;
    Script().Add(
        [&]
        {
            CRecordingDlg* inner = NewDialog();
            innerVerdict = inner->ShowDialog(true, nullptr);
            innerReturned = true;
            EXPECT_TRUE(outer->IsWaiting());
            delete inner;
        });
    Script().Add([&] { CZuEventLoop::PostQuit(); });
    Script().Start();
    bool outerVerdict = outer->ShowDialog(true, nullptr);
    EXPECT_TRUE(innerReturned);
    EXPECT_FALSE(innerVerdict);
    EXPECT_FALSE(outerVerdict);
    EXPECT_FALSE(Script().RanDry());
    EXPECT_TRUE(outer->iCommands.empty());
    EXPECT_TRUE(CZuSynWait::IsQuitRequested());
    EXPECT_TRUE(QuitQueued());
    // A dialog shown while the program quits does not wait.
    CRecordingDlg* late = NewDialog();
    EXPECT_FALSE(late->ShowDialog(true, nullptr));
    delete late;
    // The window's own close comes the same way (the glue posts a quit).
    CZuSynWait::ClearQuitRequest();
    delete outer;
}

TEST_F(DialogTest, AClosedModalDialogTakesNoMoreKeysUntilItsCallerDeletesIt)
{
    CRecordingDlg* dialog = NewDialog();
    Script().Add(
        [&]
        {
            Press(EZuKeyF2);
            Press(EZuKeyF1);
            Press(EZuKeyEnter);
        });
    Script().Start();
    EXPECT_FALSE(dialog->ShowDialog(true, nullptr));
    EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), dialog->iCommands);
    EXPECT_TRUE(IsShown(Ui(), dialog));
    delete dialog;
    EXPECT_FALSE(IsShown(Ui(), dialog));
}

TEST_F(DialogTest, ThePointerOnTheDialogIsUsedAndClicksOutsideGoNowhere)
{
    CRecordingDlg* dialog = NewDialog();
    dialog->ShowDialog(false, nullptr);
    CZuRect rect = dialog->Rect();
    EXPECT_TRUE(Ui().HandlePointerEventL(PointerEvent(EZuPointerMove, rect.iTl.iX + 5, rect.iBr.iY - 5)));
    EXPECT_FALSE(dialog->IsClosed());
    delete dialog;
}

TEST_F(DialogTest, TheSoftKeysShownAreTheDialogs)
{
    CRecordingDlg* dialog = NewDialog();
    dialog->SetCbaData(41, CZuString("左"), 42, CZuString("右"));
    dialog->ShowDialog(false, nullptr);
    Screen().Draw();
    EXPECT_EQ(41, Screen().Cba()->GetLeftCommand());
    EXPECT_EQ(42, Screen().Cba()->GetRightCommand());
    EXPECT_EQ(std::string("右"), Screen().Cba()->GetRightText().PtrZ());
    // Escape runs the right soft key, whatever its command.
    Press(EZuKeyEscape);
    EXPECT_EQ(std::vector<int>({42}), dialog->iCommands);
    delete dialog;
}

} // namespace

namespace
{

TEST_F(DialogTest, AnOpenDialogThatNobodyHoldsGoesWithTheUiManager)
{
    int unowned = 0;
    int held = 0;
    CRecordingDlg* loose = NewDialog(&unowned);
    loose->ShowDialog(false, nullptr);
    CMessageLog receiver;
    CRecordingDlg* kept = NewDialog(&held);
    kept->ShowDialog(false, &receiver);
    // Its holder deletes a dialog with a receiver; a closed one without has gone already.
    delete kept;
    OpenScreen(240, 160);
    EXPECT_EQ(1, unowned);
    EXPECT_EQ(1, held);
}

} // namespace
