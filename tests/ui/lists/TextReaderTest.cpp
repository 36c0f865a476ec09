#include "ListTestSupport.h"

#include <string>

namespace
{

class TextReaderTest : public CListRoomTest
{
protected:
    // A reader 200 pixels wide and tall enough for everything, rows 16 pixels high and 4 apart.
    CZuTextReader* MakeReader(const char* text, int width = 200, int height = 300)
    {
        CZuTextReader* reader = new CZuTextReader(iRoot);
        reader->SetRowSpace(4);
        reader->SetRect(CZuRect(10, 10, 10 + width, 10 + height));
        reader->SetText(CZuString(text));
        return reader;
    }
    static std::string Utf8(const CZuString16& text)
    {
        CZuString utf8;
        if (!text.IsEmpty())
            ConvertUnicodeToUtf8(text.PtrZ(), text.Length(), utf8);
        return utf8.IsEmpty() ? std::string() : std::string(utf8.PtrZ());
    }
    static std::vector<std::string> Rows(CZuTextReader* reader)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < reader->GetRowCount(); ++i)
            rows.push_back(Utf8(reader->GetRowText(i)));
        return rows;
    }
    int Width(const char* text) { return iRoot->GetFont()->TextWidthInPixels(CZuString(text)); }
};

TEST_F(TextReaderTest, LineBreaksOfEveryKindEndARow)
{
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Rows(MakeReader("one\\ntwo")));
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Rows(MakeReader("one\ntwo")));
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Rows(MakeReader("one\r\ntwo")));
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Rows(MakeReader("one\xE2\x80\xA9two")));
    // Empty lines add no row.
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Rows(MakeReader("a\n\n\r\n\\nb\n")));
}

TEST_F(TextReaderTest, ACarriageReturnAloneOrABackslashAtTheEndIsACharacter)
{
    EXPECT_EQ((std::vector<std::string>{"a\rb"}), Rows(MakeReader("a\rb")));
    EXPECT_EQ((std::vector<std::string>{"end\\"}), Rows(MakeReader("end\\")));
    EXPECT_EQ((std::vector<std::string>{"end\r"}), Rows(MakeReader("end\r")));
}

TEST_F(TextReaderTest, CrLfOnlyTextGivesNoRow)
{
    CZuTextReader* reader = MakeReader("\r\n");
    EXPECT_EQ(0, reader->GetRowCount());
    reader->SetText(CZuString("\r\n\r\n\n\\n"));
    EXPECT_EQ(0, reader->GetRowCount());
    EXPECT_EQ(0, reader->GetMinSize().iHeight);
}

TEST_F(TextReaderTest, AnEnglishWordThatDoesNotFitMovesWhole)
{
    int width = Width("hello ") + Width("wo");
    CZuTextReader* reader = MakeReader("hello world", width);
    EXPECT_EQ((std::vector<std::string>{"hello ", "world"}), Rows(reader));
}

TEST_F(TextReaderTest, AWrapTakesOnlyTheSpaceItBreaksAt)
{
    // The space a row breaks at is dropped; a second space belongs to the text and starts the next row.
    CZuTextReader* reader = MakeReader("aaaa aaaa  aa", Width("aaaa"));
    EXPECT_EQ((std::vector<std::string>{"aaaa", "aaaa", " aa"}), Rows(reader));
}

TEST_F(TextReaderTest, AWordWiderThanTheRowIsCut)
{
    int width = Width("aaaa");
    CZuTextReader* reader = MakeReader("aaaaaaaaaa bb", width + 1);
    EXPECT_EQ((std::vector<std::string>{"aaaa", "aaaa", "aa ", "bb"}), Rows(reader));
}

