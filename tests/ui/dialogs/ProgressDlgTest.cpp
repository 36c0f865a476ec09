// The progress dialog: its prompt and bar, its one soft key (cancel, told to the observer, verdict false).
#include "DialogTestSupport.h"

namespace
{

class CProgressObserver : public MZuProgressDlgObserver
{
public:
    void HandleProgressDlgCommand(CZuProgressDlg* dialog, int command) override
    {
        iDialogs.push_back(dialog);
        iCommands.push_back(command);
    }
    std::vector<CZuProgressDlg*> iDialogs;
    std::vector<int> iCommands;
};

TEST_F(DialogTest, AProgressDialogShowsItsPromptAndPosition)
{
    CProgressObserver observer;
    CZuProgressDlg* dialog = new CZuProgressDlg(&observer, 3);
    dialog->ConstructL();
    EXPECT_EQ(std::string("正在处理，请稍候…"), dialog->GetTitleLabel()->GetText().PtrZ());
    dialog->SetPrompt(CZuString("正在导入"));
    EXPECT_EQ(std::string("正在导入"), dialog->GetPromptLabel()->GetText().PtrZ());
    EXPECT_EQ(EAlignLeft, dialog->GetPromptLabel()->GetAlign());
    dialog->SetCurPos(40, 100);
    EXPECT_EQ(40, dialog->GetProgressBar()->GetCurPos());
    EXPECT_EQ(100, dialog->GetProgressBar()->GetTotal());
    dialog->SetCurPos(0, 0);
    EXPECT_EQ(1, dialog->GetProgressBar()->GetTotal());
    EXPECT_EQ(8, dialog->GetProgressBar()->Size().iHeight);
    EXPECT_EQ(5 * 16, dialog->GetDlgMinHeight());
    EXPECT_EQ(EZuCmdNone, dialog->GetCbaData()->GetLeftItem()->GetCommandID());
    EXPECT_EQ(CZuDialog::KCmdCancel, dialog->GetCbaData()->GetRightItem()->GetCommandID());
    EXPECT_FALSE(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)->IsVisible());
    // The bar lies within the content, under the prompt.
    CZuRect content = dialog->GetDlgLayout()->GetRect();
    EXPECT_TRUE(content.Contains(dialog->GetProgressBar()->Rect().iTl));
    EXPECT_GT(dialog->GetProgressBar()->Position().iY, dialog->GetPromptLabel()->Position().iY);
    delete dialog;
}

TEST_F(DialogTest, CancellingAProgressDialogTellsTheObserverAndGivesFalse)
{
    for (unsigned key : {unsigned(EZuKeyF2), unsigned(EZuKeyEscape)})
    {
        CProgressObserver observer;
        CZuProgressDlg* dialog = new CZuProgressDlg(&observer, 0);
        dialog->ConstructL();
        Script().Add([&, key] { Press(key); });
        Script().Start();
        EXPECT_FALSE(dialog->ShowDialog(true, nullptr)) << key;
        EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), observer.iCommands);
        EXPECT_EQ(std::vector<CZuProgressDlg*>({dialog}), observer.iDialogs);
        delete dialog;
        FlushSdl();
    }
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, CancellingAProgressDialogByPointerTellsTheObserverOnce)
{
    // 0: the title's cancel button; 1: the right soft key's button on the command bar.
    for (int way : {0, 1})
    {
        CProgressObserver observer;
        CZuProgressDlg* dialog = new CZuProgressDlg(&observer, 0);
        dialog->ConstructL();
        dialog->SetCurPos(3, 10);
        std::vector<int> beforeCancel;
        Script().Add(
            [&, way]
            {
                Screen().Draw();
                // The left soft key's button has no command, nor has the hidden OK: neither does anything.
                ClickOn(Screen().Cba()->GetButton(0));
                ClickOn(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk));
                beforeCancel = observer.iCommands;
                CZuControl* cancel = way == 0 ? dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)
                                              : Screen().Cba()->GetButton(1);
                // A second click follows before the caller has taken the dialog away.
                ClickOn(cancel);
                ClickOn(cancel);
            });
        Script().Start();
        EXPECT_FALSE(dialog->ShowDialog(true, nullptr)) << way;
        EXPECT_TRUE(beforeCancel.empty()) << way;
        EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), observer.iCommands) << way;
        EXPECT_EQ(std::vector<CZuProgressDlg*>({dialog}), observer.iDialogs) << way;
        EXPECT_TRUE(dialog->IsClosed());
        delete dialog;
        FlushSdl();
    }
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, AModelessProgressDialogCancelledByPointerReportsZeroOnce)
{
    for (int way : {0, 1})
    {
        CProgressObserver observer;
        CMessageLog receiver;
        CZuProgressDlg* dialog = new CZuProgressDlg(&observer, 0);
        dialog->ConstructL();
        dialog->ShowDialog(false, &receiver);
        Screen().Draw();
        CZuControl* cancel = way == 0 ? dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)
                                      : Screen().Cba()->GetButton(1);
        ClickOn(cancel);
        ClickOn(cancel);
        Press(EZuKeyEscape);
        EXPECT_EQ(std::vector<int>({CZuDialog::KCmdCancel}), observer.iCommands) << way;
        ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed)) << way;
        EXPECT_EQ(0u, receiver.iGot[0].iParam1);
        EXPECT_EQ(CZuMessage::MakeParam(static_cast<CZuDialog*>(dialog)), receiver.iGot[0].iParam2);
        delete dialog;
    }
}

TEST_F(DialogTest, AModelessProgressDialogReportsItsCancelAsZero)
{
    CProgressObserver observer;
    CMessageLog receiver;
    CZuProgressDlg* dialog = new CZuProgressDlg(&observer, 0);
    dialog->ConstructL();
    dialog->ShowDialog(false, &receiver);
    // The left soft key has no command: it does nothing.
    Press(EZuKeyF1);
    Press(EZuKeyEnter);
    EXPECT_TRUE(observer.iCommands.empty());
    EXPECT_EQ(0, receiver.Count(CZuDialog::KMsgDialogClosed));
    Press(EZuKeyF2);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    delete dialog;
}

} // namespace
