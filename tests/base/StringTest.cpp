#include "ZuBase.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(ZuString, EmptyStatesCompareDifferently)
{
    CZuString none;
    CZuString empty("");
    EXPECT_EQ(none.PtrZ(), nullptr);
    ASSERT_NE(empty.PtrZ(), nullptr);
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(none.Length(), 0);
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_FALSE(none == "");
    EXPECT_TRUE(none < "");
    EXPECT_TRUE(empty == "");
    EXPECT_TRUE(none < empty);
    EXPECT_EQ(none.Compare(""), -1);
    EXPECT_EQ(empty.Compare(""), 0);
    EXPECT_EQ(none.Compare(nullptr), 0);
    EXPECT_EQ(empty.Compare(nullptr), 1);
    EXPECT_TRUE(none == CZuString());
    EXPECT_TRUE(static_cast<const char*>(nullptr) == none);
}

TEST(ZuString, CopyOfEmptyHasNoStorage)
{
    CZuString empty("");
    CZuString copy(empty);
    EXPECT_EQ(copy.PtrZ(), nullptr);
    EXPECT_STREQ(Str(copy), "");
    CZuString assigned("x");
    assigned = empty;
    EXPECT_EQ(assigned.PtrZ(), nullptr);
    CZuString set("y");
    set.SetString(empty);
    EXPECT_EQ(set.PtrZ(), nullptr);
}

TEST(ZuString, EmptyStateOfEachConstruction)
{
    EXPECT_EQ(CZuString(static_cast<const char*>(nullptr)).PtrZ(), nullptr);
    CZuString fromCount("abc", 0);
    ASSERT_NE(fromCount.PtrZ(), nullptr);
    EXPECT_EQ(fromCount.Length(), 0);
    CZuString fromChar('a', 0);
    EXPECT_NE(fromChar.PtrZ(), nullptr);
    CZuString allocated("abc");
    allocated.Allocate(0);
    EXPECT_EQ(allocated.PtrZ(), nullptr);
    allocated.Allocate(3);
    ASSERT_NE(allocated.PtrZ(), nullptr);
    EXPECT_EQ(allocated.Length(), 3);
    EXPECT_EQ(std::memcmp(allocated.PtrZ(), "\0\0\0\0", 4), 0);
    CZuString emptied("abc");
    emptied.Empty();
    EXPECT_EQ(emptied.PtrZ(), nullptr);
}

TEST(ZuString, NumberConstructors)
{
    EXPECT_STREQ(CZuString(3, 7).PtrZ(), "007");
    EXPECT_STREQ(CZuString(2, 5).PtrZ(), "05");
    EXPECT_STREQ(CZuString(4, 12345).PtrZ(), "12345");
    EXPECT_STREQ(CZuString(-42).PtrZ(), "-42");
    EXPECT_EQ(CZuString(-42).Length(), 3);
    CZuString s;
    s.SetString(4, 9);
    EXPECT_STREQ(s.PtrZ(), "0009");
    EXPECT_STREQ(CZuString('z', 3).PtrZ(), "zzz");
}

TEST(ZuString, EmbeddedZeroKeptButComparisonStops)
{
    const char units[3] = {'a', '\0', 'b'};
    CZuString s(units, 3);
    EXPECT_EQ(s.Length(), 3);
    EXPECT_EQ(s[2], 'b');
    EXPECT_TRUE(s == "a");
    EXPECT_TRUE(s == CZuString("a"));
    CZuString copy(s);
    EXPECT_EQ(copy.Length(), 3);
    EXPECT_EQ(copy[2], 'b');
    s.AdjustLength();
    EXPECT_EQ(s.Length(), 1);
}

