// The text of an open edit box: moves and deletions by whole characters over Latin, Chinese and emoji,
// the length limit, one-line pasting and the UTF-8 it reads and writes.
#include "ZuEditBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// "a", U+4E2D (中), U+1F600 (an emoji, a surrogate pair), "b": five UTF-16 units, four characters.
const char* const KMixed = "a\xE4\xB8\xAD\xF0\x9F\x98\x80"
                           "b";

std::string Text(const CZuEditBuffer& buffer)
{
    CZuString text = buffer.Text();
    return text.PtrZ() ? text.PtrZ() : "";
}

TEST(EditBuffer, CaretStepsOverWholeCharacters)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(KMixed));
    EXPECT_EQ(buffer.Length(), 5);
    EXPECT_EQ(buffer.Caret(), 5);
    buffer.MoveHome(false);
    const int right[] = {1, 2, 4, 5, 5};
    for (int expected : right)
    {
        buffer.MoveRight(false);
        EXPECT_EQ(buffer.Caret(), expected);
    }
    const int left[] = {4, 2, 1, 0, 0};
    for (int expected : left)
    {
        buffer.MoveLeft(false);
        EXPECT_EQ(buffer.Caret(), expected);
    }
}

TEST(EditBuffer, APlaceInsideAPairSnapsToItsStart)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(KMixed));
    buffer.MoveTo(3, false);
    EXPECT_EQ(buffer.Caret(), 2);
    buffer.MoveTo(99, false);
    EXPECT_EQ(buffer.Caret(), 5);
    buffer.MoveTo(-4, false);
    EXPECT_EQ(buffer.Caret(), 0);
}

TEST(EditBuffer, BackspaceAndDeleteTakeOneCharacterEach)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(KMixed));
    buffer.MoveTo(4, false);
    EXPECT_TRUE(buffer.DeleteBackward());
    EXPECT_EQ(Text(buffer), "a\xE4\xB8\xAD"
                            "b");
    EXPECT_EQ(buffer.Caret(), 2);
    EXPECT_TRUE(buffer.DeleteBackward());
    EXPECT_EQ(Text(buffer), "ab");
    buffer.SetText(CZuString(KMixed));
    buffer.MoveTo(2, false);
    EXPECT_TRUE(buffer.DeleteForward());
    EXPECT_EQ(Text(buffer), "a\xE4\xB8\xAD"
                            "b");
    EXPECT_EQ(buffer.Caret(), 2);
    buffer.MoveEnd(false);
    EXPECT_FALSE(buffer.DeleteForward());
    buffer.MoveHome(false);
    EXPECT_FALSE(buffer.DeleteBackward());
    EXPECT_EQ(Text(buffer), "a\xE4\xB8\xAD"
                            "b");
}

TEST(EditBuffer, ShiftMovesSelectAndAPlainMoveCollapsesTheSelection)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(KMixed));
    buffer.MoveLeft(true);
    buffer.MoveLeft(true);
    EXPECT_EQ(buffer.Anchor(), 5);
    EXPECT_EQ(buffer.Caret(), 2);
    EXPECT_EQ(std::string(buffer.SelectedText().PtrZ()), "\xF0\x9F\x98\x80"
                                                         "b");
    buffer.MoveLeft(false);
    EXPECT_FALSE(buffer.HasSelection());
    EXPECT_EQ(buffer.Caret(), 2);
    buffer.SelectAll();
    EXPECT_EQ(buffer.SelectionStart(), 0);
    EXPECT_EQ(buffer.SelectionEnd(), 5);
    buffer.MoveRight(false);
    EXPECT_EQ(buffer.Caret(), 5);
    EXPECT_FALSE(buffer.HasSelection());
}

TEST(EditBuffer, TypingReplacesTheSelection)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString("apple pie"));
    buffer.MoveTo(6, false);
    buffer.MoveEnd(true);
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("\xE6\xB4\xBE")));
    EXPECT_EQ(Text(buffer), "apple \xE6\xB4\xBE");
    EXPECT_EQ(buffer.Caret(), 7);
    buffer.SelectAll();
    EXPECT_TRUE(buffer.DeleteBackward());
    EXPECT_EQ(buffer.Length(), 0);
}

