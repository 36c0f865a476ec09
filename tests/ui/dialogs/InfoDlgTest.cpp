// Messages, confirmations and OK/cancel questions: their content and soft keys, and their verdicts by key,
// soft key and pointer.
#include "DialogTestSupport.h"

namespace
{

CZuDialog* TopDialog(CTestUiManager& ui)
{
    CZuControl* top = ui.GetTopFromDispStack();
    return top && top->GetType() == EZuCtrlDialog ? static_cast<CZuDialog*>(top) : nullptr;
}

int DialogCount(CTestUiManager& ui)
{
    int count = 0;
    for (int i = 0; i < ui.GetDispStackCount(); ++i)
        count += ui.GetDispStackAt(i)->GetType() == EZuCtrlDialog ? 1 : 0;
    return count;
}

TEST_F(DialogTest, AMessageShowsItsTextInAFocusedReaderWithOnlyCancel)
{
    CZuInfoDlg* dialog = new CZuInfoDlg(7);
    dialog->SetInfo(CZuString("先前的文字"));
    dialog->SetHorizAlign(EAlignCenter);
    dialog->ConstructL();
    CZuTextReader* reader = dialog->GetTextReader();
    ASSERT_NE(nullptr, reader);
    EXPECT_EQ(std::string("先前的文字"), reader->GetText().PtrZ());
    EXPECT_EQ(EAlignCenter, reader->GetAlign());
    EXPECT_TRUE(reader->IsFocused());
    EXPECT_EQ(reader, dialog->GetFocusCtrl());
    EXPECT_EQ(CZuDialog::KCmdCancel, dialog->GetCbaData()->GetLeftItem()->GetCommandID());
    EXPECT_EQ(EZuCmdNone, dialog->GetCbaData()->GetRightItem()->GetCommandID());
    EXPECT_FALSE(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)->IsVisible());
    EXPECT_TRUE(dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)->IsVisible());
    EXPECT_EQ(EZuTransFromBottom, dialog->GetTransformEffect());
    // A new text is shown at once.
    dialog->SetInfo(CZuString("新的文字"));
    EXPECT_EQ(std::string("新的文字"), reader->GetText().PtrZ());
    EXPECT_EQ(7, dialog->GetID());
    // The reader takes the whole content.
    EXPECT_EQ(dialog->GetDlgLayout()->GetRect().Height(), reader->Size().iHeight);
    delete dialog;
}

TEST_F(DialogTest, AModalMessageReturnsFalseHoweverItIsClosed)
{
    const unsigned keys[] = {EZuKeyEnter, EZuKeyF1, EZuKeyEscape};
    for (unsigned key : keys)
    {
        int shownBefore = Ui().GetDispStackCount();
        Script().Add([&, key] { Press(key); });
        Script().Start();
        EXPECT_FALSE(CZuDlgUtil::ShowInfoDlg(CZuString("提示"), CZuString("文字"), true)) << key;
        EXPECT_EQ(shownBefore, Ui().GetDispStackCount());
        FlushSdl();
    }
    Script().Add([&] { ClickOn(TopDialog(Ui())->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)); });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowInfoDlg(CZuString("提示"), CZuString("文字"), true));
    EXPECT_FALSE(Script().RanDry());
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, AModelessMessageReturnsAtOnceStaysAndGoesByItselfWhenClosed)
{
    EXPECT_TRUE(CZuDlgUtil::ShowInfoDlg(CZuString("提示"), CZuString("文字"), false));
    CZuDialog* dialog = TopDialog(Ui());
    ASSERT_NE(nullptr, dialog);
    Pump();
    EXPECT_EQ(dialog, TopDialog(Ui()));
    Press(EZuKeyEscape);
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, AConfirmationIsFiveRowsHighAtTheBottomAndReturnsFalse)
{
    OpenScreen(240, 320 + CTestScreen::KCbaHeight);
    CZuRect shown;
    TZuAlign vertical = EAlignTop;
    Script().Add(
        [&]
        {
            CZuInfoDlg* dialog = static_cast<CZuInfoDlg*>(TopDialog(Ui()));
            shown = dialog->Rect();
            vertical = dialog->GetTextReader() ? EAlignVCenter : EAlignTop;
            Press(EZuKeyEnter);
        });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("本组单词已经学完。")));
    EXPECT_FALSE(Script().RanDry());
    EXPECT_EQ(5 * 16, shown.Height());
    EXPECT_EQ(320, shown.iBr.iY);
    EXPECT_EQ(240, shown.Width());
    EXPECT_EQ(EAlignVCenter, vertical);
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, AConfirmationOnADesktopStaysCentred)
{
    OpenScreen(480, 360, false);
    CZuEnv::UiSetting()->EnableTransSupport(true);
    CZuRect shown;
    Script().Add(
        [&]
        {
            shown = TopDialog(Ui())->Rect();
            Press(EZuKeyEscape);
        });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("文字")));
    EXPECT_EQ(80, shown.Height());
    const int areaMiddle = (360 - CTestScreen::KCbaHeight) / 2;
    EXPECT_NEAR(areaMiddle, (shown.iTl.iY + shown.iBr.iY) / 2, 1);
}