TEST(ZuString, AppendRules)
{
    CZuString none;
    none += CZuString();
    EXPECT_EQ(none.PtrZ(), nullptr);
    none += static_cast<const char*>(nullptr);
    EXPECT_EQ(none.PtrZ(), nullptr);
    none += "";
    ASSERT_NE(none.PtrZ(), nullptr);
    EXPECT_EQ(none.Length(), 0);

    CZuString two("ab");
    const char* before = two.PtrZ();
    two += CZuString("");
    EXPECT_EQ(two.PtrZ(), before);
    two += static_cast<const char*>(nullptr);
    EXPECT_EQ(two.PtrZ(), before);
    two += "cd";
    EXPECT_STREQ(two.PtrZ(), "abcd");
    two += 'e';
    EXPECT_STREQ(two.PtrZ(), "abcde");
    EXPECT_EQ(two.Length(), 5);

    CZuString single;
    single += 'x';
    EXPECT_STREQ(single.PtrZ(), "x");
    EXPECT_EQ(single.Length(), 1);
}

TEST(ZuString, AppendToItself)
{
    CZuString s("ab");
    s += s;
    EXPECT_STREQ(s.PtrZ(), "abab");
    s = s.PtrZ() + 1;
    EXPECT_STREQ(s.PtrZ(), "bab");
    s.SetString(s.PtrZ() + 1, 2);
    EXPECT_STREQ(s.PtrZ(), "ab");
    s = s;
    EXPECT_STREQ(s.PtrZ(), "ab");
}

TEST(ZuString, PlusForms)
{
    CZuString a("ab");
    EXPECT_STREQ((a + CZuString("c")).PtrZ(), "abc");
    EXPECT_STREQ((a + 'c').PtrZ(), "abc");
    EXPECT_STREQ(('c' + a).PtrZ(), "cab");
    EXPECT_STREQ((a + "cd").PtrZ(), "abcd");
    EXPECT_STREQ(("cd" + a).PtrZ(), "cdab");
    EXPECT_EQ((CZuString() + CZuString()).PtrZ(), nullptr);
    EXPECT_NE((CZuString() + "").PtrZ(), nullptr);
}

TEST(ZuString, Relational)
{
    CZuString a("abc");
    CZuString b("abd");
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(b >= a);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE("abd" > a);
    EXPECT_TRUE(a >= "abc");
    EXPECT_TRUE("abc" <= a);
    // Units compare unsigned: a high byte sorts after ASCII.
    EXPECT_TRUE(CZuString("\xE4") > "z");
    EXPECT_TRUE(CZuString("ab") < "abc");
}

TEST(ZuString, MidLeftRight)
{
    CZuString s("hello");
    EXPECT_STREQ(s.Mid(1).PtrZ(), "ello");
    EXPECT_STREQ(s.Mid(1, 3).PtrZ(), "ell");
    EXPECT_STREQ(s.Left(2).PtrZ(), "he");
    EXPECT_STREQ(s.Right(2).PtrZ(), "lo");
    EXPECT_STREQ(s.Right(9).PtrZ(), "hello");
    EXPECT_STREQ(s.Mid(3, 10).PtrZ(), "lo");
    EXPECT_STREQ(s.Mid(5).PtrZ(), "");
    EXPECT_NE(s.Mid(2, 0).PtrZ(), nullptr);
    EXPECT_STREQ(CZuString().Mid(0).PtrZ(), "");
}

TEST(ZuString, Find)
{
    CZuString s("xaxb");
    EXPECT_EQ(s.Find(2, 'x'), 2);
    EXPECT_EQ(s.Find('x'), 0);
    EXPECT_EQ(s.Find('b'), 3);
    EXPECT_EQ(s.Find('q'), -1);
    EXPECT_EQ(s.Find(3, 'x'), -1);
    EXPECT_EQ(s.Find(CZuString("xb")), 2);
    EXPECT_EQ(s.Find(1, CZuString("x")), 2);
    EXPECT_EQ(s.Find(CZuString("bx")), -1);
    EXPECT_EQ(s.Find(9, 'x'), -1);
    EXPECT_EQ(CZuString().Find('x'), -1);
    EXPECT_EQ(CZuString().Find(CZuString("x")), -1);
}