TEST(EditBuffer, TheLimitHoldsAndNeverSplitsAPair)
{
    CZuEditBuffer buffer;
    buffer.SetLimit(4);
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("abc")));
    // One unit of room: the emoji needs two and is not let in by half.
    EXPECT_FALSE(buffer.InsertUtf8(CZuString("\xF0\x9F\x98\x80")));
    EXPECT_EQ(Text(buffer), "abc");
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("defg")));
    EXPECT_EQ(Text(buffer), "abcd");
    EXPECT_FALSE(buffer.InsertUtf8(CZuString("e")));
    // A selection makes room for what replaces it.
    buffer.MoveLeft(true);
    buffer.MoveLeft(true);
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("\xF0\x9F\x98\x80zz")));
    EXPECT_EQ(Text(buffer), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(buffer.Length(), 4);
}

TEST(EditBuffer, LimitZeroMeansTheLargestBox)
{
    CZuEditBuffer buffer;
    buffer.SetLimit(0);
    EXPECT_EQ(buffer.Limit(), CZuEditBuffer::KMaxUnits);
    buffer.SetLimit(100000);
    EXPECT_EQ(buffer.Limit(), CZuEditBuffer::KMaxUnits);
    std::string huge(40000, 'x');
    EXPECT_TRUE(buffer.InsertUtf8(CZuString(huge.c_str())));
    EXPECT_EQ(buffer.Length(), CZuEditBuffer::KMaxUnits);
    // Read back whole: not cut at 200 or 1024 units.
    EXPECT_EQ(buffer.Text().Length(), CZuEditBuffer::KMaxUnits);
}

TEST(EditBuffer, PastedLineBreaksBecomeSpacesAndControlCharactersGo)
{
    CZuEditBuffer buffer;
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("one\r\ntwo\nthree\rfour\tfive\x01\x1B\x7F!")));
    EXPECT_EQ(Text(buffer), "one two three four five!");
    // Only control characters: nothing to put in, and a selection stays.
    buffer.SelectAll();
    EXPECT_FALSE(buffer.InsertUtf8(CZuString("\x01\x02")));
    EXPECT_TRUE(buffer.HasSelection());
}

TEST(EditBuffer, PastedLineBreaksCountAgainstTheLimitAsSpaces)
{
    CZuEditBuffer buffer;
    buffer.SetLimit(5);
    EXPECT_TRUE(buffer.InsertUtf8(CZuString("ab\r\ncd\nef")));
    EXPECT_EQ(Text(buffer), "ab cd");
}

TEST(EditBuffer, TextSetByTheProgramIsKeptBeyondTheLimit)
{
    CZuEditBuffer buffer;
    buffer.SetLimit(3);
    buffer.SetText(CZuString("abcdef"));
    EXPECT_EQ(Text(buffer), "abcdef");
    EXPECT_FALSE(buffer.InsertUtf8(CZuString("g")));
    EXPECT_TRUE(buffer.DeleteBackward());
    EXPECT_EQ(Text(buffer), "abcde");
}

TEST(EditBuffer, AHugeTextIsCutAtTheBoxSizeBeforeAPair)
{
    std::string text(CZuEditBuffer::KMaxUnits - 1, 'x');
    text += "\xF0\x9F\x98\x80";
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(text.c_str()));
    EXPECT_EQ(buffer.Length(), CZuEditBuffer::KMaxUnits - 1);
}

TEST(EditBuffer, Utf8RoundTripsAndMalformedBytesAreSkipped)
{
    CZuEditBuffer buffer;
    buffer.SetText(CZuString(KMixed));
    EXPECT_EQ(Text(buffer), KMixed);
    // A stray continuation byte, a cut sequence, an encoded surrogate.
    buffer.SetText(CZuString("x\x80y\xE4\xB8z\xED\xA0\x80w"));
    EXPECT_EQ(Text(buffer), "xyzw");
    const TZuWChar lone[] = {'a', 0xD83D, 'b', 0xDE00, 0xD83D, 0xDE00};
    EXPECT_EQ(std::string(CZuEditBuffer::Encode(lone, 6).PtrZ()), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(std::string(CZuEditBuffer::Encode(lone, 0).PtrZ()), "");
}

TEST(EditBuffer, DecodingStopsAtTheUnitsAsked)
{
    CZuEditBuffer::TUnits units = CZuEditBuffer::Decode(CZuString("abc\xF0\x9F\x98\x80"), 4);
    EXPECT_EQ(units.size(), 3u);
    EXPECT_TRUE(CZuEditBuffer::Decode(CZuString(), 10).empty());
}

} // namespace
