// The three course files byte for byte: what the library writes and how it reads what it finds.
#include "CourseTestUtil.h"

#include "CourseOper.h"
#include "WordInfo.h"
#include "ZuFile.h"

#include <gtest/gtest.h>

namespace
{

CWordInfo MakeWord(const char* source, const char* word, const char* phonetic, const char* note,
                   const char* explanation)
{
    CWordInfo info;
    info.iSource = source;
    info.iWord = word;
    info.iPhonetic = phonetic;
    info.iPhoneticNote = note;
    info.iExplanation = explanation;
    return info;
}

TBytes RecordBytes(const std::string& source, const std::string& word, const std::string& phonetic,
                   const std::string& note, const std::string& explanation)
{
    TBytes bytes;
    AppendShortText(bytes, source);
    AppendShortText(bytes, word);
    AppendShortText(bytes, phonetic);
    AppendShortText(bytes, note);
    AppendLongText(bytes, explanation);
    return bytes;
}

// Reads the record that starts at offset 0 of bytes.
CWordInfo ReadBack(const CTempFolder& folder, const TBytes& bytes)
{
    WriteFileBytes(folder.File("record"), bytes);
    CZuFile file;
    CWordInfo info;
    info.iWord = "stale";
    EXPECT_TRUE(file.Open(folder.File("record").c_str()));
    info.ReadRecord(file);
    return info;
}

} // namespace

TEST(CourseFormat, FirstSaveOfNewWordBookWritesHeaderEntryAndRecord)
{
    CTempFolder folder;
    CCourseOper book("newword", folder.Path().c_str());
    book.LoadAll();
    EXPECT_EQ(0, book.WordCount());
    CWordInfo word = MakeWord("core", "bank", "/bæŋk/", "n.", "n. 银行；河岸");
    word.iSpeechOffset = 1234;
    word.iSpeechLength = 567;
    EXPECT_EQ(1, book.AppendWord(word));
    ASSERT_TRUE(book.Save());

    TBytes expectedIndex;
    AppendLittleEndian32(expectedIndex, 1);
    AppendLittleEndian32(expectedIndex, 1);
    AppendLittleEndian32(expectedIndex, 0);
    AppendLittleEndian32(expectedIndex, 8);
    AppendLittleEndian32(expectedIndex, 1234);
    AppendLittleEndian32(expectedIndex, 567);
    EXPECT_EQ(expectedIndex, ReadFileBytes(folder.File("newword.idx")));
    EXPECT_EQ(24u, expectedIndex.size());

    TBytes expectedData(expectedIndex.begin(), expectedIndex.begin() + 8);
    TBytes record = RecordBytes("core", "bank", "/bæŋk/", "n.", "n. 银行；河岸");
    expectedData.insert(expectedData.end(), record.begin(), record.end());
    EXPECT_EQ(expectedData, ReadFileBytes(folder.File("newword.dat")));
    // Neither a speech file nor anything left over from writing beside the book.
    EXPECT_EQ(2u, FolderEntries(folder.Path()).size());
}

TEST(CourseFormat, RecordTextsAreLengthPrefixedAndComplemented)
{
    CTempFolder folder;
    CZuFile file;
    ASSERT_TRUE(file.Create(folder.File("rec").c_str()));
    CWordInfo word = MakeWord("", "ab", "c", "d", "e\\nf");
    EXPECT_EQ(0, word.WriteRecord(file));
    file.Close();
    TBytes expected = {0x00, 0x02, 0x9E, 0x9D, 0x01, 0x9C, 0x01, 0x9B, 0x04, 0x00, 0x9A, 0xA3, 0x91, 0x99};
    EXPECT_EQ(expected, ReadFileBytes(folder.File("rec")));
}