TEST(ZuString, IsIntegerAndToInteger)
{
    EXPECT_TRUE(CZuString().IsInteger());
    EXPECT_TRUE(CZuString("").IsInteger());
    EXPECT_TRUE(CZuString("-0").IsInteger());
    EXPECT_TRUE(CZuString("-12").IsInteger());
    EXPECT_TRUE(CZuString("007").IsInteger());
    EXPECT_FALSE(CZuString("-").IsInteger());
    EXPECT_FALSE(CZuString("12a").IsInteger());
    EXPECT_FALSE(CZuString("+5").IsInteger());
    EXPECT_FALSE(CZuString(" 5").IsInteger());
    EXPECT_FALSE(CZuString("1.0").IsInteger());
    EXPECT_FALSE(CZuString("1-").IsInteger());
    EXPECT_EQ(CZuString("  -17xyz").ToInteger(), -17);
    EXPECT_EQ(CZuString("abc").ToInteger(), 0);
    EXPECT_EQ(CZuString().ToInteger(), 0);
}

TEST(ZuString, CaseOnlyForAsciiLetters)
{
    CZuString s("aZ\xC3\xA9-1");
    s.ToUpper();
    EXPECT_STREQ(s.PtrZ(), "AZ\xC3\xA9-1");
    s.ToLower();
    EXPECT_STREQ(s.PtrZ(), "az\xC3\xA9-1");
}

TEST(ZuString, Trimming)
{
    CZuString s("  ab  ");
    const char* before = s.PtrZ();
    s.TrimAll();
    EXPECT_STREQ(s.PtrZ(), "ab");
    EXPECT_EQ(s.Length(), 2);
    EXPECT_EQ(s.PtrZ(), before);

    CZuString spaces("   ");
    spaces.TrimLeft();
    spaces.TrimRight();
    spaces.TrimAll();
    EXPECT_STREQ(spaces.PtrZ(), "   ");
    EXPECT_EQ(spaces.Length(), 3);

    CZuString tab("\tx ");
    tab.TrimLeft();
    EXPECT_STREQ(tab.PtrZ(), "\tx ");
    tab.TrimRight();
    EXPECT_STREQ(tab.PtrZ(), "\tx");

    CZuString none;
    none.TrimAll();
    EXPECT_EQ(none.PtrZ(), nullptr);
}

TEST(ZuString, CharAccess)
{
    CZuString s("abc");
    s.SetAt(0, 'x');
    s[1] = 'y';
    s.At(2) = 'z';
    EXPECT_STREQ(s.PtrZ(), "xyz");
    const CZuString& c = s;
    EXPECT_EQ(c.At(1), 'y');
    EXPECT_EQ(c[2], 'z');
    EXPECT_STREQ(static_cast<const char*>(c), "xyz");
    s = 'q';
    EXPECT_STREQ(s.PtrZ(), "q");
}

TEST(ZuString16, BasicsMirrorTheEightBitString)
{
    const TZuWChar text[] = {u'a', 0x4E2D, u'b', 0};
    CZuString16 s(text);
    EXPECT_EQ(s.Length(), 3);
    EXPECT_TRUE(s == text);
    EXPECT_FALSE(CZuString16() == u"");
    EXPECT_TRUE(CZuString16(u"") == u"");
    EXPECT_TRUE(CZuString16() < CZuString16(u""));
    CZuString16 emptyWithStorage(u"");
    CZuString16 copy(emptyWithStorage);
    EXPECT_EQ(copy.PtrZ(), nullptr);
    CZuString16 t = s + u"cd";
    EXPECT_EQ(t.Length(), 5);
    EXPECT_TRUE(t.Mid(3) == u"cd");
    EXPECT_TRUE(t.Left(1) == u"a");
    EXPECT_TRUE(t.Right(2) == u"cd");
    EXPECT_TRUE(CZuString16(u"\xFFFF") > u"a");
    t.ToUpper();
    EXPECT_EQ(t[0], u'A');
    EXPECT_EQ(t[1], 0x4E2D);
    EXPECT_EQ(s.Find(TZuWChar(0x4E2D)), 1);
    EXPECT_EQ(s.Find(TZuWChar(u'z')), -1);
    EXPECT_EQ(t.Find(CZuString16(u"CD")), 3);
}

