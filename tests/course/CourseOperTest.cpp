// Loading a course in order and at random, editing and saving it, and the interrupted saves it survives.
#include "CourseTestUtil.h"

#include "CourseOper.h"
#include "WordInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sys/stat.h>

namespace
{

std::string WordText(const CCourseOper& course, int i)
{
    return course.Word(i)->iWord.PtrZ() ? course.Word(i)->iWord.PtrZ() : "";
}

std::vector<std::string> LoadedWords(const CCourseOper& course)
{
    std::vector<std::string> words;
    for (int i = 0; i < course.WordCount(); ++i)
        words.push_back(WordText(course, i));
    return words;
}

void CopyFile(const std::string& from, const std::string& to)
{
    WriteFileBytes(to, ReadFileBytes(from));
}

} // namespace

TEST(CourseOper, ConstructorTouchesNoFileAndComputesThePaths)
{
    CTempFolder folder;
    CCourseOper course("core", (folder.Path() + "course").c_str());
    EXPECT_EQ(folder.Path() + "course/core.idx", course.IndexPath().PtrZ());
    EXPECT_EQ(folder.Path() + "course/core.dat", course.DataPath().PtrZ());
    EXPECT_EQ(folder.Path() + "course/core.pro", course.SpeechPath().PtrZ());
    EXPECT_EQ(1, course.Format());
    EXPECT_EQ(0, course.Count());
    EXPECT_FALSE(course.IsDirty());
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST(CourseOper, LoadRangeClipsToTheCourse)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(12));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadRange(5, 10);
    EXPECT_EQ(12, course.Count());
    ASSERT_EQ(7, course.WordCount());
    for (int i = 0; i < 7; ++i)
    {
        EXPECT_EQ("w" + std::to_string(5 + i), WordText(course, i));
        EXPECT_EQ(5 + i, course.Word(i)->iIndex);
    }
    EXPECT_TRUE(course.Word(0)->iExplanation == "n. 释义5\\nv. 第二行");

    course.LoadRange(20, 10);
    EXPECT_EQ(0, course.WordCount());
}

TEST(CourseOper, LoadRangeWithNothingToLoadKeepsTheList)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(4));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadRange(1, 2);
    ASSERT_EQ(2, course.WordCount());
    course.LoadRange(-1, 2);
    course.LoadRange(0, 0);
    course.LoadRandomWord(-3, 4, 2);
    course.LoadRandomWord(0, 4, 0);
    EXPECT_EQ(std::vector<std::string>({"w1", "w2"}), LoadedWords(course));
}

TEST(CourseOper, MissingCourseLoadsNothingAndKeepsTheList)
{
    CTempFolder folder;
    CCourseOper missing("gone", folder.Path().c_str());
    missing.LoadAll();
    EXPECT_EQ(0, missing.WordCount());
    missing.AppendWord(CWordInfo());
    missing.LoadAll();
    EXPECT_EQ(1, missing.WordCount());
    EXPECT_EQ(0, CCourseOper::GetCourseWordCount("gone", folder.Path().c_str()));
}

TEST(CourseOper, MissingDataFileLeavesTheTextsEmpty)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(3));
    std::remove(folder.File("c.dat").c_str());
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(3, course.WordCount());
    EXPECT_TRUE(course.Word(2)->iWord.IsEmpty());
    EXPECT_EQ(2, course.Word(2)->iIndex);
}

TEST(CourseOper, RandomWordsAreDistinctAndAllTakenFromASmallCourse)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(3));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadRandomWord(0, 1000000, 5);
    ASSERT_EQ(3, course.WordCount());
    std::vector<std::string> words = LoadedWords(course);
    std::sort(words.begin(), words.end());
    EXPECT_EQ(std::vector<std::string>({"w0", "w1", "w2"}), words);
}

TEST(CourseOper, RandomWordsStayInsideTheirRange)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(50));
    CCourseOper course("c", folder.Path().c_str());
    for (int round = 0; round < 20; ++round)
    {
        course.LoadRandomWord(10, 20, 20);
        ASSERT_EQ(10, course.WordCount());
        std::set<int> seen;
        for (int i = 0; i < course.WordCount(); ++i)
        {
            int index = course.Word(i)->iIndex;
            EXPECT_GE(index, 10);
            EXPECT_LT(index, 20);
            EXPECT_EQ("w" + std::to_string(index), WordText(course, i));
            seen.insert(index);
        }
        EXPECT_EQ(10u, seen.size());
    }
    course.LoadRandomWord(30, 20, 5);
    EXPECT_EQ(0, course.WordCount());
}

