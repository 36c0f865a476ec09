#include "FormTestSupport.h"

#include <gtest/gtest.h>
#include <string>

// A form loaded from text onto a parent of 300 x 200 on a test UI manager.
class FormLoaderTest : public CFormTest
{
};

TEST_F(FormLoaderTest, ControlsAreMadeByKindAndFoundByName)
{
    ASSERT_TRUE(Load("<form>\n"
                     "  <row>\n"
                     "    <button name=\"next_word\" text=\"Next\" command=\"24845\" width=\"-1\"/>\n"
                     "    <check name=\"auto\" text=\"Auto\" checked=\"true\" command=\"3\"/>\n"
                     "    <radio name=\"answer1\" text=\"One\" command=\"0\"/>\n"
                     "  </row>\n"
                     "  <edit name=\"search\" prompt=\"find\" max-length=\"20\"/>\n"
                     "  <progress name=\"bar\" position=\"3,10\"/>\n"
                     "</form>\n"))
        << Faults();
    CZuButton* next = iForm->GetControlAs<CZuButton>(CZuString("next_word"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetCommand(), 24845);
    EXPECT_EQ(Text(next->GetText()), "Next");
    EXPECT_EQ(next->Parent(), iForm);
    CZuCheckButton* check = iForm->GetControlAs<CZuCheckButton>(CZuString("auto"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->GetSelected());
    EXPECT_EQ(check->GetCommand(), 3);
    ASSERT_NE(iForm->GetControlAs<CZuRadioButton>(CZuString("answer1")), nullptr);
    CZuEdit* edit = iForm->GetControlAs<CZuEdit>(CZuString("search"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetTextMaxNum(), 20);
    EXPECT_EQ(Text(edit->GetDefaultPrompt()), "find");
    CZuProgressBar* bar = iForm->GetControlAs<CZuProgressBar>(CZuString("bar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetCurPos(), 3);
    EXPECT_EQ(bar->GetTotal(), 10);
    EXPECT_EQ(iForm->GetControlCount(), 5);
    EXPECT_EQ(iForm->GetFormLayout()->GetRowCount(), 3);
}

// A look-up of another kind than the form declares gives null, never a control of the wrong class.
TEST_F(FormLoaderTest, TypedLookUpOfAnotherKindIsNull)
{
    ASSERT_TRUE(Load("<form><button name=\"ok\"/><check name=\"box\"/></form>")) << Faults();
    EXPECT_NE(iForm->GetControl(CZuString("ok")), nullptr);
    EXPECT_EQ(iForm->GetControlAs<CZuCheckButton>(CZuString("ok")), nullptr);
    EXPECT_EQ(iForm->GetControlAs<CZuButton>(CZuString("box")), nullptr);
    EXPECT_EQ(iForm->GetControlAs<CZuEdit>(CZuString("ok")), nullptr);
    EXPECT_EQ(iForm->GetControl(CZuString("nothing")), nullptr);
    EXPECT_EQ(iForm->GetControl(CZuString()), nullptr);
}

TEST_F(FormLoaderTest, RowsAndCellsTakeFixedNaturalAndSharedSizes)
{
    ASSERT_TRUE(Load("<form inner=\"10\" row-space=\"4\">\n"
                     "  <row height=\"30\" space=\"5\">\n"
                     "    <button name=\"fixed\" width=\"50\"/>\n"
                     "    <button name=\"share1\" width=\"-1\"/>\n"
                     "    <space width=\"20\"/>\n"
                     "    <button name=\"share2\" width=\"-1\"/>\n"
                     "  </row>\n"
                     "  <row height=\"-1\"><button name=\"tall\" width=\"-1\" height=\"-1\"/></row>\n"
                     "  <button name=\"natural\" text=\"Natural\"/>\n"
                     "</form>"))
        << Faults();
    // Inner width 280: 50 fixed, 20 spaced, three gaps of 5, and two shares of 195 (the first takes the
    // odd pixel). A cell of natural height is centred in its row of 30.
    CZuControl* fixed = iForm->GetControl(CZuString("fixed"));
    CZuRect share1 = iForm->GetControl(CZuString("share1"))->Rect();
    CZuRect share2 = iForm->GetControl(CZuString("share2"))->Rect();
    EXPECT_EQ(fixed->Rect().iTl.iX, 10);
    EXPECT_EQ(fixed->Rect().Width(), 50);
    EXPECT_EQ(fixed->Rect().Height(), fixed->GetMinSize().iHeight);
    EXPECT_EQ(fixed->Rect().iTl.iY - 10, 40 - fixed->Rect().iBr.iY);
    EXPECT_EQ(share1.iTl.iX, 65);
    EXPECT_EQ(share1.Width(), 98);
    EXPECT_EQ(share2.iTl.iX, 65 + 98 + 5 + 20 + 5);
    EXPECT_EQ(share2.iBr.iX, 290);
    CZuControl* natural = iForm->GetControl(CZuString("natural"));
    EXPECT_EQ(natural->Size(), natural->GetMinSize());
    // The sharing row takes what the fixed and the natural rows leave.
    CZuRect tall = iForm->GetControl(CZuString("tall"))->Rect();
    EXPECT_EQ(tall.iTl.iY, 44);
    EXPECT_EQ(tall.iBr.iY + 4 + natural->Size().iHeight, 190);
    EXPECT_EQ(tall.Width(), 280);
}

TEST_F(FormLoaderTest, NestedLayoutsAreNamedAndLaidOut)
{
    ASSERT_TRUE(Load("<form>\n"
                     "  <row height=\"40\">\n"
                     "    <layout name=\"left\" width=\"100\" inner=\"2\">\n"
                     "      <row height=\"-1\"><button name=\"a\" width=\"-1\" height=\"-1\"/></row>\n"
                     "    </layout>\n"
                     "    <button name=\"b\" width=\"-1\"/>\n"
                     "  </row>\n"
                     "</form>"))
        << Faults();
    ASSERT_NE(iForm->GetLayout(CZuString("left")), nullptr);
    EXPECT_EQ(iForm->GetControl(CZuString("left")), nullptr);
    EXPECT_EQ(iForm->GetControl(CZuString("a"))->Rect(), CZuRect(2, 2, 98, 38));
    EXPECT_EQ(iForm->GetControl(CZuString("b"))->Rect().iTl.iX, 100);
}

TEST_F(FormLoaderTest, CommonAttributesReachTheControl)
{
    ASSERT_TRUE(Load(
        "<form>\n"
        "  <button name=\"b\" id=\"7\" fg=\"#102030\" bg=\"#A0B0C0\" bg-to=\"#010203\"\n"
        "          border-color=\"#FF0000\" focus-color=\"#00FF00\" border=\"line3\" border-width=\"2\"\n"
        "          corner=\"6\" inner=\"1,2,3,4\" size=\"80,24\" align=\"right\" visible=\"false\"\n"
        "          enabled=\"false\" readonly=\"true\" font=\"title\" font-size=\"120\" bold=\"true\"\n"
        "          background=\"gradient\"/>\n"
        "</form>"))
        << Faults();
    CZuControl* b = iForm->GetControl(CZuString("b"));
    EXPECT_EQ(b->GetID(), 7);
    EXPECT_EQ(Rgb(b->Foreground()), 0x102030u);
    EXPECT_EQ(Rgb(b->Background()), 0xA0B0C0u);
    EXPECT_EQ(Rgb(b->BackgroundTo()), 0x010203u);
    EXPECT_EQ(Rgb(b->GetBorderColor()), 0xFF0000u);
    EXPECT_EQ(Rgb(b->BgFocusedColor()), 0x00FF00u);
    EXPECT_EQ(b->GetBorderType(), EZuBorderLine3);
    EXPECT_EQ(b->GetBorderWidth(), 2);
    EXPECT_EQ(b->RoundCornerSizeTr(), 6);
    EXPECT_EQ(b->InnerMargin().iTop, 1);
    EXPECT_EQ(b->InnerMargin().iBottom, 2);
    EXPECT_EQ(b->InnerMargin().iLeft, 3);
    EXPECT_EQ(b->InnerMargin().iRight, 4);
    EXPECT_EQ(b->GetPredefinedSize(), CZuSize(80, 24));
    EXPECT_EQ(b->GetAlign(), EAlignRight);
    EXPECT_FALSE(b->IsVisible());
    EXPECT_TRUE(b->IsDisabled());
    EXPECT_TRUE(b->IsReadOnly());
    EXPECT_TRUE(b->IsShowBackground());
    EXPECT_EQ(b->GetFont()->FontName(), EFontTitle);
    EXPECT_EQ(b->GetFont(), CZuEnv::FontMgr()->GetFont(EFontTitle, 120, true));
    CZuEnv::FontMgr()->ReleaseFont(b->GetFont());
}

TEST_F(FormLoaderTest, CaptionsComeFromTheStringTables)
{
    ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin")));
    ASSERT_TRUE(Load("<form><button name=\"browse\" text-id=\"0x4C58001C\"/>"
                     "<button name=\"speech\" text-id=\"1280835621\"/></form>"))
        << Faults();
    EXPECT_EQ(Text(iForm->GetControl(CZuString("browse"))->GetText()), Text(CZuEnv::GetString(0x4C58001C)));
    EXPECT_FALSE(iForm->GetControl(CZuString("browse"))->GetText().IsEmpty());
    EXPECT_EQ(Text(iForm->GetControl(CZuString("speech"))->GetText()), Text(CZuEnv::GetString(0x4C580025)));
}

TEST_F(FormLoaderTest, MissingFileFailsAndBuildsNothing)
{
    EXPECT_FALSE(iForm->LoadForm(CZuString((iFolder.Path() + "Absent.xml").c_str())));
    EXPECT_EQ(iForm->GetControlCount(), 0);
    ASSERT_EQ(iForm->GetFaultCount(), 1);
    EXPECT_NE(Text(iForm->GetFault(0)).find("Absent.xml"), std::string::npos);
}

TEST_F(FormLoaderTest, FormFileIsReadFromDisk)
{
    std::string xml = "<form><button name=\"ok\" text=\"OK\"/></form>";
    WriteFileBytes(iFolder.File("Ok.xml"), std::vector<unsigned char>(xml.begin(), xml.end()));
    EXPECT_TRUE(iForm->LoadForm(CZuString(iFolder.File("Ok.xml").c_str())));
    EXPECT_NE(iForm->GetControl(CZuString("ok")), nullptr);
}

TEST_F(FormLoaderTest, MalformedFileFailsWithItsLine)
{
    EXPECT_FALSE(Load("<form>\n<row>\n<button name=\"a\">\n</row>\n</form>"));
    EXPECT_EQ(iForm->GetControlCount(), 0);
    EXPECT_TRUE(HasFault("Test.xml: line 4")) << Faults();
    EXPECT_FALSE(Load("<window/>"));
    EXPECT_TRUE(HasFault("Test.xml:1: the root element is <window>, not <form>")) << Faults();
    EXPECT_FALSE(Load(""));
    EXPECT_FALSE(Load("<form>\xFF</form>"));
    EXPECT_TRUE(HasFault("not UTF-8")) << Faults();
}

// What can be built is built: a slip in the file leaves the rest of the screen usable.
TEST_F(FormLoaderTest, UnknownElementsAndAttributesAreReportedWithTheirLines)
{
    EXPECT_FALSE(Load("<form>\n"
                      "  <button name=\"a\" colour=\"#FF0000\"/>\n"
                      "  <slider name=\"s\"/>\n"
                      "  <row height=\"20\" spacing=\"3\">\n"
                      "    <widget/>\n"
                      "    <button name=\"b\"/>\n"
                      "  </row>\n"
                      "  <button name=\"c\">stray</button>\n"
                      "  <space width=\"3\"><button/></space>\n"
                      "</form>"));
    EXPECT_TRUE(HasFault("Test.xml:2: <button>: unknown attribute \"colour\"")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:3: unknown element <slider> in <form>")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:4: <row>: unknown attribute \"spacing\"")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:5: unknown element <widget> in <row>")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:8: <button>: text is not read here")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:9: <space> holds nothing")) << Faults();
    EXPECT_NE(iForm->GetControl(CZuString("a")), nullptr);
    EXPECT_NE(iForm->GetControl(CZuString("b")), nullptr);
    EXPECT_NE(iForm->GetControl(CZuString("c")), nullptr);
    EXPECT_EQ(iForm->GetControl(CZuString("s")), nullptr);
}

TEST_F(FormLoaderTest, DuplicateNameKeepsTheFirst)
{
    EXPECT_FALSE(Load("<form>\n<button name=\"ok\" text=\"first\"/>\n<button name=\"ok\" text=\"second\"/>\n"
                      "<layout name=\"ok\"/>\n<button name=\"\"/>\n</form>"));
    EXPECT_EQ(Text(iForm->GetControl(CZuString("ok"))->GetText()), "first");
    EXPECT_EQ(iForm->GetLayout(CZuString("ok")), nullptr);
    EXPECT_TRUE(HasFault("Test.xml:3: the name \"ok\" is taken")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:4: the name \"ok\" is taken")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:5: an empty name")) << Faults();
    // Both buttons are on the form all the same.
    EXPECT_EQ(iForm->GetControlCount(), 3);
}

TEST_F(FormLoaderTest, BadValuesAreReportedAndLeaveTheDefaults)
{
    EXPECT_FALSE(
        Load("<form>\n"
             "<button name=\"a\" width=\"wide\" fg=\"#12\" visible=\"yes\" command=\"0x\" inner=\"1,2\"/>\n"
             "<button name=\"b\" align=\"middle\" font=\"serif\" size=\"1\" look=\"round\"/>\n"
             "<button name=\"c\" command=\"99999999999\" text=\"x\" text-id=\"0x4C58001C\"/>\n"
             "<row height=\"-\"/>\n"
             "</form>"));
    for (const char* fault : {"Test.xml:2: <button> width=\"wide\"", "fg=\"#12\": expected #RRGGBB",
                              "visible=\"yes\": expected false or true", "command=\"0x\"", "inner=\"1,2\"",
                              "Test.xml:3: <button> align=\"middle\": expected left, center or right",
                              "font=\"serif\"", "size=\"1\": expected two numbers", "look=\"round\"",
                              "Test.xml:4: <button> command=\"99999999999\"",
                              "\"text\" and \"text-id\" both given", "Test.xml:5: <row> height=\"-\""})
        EXPECT_TRUE(HasFault(fault)) << fault << "\n" << Faults();
    CZuButton* a = iForm->GetControlAs<CZuButton>(CZuString("a"));
    EXPECT_TRUE(a->IsVisible());
    EXPECT_EQ(a->GetCommand(), 0);
    EXPECT_EQ(Text(iForm->GetControl(CZuString("c"))->GetText()), "x");
}

TEST_F(FormLoaderTest, FaultsAreLoggedWithFileAndLine)
{
    EXPECT_FALSE(Load("<form>\n\n<nothing/>\n</form>"));
    std::vector<unsigned char> log = ReadFileBytes(Text(CZuLog::LogFilePath()));
    std::string text(log.begin(), log.end());
    EXPECT_NE(text.find("[Test.xml 3] unknown element <nothing> in <form>"), std::string::npos) << text;
}

TEST_F(FormLoaderTest, LoadingAgainReplacesTheForm)
{
    ASSERT_TRUE(Load("<form><button name=\"a\"/><button name=\"b\"/></form>"));
    ASSERT_TRUE(Load("<form><check name=\"c\"/></form>"));
    EXPECT_EQ(iForm->GetControlCount(), 1);
    EXPECT_EQ(iForm->GetControl(CZuString("a")), nullptr);
    EXPECT_NE(iForm->GetControl(CZuString("c")), nullptr);
    EXPECT_EQ(iForm->GetFaultCount(), 0);
    EXPECT_FALSE(Load("<form"));
    EXPECT_EQ(iForm->GetControlCount(), 0);
    EXPECT_EQ(iForm->GetControl(CZuString("c")), nullptr);
}

TEST_F(FormLoaderTest, TitleBarTakesItsMenuButton)
{
    EXPECT_FALSE(Load("<form>\n<titlebar name=\"TitleBar\" app-icon=\"true\" height=\"28\" width=\"-1\">\n"
                      "  <button name=\"TitleMenu\" text=\"Menu\" command=\"1\"/>\n"
                      "  <button name=\"Second\"/>\n"
                      "  <item/>\n"
                      "</titlebar>\n</form>"));
    CZuTitleBar* bar = iForm->GetControlAs<CZuTitleBar>(CZuString("TitleBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsShowAppIcon());
    EXPECT_EQ(bar->GetMenuNav(), iForm->GetControl(CZuString("TitleMenu")));
    EXPECT_EQ(bar->GetMenuNav()->Parent(), bar);
    EXPECT_TRUE(HasFault("Test.xml:4: <titlebar> cannot use this <button>")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:5: <titlebar> cannot hold <item>")) << Faults();
}

TEST_F(FormLoaderTest, FormMeasuresItsRows)
{
    ASSERT_TRUE(Load("<form inner=\"5\"><row height=\"20\"><button width=\"60\"/><button width=\"40\"/></row>"
                     "<row height=\"30\"><space width=\"10\"/></row></form>"));
    EXPECT_EQ(iForm->GetMinSize(), CZuSize(5 + 60 + 40 + 5, 5 + 20 + 30 + 5));
}

TEST_F(FormLoaderTest, PanesHoldRowsOfTheirOwn)
{
    ASSERT_TRUE(Load(
        "<form>\n"
        "  <label name=\"word\" text=\"hello\" align=\"left\" font-size=\"150\" width=\"-1\"/>\n"
        "  <pane name=\"answer_lyt\" text=\"Answers\" show-title=\"true\" frame=\"true\" fill=\"true\"\n"
        "        pane-color=\"#FFFFFF\" frame-color=\"#646464\" inner=\"4\" row-space=\"2\" per-row=\"1\"\n"
        "        width=\"-1\" height=\"-1\">\n"
        "    <radio name=\"answer1\" command=\"0\" text=\"one\" width=\"-1\"/>\n"
        "    <radio name=\"answer2\" command=\"1\" text=\"two\" width=\"-1\"/>\n"
        "  </pane>\n"
        "</form>"))
        << Faults();
    CZuLabel* word = iForm->GetControlAs<CZuLabel>(CZuString("word"));
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->GetAlign(), EAlignLeft);
    CZuPane* pane = iForm->GetControlAs<CZuPane>(CZuString("answer_lyt"));
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->IsShowTitle());
    EXPECT_EQ(pane->GetControlCount(), 2);
    EXPECT_EQ(pane->GetLayout()->GetRowCount(), 2);
    CZuRadioButton* second = iForm->GetControlAs<CZuRadioButton>(CZuString("answer2"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Parent(), pane);
    // The pane's rows lie inside it, below its title.
    CZuRect inner = pane->InnerRect();
    CZuRect first = iForm->GetControl(CZuString("answer1"))->Rect();
    EXPECT_GT(first.iTl.iY, inner.iTl.iY);
    EXPECT_EQ(first.Width(), inner.Width());
    EXPECT_EQ(second->Rect().iTl.iY, first.iBr.iY + 2);
    pane->SetSelectRadioBtnBy(1);
    EXPECT_EQ(pane->GetSelectRadioBtnCmdID(), 1);
}

TEST_F(FormLoaderTest, ImageBoxesShowAFileOfTheImageFolder)
{
    CZuEnv::ImageMgr()->AddImagePath(CZuString(ZU_TEST_OUT_DIR "/res/img/"));
    ASSERT_TRUE(Load(
        "<form><image name=\"icon\" file=\"Study.png\" mode=\"fit\" width=\"-1\" height=\"-1\"/></form>"))
        << Faults();
    CZuImageBox* box = iForm->GetControlAs<CZuImageBox>(CZuString("icon"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetDisplayMode(), 2);
    ASSERT_NE(box->GetImage(), nullptr);
    EXPECT_EQ(box->GetImage()->Size(), CZuSize(48, 48));
    EXPECT_FALSE(Load("<form>\n<image name=\"none\" file=\"Absent.png\" mode=\"tile\"/>\n</form>"));
    EXPECT_TRUE(HasFault("Test.xml:2: <image> file \"Absent.png\" cannot be loaded")) << Faults();
    EXPECT_TRUE(HasFault("mode=\"tile\": expected stretch, center, fit, left or right")) << Faults();
    EXPECT_EQ(iForm->GetControlAs<CZuImageBox>(CZuString("none"))->GetImage(), nullptr);
}

TEST_F(FormLoaderTest, ListsAndTextReadersTakeTheirAttributes)
{
    ASSERT_TRUE(
        Load("<form>\n"
             "  <list name=\"courses\" columns=\"2\" shown-columns=\"1\" list-type=\"0\" row-height=\"30\"\n"
             "        row-space=\"5\" col-space=\"4\" show-title=\"false\" width=\"-1\" height=\"100\"/>\n"
             "  <scrolllist name=\"words\" row-space=\"6\" width=\"-1\" height=\"60\"/>\n"
             "  <textreader name=\"explain\" text=\"一段很长的释义\" valign=\"middle\" row-space=\"3\"\n"
             "              width=\"-1\" height=\"-1\"/>\n"
             "</form>"))
        << Faults();
    CZuList* list = iForm->GetControlAs<CZuList>(CZuString("courses"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetColCount(), 2);
    EXPECT_EQ(list->GetListType(), CZuList::EListTable);
    CZuScrollList* words = iForm->GetControlAs<CZuScrollList>(CZuString("words"));
    ASSERT_NE(words, nullptr);
    ASSERT_NE(words->GetList(), nullptr);
    EXPECT_EQ(iForm->GetControlAs<CZuList>(CZuString("words")), nullptr);
    CZuTextReader* reader = iForm->GetControlAs<CZuTextReader>(CZuString("explain"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(Text(reader->GetText()), "一段很长的释义");
    EXPECT_GE(reader->GetRowCount(), 1);
    EXPECT_FALSE(Load("<form>\n<list list-type=\"7\"/>\n<textreader valign=\"left\"/>\n</form>"));
    EXPECT_TRUE(HasFault("Test.xml:2: <list> list-type=\"7\"")) << Faults();
    EXPECT_TRUE(HasFault("Test.xml:3: <textreader> valign=\"left\"")) << Faults();
}
