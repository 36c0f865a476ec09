#include "ZuUi.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// Fixed widths: a blank 3, a line-break control 0, CJK 12, every other character 6.
class CFixedWidths : public MZuTextMeasure
{
public:
    int CharWidth(TZuWChar ch) const override
    {
        if (ch == ' ')
            return 3;
        if (ch < 0x20)
            return 0;
        if (ch >= 0x2E80)
            return 12;
        return 6;
    }
};

CZuString16 Utf16(const std::string& utf8)
{
    CZuString16 text;
    ConvertUtf8ToUnicode(utf8.data(), static_cast<int>(utf8.size()), text);
    return text;
}

std::vector<std::string> Rows(const std::string& utf8, int width)
{
    CFixedWidths widths;
    CZuObjectList* list = CZuStrUtil::GetTextRowList(Utf16(utf8), width, widths);
    std::vector<std::string> rows;
    for (int i = 0; i < list->GetCount(); ++i)
    {
        const CZuString16& row = *static_cast<CZuString16*>(list->GetAt(i));
        CZuString bytes;
        ConvertUnicodeToUtf8(row.PtrZ(), row.Length(), bytes);
        rows.push_back(bytes.IsEmpty() ? std::string() : std::string(Str(bytes), bytes.Length()));
    }
    delete list;
    return rows;
}

using TRows = std::vector<std::string>;

} // namespace

TEST(ZuStrUtil, EmptyTextOrNoWidthGivesNoRows)
{
    EXPECT_EQ(Rows("", 100), TRows{});
    EXPECT_EQ(Rows("abc", 0), TRows{});
    EXPECT_EQ(Rows("abc", -5), TRows{});
    EXPECT_EQ(Rows("\n\n", 100), TRows{});
    CFixedWidths widths;
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(CZuString16(), 10, widths), 0);
}

TEST(ZuStrUtil, TextThatFitsIsOneRow)
{
    EXPECT_EQ(Rows("hello world", 1000), TRows{"hello world"});
    // Exactly the width still fits.
    EXPECT_EQ(Rows("abc", 18), TRows{"abc"});
}

TEST(ZuStrUtil, FirstWordAndBlankOnTheFirstRowSecondWordOnTheNext)
{
    // "ab " is 15 pixels wide: only the first word and the blank fit.
    EXPECT_EQ(Rows("ab cd", 15), (TRows{"ab ", "cd"}));
    EXPECT_EQ(Rows("hello world", 40), (TRows{"hello ", "world"}));
}

TEST(ZuStrUtil, BlanksAtTheEndOfARowStayOnIt)
{
    // "ab" is 12 wide; the third blank makes the row 21 > 20 but stays on it.
    EXPECT_EQ(Rows("ab   cd", 20), (TRows{"ab   ", "cd"}));
}

TEST(ZuStrUtil, BreakCharacterThatDoesNotFitStartsTheNextRow)
{
    EXPECT_EQ(Rows("ab,", 12), (TRows{"ab", ","}));
    EXPECT_EQ(Rows("ab,cd", 18), (TRows{"ab,", "cd"}));
}

TEST(ZuStrUtil, WordWiderThanTheRowIsCut)
{
    EXPECT_EQ(Rows("abcdefghij", 25), (TRows{"abcd", "efgh", "ij"}));
    // The cut fills what is left of the row first.
    EXPECT_EQ(Rows("ab abcdefghij", 25), (TRows{"ab a", "bcde", "fghi", "j"}));
}

TEST(ZuStrUtil, CjkTextIsCutAtAnyCharacter)
{
    EXPECT_EQ(Rows("你好世界和平", 30), (TRows{"你好", "世界", "和平"}));
    EXPECT_EQ(Rows("你好世界和平", 36), (TRows{"你好世", "界和平"}));
    EXPECT_EQ(Rows("你好世界和平", 11), (TRows{"你", "好", "世", "界", "和", "平"}));
}

TEST(ZuStrUtil, MixedTextKeepsLatinWordsWhole)
{
    EXPECT_EQ(Rows("我爱ZuLex软件", 50), (TRows{"我爱", "ZuLex软", "件"}));
    EXPECT_EQ(Rows("单词book很好", 40), (TRows{"单词", "book很", "好"}));
}

TEST(ZuStrUtil, HardLineEndsEndTheRowAndAreDropped)
{
    EXPECT_EQ(Rows("ab\ncd", 100), (TRows{"ab", "cd"}));
    EXPECT_EQ(Rows("ab\r\ncd", 100), (TRows{"ab", "cd"}));
    EXPECT_EQ(Rows("ab\xE2\x80\xA9"
                   "cd",
                   100),
              (TRows{"ab", "cd"}));
    // No empty rows for empty lines, nor for a line end at either end.
    EXPECT_EQ(Rows("\nab\n\n\ncd\n", 100), (TRows{"ab", "cd"}));
}

TEST(ZuStrUtil, BackslashNInTheTextStartsANewRow)
{
    EXPECT_EQ(Rows("第一行\\n第二行", 1000), (TRows{"第一行", "第二行"}));
    EXPECT_EQ(Rows("one\\ntwo", 1000), (TRows{"one", "two"}));
    EXPECT_EQ(Rows("\\n\\nx\\n", 1000), (TRows{"x"}));
}