TEST_F(TextReaderTest, ChineseWrapsAtAnyCharacter)
{
    const char* text = "\xE4\xB8\xAD\xE6\x96\x87\xE6\x96\x87\xE6\x9C\xAC\xE6\x8D\xA2\xE8\xA1\x8C";
    int width = Width("\xE4\xB8\xAD\xE6\x96\x87");
    CZuTextReader* reader = MakeReader(text, width);
    ASSERT_EQ(3, reader->GetRowCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(2, reader->GetRowText(i).Length());
}

TEST_F(TextReaderTest, MixedScriptsKeepWordsAndWrapTheRest)
{
    // "学习 vocabulary 每天": the English word moves whole to its own row.
    const char* text = "\xE5\xAD\xA6\xE4\xB9\xA0 vocabulary \xE6\xAF\x8F\xE5\xA4\xA9";
    int width = Width("vocabulary ") + 2;
    CZuTextReader* reader = MakeReader(text, width);
    std::vector<std::string> rows = Rows(reader);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ("\xE5\xAD\xA6\xE4\xB9\xA0 ", rows[0]);
    EXPECT_EQ("vocabulary ", rows[1]);
}

TEST_F(TextReaderTest, ACharacterWiderThanTheRowStillTakesARow)
{
    CZuTextReader* reader = MakeReader("WWW", 3);
    EXPECT_EQ((std::vector<std::string>{"W", "W", "W"}), Rows(reader));
    reader->SetText(CZuString("\xE4\xB8\xAD\xE6\x96\x87"));
    EXPECT_EQ(2, reader->GetRowCount());
}

TEST_F(TextReaderTest, SurrogatePairsAreNeverSplit)
{
    // A Chinese character and a character outside the basic plane (two UTF-16 units), four times, in a
    // row as wide as one Chinese character: every row ends after a whole pair.
    CZuTextReader* reader = MakeReader("", Width("\xE4\xB8\xAD"));
    CZuString16 text;
    for (int i = 0; i < 4; ++i)
    {
        text += TZuWChar(0x4E2D);
        text += TZuWChar(0xD83D);
        text += TZuWChar(0xDE00 + i);
    }
    reader->SetText(text);
    ASSERT_EQ(4, reader->GetRowCount());
    for (int i = 0; i < reader->GetRowCount(); ++i)
    {
        EXPECT_EQ(3 * i, reader->GetRow(i).iStart);
        EXPECT_EQ(3 * i + 3, reader->GetRow(i).iEnd);
    }
    // Halves without their other half are characters of their own, also at the very end.
    CZuString16 broken;
    broken += TZuWChar(0xDE00);
    broken += TZuWChar('a');
    broken += TZuWChar(0xD83D);
    reader->SetText(broken);
    EXPECT_EQ(3, reader->GetRow(reader->GetRowCount() - 1).iEnd);
}

TEST_F(TextReaderTest, ANewOrEmptyTextClearsTheOldOne)
{
    std::string longText;
    for (int i = 0; i < 40; ++i)
        longText += "line " + std::to_string(i) + "\n";
    CZuTextReader* reader = MakeReader(longText.c_str(), 200, 100);
    ASSERT_NE(nullptr, reader->GetScrollBar());
    EXPECT_TRUE(reader->GetScrollBar()->IsVisible());
    EXPECT_EQ(40, reader->GetScrollBar()->GetRange());
    Key(reader, EZuKeyDown);
    Key(reader, EZuKeyDown);
    EXPECT_EQ(2, reader->GetTopRow());
    reader->SetText(CZuString("short"));
    EXPECT_EQ(0, reader->GetTopRow());
    EXPECT_EQ(1, reader->GetRowCount());
    EXPECT_FALSE(reader->GetScrollBar()->IsVisible());
    reader->SetText(CZuString(""));
    EXPECT_EQ(0, reader->GetRowCount());
    EXPECT_TRUE(reader->GetText().IsEmpty());
    DrawAlone(reader);
}

TEST_F(TextReaderTest, UpAndDownScrollUntilTheLastPage)
{
    std::string longText;
    for (int i = 0; i < 12; ++i)
        longText += "line " + std::to_string(i) + "\n";
    // 100 pixels: five rows at 4, 24, 44, 64 and 84, the last one ending at the bottom.
    CZuTextReader* reader = MakeReader(longText.c_str(), 200, 100);
    CZuScrollBar* bar = reader->GetScrollBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_FALSE(Key(reader, EZuKeyUp));
    int moves = 0;
    while (Key(reader, EZuKeyDown))
        ++moves;
    EXPECT_EQ(7, moves);
    EXPECT_EQ(7, reader->GetTopRow());
    EXPECT_EQ(7, bar->GetCurPos());
    DrawAlone(reader);
    EXPECT_FALSE(Key(reader, EZuKeyDown));
    EXPECT_TRUE(Key(reader, EZuKeyUp));
    EXPECT_EQ(6, bar->GetCurPos());
}

TEST_F(TextReaderTest, TheReaderFollowsItsOwnBar)
{
    std::string longText;
    for (int i = 0; i < 30; ++i)
        longText += "line " + std::to_string(i) + "\n";
    CZuTextReader* reader = MakeReader(longText.c_str(), 200, 100);
    CZuScrollBar* bar = reader->GetScrollBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(reader, bar->GetMsgWnd());
    EXPECT_TRUE(bar->ScrollBy(5));
    EXPECT_EQ(5, reader->GetTopRow());
    CZuScrollBar stranger(iRoot, CZuScrollBar::EVertical);
    CZuMessage message(reader, CZuScrollBar::KMsgScrolled, 0, CZuMessage::MakeParam(&stranger));
    EXPECT_FALSE(reader->HandleMessage(&message));
    iRoot->RemoveControl(&stranger);
    // The wheel over the text scrolls it too.
    EXPECT_TRUE(Pointer(reader, EZuPointerWheel, 50, 50, -1));
    EXPECT_EQ(8, reader->GetTopRow());
    EXPECT_FALSE(Pointer(reader, EZuPointerWheel, 500, 50, -1));
}

TEST_F(TextReaderTest, CentredRowsSitInTheMiddle)
{
    CZuTextReader* reader = MakeReader("one\ntwo\nthree", 200, 300);
    reader->SetVertAlign(EAlignVCenter);
    reader->SetForeground(CZuRgb(0, 0, 0));
    EXPECT_EQ(3 * 16 + 4 * 4, reader->GetMinSize().iHeight);
    DrawAlone(reader);
    // The first dark pixel and the last one lie as far from the top as from the bottom.
    int first = -1;
    int last = -1;
    for (int y = 10; y < 310; ++y)
    {
        for (int x = 10; x < 210; ++x)
        {
            if ((PixelAt(iScreen, x, y) & 0xFF) < 0x80)
            {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    ASSERT_GT(first, 0);
    int above = first - 10;
    int below = 310 - 1 - last;
    EXPECT_LE(std::abs(above - below), 8);
    EXPECT_GT(above, 100);
}

TEST_F(TextReaderTest, MinimumHeightCountsRowsAndSpaces)
{
    CZuTextReader* reader = MakeReader("a\nb");
    reader->SetInnerSpace(3, 5, 5, 5);
    EXPECT_EQ(3 + 5 + 2 * 16 + 3 * 4, reader->GetMinSize().iHeight);
    EXPECT_EQ(0, reader->GetMinSize().iWidth);
    // A size change keeps the right side free of inner space.
    reader->SizeChanged();
    EXPECT_EQ(0, reader->InnerMargin().iRight);
    EXPECT_EQ(5, reader->InnerMargin().iLeft);
}

} // namespace
