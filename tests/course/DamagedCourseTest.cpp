// Damaged course files: whatever the files claim, only what they hold is read.
#include "CourseTestUtil.h"

#include "CourseOper.h"
#include "WordInfo.h"
#include "ZuLittleEndian.h"

#include <gtest/gtest.h>

namespace
{

// Sets the 32-bit value at offset of a file.
void Patch32(const std::string& path, size_t offset, int value)
{
    TBytes bytes = ReadFileBytes(path);
    CZuLittleEndian::WriteInt32(bytes.data() + offset, static_cast<unsigned>(value));
    WriteFileBytes(path, bytes);
}

size_t EntryField(int word, int field)
{
    return 8 + 16 * word + 4 * field;
}

} // namespace

TEST(DamagedCourse, WordCountLargerThanTheIndexHolds)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(3));
    Patch32(folder.File("c.idx"), 4, 0x7FFFFFFF);
    EXPECT_EQ(3, CCourseOper::GetCourseWordCount("c", folder.Path().c_str()));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    EXPECT_EQ(3, course.WordCount());
    EXPECT_EQ(3, course.Count());
    course.LoadRandomWord(0, 1000000, 20);
    EXPECT_EQ(3, course.WordCount());
}

TEST(DamagedCourse, NegativeWordCountReadsWhatTheIndexHolds)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(4));
    Patch32(folder.File("c.idx"), 4, -1);
    EXPECT_EQ(4, CCourseOper::GetCourseWordCount("c", folder.Path().c_str()));
    CCourseOper course("c", folder.Path().c_str());
    course.LoadRange(2, 100);
    EXPECT_EQ(2, course.WordCount());
}

TEST(DamagedCourse, IndexCutShort)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(4));
    TBytes index = ReadFileBytes(folder.File("c.idx"));
    // Two whole entries and half of the third.
    index.resize(8 + 16 * 2 + 7);
    WriteFileBytes(folder.File("c.idx"), index);
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(2, course.WordCount());
    EXPECT_TRUE(course.Word(1)->iWord == "w1");

    index.resize(5);
    WriteFileBytes(folder.File("c.idx"), index);
    course.LoadAll();
    EXPECT_EQ(0, course.WordCount());
    EXPECT_EQ(0, CCourseOper::GetCourseWordCount("c", folder.Path().c_str()));
}

TEST(DamagedCourse, DataOffsetsOutsideTheDataFile)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(3));
    Patch32(folder.File("c.idx"), EntryField(0, 1), -100);
    Patch32(folder.File("c.idx"), EntryField(1, 1), 0x7FFFFFF0);
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(3, course.WordCount());
    EXPECT_TRUE(course.Word(0)->iWord.IsEmpty());
    EXPECT_TRUE(course.Word(1)->iWord.IsEmpty());
    EXPECT_TRUE(course.Word(2)->iWord == "w2");
}

TEST(DamagedCourse, RecordCutShortByTheEndOfTheDataFile)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(2));
    TBytes data = ReadFileBytes(folder.File("c.dat"));
    // Keep the last record's texts up to the middle of its explanation.
    data.resize(data.size() - 4);
    WriteFileBytes(folder.File("c.dat"), data);
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(2, course.WordCount());
    EXPECT_TRUE(course.Word(1)->iPhoneticNote == "n.");
    EXPECT_TRUE(course.Word(1)->iExplanation.IsEmpty());
    EXPECT_TRUE(course.Word(0)->iExplanation == "n. 释义0\\nv. 第二行");
}

TEST(DamagedCourse, ExplanationLengthBeyondTheFile)
{
    CTempFolder folder;
    TBytes data;
    AppendLittleEndian32(data, 1);
    AppendLittleEndian32(data, 1);
    AppendShortText(data, "");
    AppendShortText(data, "w");
    AppendShortText(data, "p");
    AppendShortText(data, "n");
    AppendLittleEndian16(data, 32767);
    data.insert(data.end(), 10, 0x41);
    WriteFileBytes(folder.File("c.dat"), data);
    TBytes index;
    for (int value : {1, 1, 0, 8, 0, 0})
        AppendLittleEndian32(index, value);
    WriteFileBytes(folder.File("c.idx"), index);
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(1, course.WordCount());
    EXPECT_TRUE(course.Word(0)->iWord == "w");
    EXPECT_TRUE(course.Word(0)->iExplanation.IsEmpty());
}

TEST(DamagedCourse, SpeechOutsideTheSpeechFile)
{
    CTempFolder folder;
    std::vector<TRawWord> words = NumberedWords(5);
    words[0].iSpeechOffset = 6;
    words[0].iSpeechLength = 0x7FFFFFFF; // cut to the 4 bytes the file holds from 6 on
    words[1].iSpeechOffset = 10;
    words[1].iSpeechLength = 4; // starts at the end of the file
    words[2].iSpeechOffset = -4;
    words[2].iSpeechLength = 4;
    words[3].iSpeechOffset = 0x7FFFFFFF;
    words[3].iSpeechLength = 0x7FFFFFFF;
    words[4].iSpeechOffset = 0;
    words[4].iSpeechLength = 10;
    WriteRawCourse(folder.Path(), "c", words);
    WriteFileBytes(folder.File("c.pro"), {0, 1, 2, 3, 4, 5, 0xFF, 0xEE, 0xFF, 0xEE});
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(5, course.WordCount());

    int length = 0;
    char* clip = course.ReadSpeech(*course.Word(0), length);
    ASSERT_NE(nullptr, clip);
    EXPECT_EQ(TBytes({0x00, 0xEE, 0x00, 0xEE}), TBytes(clip, clip + length));
    delete[] clip;
    for (int i = 1; i <= 3; ++i)
    {
        length = 0;
        EXPECT_EQ(nullptr, course.ReadSpeech(*course.Word(i), length)) << "word " << i;
        EXPECT_EQ(0, length);
    }
    clip = course.ReadSpeech(*course.Word(4), length);
    ASSERT_NE(nullptr, clip);
    EXPECT_EQ(10, length);
    delete[] clip;
}

TEST(DamagedCourse, RandomBytesInEveryFileNeverCrash)
{
    CTempFolder folder;
    unsigned int state = 12345;
    auto next = [&state]
    {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (int round = 0; round < 50; ++round)
    {
        for (const char* extension : {".idx", ".dat", ".pro"})
        {
            TBytes bytes(next() % 300);
            for (unsigned char& b : bytes)
                b = static_cast<unsigned char>(next());
            // Plausible headers so that the entries are looked at.
            if (bytes.size() >= 8 && round % 2 == 0)
            {
                bytes[4] = static_cast<unsigned char>(next() % 20);
                bytes[5] = bytes[6] = bytes[7] = 0;
            }
            WriteFileBytes(folder.File(std::string("c") + extension), bytes);
        }
        CCourseOper course("c", folder.Path().c_str());
        course.LoadAll();
        for (int i = 0; i < course.WordCount(); ++i)
        {
            int length = 0;
            char* clip = course.ReadSpeech(*course.Word(i), length);
            EXPECT_LE(length, 300);
            delete[] clip;
        }
        course.LoadRandomWord(0, 1000000, 20);
        EXPECT_LE(course.WordCount(), 18);
    }
}