TEST(ZuStringConvert, Utf8ToUnicode)
{
    CZuString16 out;
    ConvertUtf8ToUnicode("\xE4\xB8\xAD", 3, out);
    ASSERT_EQ(out.Length(), 1);
    EXPECT_EQ(out[0], 0x4E2D);
    ConvertUtf8ToUnicode("a\xC3\xA9z", 4, out);
    ASSERT_EQ(out.Length(), 3);
    EXPECT_EQ(out[1], 0xE9);
    EXPECT_EQ(out[2], u'z');
}

TEST(ZuStringConvert, ZeroLengthLeavesOutput)
{
    CZuString16 out(u"keep");
    ConvertUtf8ToUnicode("abc", 0, out);
    EXPECT_TRUE(out == u"keep");
    CZuString text("keep");
    ConvertUnicodeToUtf8(u"x", 0, text);
    EXPECT_STREQ(text.PtrZ(), "keep");
}

TEST(ZuStringConvert, BadUtf8NeverReadsPastLength)
{
    // Each input is copied to a block of exactly its length, so a read past it is caught by the sanitizer.
    struct Case
    {
        const char* bytes;
        int length;
        std::u16string expected;
    };
    const Case cases[] = {
        {"\xE4\xB8", 2, u""}, // three-byte sequence cut short
        {"a\xC3", 2, u"a"},   // two-byte sequence cut short
        {"\x80\xBF"
         "a",
         3, u"a"},                               // stray continuation bytes
        {"\xF0\x9F\x98\x80z", 5, u"\U0001F600z"}, // four bytes give a surrogate pair
        {"\xF0\x9F\x98", 3, u""},                 // four-byte sequence cut short
        {"\xC3(", 2, u"("},                        // a lead byte does not swallow the next character
        {"\xE4", 1, u""},
    };
    for (const Case& c : cases)
    {
        char* exact = new char[c.length];
        std::memcpy(exact, c.bytes, c.length);
        CZuString16 out(u"old");
        ConvertUtf8ToUnicode(exact, c.length, out);
        delete[] exact;
        EXPECT_EQ(std::u16string(out.PtrZ(), out.Length()), c.expected) << c.bytes;
        EXPECT_NE(out.PtrZ(), nullptr);
    }
}

TEST(ZuStringConvert, UnicodeToUtf8)
{
    CZuString out;
    const TZuWChar e = 0xE9;
    ConvertUnicodeToUtf8(&e, 1, out);
    EXPECT_STREQ(out.PtrZ(), "\xC3\xA9");
    // A surrogate pair is one character of four bytes.
    const TZuWChar mixed[] = {u'A', 0x4E2D, 0xD83D, 0xDE00};
    ConvertUnicodeToUtf8(mixed, 4, out);
    EXPECT_STREQ(out.PtrZ(), "A\xE4\xB8\xAD\xF0\x9F\x98\x80");
}

TEST(ZuStringConvert, LoneSurrogatesAreDropped)
{
    CZuString out;
    const TZuWChar lone[] = {0xDE00, u'a', 0xD83D, u'b', 0xD83D};
    ConvertUnicodeToUtf8(lone, 5, out);
    EXPECT_STREQ(out.PtrZ(), "ab");
    CZuString16 back(u"old");
    // Surrogates written in UTF-8 are no characters either.
    ConvertUtf8ToUnicode("\xED\xA0\xBD\xED\xB8\x80x", 7, back);
    EXPECT_EQ(std::u16string(back.PtrZ(), back.Length()), u"x");
}

TEST(ZuStringConvert, RoundTripOfEveryCharacter)
{
    std::u16string all;
    for (int u = 1; u <= 0xFFFF; ++u)
    {
        if (u < 0xD800 || u > 0xDFFF)
            all.push_back(static_cast<char16_t>(u));
    }
    // The first and last pairs, and one from the middle of the planes.
    all += u"\U00010000\U0010FFFF\U0001F600";
    CZuString utf8;
    ConvertUnicodeToUtf8(all.data(), static_cast<int>(all.size()), utf8);
    CZuString16 back;
    ConvertUtf8ToUnicode(utf8.PtrZ(), utf8.Length(), back);
    ASSERT_EQ(back.Length(), static_cast<int>(all.size()));
    EXPECT_EQ(std::u16string(back.PtrZ(), back.Length()), all);
}
