#include "SettingsTestSupport.h"

#include "CourseTestUtil.h"
#include "WordConfig.h"
#include "ZuObjectList.h"

#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

class WordConfigTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        WriteCourseList();
    }

    // The fields of a settings object as the ten items of its file.
    static TSettingsValues ValuesOf(const CWordConfig& config)
    {
        TSettingsValues values;
        values.iName = Text(config.CurrentCourse().iName);
        values.iFile = Text(config.CurrentCourse().iFile);
        values.iGroup = config.Group();
        values.iWord = config.Word();
        values.iUiTransform = config.UiTransform() ? 1 : 0;
        values.iCountPerGroup = config.CountPerGroup();
        values.iWordSpeech = config.WordSpeech();
        values.iTestRange = config.TestRange();
        values.iTrailing = Text(config.TrailingText());
        return values;
    }

    static void ExpectDefaults(const CWordConfig& config, const std::string& file)
    {
        EXPECT_EQ(file, Text(config.CurrentCourse().iFile));
        EXPECT_EQ(0, config.Group());
        EXPECT_EQ(0, config.Word());
        EXPECT_TRUE(config.UiTransform());
        EXPECT_EQ(20, config.CountPerGroup());
        EXPECT_EQ(0, config.WordSpeech());
        EXPECT_EQ(1, config.TestRange());
    }
};

TEST_F(WordConfigTest, FirstRunWritesTheDefaultsWithTheFirstCourse)
{
    CWordConfig config;
    ExpectDefaults(config, "core");
    EXPECT_EQ("核心词汇", Text(config.CurrentCourse().iName));
    EXPECT_TRUE(config.TrailingText().IsEmpty());

    TSettingsValues expected;
    expected = TSettingsValues{1, "核心词汇", "core", 0, 0, 1, 20, 0, 1, ""};
    EXPECT_EQ(expected.File(), ConfigBytes());
}

TEST_F(WordConfigTest, FileLaysTheTenItemsOutInOneBlock)
{
    CWordConfig config;
    config.SetCourse(CCourse(CZuString("日常用语"), CZuString("daily")));
    config.SetGroup(4);
    config.SetWord(7);
    config.SetUiTransform(false);
    config.SetCountPerGroup(50);
    config.SetWordSpeech(2);
    config.SetTestRange(2);
    ASSERT_TRUE(config.Save());

    CSettingsItems items;
    items.Integer(1).String("日常用语").String("daily").Integer(4).Integer(7).Integer(0).Integer(50);
    items.Integer(2).Integer(2).String("");
    EXPECT_EQ(items.Blocks(), ConfigBytes());
}

TEST_F(WordConfigTest, EveryFieldSurvivesARestart)
{
    TSettingsValues stored{1, "日常用语", "daily", 5, 9, 0, 30, 7, 2, "尾部文字"};
    WriteConfig(stored.File());
    CWordConfig first;
    EXPECT_EQ(stored.File(), ValuesOf(first).File());
    ASSERT_TRUE(first.Save());
    EXPECT_EQ(stored.File(), ConfigBytes());

    CWordConfig second;
    EXPECT_EQ(stored.File(), ValuesOf(second).File());
}

// The program writes format 1: a file of format 1 is the learner's and stays as it is.
TEST_F(WordConfigTest, FormatOneIsReadUnchangedAndNotReplaced)
{
    TSettingsValues stored;
    WriteConfig(stored.File());
    CWordConfig config;
    EXPECT_EQ(stored.File(), ValuesOf(config).File());
    EXPECT_EQ(stored.File(), ConfigBytes());
}

TEST_F(WordConfigTest, OtherFormatNumbersReadTheSameLayoutAndAreWrittenAsOne)
{
    for (int format : {0, 2, -1})
    {
        TSettingsValues stored;
        stored.iFormat = format;
        WriteConfig(stored.File());
        CWordConfig config;
        TSettingsValues read = ValuesOf(config);
        EXPECT_EQ(stored.iGroup, read.iGroup) << format;
        EXPECT_EQ(stored.iTrailing, read.iTrailing) << format;
        ASSERT_TRUE(config.Save());
        stored.iFormat = 1;
        EXPECT_EQ(stored.File(), ConfigBytes()) << format;
    }
}