TEST_F(DialogTest, AQuestionAnswersTrueForOkAndEnterAndFalseForCancelAndEscape)
{
    struct TCase
    {
        unsigned iKey;
        bool iVerdict;
    };
    const TCase cases[] = {{EZuKeyEnter, true}, {EZuKeyF1, true}, {EZuKeyF2, false}, {EZuKeyEscape, false}};
    for (const TCase& test : cases)
    {
        bool okShown = false;
        Script().Add(
            [&]
            {
                CZuDialog* dialog = TopDialog(Ui());
                okShown = dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)->IsVisible();
                Screen().Draw();
                EXPECT_EQ(CZuDialog::KCmdOk, Screen().Cba()->GetLeftCommand());
                EXPECT_EQ(CZuDialog::KCmdCancel, Screen().Cba()->GetRightCommand());
                Press(test.iKey);
            });
        Script().Start();
        EXPECT_EQ(test.iVerdict,
                  CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("退出"), CZuString("确定退出吗？")))
            << test.iKey;
        EXPECT_TRUE(okShown);
        EXPECT_EQ(0, DialogCount(Ui()));
        FlushSdl();
    }
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, AQuestionAnswersTheTitleButtonsAndTheSoftKeysByPointer)
{
    Script().Add([&] { ClickOn(TopDialog(Ui())->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)); });
    Script().Start();
    EXPECT_TRUE(CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字")));
    FlushSdl();
    Script().Add(
        [&]
        {
            Screen().Draw();
            ClickOn(Screen().Cba()->GetButton(0));
        });
    Script().Start();
    EXPECT_TRUE(CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字")));
    FlushSdl();
    Script().Add([&] { ClickOn(TopDialog(Ui())->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)); });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字")));
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, AConfirmationIsClosedByItsLeftSoftKeyAndNotByTheEmptyRightOne)
{
    bool openAfterF2 = false;
    Script().Add(
        [&]
        {
            Screen().Draw();
            EXPECT_EQ(CZuDialog::KCmdCancel, Screen().Cba()->GetLeftCommand());
            EXPECT_EQ(EZuCmdNone, Screen().Cba()->GetRightCommand());
            Press(EZuKeyF2);
            CZuDialog* dialog = TopDialog(Ui());
            openAfterF2 = dialog && !dialog->IsClosed();
        });
    Script().Add([&] { Press(EZuKeyF1); });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("文字")));
    EXPECT_TRUE(openAfterF2);
    EXPECT_EQ(2, Script().StepsRun());
    EXPECT_FALSE(Script().RanDry());
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, AConfirmationAnswersItsCancelButtonsByPointerAndNothingElse)
{
    // The left soft key's button on the command bar.
    Script().Add(
        [&]
        {
            Screen().Draw();
            ClickOn(Screen().Cba()->GetButton(0));
        });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("文字")));
    EXPECT_EQ(1, Script().StepsRun());
    FlushSdl();

    // The title's cancel button, after clicks on the empty right soft key and where the hidden OK would be.
    bool openAfterOthers = false;
    const int stepsBefore = Script().StepsRun();
    Script().Add(
        [&]
        {
            CZuDialog* dialog = TopDialog(Ui());
            Screen().Draw();
            ClickOn(Screen().Cba()->GetButton(1));
            CZuControl* ok = dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk);
            ASSERT_FALSE(ok->IsVisible());
            ClickOn(ok);
            openAfterOthers = TopDialog(Ui()) == dialog && !dialog->IsClosed();
        });
    Script().Add([&] { ClickOn(TopDialog(Ui())->GetTitlePane()->GetControlByID(CZuDialog::KCmdCancel)); });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("文字")));
    EXPECT_TRUE(openAfterOthers);
    EXPECT_EQ(stepsBefore + 2, Script().StepsRun());
    EXPECT_FALSE(Script().RanDry());
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, AQuestionAnswersFalseByTheRightSoftKeysButton)
{
    Script().Add(
        [&]
        {
            Screen().Draw();
            ClickOn(Screen().Cba()->GetButton(1));
        });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字")));
    EXPECT_EQ(1, Script().StepsRun());
    EXPECT_FALSE(Script().RanDry());
    EXPECT_EQ(0, DialogCount(Ui()));
}

