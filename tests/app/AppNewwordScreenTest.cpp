// The new-word screen: the words of the new-word book, deleted one by one; "ok" writes the book whole,
// every other way out leaves it on disk as it was, and a learner studying the book is kept inside it.
#include "AppScreenFixture.h"
#include "Course.h"
#include "CourseList.h"
#include "CourseOper.h"
#include "NewWordBook.h"
#include "WordConfig.h"
#include "WordInfo.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexNewwordContainer.h"
#include "ZuLexNewwordView.h"
#include "ZuUi.h"

#include <filesystem>

namespace
{
typedef std::vector<unsigned char> TBytes;
} // namespace

class AppNewwordScreenTest : public AppScreenTest
{
protected:
    // Puts the first count words of the core course into the book on disk.
    void SeedBook(int count)
    {
        CCourseOper core(CZuString("core"));
        core.LoadRange(0, count);
        CNewWordBook book;
        book.Open();
        for (int i = 0; i < core.WordCount(); ++i)
            ASSERT_TRUE(book.Add(*core.Word(i), CZuString("core")));
        ASSERT_TRUE(book.Save());
        iCore.clear();
        for (int i = 0; i < core.WordCount(); ++i)
            iCore.push_back(Text(core.Word(i)->iWord));
    }
    // The words of the book as the disk holds them.
    std::vector<std::string> WordsOnDisk()
    {
        CNewWordBook book;
        book.Open();
        std::vector<std::string> words;
        for (int i = 0; i < book.Count(); ++i)
            words.push_back(Text(book.Word(i)->iWord));
        return words;
    }
    std::vector<TBytes> BookFiles()
    {
        return {ReadFileBytes(Data().File("course/newword.idx")),
                ReadFileBytes(Data().File("course/newword.dat"))};
    }
    CZuLexNewwordView* View() { return dynamic_cast<CZuLexNewwordView*>(App().GetView(EZuLexViewNewword)); }
    CZuLexNewwordContainer* Container() { return View()->NewwordContainer(); }
    CZuList* List() { return Container()->List(); }
    CZuButton* DeleteButton() { return dynamic_cast<CZuButton*>(Control("delete")); }
    std::string RowText(int row) { return Text(*List()->GetRow(row)->GetCell(0)->iString); }
    // Chooses the row with a click, then deletes it with the "delete" button.
    void DeleteRow(int row)
    {
        CZuRect place = List()->GetDispRowRect(row);
        Program().Click(place.iTl.iX + 20, place.iTl.iY + place.Height() / 2);
        ASSERT_EQ(List()->GetSelectedRowIndex(), row);
        Click("delete");
    }

    std::vector<std::string> iCore;
};

TEST_F(AppNewwordScreenTest, ShowsTheWordsOfTheBookWithTheirExplanations)
{
    SeedBook(5);
    Open(EZuLexCmdOpenNewword);
    ASSERT_EQ(CurrentViewId(), int(EZuLexViewNewword));
    ASSERT_NE(View()->Book(), nullptr);
    ASSERT_EQ(List()->GetRowCount(), 5);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(RowText(i).substr(0, iCore[i].size() + 2), iCore[i] + "  ") << i;
        EXPECT_EQ(List()->GetRowDataPtr(i), View()->Book()->Word(i));
    }
    EXPECT_EQ(List()->GetSelectedRowIndex(), 0);
    EXPECT_FALSE(DeleteButton()->IsDisabled());
    EXPECT_TRUE(Container()->WordList()->IsFocused());
    EXPECT_EQ(Text(App().PromptText()), Text(CZuLexApp::VersionPrompt()));
    EXPECT_EQ(Text(App().GetCurView()->GetTitle()), Text(CZuEnv::GetString(EZuLexStrTitleNewword)));
    Picture("zulex-newword");
}

TEST_F(AppNewwordScreenTest, ARowShowsTheExplanationOnOneLine)
{
    CWordInfo word;
    word.iWord = "about";
    word.iExplanation = "prep. 关于\\nadv. 大约\\n";
    EXPECT_EQ(Text(CZuLexNewwordContainer::RowText(word)), "about  prep. 关于  adv. 大约  ");
    word.iExplanation = "";
    EXPECT_EQ(Text(CZuLexNewwordContainer::RowText(word)), "about  ");
}

TEST_F(AppNewwordScreenTest, AnEmptyBookOffersNothingToDelete)
{
    Open(EZuLexCmdOpenNewword);
    EXPECT_EQ(List()->GetRowCount(), 0);
    EXPECT_TRUE(DeleteButton()->IsDisabled());
    EXPECT_TRUE(Control("cancel")->IsFocused());
    EXPECT_EQ(Text(App().PromptText()), Text(CZuEnv::GetString(EZuLexStrNewwordEmpty)));
    Picture("zulex-newword-empty");
    Click("delete");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewNewword));
    // Enter on the focused "cancel" goes back; no book files were made.
    PressKey(KEnter);
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_FALSE(FileExists(Data().File("course/newword.idx")));
}