TEST(CourseFormat, IndexEntryIsFourLittleEndianIntegers)
{
    CTempFolder folder;
    CZuFile file;
    ASSERT_TRUE(file.Create(folder.File("entry").c_str()));
    CWordInfo word;
    word.iIndex = 0x01020304;
    word.iDataOffset = 0x100;
    word.iSpeechOffset = -2;
    word.iSpeechLength = 0x7FFFFFFF;
    ASSERT_TRUE(word.WriteIndexEntry(file));
    file.Close();
    TBytes expected = {4, 3, 2, 1, 0, 1, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(expected, ReadFileBytes(folder.File("entry")));

    CWordInfo back;
    back.ReadIndexEntry(expected.data());
    EXPECT_EQ(0x01020304, back.iIndex);
    EXPECT_EQ(0x100, back.iDataOffset);
    EXPECT_EQ(-2, back.iSpeechOffset);
    EXPECT_EQ(0x7FFFFFFF, back.iSpeechLength);
}

TEST(CourseFormat, WrittenRecordReadsBackAtItsOffset)
{
    CTempFolder folder;
    CZuFile file;
    ASSERT_TRUE(file.Create(folder.File("rec").c_str()));
    file.Write("12345", 5);
    CWordInfo word = MakeWord("daily", "excuse me", "/ɪkˈskjuːz miː/", "phr.", "phr. 劳驾\\n对不起");
    EXPECT_EQ(0, word.WriteRecord(file));
    file.Close();

    ASSERT_TRUE(file.Open(folder.File("rec").c_str()));
    CWordInfo back;
    back.iDataOffset = 5;
    EXPECT_TRUE(back.ReadRecord(file));
    EXPECT_TRUE(back.iSource == "daily");
    EXPECT_TRUE(back.iWord == "excuse me");
    EXPECT_TRUE(back.iPhonetic == "/ɪkˈskjuːz miː/");
    EXPECT_TRUE(back.iPhoneticNote == "phr.");
    EXPECT_TRUE(back.iExplanation == "phr. 劳驾\\n对不起");
}

TEST(CourseFormat, EmptyWordEndsTheRecordEvenWhenTheFileHoldsMore)
{
    CTempFolder folder;
    TBytes bytes;
    AppendShortText(bytes, "src");
    AppendShortText(bytes, "");
    AppendShortText(bytes, "phon");
    AppendShortText(bytes, "note");
    AppendLongText(bytes, "expl");
    CWordInfo info = ReadBack(folder, bytes);
    EXPECT_TRUE(info.iSource == "src");
    EXPECT_TRUE(info.iWord.IsEmpty());
    EXPECT_TRUE(info.iPhonetic.IsEmpty());
    EXPECT_TRUE(info.iPhoneticNote.IsEmpty());
    EXPECT_TRUE(info.iExplanation.IsEmpty());
}

TEST(CourseFormat, EmptySourceIsReadOnNormally)
{
    CTempFolder folder;
    CWordInfo info = ReadBack(folder, RecordBytes("", "word", "ph", "n.", "x"));
    EXPECT_TRUE(info.iSource.IsEmpty());
    EXPECT_TRUE(info.iWord == "word");
    EXPECT_TRUE(info.iExplanation == "x");
}

TEST(CourseFormat, EmptyPhoneticNoteLosesTheExplanation)
{
    CTempFolder folder;
    CWordInfo info = ReadBack(folder, RecordBytes("", "word", "ph", "", "lost"));
    EXPECT_TRUE(info.iPhonetic == "ph");
    EXPECT_TRUE(info.iExplanation.IsEmpty());
}

TEST(CourseFormat, LengthByteOf0x80OrAboveIsNegative)
{
    CTempFolder folder;
    // A negative source length leaves the source empty and the word is read next.
    TBytes bytes = {0x80};
    AppendShortText(bytes, "word");
    bytes.push_back(0xFF);
    AppendShortText(bytes, "never");
    CWordInfo info = ReadBack(folder, bytes);
    EXPECT_TRUE(info.iSource.IsEmpty());
    EXPECT_TRUE(info.iWord == "word");
    EXPECT_TRUE(info.iPhonetic.IsEmpty());
    EXPECT_TRUE(info.iPhoneticNote.IsEmpty());
}

TEST(CourseFormat, NegativeExplanationLengthEndsTheRecord)
{
    CTempFolder folder;
    TBytes bytes;
    AppendShortText(bytes, "");
    AppendShortText(bytes, "w");
    AppendShortText(bytes, "p");
    AppendShortText(bytes, "n");
    AppendLittleEndian16(bytes, 0x8001);
    bytes.insert(bytes.end(), 10, 0xAA);
    CWordInfo info = ReadBack(folder, bytes);
    EXPECT_TRUE(info.iPhoneticNote == "n");
    EXPECT_TRUE(info.iExplanation.IsEmpty());
}

TEST(CourseFormat, SpeechClipHasItsEvenBytesComplemented)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", {{"", "w", "p", "n", "e", 3, 4}});
    WriteFileBytes(folder.File("c.pro"), {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC, 0xDD, 0x99});
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(1, course.WordCount());
    int length = 0;
    char* clip = course.ReadSpeech(*course.Word(0), length);
    ASSERT_NE(nullptr, clip);
    ASSERT_EQ(4, length);
    TBytes got(clip, clip + length);
    delete[] clip;
    EXPECT_EQ(TBytes({0x55, 0xBB, 0x33, 0xDD}), got);
}

