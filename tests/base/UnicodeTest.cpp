// The one UTF-8 and UTF-16 decoder and encoder: every boundary of the sequence lengths, every kind of bad
// byte, and an exhaustive comparison with the encoder for short inputs.
#include "ZuUnicode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

const unsigned KFault = CZuUnicode::KFault;

struct TDecoded
{
    unsigned iCodePoint;
    int iTaken;
};

// Decodes from a block of exactly the input's size, so that a read past it is caught by the sanitizer.
TDecoded Decode(const std::string& bytes)
{
    std::vector<char> exact(bytes.begin(), bytes.end());
    TDecoded decoded = {0, -1};
    decoded.iCodePoint = CZuUnicode::DecodeUtf8(exact.data(), static_cast<int>(exact.size()), decoded.iTaken);
    return decoded;
}

std::string Encode(unsigned codePoint)
{
    char out[4];
    int count = CZuUnicode::EncodeUtf8(codePoint, out);
    return std::string(out, static_cast<size_t>(count));
}

int FirstFault(const std::string& bytes)
{
    return CZuUnicode::FirstUtf8Fault(bytes.data(), static_cast<int>(bytes.size()));
}

} // namespace

TEST(ZuUnicode, EveryLengthAtItsBoundaries)
{
    struct TCase
    {
        unsigned iCodePoint;
        const char* iBytes;
    };
    const TCase cases[] = {
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xD7FF, "\xED\x9F\xBF"},
        {0xE000, "\xEE\x80\x80"},
        {0xFFFD, "\xEF\xBF\xBD"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0x4E2D, "\xE4\xB8\xAD"},
    };
    for (const TCase& c : cases)
    {
        std::string bytes = c.iBytes;
        EXPECT_EQ(Encode(c.iCodePoint), bytes) << std::hex << c.iCodePoint;
        TDecoded decoded = Decode(bytes);
        EXPECT_EQ(decoded.iCodePoint, c.iCodePoint) << std::hex << c.iCodePoint;
        EXPECT_EQ(decoded.iTaken, static_cast<int>(bytes.size())) << std::hex << c.iCodePoint;
    }
    // The zero byte is a character like any other.
    TDecoded zero = Decode(std::string(1, '\0'));
    EXPECT_EQ(zero.iCodePoint, 0u);
    EXPECT_EQ(zero.iTaken, 1);
    EXPECT_EQ(Encode(0), std::string(1, '\0'));
}

TEST(ZuUnicode, BadBytesAreFaultsThatSwallowNoGoodCharacter)
{
    struct TCase
    {
        const char* iWhat;
        std::string iBytes;
        int iTaken;
    };
    const TCase cases[] = {
        {"stray continuation byte", "\x80", 1},
        {"stray last continuation byte", "\xBF" "a", 1},
        {"lead C0", "\xC0\xAF", 1},
        {"lead C1", "\xC1\xBF", 1},
        {"lead F5", "\xF5\x80\x80\x80", 1},
        {"byte FF", "\xFF", 1},
        {"overlong three-byte form", "\xE0\x80\xAF", 1},
        {"overlong three-byte form of U+07FF", "\xE0\x9F\xBF", 1},
        {"overlong four-byte form", "\xF0\x80\x80\xAF", 1},
        {"overlong four-byte form of U+FFFF", "\xF0\x8F\xBF\xBF", 1},
        {"first surrogate", "\xED\xA0\x80", 1},
        {"last surrogate", "\xED\xBF\xBF", 1},
        {"above U+10FFFF", "\xF4\x90\x80\x80", 1},
        {"lead of values far above U+10FFFF", "\xF7\xBF\xBF\xBF", 1},
        {"two-byte sequence cut by the end", "\xC3", 1},
        {"three-byte sequence cut by the end", "\xE4\xB8", 2},
        {"four-byte sequence cut by the end", "\xF0\x9F\x98", 3},
        {"two-byte sequence cut by a letter", "\xC3(", 1},
        {"three-byte sequence cut by a letter", "\xE4\xB8x", 2},
        {"four-byte sequence cut by a new lead", "\xF0\x9F\xE4\xB8\xAD", 2},
    };
    for (const TCase& c : cases)
    {
        TDecoded decoded = Decode(c.iBytes);
        EXPECT_EQ(decoded.iCodePoint, KFault) << c.iWhat;
        EXPECT_EQ(decoded.iTaken, c.iTaken) << c.iWhat;
        EXPECT_EQ(FirstFault(c.iBytes), 0) << c.iWhat;
        EXPECT_FALSE(CZuUnicode::IsValidUtf8(c.iBytes.data(), static_cast<int>(c.iBytes.size()))) << c.iWhat;
    }
}