TEST_F(WordConfigTest, AnyNonZeroUiTransformReadsAsTrueAndIsWrittenAsOne)
{
    TSettingsValues stored;
    stored.iUiTransform = 5;
    WriteConfig(stored.File());
    CWordConfig config;
    EXPECT_TRUE(config.UiTransform());
    ASSERT_TRUE(config.Save());
    stored.iUiTransform = 1;
    EXPECT_EQ(stored.File(), ConfigBytes());
}

TEST_F(WordConfigTest, DamagedValuesAreCheckedAfterReading)
{
    TSettingsValues stored{1, "Core words", "core", -4, -1, 1, 0, 3, 7, ""};
    WriteConfig(stored.File());
    CWordConfig config;
    EXPECT_EQ(0, config.Group());
    EXPECT_EQ(0, config.Word());
    EXPECT_EQ(20, config.CountPerGroup());
    EXPECT_EQ(1, config.TestRange());
    EXPECT_EQ(3, config.WordSpeech());

    for (int count : {1001, INT_MIN, -20})
    {
        stored.iCountPerGroup = count;
        WriteConfig(stored.File());
        EXPECT_EQ(20, CWordConfig().CountPerGroup()) << count;
    }
    for (int range : {1, 2, 3})
    {
        stored.iTestRange = range;
        WriteConfig(stored.File());
        EXPECT_EQ(range, CWordConfig().TestRange());
    }
    stored.iCountPerGroup = 1000;
    stored.iWord = 5000;
    WriteConfig(stored.File());
    // No group holds more words than the count per group.
    EXPECT_EQ(999, CWordConfig().Word());
}

TEST_F(WordConfigTest, CourseFileThatLeavesTheCourseFolderIsNotTrusted)
{
    for (const char* file : {"../Word", "a/b", "a\\b", "..", "", "x..y"})
    {
        TSettingsValues stored;
        stored.iFile = file;
        WriteConfig(stored.File());
        CWordConfig config;
        EXPECT_EQ("core", Text(config.CurrentCourse().iFile)) << file;
        EXPECT_EQ("核心词汇", Text(config.CurrentCourse().iName)) << file;
        // The learner's place in the course is kept.
        EXPECT_EQ(stored.iGroup, config.Group()) << file;
    }
}

TEST_F(WordConfigTest, CourseWithoutANameTakesItsNameFromTheList)
{
    TSettingsValues stored;
    stored.iName = "";
    stored.iFile = "daily";
    WriteConfig(stored.File());
    EXPECT_EQ("日常用语", Text(CWordConfig().CurrentCourse().iName));

    stored.iFile = "gone";
    WriteConfig(stored.File());
    CWordConfig config;
    EXPECT_EQ("gone", Text(config.CurrentCourse().iName));
    EXPECT_EQ("gone", Text(config.CurrentCourse().iFile));
}

// A file cut short anywhere gives the values it holds whole and the defaults for the rest.
TEST_F(WordConfigTest, TruncatedFileKeepsTheItemsItHoldsWhole)
{
    TSettingsValues stored{1, "日常用语", "daily", 5, 9, 0, 30, 7, 2, "tail"};
    TBytes whole = stored.File();
    for (size_t cut = 0; cut < whole.size(); ++cut)
    {
        CWordConfig config;
        ASSERT_FALSE(config.Decode(whole.data(), static_cast<int>(cut))) << cut;
        // The Block's length now claims more than there is: nothing of it can be trusted.
        ExpectDefaults(config, "core");
    }

    // The same items in a Block that does not lie about its length, cut after each item.
    CSettingsItems items;
    items.Integer(1).String("日常用语").String("daily").Integer(5).Integer(9);
    TBytes file = items.Blocks();
    CWordConfig config;
    EXPECT_FALSE(config.Decode(file.data(), static_cast<int>(file.size())));
    EXPECT_EQ("daily", Text(config.CurrentCourse().iFile));
    EXPECT_EQ(5, config.Group());
    EXPECT_EQ(9, config.Word());
    EXPECT_TRUE(config.UiTransform());
    EXPECT_EQ(20, config.CountPerGroup());
    EXPECT_EQ(1, config.TestRange());

    EXPECT_TRUE(config.Decode(whole.data(), static_cast<int>(whole.size())));
    EXPECT_EQ(stored.File(), ValuesOf(config).File());
}