TEST(ZuStrUtil, LoneBackslashBelongsToTheWord)
{
    // "ab\cd" is one word of 30 pixels: it moves whole to the next row when it does not fit.
    EXPECT_EQ(Rows("x ab\\cd", 40), (TRows{"x ab\\cd"}));
    EXPECT_EQ(Rows("x ab\\cd", 35), (TRows{"x ", "ab\\cd"}));
    EXPECT_EQ(Rows("end\\", 100), (TRows{"end\\"}));
}

TEST(ZuStrUtil, LoneCarriageReturnIsAnOrdinaryBreakCharacter)
{
    EXPECT_EQ(Rows("ab\rcd", 100), (TRows{"ab\rcd"}));
}

TEST(ZuStrUtil, LineEndAfterAWordThatDoesNotFitPutsTheWordOnItsOwnRow)
{
    EXPECT_EQ(Rows("ab cdef\ngh", 25), (TRows{"ab ", "cdef", "gh"}));
}

TEST(ZuStrUtil, CountMatchesTheList)
{
    CFixedWidths widths;
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(Utf16("你好世界和平"), 30, widths), 3);
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(Utf16("a\\nb\nc"), 100, widths), 3);
}

// Whatever the text: the rows hold every character but the line ends, in order, and no row is wider
// than the width except by trailing blanks or when it holds a single character that is wider itself.
TEST(ZuStrUtil, RowsKeepTheTextAndTheWidthForRandomTexts)
{
    const std::vector<TZuWChar> alphabet = {'a', 'B',  '7',  ' ',    ' ',    ',',    '.', '\\',
                                            'n', '\n', '\r', 0x4F60, 0x597D, 0x2029, '-', 'x'};
    CFixedWidths widths;
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round)
    {
        state = state * 1103515245u + 12345u;
        int length = static_cast<int>((state >> 16) % 40);
        int width = static_cast<int>((state >> 8) % 60) + 1;
        CZuString16 text;
        for (int i = 0; i < length; ++i)
        {
            state = state * 1103515245u + 12345u;
            text += alphabet[(state >> 16) % alphabet.size()];
        }
        CZuString16 expected;
        for (int i = 0; i < text.Length(); ++i)
        {
            TZuWChar ch = text[i];
            bool next = i + 1 < text.Length();
            if (ch == '\n' || ch == 0x2029)
                continue;
            if ((ch == '\r' || ch == '\\') && next && text[i + 1] == (ch == '\r' ? '\n' : 'n'))
            {
                ++i;
                continue;
            }
            expected += ch;
        }
        CZuObjectList* rows = CZuStrUtil::GetTextRowList(text, width, widths);
        CZuString16 joined;
        for (int r = 0; r < rows->GetCount(); ++r)
        {
            const CZuString16& row = *static_cast<CZuString16*>(rows->GetAt(r));
            ASSERT_GT(row.Length(), 0);
            joined += row;
            int end = row.Length();
            while (end > 0 && row[end - 1] == ' ')
                --end;
            int rowWidth = 0;
            for (int i = 0; i < end; ++i)
                rowWidth += widths.CharWidth(row[i]);
            if (!(rowWidth <= width || end == 1))
            {
                CZuString bytes;
                ConvertUnicodeToUtf8(text.PtrZ(), text.Length(), bytes);
                ADD_FAILURE() << "round " << round << " row " << r << " width " << width << " text ["
                              << Str(bytes) << "]";
            }
        }
        EXPECT_TRUE(joined == expected || (joined.Length() == 0 && expected.Length() == 0))
            << "round " << round;
        delete rows;
    }
}

// The interface font measures the rows as it draws them.
TEST(ZuStrUtilFont, RowsFollowTheFontsCharacterWidths)
{
    CZuFont font(EFontUi, 100, false);
    int ni = font.CharWidthInPixels(0x4F60);
    ASSERT_GT(ni, 0);
    CZuString16 cjk = Utf16("你你你你你");
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(cjk, 2 * ni, &font), 3);
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(cjk, 5 * ni, &font), 1);

    int firstWordAndBlank =
        font.CharWidthInPixels('a') + font.CharWidthInPixels('b') + font.CharWidthInPixels(' ');
    CZuObjectList* rows = CZuStrUtil::GetTextRowList(Utf16("ab cd"), firstWordAndBlank, &font);
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->GetCount(), 2);
    EXPECT_TRUE(*static_cast<CZuString16*>(rows->GetAt(0)) == Utf16("ab "));
    EXPECT_TRUE(*static_cast<CZuString16*>(rows->GetAt(1)) == Utf16("cd"));
    delete rows;
}

TEST(ZuStrUtilFont, NoFontGivesNoList)
{
    EXPECT_EQ(CZuStrUtil::GetTextRowList(Utf16("abc"), 100, nullptr), nullptr);
    EXPECT_EQ(CZuStrUtil::GetTextRowCount(Utf16("abc"), 100, nullptr), 0);
}