TEST(CourseOper, RandomDrawsDifferFromOneCallToTheNext)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(1000));
    CCourseOper course("c", folder.Path().c_str());
    // Calls within the same second (a test making its questions) must not repeat one another.
    course.LoadRandomWord(0, 1000000, 20);
    std::vector<std::string> first = LoadedWords(course);
    course.LoadRandomWord(0, 1000000, 20);
    EXPECT_NE(first, LoadedWords(course));
}

TEST(CourseOper, ContainsComparesTheWordTextOnly)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(3));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    CWordInfo other;
    other.iWord = "w1";
    other.iSource = "elsewhere";
    other.iExplanation = "different";
    EXPECT_TRUE(course.Contains(other));
    other.iWord = "W1";
    EXPECT_FALSE(course.Contains(other));
    other.iWord = "w1 ";
    EXPECT_FALSE(course.Contains(other));
}

TEST(CourseOper, NewWordBookIsCreatedAppendedToPrunedAndSaved)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "core", NumberedWords(5));
    CCourseOper core("core", folder.Path().c_str());
    core.LoadAll();

    CCourseOper book("newword", folder.Path().c_str());
    book.LoadAll();
    for (int i : {4, 1, 3})
    {
        CWordInfo word = *core.Word(i);
        word.iSource = "core";
        ASSERT_FALSE(book.Contains(word));
        int before = book.WordCount();
        EXPECT_EQ(before + 1, book.AppendWord(word));
    }
    EXPECT_TRUE(book.Contains(*core.Word(1)));
    EXPECT_EQ(2, book.DeleteWord(1));
    EXPECT_TRUE(book.IsDirty());
    ASSERT_TRUE(book.Save());
    EXPECT_FALSE(book.IsDirty());

    CCourseOper again("newword", folder.Path().c_str());
    again.LoadAll();
    EXPECT_EQ(std::vector<std::string>({"w4", "w3"}), LoadedWords(again));
    EXPECT_EQ(2, again.Count());
    EXPECT_EQ(2, CCourseOper::GetCourseWordCount("newword", folder.Path().c_str()));
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(i, again.Word(i)->iIndex);
        EXPECT_TRUE(again.Word(i)->iSource == "core");
    }
    EXPECT_TRUE(again.Word(1)->iExplanation == "n. 释义3\\nv. 第二行");

    // Pruning to nothing leaves a book of no words, not a missing one.
    again.DeleteWord(0);
    again.DeleteWord(0);
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(8u, ReadFileBytes(folder.File("newword.idx")).size());
    EXPECT_EQ(8u, ReadFileBytes(folder.File("newword.dat")).size());
}

TEST(CourseOper, SaveWithoutEditsWritesNothing)
{
    CTempFolder folder;
    CCourseOper course("newword", folder.Path().c_str());
    course.LoadAll();
    EXPECT_TRUE(course.Save());
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST(CourseOper, SaveOfAShorterBookLeavesNoStaleBytes)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "newword", NumberedWords(10));
    CCourseOper book("newword", folder.Path().c_str());
    book.LoadAll();
    while (book.WordCount() > 1)
        book.DeleteWord(book.WordCount() - 1);
    ASSERT_TRUE(book.Save());
    EXPECT_EQ(24u, ReadFileBytes(folder.File("newword.idx")).size());
    TBytes data = ReadFileBytes(folder.File("newword.dat"));
    TBytes header(data.begin(), data.begin() + 8);
    TBytes expectedHeader;
    AppendLittleEndian32(expectedHeader, 1);
    AppendLittleEndian32(expectedHeader, 1);
    EXPECT_EQ(expectedHeader, header);
    EXPECT_EQ(8u + 1 + 3 + 5 + 3 + 2 + std::string("n. 释义0\\nv. 第二行").size(), data.size());
}

TEST(CourseOper, FailedSaveLeavesTheOldBookWhole)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "newword", NumberedWords(3));
    TBytes oldIndex = ReadFileBytes(folder.File("newword.idx"));
    TBytes oldData = ReadFileBytes(folder.File("newword.dat"));
    CCourseOper book("newword", folder.Path().c_str());
    book.LoadAll();
    book.DeleteWord(0);
    // A folder where the new data file would go makes writing it fail.
    ASSERT_EQ(0, mkdir(folder.File("newword.dat.new").c_str(), 0700));
    EXPECT_FALSE(book.Save());
    EXPECT_TRUE(book.IsDirty());
    EXPECT_EQ(oldIndex, ReadFileBytes(folder.File("newword.idx")));
    EXPECT_EQ(oldData, ReadFileBytes(folder.File("newword.dat")));
    EXPECT_FALSE(FileExists(folder.File("newword.idx.tmp")));
    EXPECT_FALSE(FileExists(folder.File("newword.idx.new")));

    CCourseOper reread("newword", folder.Path().c_str());
    reread.LoadAll();
    EXPECT_EQ(std::vector<std::string>({"w0", "w1", "w2"}), LoadedWords(reread));
}