TEST(ZuUnicode, NothingIsReadWithNothingThere)
{
    int taken = -1;
    EXPECT_EQ(CZuUnicode::DecodeUtf8("a", 0, taken), KFault);
    EXPECT_EQ(taken, 0);
    EXPECT_EQ(CZuUnicode::DecodeUtf16(u"a", 0, taken), KFault);
    EXPECT_EQ(taken, 0);
    EXPECT_EQ(CZuUnicode::FirstUtf8Fault("", 0), 0);
    EXPECT_TRUE(CZuUnicode::IsValidUtf8("", 0));
    EXPECT_TRUE(CZuUnicode::IsValidUtf8("x", -1));
}

TEST(ZuUnicode, NoCharacterIsEncodedForSurrogatesOrBeyondTheLast)
{
    char out[4] = {'k', 'k', 'k', 'k'};
    EXPECT_EQ(CZuUnicode::EncodeUtf8(0xD800, out), 0);
    EXPECT_EQ(CZuUnicode::EncodeUtf8(0xDFFF, out), 0);
    EXPECT_EQ(CZuUnicode::EncodeUtf8(0x110000, out), 0);
    EXPECT_EQ(CZuUnicode::EncodeUtf8(KFault, out), 0);
    EXPECT_EQ(std::string(out, 4), "kkkk");
    TZuWChar units[2] = {u'k', u'k'};
    EXPECT_EQ(CZuUnicode::EncodeUtf16(0xDC00, units), 0);
    EXPECT_EQ(CZuUnicode::EncodeUtf16(0x110000, units), 0);
    EXPECT_EQ(units[0], u'k');
}

// Every input of one and two bytes, and every three-byte input with a lead of a multi-byte sequence: a
// character is exactly the bytes the encoder writes for it, and a fault spans the longest start of some
// character (at least one byte).
TEST(ZuUnicode, ShortInputsAgreeWithTheEncoderExhaustively)
{
    // Every start of every character's bytes, by length, keyed by the bytes read as a big-endian number.
    std::vector<bool> starts[4] = {{}, std::vector<bool>(1u << 8), std::vector<bool>(1u << 16),
                                   std::vector<bool>(1u << 24)};
    for (unsigned codePoint = 0; codePoint <= CZuUnicode::KMaxCodePoint; ++codePoint)
    {
        unsigned char bytes[4];
        int length = CZuUnicode::EncodeUtf8(codePoint, reinterpret_cast<char*>(bytes));
        unsigned key = 0;
        for (int i = 0; i < length && i < 3; ++i)
        {
            key = (key << 8) | bytes[i];
            starts[i + 1][key] = true;
        }
    }
    auto key = [](const unsigned char* bytes, int length) {
        unsigned value = 0;
        for (int i = 0; i < length; ++i)
            value = (value << 8) | bytes[i];
        return value;
    };
    auto check = [&](const unsigned char* bytes, int length) {
        int taken = 0;
        unsigned codePoint = CZuUnicode::DecodeUtf8(reinterpret_cast<const char*>(bytes), length, taken);
        ASSERT_GE(taken, 1);
        ASSERT_LE(taken, length);
        if (codePoint != KFault)
        {
            char encoded[4];
            ASSERT_EQ(CZuUnicode::EncodeUtf8(codePoint, encoded), taken);
            ASSERT_EQ(std::memcmp(encoded, bytes, static_cast<size_t>(taken)), 0);
            return;
        }
        // The fault's bytes could begin a character (or are one byte), and one more could not.
        ASSERT_TRUE(taken == 1 || starts[taken][key(bytes, taken)]);
        if (taken < length)
        {
            ASSERT_FALSE(starts[taken + 1][key(bytes, taken + 1)]);
        }
    };
    unsigned char bytes[3];
    for (unsigned first = 0; first < 256; ++first)
    {
        bytes[0] = static_cast<unsigned char>(first);
        check(bytes, 1);
        for (unsigned second = 0; second < 256; ++second)
        {
            bytes[1] = static_cast<unsigned char>(second);
            check(bytes, 2);
            if (first < 0xE0 || first > 0xF4)
                continue;
            for (unsigned third = 0; third < 256; ++third)
            {
                bytes[2] = static_cast<unsigned char>(third);
                check(bytes, 3);
            }
        }
    }
}