TEST_F(WordConfigTest, StringLengthBeyondTheFileEndsTheItems)
{
    CSettingsItems items;
    items.Integer(1).String("日常用语").Integer(0x7FFFFFF0).Integer(5);
    TBytes file = items.Blocks();
    CWordConfig config;
    EXPECT_FALSE(config.Decode(file.data(), static_cast<int>(file.size())));
    EXPECT_EQ("core", Text(config.CurrentCourse().iFile));
    EXPECT_EQ(0, config.Group());
}

TEST_F(WordConfigTest, LongCourseNameSpansTwoBlocksAndReadsBack)
{
    std::string name(40000, 'n');
    CWordConfig config;
    config.SetCourse(CCourse(CZuString(name.c_str()), CZuString("daily")));
    config.SetGroup(3);
    ASSERT_TRUE(config.Save());
    TBytes bytes = ConfigBytes();
    // The first Block is cut after the name, the item that took it past 32768 bytes.
    ASSERT_GT(bytes.size(), 8u);
    unsigned int first = (bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3];
    EXPECT_EQ(4u + 4u + name.size(), first);

    CWordConfig again;
    EXPECT_EQ(name, Text(again.CurrentCourse().iName));
    EXPECT_EQ(3, again.Group());
}

TEST_F(WordConfigTest, OversizedOrUnreadableFileGivesDefaultsAndIsKept)
{
    TBytes huge = TSettingsValues().File();
    huge.resize(CWordConfig::KMaxFileSize + 1, 0);
    WriteConfig(huge);
    ExpectDefaults(CWordConfig(), "core");
    EXPECT_EQ(huge.size(), ConfigBytes().size());

    std::remove(ConfigPath().c_str());
    ASSERT_EQ(0, mkdir(ConfigPath().c_str(), 0755));
    CWordConfig config;
    ExpectDefaults(config, "core");
    EXPECT_FALSE(config.Save());
    struct stat status;
    ASSERT_EQ(0, stat(ConfigPath().c_str(), &status));
    EXPECT_TRUE(S_ISDIR(status.st_mode));
}

TEST_F(WordConfigTest, ReadOnlySettingsFileIsReadNotReplacedByDefaults)
{
    TSettingsValues stored;
    WriteConfig(stored.File());
    MakeReadOnly(iData.Path());
    bool readBack = RunWithoutPrivileges([&] {
        CWordConfig config;
        return ValuesOf(config).File() == stored.File() && !config.Save();
    });
    EXPECT_TRUE(readBack);
    EXPECT_EQ(stored.File(), ConfigBytes());
}

TEST_F(WordConfigTest, SetCourseStartsTheCourseAtItsFirstWordAndSaves)
{
    WriteConfig(TSettingsValues().File());
    CWordConfig config;
    config.SetCourse(CCourse(CZuString("日常用语"), CZuString("daily")));
    EXPECT_EQ(0, config.Group());
    EXPECT_EQ(0, config.Word());
    CWordConfig again;
    EXPECT_EQ("daily", Text(again.CurrentCourse().iFile));
    EXPECT_EQ(0, again.Group());
    EXPECT_EQ(10, again.CountPerGroup());
}

TEST_F(WordConfigTest, SetDefaultsKeepsTheTrailingText)
{
    WriteConfig(TSettingsValues().File());
    CWordConfig config;
    config.SetDefaults();
    ExpectDefaults(config, "core");
    EXPECT_EQ("kept", Text(config.TrailingText()));
    EXPECT_FALSE(FileExists(ConfigPath()));
}

TEST_F(WordConfigTest, ListWithoutUsableItemsMakesTheNewWordBookTheDefault)
{
    WriteCourseList("<course><item>无文件</item><item file=\"core\"></item></course>");
    CWordConfig config;
    EXPECT_EQ("newword", Text(config.CurrentCourse().iFile));
    EXPECT_EQ("生词本", Text(config.CurrentCourse().iName));
}

TEST_F(WordConfigTest, SettersTakeTheDefaultsForValuesTheScreensCannotUse)
{
    CWordConfig config;
    config.SetCountPerGroup(0);
    EXPECT_EQ(20, config.CountPerGroup());
    config.SetCountPerGroup(1000);
    EXPECT_EQ(1000, config.CountPerGroup());
    config.SetTestRange(4);
    EXPECT_EQ(1, config.TestRange());
    config.SetGroup(-1);
    EXPECT_EQ(0, config.Group());
    config.SetWord(-3);
    EXPECT_EQ(0, config.Word());
}