// Makes the files a save writes beside the book, as if it had stopped before renaming them.
class InterruptedSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteRawCourse(iOld.Path(), "newword", NumberedWords(3));
        std::vector<TRawWord> words = NumberedWords(5);
        words.erase(words.begin(), words.begin() + 3);
        WriteRawCourse(iNew.Path(), "newword", words);
    }

    std::vector<std::string> Reload() const
    {
        CCourseOper book("newword", iOld.Path().c_str());
        book.LoadAll();
        return LoadedWords(book);
    }

    CTempFolder iOld;
    CTempFolder iNew;
};

TEST_F(InterruptedSave, StoppedWhileWritingKeepsTheOldBook)
{
    CopyFile(iNew.File("newword.dat"), iOld.File("newword.dat.new"));
    TBytes half = ReadFileBytes(iNew.File("newword.idx"));
    half.resize(half.size() / 2);
    WriteFileBytes(iOld.File("newword.idx.tmp"), half);
    EXPECT_EQ(std::vector<std::string>({"w0", "w1", "w2"}), Reload());
}

TEST_F(InterruptedSave, StoppedBeforeTheRenamesIsFinished)
{
    CopyFile(iNew.File("newword.dat"), iOld.File("newword.dat.new"));
    CopyFile(iNew.File("newword.idx"), iOld.File("newword.idx.new"));
    EXPECT_EQ(std::vector<std::string>({"w3", "w4"}), Reload());
    EXPECT_FALSE(FileExists(iOld.File("newword.idx.new")));
    EXPECT_FALSE(FileExists(iOld.File("newword.dat.new")));
}

TEST_F(InterruptedSave, StoppedBetweenTheRenamesIsFinished)
{
    // The data file is already the new one; the old index must not be read with it.
    CopyFile(iNew.File("newword.dat"), iOld.File("newword.dat"));
    CopyFile(iNew.File("newword.idx"), iOld.File("newword.idx.new"));
    EXPECT_EQ(2, CCourseOper::GetCourseWordCount("newword", iOld.Path().c_str()));
    EXPECT_EQ(std::vector<std::string>({"w3", "w4"}), Reload());
}

TEST_F(InterruptedSave, NextSaveFinishesItFirstAndThenWritesItsOwn)
{
    CopyFile(iNew.File("newword.dat"), iOld.File("newword.dat.new"));
    CopyFile(iNew.File("newword.idx"), iOld.File("newword.idx.new"));
    CCourseOper book("newword", iOld.Path().c_str());
    CWordInfo word;
    word.iWord = "only";
    word.iPhonetic = "p";
    word.iPhoneticNote = "n";
    book.AppendWord(word);
    ASSERT_TRUE(book.Save());
    EXPECT_EQ(std::vector<std::string>({"only"}), Reload());
    EXPECT_EQ(2u, FolderEntries(iOld.Path()).size());
}

TEST(CourseOper, SavePutsAPreparedSpeechFileInPlace)
{
    CTempFolder folder;
    WriteFileBytes(folder.File("c.pro"), {1, 2, 3});
    CCourseOper course("c", folder.Path().c_str());
    EXPECT_EQ(folder.File("c.pro.new"), course.NewSpeechPath().PtrZ());
    WriteFileBytes(course.NewSpeechPath().PtrZ(), {0xFF, 0x00});
    CWordInfo word;
    word.iWord = "w";
    word.iPhonetic = "p";
    word.iPhoneticNote = "n";
    word.iSpeechLength = 2;
    course.AppendWord(word);
    ASSERT_TRUE(course.Save());
    EXPECT_EQ(TBytes({0xFF, 0x00}), ReadFileBytes(folder.File("c.pro")));
    EXPECT_FALSE(FileExists(folder.File("c.pro.new")));

    CCourseOper back("c", folder.Path().c_str());
    back.LoadAll();
    int length = 0;
    char* clip = back.ReadSpeech(*back.Word(0), length);
    ASSERT_NE(nullptr, clip);
    EXPECT_EQ(TBytes({0x00, 0x00}), TBytes(clip, clip + length));
    delete[] clip;
}

TEST(CourseOper, ProgramCoursesLiveInTheCourseFolderBesideTheProgram)
{
    // The test program's own folder stands in for the program's.
    std::string folder = CCourseOper::CourseFolder().PtrZ();
    ASSERT_GT(folder.size(), std::string("course/").size());
    EXPECT_EQ(0u, folder.compare(folder.size() - 7, 7, "course/"));
    EXPECT_EQ('/', folder[0]);
    CCourseOper course("core");
    EXPECT_EQ(folder + "core.idx", course.IndexPath().PtrZ());
    EXPECT_EQ(0, CCourseOper::GetCourseWordCount("no-such-course"));
}