TEST(ZuUnicode, EveryCharacterRoundTripsThroughBothForms)
{
    for (unsigned codePoint = 0; codePoint <= CZuUnicode::KMaxCodePoint; ++codePoint)
    {
        bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        char bytes[4];
        int length = CZuUnicode::EncodeUtf8(codePoint, bytes);
        TZuWChar units[2];
        int count = CZuUnicode::EncodeUtf16(codePoint, units);
        if (surrogate)
        {
            ASSERT_EQ(length, 0);
            ASSERT_EQ(count, 0);
            continue;
        }
        ASSERT_EQ(length, codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4);
        ASSERT_EQ(count, codePoint < 0x10000 ? 1 : 2);
        int taken = 0;
        ASSERT_EQ(CZuUnicode::DecodeUtf8(bytes, length, taken), codePoint);
        ASSERT_EQ(taken, length);
        ASSERT_EQ(CZuUnicode::DecodeUtf16(units, count, taken), codePoint);
        ASSERT_EQ(taken, count);
    }
}

TEST(ZuUnicode, Utf16PairsAndLoneSurrogates)
{
    int taken = 0;
    EXPECT_EQ(CZuUnicode::DecodeUtf16(u"\U0001F600", 2, taken), 0x1F600u);
    EXPECT_EQ(taken, 2);
    const TZuWChar high[] = {0xD83D, u'a'};
    EXPECT_EQ(CZuUnicode::DecodeUtf16(high, 2, taken), KFault);
    EXPECT_EQ(taken, 1);
    // A first half at the end of the units.
    EXPECT_EQ(CZuUnicode::DecodeUtf16(high, 1, taken), KFault);
    EXPECT_EQ(taken, 1);
    const TZuWChar low[] = {0xDE00, 0xD83D};
    EXPECT_EQ(CZuUnicode::DecodeUtf16(low, 2, taken), KFault);
    EXPECT_EQ(taken, 1);
    const TZuWChar twoHighs[] = {0xD83D, 0xD83D, 0xDE00};
    EXPECT_EQ(CZuUnicode::DecodeUtf16(twoHighs, 3, taken), KFault);
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(CZuUnicode::DecodeUtf16(twoHighs + 1, 2, taken), 0x1F600u);
}

TEST(ZuUnicode, FirstFaultIsFoundAfterGoodCharacters)
{
    EXPECT_EQ(FirstFault("plain ascii"), 11);
    EXPECT_EQ(FirstFault("ˈbæŋk 银行 \U0001F600"), static_cast<int>(std::strlen("ˈbæŋk 银行 \U0001F600")));
    EXPECT_EQ(FirstFault("a\x80"), 1);
    EXPECT_EQ(FirstFault("银\xE9\x93"), 3);
    EXPECT_EQ(FirstFault("ab\xED\xA0\x80"), 2);
}

TEST(ZuUnicode, CutLengthCutsNoCharacterInTwo)
{
    const std::string text = "a银\U0001F600b";
    const int length = static_cast<int>(text.size());
    const int expected[] = {0, 1, 1, 1, 4, 4, 4, 4, 8, 9, 9};
    for (int limit = 0; limit <= length + 1; ++limit)
        EXPECT_EQ(CZuUnicode::Utf8CutLength(text.data(), length, limit), expected[limit]) << limit;
    // A fault is kept whole or left out whole, like a character.
    EXPECT_EQ(CZuUnicode::Utf8CutLength("x\xE4\xB8y", 4, 2), 1);
    EXPECT_EQ(CZuUnicode::Utf8CutLength("x\xE4\xB8y", 4, 3), 3);
    EXPECT_EQ(CZuUnicode::Utf8CutLength("x\x80\x80y", 4, 2), 2);
    EXPECT_EQ(CZuUnicode::Utf8CutLength("abc", 3, -1), 0);
}