TEST_F(DialogTest, APressOutsideAQuestionOrAConfirmationAnswersNothing)
{
    CRecordingControl* below = new CRecordingControl(Screen().Client());
    below->SetRect(Screen().Client()->Rect());
    for (bool question : {true, false})
    {
        bool open = false;
        CZuRect shown;
        const int stepsBefore = Script().StepsRun();
        Script().Add(
            [&]
            {
                CZuDialog* dialog = TopDialog(Ui());
                shown = dialog->Rect();
                // Above the dialog, over the screen below it: pressed, dragged and let go there.
                Screen().Point(EZuPointerDown, 10, 10);
                Screen().Point(EZuPointerDrag, 30, 12);
                Screen().Point(EZuPointerUp, 30, 12);
                Click(shown.iBr.iX - 10, shown.iTl.iY - 3);
                Pump();
                open = TopDialog(Ui()) == dialog && !dialog->IsClosed();
            });
        // A question's OK, a confirmation's only key: the answer comes from the key.
        Script().Add([&] { Press(EZuKeyF1); });
        Script().Start();
        bool verdict = question ? CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字"))
                                : CZuDlgUtil::ShowConfirmDlg(CZuString("提示"), CZuString("文字"));
        EXPECT_EQ(question, verdict);
        EXPECT_TRUE(open) << question;
        EXPECT_GT(shown.iTl.iY, 12);
        EXPECT_EQ(stepsBefore + 2, Script().StepsRun());
        FlushSdl();
    }
    EXPECT_FALSE(Script().RanDry());
    EXPECT_TRUE(below->iPointers.empty());
}

TEST_F(DialogTest, AQuestionsOkPressedAndLetGoOutsideItAnswersNothing)
{
    bool open = false;
    Script().Add(
        [&]
        {
            CZuDialog* dialog = TopDialog(Ui());
            CZuRect ok = dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)->Rect();
            const int y = (ok.iTl.iY + ok.iBr.iY) / 2;
            Screen().Point(EZuPointerDown, (ok.iTl.iX + ok.iBr.iX) / 2, y);
            Screen().Point(EZuPointerDrag, ok.iTl.iX - 20, y + 30);
            Screen().Point(EZuPointerUp, ok.iTl.iX - 20, y + 30);
            Pump();
            open = TopDialog(Ui()) == dialog && !dialog->IsClosed();
        });
    Script().Add([&] { Press(EZuKeyF2); });
    Script().Start();
    EXPECT_FALSE(CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("文字")));
    EXPECT_TRUE(open);
    EXPECT_EQ(2, Script().StepsRun());
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, AMessageOpenedFromAQuestionClosesFirst)
{
    std::vector<std::string> order;
    Script().Add(
        [&]
        {
            bool inner = CZuDlgUtil::ShowInfoDlg(CZuString("提示"), CZuString("里面"), true);
            order.push_back(inner ? "message true" : "message false");
        });
    Script().Add([&] { Press(EZuKeyEscape); });
    Script().Add([&] { Press(EZuKeyEnter); });
    Script().Start();
    bool outer = CZuDlgUtil::ShowQueryOkCancelDlg(CZuString("问"), CZuString("外面"));
    order.push_back(outer ? "question true" : "question false");
    EXPECT_EQ(std::vector<std::string>({"message false", "question true"}), order);
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(DialogTest, ALongMessageScrollsWithTheKeys)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "这是一段很长的说明文字，需要滚动才能看完。\n";
    CZuInfoDlg* dialog = new CZuInfoDlg(0);
    dialog->ConstructL();
    dialog->SetInfo(CZuString(text.c_str()));
    dialog->ShowDialog(false, nullptr);
    ASSERT_EQ(0, dialog->GetTextReader()->GetTopRow());
    Press(EZuKeyDown);
    Press(EZuKeyDown);
    EXPECT_EQ(2, dialog->GetTextReader()->GetTopRow());
    EXPECT_FALSE(dialog->IsClosed());
    delete dialog;
}

} // namespace