TEST(CourseFormat, WordWithoutSpeechLengthHasNoClip)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", {{"", "w", "p", "n", "e", 0, 0}, {"", "v", "p", "n", "e", 0, -5}});
    WriteFileBytes(folder.File("c.pro"), {1, 2, 3, 4});
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(2, course.WordCount());
    for (int i = 0; i < 2; ++i)
    {
        int length = 0;
        EXPECT_EQ(nullptr, course.ReadSpeech(*course.Word(i), length));
        EXPECT_EQ(0, length);
    }
}

TEST(CourseFormat, WordOfTheNewWordBookTakesItsClipFromTheSourceCourse)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "newword", {{"core", "w", "p", "n", "e", 2, 2}});
    WriteFileBytes(folder.File("core.pro"), {0, 0, 0xF0, 0x0F});
    CCourseOper book("newword", folder.Path().c_str());
    book.LoadAll();
    int length = 0;
    char* clip = book.ReadSpeech(*book.Word(0), length);
    ASSERT_NE(nullptr, clip);
    EXPECT_EQ(TBytes({0x0F, 0x0F}), TBytes(clip, clip + length));
    delete[] clip;

    // Without the source course's speech file there is no clip.
    std::remove(folder.File("core.pro").c_str());
    length = 0;
    EXPECT_EQ(nullptr, book.ReadSpeech(*book.Word(0), length));
}

TEST(CourseFormat, FormatNumberIsKeptThroughASave)
{
    CTempFolder folder;
    WriteRawCourse(folder.Path(), "c", NumberedWords(2), 7);
    CCourseOper course("c", folder.Path().c_str());
    course.LoadAll();
    EXPECT_EQ(7, course.Format());
    course.DeleteWord(0);
    ASSERT_TRUE(course.Save());
    TBytes index = ReadFileBytes(folder.File("c.idx"));
    ASSERT_EQ(24u, index.size());
    EXPECT_EQ(7, index[0]);
    EXPECT_EQ(1, index[4]);
}

TEST(CourseFormat, StoredLengthCutsOnlyAtCharacterBoundaries)
{
    // 100 two-byte characters: 127 bytes would split the 64th.
    std::string accents;
    for (int i = 0; i < 100; ++i)
        accents += "é";
    EXPECT_EQ(126, CWordInfo::StoredLength(accents.c_str(), 127));
    // Three-byte characters: 127 = 42 * 3 + 1.
    std::string chinese;
    for (int i = 0; i < 50; ++i)
        chinese += "银";
    EXPECT_EQ(126, CWordInfo::StoredLength(chinese.c_str(), 127));
    EXPECT_EQ(127, CWordInfo::StoredLength(std::string(200, 'a').c_str(), 127));
    EXPECT_EQ(5, CWordInfo::StoredLength("short", 127));
}

TEST(CourseFormat, OverlongTextsAreShortenedNotMislabelled)
{
    CTempFolder folder;
    std::string longWord;
    for (int i = 0; i < 100; ++i)
        longWord += "é";
    std::string longExplanation;
    for (int i = 0; i < 11000; ++i)
        longExplanation += "银";
    CCourseOper course("c", folder.Path().c_str());
    CWordInfo word = MakeWord("", longWord.c_str(), "p", "n", longExplanation.c_str());
    course.AppendWord(word);
    course.AppendWord(MakeWord("", "next", "p", "n", "e"));
    ASSERT_TRUE(course.Save());
    EXPECT_EQ(2, course.ShortenedTexts());

    CCourseOper back("c", folder.Path().c_str());
    back.LoadAll();
    ASSERT_EQ(2, back.WordCount());
    EXPECT_EQ(longWord.substr(0, 126), std::string(back.Word(0)->iWord.PtrZ()));
    EXPECT_EQ(32766, back.Word(0)->iExplanation.Length());
    EXPECT_EQ(longExplanation.substr(0, 32766), std::string(back.Word(0)->iExplanation.PtrZ()));
    // The record after the shortened one is intact.
    EXPECT_TRUE(back.Word(1)->iWord == "next");
    EXPECT_TRUE(back.Word(1)->iExplanation == "e");
}
