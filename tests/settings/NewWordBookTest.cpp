#include "SettingsTestSupport.h"

#include "CourseOper.h"
#include "CourseTestUtil.h"
#include "NewWordBook.h"
#include "WordInfo.h"

#include <memory>

namespace
{

class NewWordBookTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        std::vector<TRawWord> words = NumberedWords(4);
        // Word 2's clip: four bytes at offset 3 of core.pro, stored with the even bytes complemented.
        words[2].iSpeechOffset = 3;
        words[2].iSpeechLength = 4;
        WriteRawCourse(CourseFile(""), "core", words);
        WriteFileBytes(CourseFile("core.pro"), TBytes{0, 0, 0, 0xFE, 2, 0xFC, 4});
        iCore = std::make_unique<CCourseOper>(CZuString("core"));
        iCore->LoadAll();
    }

    std::vector<std::string> Words(const CNewWordBook& book) const
    {
        std::vector<std::string> words;
        for (int i = 0; i < book.Count(); ++i)
            words.push_back(Text(book.Word(i)->iWord));
        return words;
    }

    std::unique_ptr<CCourseOper> iCore;
};

TEST_F(NewWordBookTest, NewBookIsEmptyAndHasNoFilesUntilSaved)
{
    CNewWordBook book;
    EXPECT_FALSE(book.IsOpen());
    book.Open();
    EXPECT_TRUE(book.IsOpen());
    EXPECT_EQ(0, book.Count());
    EXPECT_FALSE(FileExists(CourseFile("newword.idx")));
    EXPECT_TRUE(book.Add(*iCore->Word(1), CZuString("core")));
    EXPECT_FALSE(FileExists(CourseFile("newword.idx")));
    ASSERT_TRUE(book.Save());
    EXPECT_TRUE(FileExists(CourseFile("newword.idx")));
}

TEST_F(NewWordBookTest, WordsRememberTheirCourseAndSpeakFromIt)
{
    {
        CNewWordBook book;
        book.Open();
        ASSERT_TRUE(book.Add(*iCore->Word(2), CZuString("core")));
        ASSERT_TRUE(book.Add(*iCore->Word(0), CZuString("core")));
        ASSERT_TRUE(book.Save());
    }
    CNewWordBook book;
    book.Open();
    EXPECT_EQ((std::vector<std::string>{"w2", "w0"}), Words(book));
    EXPECT_EQ("core", Text(book.Word(0)->iSource));
    int length = 0;
    char* clip = book.Course().ReadSpeech(*book.Word(0), length);
    ASSERT_NE(nullptr, clip);
    EXPECT_EQ((std::vector<char>{1, 2, 3, 4}), std::vector<char>(clip, clip + length));
    delete[] clip;
}

TEST_F(NewWordBookTest, ASpellingEntersTheBookOnce)
{
    CNewWordBook book;
    book.Open();
    CWordInfo word = *iCore->Word(1);
    EXPECT_TRUE(book.Add(word, CZuString("core")));
    word.iExplanation = "another meaning";
    EXPECT_TRUE(book.Contains(word));
    EXPECT_FALSE(book.Add(word, CZuString("daily")));
    EXPECT_EQ(1, book.Count());
}

TEST_F(NewWordBookTest, WordTakenFromTheBookKeepsItsSource)
{
    CNewWordBook book;
    book.Open();
    CWordInfo word = *iCore->Word(3);
    word.iSource = "daily";
    ASSERT_TRUE(book.Add(word, CZuString("newword")));
    EXPECT_EQ("daily", Text(book.Word(0)->iSource));
}

TEST_F(NewWordBookTest, NothingIsAddedToABookThatIsNotOpen)
{
    CNewWordBook book;
    EXPECT_FALSE(book.Add(*iCore->Word(0), CZuString("core")));
    EXPECT_EQ(0, book.Count());
}

TEST_F(NewWordBookTest, LeavingWithoutSavingKeepsTheBookOnDisk)
{
    {
        CNewWordBook book;
        book.Open();
        for (int i = 0; i < 3; ++i)
            book.Add(*iCore->Word(i), CZuString("core"));
        ASSERT_TRUE(book.Save());
    }
    TBytes before = ReadFileBytes(CourseFile("newword.idx"));
    {
        CNewWordBook book;
        book.Open();
        EXPECT_TRUE(book.Delete(0));
        EXPECT_FALSE(book.Delete(5));
        EXPECT_FALSE(book.Delete(-1));
        EXPECT_EQ(nullptr, book.Word(7));
        EXPECT_TRUE(book.IsChanged());
    }
    EXPECT_EQ(before, ReadFileBytes(CourseFile("newword.idx")));

    CNewWordBook book;
    book.Open();
    book.Delete(0);
    book.Delete(0);
    book.Delete(0);
    EXPECT_EQ(0, book.Count());
    ASSERT_TRUE(book.Save());
    EXPECT_EQ(0, CCourseOper::GetCourseWordCount(CZuString("newword")));
    EXPECT_EQ(8u, ReadFileBytes(CourseFile("newword.idx")).size());
}

// A book whose data file was cut short keeps the words it still holds; the next save writes them alone.
TEST_F(NewWordBookTest, DamagedBookKeepsTheWordsThatSurvive)
{
    int cut = 0;
    {
        CNewWordBook book;
        book.Open();
        for (int i = 0; i < 4; ++i)
            book.Add(*iCore->Word(i), CZuString("core"));
        ASSERT_TRUE(book.Save());
        CCourseOper reread(CZuString("newword"));
        reread.LoadAll();
        ASSERT_EQ(4, reread.WordCount());
        cut = reread.Word(2)->iDataOffset;
    }
    TBytes data = ReadFileBytes(CourseFile("newword.dat"));
    data.resize(static_cast<size_t>(cut));
    WriteFileBytes(CourseFile("newword.dat"), data);

    CNewWordBook book;
    book.Open();
    EXPECT_EQ((std::vector<std::string>{"w0", "w1"}), Words(book));
    EXPECT_TRUE(book.IsChanged());
    ASSERT_TRUE(book.Save());
    EXPECT_EQ(2, CCourseOper::GetCourseWordCount(CZuString("newword")));
    CNewWordBook again;
    again.Open();
    EXPECT_EQ((std::vector<std::string>{"w0", "w1"}), Words(again));
    EXPECT_FALSE(again.IsChanged());
}

// A course folder the learner cannot write still shows its words and speaks them.
TEST_F(NewWordBookTest, ReadOnlyCourseFolderShowsItsWords)
{
    MakeReadOnly(iData.Path());
    EXPECT_TRUE(RunWithoutPrivileges(
        []
        {
            CCourseOper core{CZuString("core")};
            core.LoadRange(0, 10);
            int length = 0;
            char* clip = core.WordCount() == 4 ? core.ReadSpeech(*core.Word(2), length) : nullptr;
            delete[] clip;
            return clip != nullptr && length == 4 &&
                   CCourseOper::GetCourseWordCount(CZuString("core")) == 4 && core.Word(3)->iWord == "w3";
        }));
}

} // namespace