TEST_F(WordConfigTest, PlaceIsClampedToTheCourseAndTheLoadedGroup)
{
    CWordConfig config;
    config.SetCountPerGroup(20);
    config.SetGroup(2);
    config.SetWord(15);
    // 45 words: the third group holds words 40 to 44.
    config.ClampToCourse(45);
    EXPECT_EQ(2, config.Group());
    EXPECT_EQ(4, config.Word());
    EXPECT_EQ(40, config.FirstWordOfGroup());

    config.SetGroup(3);
    config.ClampToCourse(45);
    EXPECT_EQ(0, config.Group());
    EXPECT_EQ(0, config.Word());

    config.SetWord(12);
    EXPECT_EQ(5, config.ClampWord(6));
    EXPECT_EQ(5, config.Word());
    EXPECT_EQ(5, config.ClampWord(0));

    config.SetGroup(INT_MAX);
    config.SetCountPerGroup(1000);
    EXPECT_EQ(INT_MAX, config.FirstWordOfGroup());
    config.ClampToCourse(100);
    EXPECT_EQ(0, config.Group());
}

// A course that lost words keeps the learner in its last group rather than sending them to the first.
TEST_F(WordConfigTest, AShortenedCourseKeepsThePlaceInsideIt)
{
    CWordConfig config;
    config.SetCountPerGroup(10);
    config.SetGroup(3);
    config.SetWord(6);
    // Group 3 (words 30 to 39) still has words: nothing moves.
    config.FitToShortenedCourse(31);
    EXPECT_EQ(3, config.Group());
    EXPECT_EQ(6, config.Word());
    // 30 words end with group 2; 21 too; 20 with group 1.
    config.FitToShortenedCourse(30);
    EXPECT_EQ(2, config.Group());
    EXPECT_EQ(0, config.Word());
    config.SetGroup(3);
    config.FitToShortenedCourse(20);
    EXPECT_EQ(1, config.Group());
    config.FitToShortenedCourse(0);
    EXPECT_EQ(0, config.Group());
    EXPECT_EQ(0, config.Word());
}

TEST_F(WordConfigTest, CourseWordCountIsReadFromTheCourseFolder)
{
    WriteRawCourse(CourseFile(""), "core", NumberedWords(7));
    CWordConfig config;
    EXPECT_EQ(7, config.GetCourseWordCount(CZuString("core")));
    EXPECT_EQ(0, config.GetCourseWordCount(CZuString("daily")));
    EXPECT_EQ(0, config.GetCourseWordCount(CZuString("../course/core")));
}

// Saves the settings with group 42 in a process that the system stops once the file it writes reaches
// limit bytes. With stopWhenFull unset the write fails there instead and the process carries on.
void SaveStoppedAt(long limit, bool stopWhenFull)
{
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        struct rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        CWordConfig config;
        config.SetGroup(42);
        std::signal(SIGXFSZ, stopWhenFull ? SIG_DFL : SIG_IGN);
        struct rlimit size = {static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        setrlimit(RLIMIT_FSIZE, &size);
        _exit(config.Save() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    if (limit == 0 && stopWhenFull)
    {
        EXPECT_TRUE(WIFSIGNALED(status));
    }
}

// Wherever a save is cut off (the disk full, the program killed), the file is the old one or the new
// one, whole.
TEST_F(WordConfigTest, InterruptedSaveLeavesTheOldOrTheNewFileWhole)
{
    TSettingsValues old;
    TSettingsValues saved = old;
    saved.iGroup = 42;
    for (bool stopWhenFull : {true, false})
    {
        for (long limit = 0; limit <= static_cast<long>(saved.File().size()); ++limit)
        {
            WriteConfig(old.File());
            SaveStoppedAt(limit, stopWhenFull);
            TBytes expected = limit < static_cast<long>(saved.File().size()) ? old.File() : saved.File();
            EXPECT_EQ(expected, ConfigBytes()) << limit << (stopWhenFull ? " stopped" : " failed");
            EXPECT_EQ(expected == old.File() ? 2 : 42, CWordConfig().Group()) << limit;
            // A failed write cleans up after itself.
            if (!stopWhenFull)
            {
                EXPECT_FALSE(FileExists(ConfigPath() + ".tmp")) << limit;
            }
        }
    }
    // What a stopped save left beside the file does not hinder the next one.
    CWordConfig config;
    config.SetGroup(9);
    EXPECT_TRUE(config.Save());
    EXPECT_EQ(9, CWordConfig().Group());
}

} // namespace