TEST_F(AppNewwordScreenTest, CancelKeepsTheBookOnDiskAndOkWritesItWhole)
{
    SeedBook(4);
    std::vector<TBytes> before = BookFiles();
    Open(EZuLexCmdOpenNewword);
    DeleteRow(1);
    EXPECT_EQ(List()->GetRowCount(), 3);
    EXPECT_EQ(View()->Book()->Count(), 3);
    // The next word takes the deleted one's place.
    EXPECT_EQ(List()->GetSelectedRowIndex(), 1);
    Click("cancel");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(View()->Book(), nullptr);
    EXPECT_EQ(BookFiles(), before);

    Open(EZuLexCmdOpenNewword);
    ASSERT_EQ(List()->GetRowCount(), 4);
    DeleteRow(1);
    Click("ok");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(WordsOnDisk(), (std::vector<std::string>{iCore[0], iCore[2], iCore[3]}));
    // Written whole: no file of an unfinished save is left beside the book.
    for (const std::string& entry : FolderEntries(Data().File("course")))
    {
        if (entry.compare(0, 8, "newword.") == 0)
        {
            EXPECT_TRUE(entry == "newword.idx" || entry == "newword.dat" || entry == "newword.pro") << entry;
        }
    }
    CCourseOper reread(CZuString(CCourseList::KNewWordFile));
    EXPECT_EQ(reread.GetCourseWordCount(CZuString(CCourseList::KNewWordFile)), 3);
}

TEST_F(AppNewwordScreenTest, EveryOtherWayOutKeepsTheBookAsItWas)
{
    SeedBook(3);
    std::vector<TBytes> before = BookFiles();
    for (int way = 0; way < 3; ++way)
    {
        Open(EZuLexCmdOpenNewword);
        DeleteRow(0);
        if (way == 0)
            Click("go_back");
        else if (way == 1)
            PressKey(KF2);
        else
            App().Shutdown();
        EXPECT_EQ(BookFiles(), before) << way;
        if (way < 2)
        {
            EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain)) << way;
        }
    }
}

TEST_F(AppNewwordScreenTest, DeletingTheLastWordLeavesAnEmptyBook)
{
    SeedBook(2);
    Open(EZuLexCmdOpenNewword);
    // Enter on the list chooses the selected word; the focus goes to "delete", and Enter deletes.
    PressKey(KEnter);
    EXPECT_TRUE(DeleteButton()->IsFocused());
    PressKey(KEnter);
    EXPECT_EQ(List()->GetRowCount(), 1);
    PressKey(KEnter);
    EXPECT_EQ(List()->GetRowCount(), 0);
    EXPECT_TRUE(DeleteButton()->IsDisabled());
    EXPECT_EQ(View()->Book()->Count(), 0);
    EXPECT_EQ(Text(App().PromptText()), Text(CZuEnv::GetString(EZuLexStrNewwordEmpty)));
    Click("ok");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_TRUE(WordsOnDisk().empty());
    EXPECT_TRUE(FileExists(Data().File("course/newword.idx")));
    EXPECT_EQ(CCourseOper::GetCourseWordCount(CZuString(CCourseList::KNewWordFile)), 0);
}

TEST_F(AppNewwordScreenTest, ALongBookScrolls)
{
    SeedBook(30);
    Open(EZuLexCmdOpenNewword);
    ASSERT_EQ(List()->GetRowCount(), 30);
    CZuScrollBar* bar = Container()->WordList()->GetScrollBar(CZuScrollBar::EVertical);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsVisible());
    for (int i = 0; i < 20; ++i)
        PressKey(KDown);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 20);
    EXPECT_GT(List()->GetTopRowIndex(), 0);
    Picture("zulex-newword-scrolled");
    PressKey(KEnter);
    PressKey(KEnter);
    EXPECT_EQ(View()->Book()->Count(), 29);
    EXPECT_EQ(Text(View()->Book()->Word(20)->iWord), iCore[21]);
}

// A learner who studies the book itself stands in its last group when deletions took the group away;
// a learner in another course keeps the place.
TEST_F(AppNewwordScreenTest, OkKeepsALearnerOfTheBookInsideIt)
{
    SeedBook(6);
    CWordConfig& settings = *App().Settings();
    settings.SetCourse(CCourse(CZuString("book"), CZuString(CCourseList::KNewWordFile)));
    settings.SetCountPerGroup(2);
    settings.SetGroup(2);
    settings.SetWord(1);
    Open(EZuLexCmdOpenNewword);
    for (int i = 0; i < 3; ++i)
        DeleteRow(0);
    Click("ok");
    EXPECT_EQ(settings.Group(), 1);
    EXPECT_EQ(settings.Word(), 0);
}

TEST_F(AppNewwordScreenTest, OkLeavesThePlaceInAnotherCourse)
{
    SeedBook(6);
    CWordConfig& settings = *App().Settings();
    settings.SetCountPerGroup(2);
    settings.SetGroup(4);
    settings.SetWord(1);
    Open(EZuLexCmdOpenNewword);
    for (int i = 0; i < 5; ++i)
        DeleteRow(0);
    Click("ok");
    EXPECT_EQ(Text(settings.CurrentCourse().iFile), "core");
    EXPECT_EQ(settings.Group(), 4);
    EXPECT_EQ(settings.Word(), 1);
}

TEST_F(AppNewwordScreenTest, ABookThatCannotBeWrittenKeepsTheScreen)
{
    SeedBook(3);
    std::vector<TBytes> before = BookFiles();
    // A folder where the new data file would go: the save cannot write it.
    std::filesystem::create_directory(Data().File("course/newword.dat.new"));
    Open(EZuLexCmdOpenNewword);
    DeleteRow(0);
    Click("ok");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewNewword));
    CZuInfoDlg* note = dynamic_cast<CZuInfoDlg*>(App().GetTopFromDispStack());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Text(note->GetInfo()), Text(CZuEnv::GetString(EZuLexStrNewwordNotSaved)));
    PressKey(KF1);
    EXPECT_EQ(App().DialogCount(), 0);
    EXPECT_EQ(BookFiles(), before);
    // The learner can still leave, and the book stays as it was.
    Click("cancel");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(BookFiles(), before);
}
