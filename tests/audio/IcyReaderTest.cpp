// Radio metadata: the sound taken apart from the titles, the titles and headers read.
#include "ZuIcyReader.h"

#include <gtest/gtest.h>

namespace
{

std::string Block(const std::string& text)
{
    size_t units = (text.size() + 15) / 16;
    std::string block(1, static_cast<char>(units));
    block += text;
    block.resize(1 + units * 16, '\0');
    return block;
}

std::string Sound(CZuIcyReader& reader, const std::string& body, size_t piece)
{
    std::vector<unsigned char> sound;
    for (size_t at = 0; at < body.size(); at += piece)
    {
        std::string part = body.substr(at, piece);
        reader.Feed(reinterpret_cast<const unsigned char*>(part.data()), part.size(), sound);
    }
    return std::string(sound.begin(), sound.end());
}

} // namespace

TEST(IcyReader, MetadataIsTakenOutOfTheSoundHoweverTheBytesArrive)
{
    std::string body = "abcd" + Block("StreamTitle='One';") + "efgh" + std::string(1, '\0') + "ijkl" +
                       Block("StreamTitle='Two';StreamUrl='';") + "mn";
    for (size_t piece : {size_t(1), size_t(3), size_t(16), body.size()})
    {
        CZuIcyReader reader(4);
        EXPECT_EQ(Sound(reader, body, piece), "abcdefghijklmn") << piece;
        std::string title;
        ASSERT_TRUE(reader.TakeTitle(title)) << piece;
        EXPECT_EQ(title, "Two");
        EXPECT_FALSE(reader.TakeTitle(title));
    }
}

TEST(IcyReader, ATitleIsNewOnlyWhenItChanges)
{
    CZuIcyReader reader(2);
    std::string title;
    Sound(reader, "ab" + Block("StreamTitle='Same';"), 100);
    EXPECT_TRUE(reader.TakeTitle(title));
    Sound(reader, "cd" + Block("StreamTitle='Same';") + "ef" + Block("StreamUrl='x';"), 100);
    EXPECT_FALSE(reader.TakeTitle(title));
}

TEST(IcyReader, WithoutAnIntervalEverythingIsSound)
{
    CZuIcyReader reader(0);
    std::string body = "ab" + Block("StreamTitle='x';");
    EXPECT_EQ(Sound(reader, body, 5), body);
}

TEST(IcyReader, StreamTitlesAreReadAsStationsWriteThem)
{
    std::string title;
    auto parse = [&](const std::string& block)
    { return CZuIcyReader::ParseStreamTitle(block.data(), block.size(), title); };
    ASSERT_TRUE(parse("StreamTitle='Artist - Song';StreamUrl='http://x/';"));
    EXPECT_EQ(title, "Artist - Song");
    ASSERT_TRUE(parse("StreamTitle='Guns N' Roses - Patience';"));
    EXPECT_EQ(title, "Guns N' Roses - Patience");
    ASSERT_TRUE(parse(std::string("StreamTitle='Cut short\0\0\0", 24)));
    EXPECT_EQ(title, "Cut short");
    ASSERT_TRUE(parse("StreamTitle='';"));
    EXPECT_EQ(title, "");
    EXPECT_FALSE(parse("StreamUrl='http://x/';"));
    EXPECT_FALSE(parse(""));
    // Latin-1 from older stations becomes UTF-8; control characters are dropped.
    ASSERT_TRUE(parse("StreamTitle='Caf\xE9\r\n\x01 Song';"));
    EXPECT_EQ(title, "Caf\xC3\xA9 Song");
    ASSERT_TRUE(parse("StreamTitle='\xE5\x92\x96\xE5\x95\xA1';"));
    EXPECT_EQ(title, "\xE5\x92\x96\xE5\x95\xA1");
}

TEST(IcyReader, LongTextIsCutAtAWholeCharacter)
{
    std::string text = "a";
    for (int i = 0; i < 600; ++i)
        text += "\xE4\xB8\xAD";
    std::string clean = CZuIcyReader::CleanText(text);
    EXPECT_LE(clean.size(), size_t(CZuIcyReader::KMaxTextBytes));
    EXPECT_EQ((clean.size() - 1) % 3, 0u);
    EXPECT_EQ(CZuIcyReader::CleanText("  Loopback FM \r\n"), "Loopback FM");
}

TEST(IcyReader, TheIntervalMustBeAPlainNumberInRange)
{
    EXPECT_EQ(CZuIcyReader::ParseInterval("8192"), 8192);
    EXPECT_EQ(CZuIcyReader::ParseInterval(" 16000\r\n"), 16000);
    EXPECT_EQ(CZuIcyReader::ParseInterval("1"), 1);
    EXPECT_EQ(CZuIcyReader::ParseInterval("65536"), 65536);
    EXPECT_EQ(CZuIcyReader::ParseInterval("65537"), -1);
    EXPECT_EQ(CZuIcyReader::ParseInterval("0"), -1);
    EXPECT_EQ(CZuIcyReader::ParseInterval("-5"), -1);
    EXPECT_EQ(CZuIcyReader::ParseInterval("12ab"), -1);
    EXPECT_EQ(CZuIcyReader::ParseInterval(""), -1);
    EXPECT_EQ(CZuIcyReader::ParseInterval("99999999999999999999"), -1);
}
