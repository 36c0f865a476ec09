#include "AmrClips.h"
#include "ZuAmrDecoder.h"
#include "ZuBuffer.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace AmrClips;

namespace
{

TBytes Decode(const TBytes& clip)
{
    // An exact-size heap copy, so that the sanitizer sees any read behind the clip.
    unsigned char* exact = clip.empty() ? nullptr : new unsigned char[clip.size()];
    if (exact != nullptr)
        std::memcpy(exact, clip.data(), clip.size());
    CZuBuffer image;
    CZuAmrDecoder decoder;
    EXPECT_TRUE(
        decoder.DecodeToWav(reinterpret_cast<const char*>(exact), static_cast<int>(clip.size()), image));
    delete[] exact;
    return TBytes(image.Data(), image.Data() + image.Size());
}

void ExpectWellFormed(const TBytes& image)
{
    ASSERT_GE(image.size(), 44u);
    EXPECT_EQ(Le32(image, 4), image.size() - 8);
    EXPECT_EQ(Le32(image, 40), image.size() - 44);
    EXPECT_EQ((image.size() - 44) % 320, 0u);
}

} // namespace

TEST(AmrDecoder, OneFrameOfTheHighestModeMakesTheImageByteForByte)
{
    TBytes frame = Frame(7, 1);
    ASSERT_EQ(frame[0], 0x3C);
    ASSERT_EQ(frame.size(), 32u);
    TBytes image = Decode(Clip({frame}));

    ASSERT_EQ(image.size(), 44u + 320u);
    const unsigned char header[44] = {'R', 'I', 'F',  'F',  0x64, 0x01, 0,    0,    'W',  'A', 'V',
                                      'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                                      1,   0,   0x40, 0x1F, 0,    0,    0x80, 0x3E, 0,    0,   2,
                                      0,   16,  0,    'd',  'a',  't',  'a',  0x40, 0x01, 0,   0};
    EXPECT_EQ(std::memcmp(image.data(), header, 44), 0);
    EXPECT_EQ(Le32(image, 4), 356u);
    EXPECT_EQ(Le32(image, 40), 320u);
    EXPECT_EQ(Samples(image), ReferenceDecode({frame}));
}

TEST(AmrDecoder, SamplesAreTheDecodersLittleEndian)
{
    std::vector<TBytes> frames;
    for (int i = 0; i < 12; ++i)
        frames.push_back(Frame(i % 9, 100 + i));
    TBytes image = Decode(Clip(frames));
    ExpectWellFormed(image);
    std::vector<short> reference = ReferenceDecode(frames);
    ASSERT_EQ(reference.size(), 12u * 160u);
    EXPECT_EQ(Samples(image), reference);
    // Not all silence: the comparison above means something.
    bool loud = false;
    for (short s : reference)
        loud = loud || s > 100 || s < -100;
    EXPECT_TRUE(loud);
}

TEST(AmrDecoder, AWrongMagicIsSkippedUnread)
{
    std::vector<TBytes> frames = {Frame(7, 2), Frame(4, 3)};
    TBytes good = Clip(frames);
    TBytes bad = good;
    std::memcpy(bad.data(), "RIFF\x3C\x00", 6);
    EXPECT_EQ(Decode(bad), Decode(good));
    EXPECT_EQ(Decode(bad).size(), 44u + 640u);
}

TEST(AmrDecoder, OnlyTheMagicGivesAnImageWithoutSamples)
{
    TBytes image = Decode(Magic());
    ASSERT_EQ(image.size(), 44u);
    EXPECT_EQ(Le32(image, 4), 36u);
    EXPECT_EQ(Le32(image, 40), 0u);
    EXPECT_EQ(std::memcmp(image.data() + 36, "data", 4), 0);
}

TEST(AmrDecoder, EmptyShortAndNullClipsGiveAnImageWithoutSamples)
{
    EXPECT_EQ(Decode(TBytes()), Decode(Magic()));
    EXPECT_EQ(Decode(TBytes{0x3C, 1, 2}), Decode(Magic()));
    CZuBuffer image;
    CZuAmrDecoder decoder;
    EXPECT_TRUE(decoder.DecodeToWav(nullptr, 100, image));
    EXPECT_EQ(image.Size(), 44);
    EXPECT_TRUE(decoder.DecodeToWav("#!AMR\n<", -5, image));
    EXPECT_EQ(image.Size(), 44);
}

TEST(AmrDecoder, PayloadTable)
{
    const int expected[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, 0, 0, 0, 0, 0, 0, 0};
    for (int type = 0; type < 16; ++type)
        EXPECT_EQ(CZuAmrDecoder::PayloadBytes(type), expected[type]) << "frame type " << type;
}

TEST(AmrDecoder, EachFrameTypeTakesItsPayloadAndNoMore)
{
    // Payload bytes that read as a header would start a frame of their own: a payload length off by one
    // either way changes the frame count.
    for (int type = 0; type < 16; ++type)
    {
        TBytes frame(1, static_cast<unsigned char>(type << 3 | 0x04));
        frame.resize(1 + CZuAmrDecoder::PayloadBytes(type), 0x7C);
        TBytes clip = Clip({frame, frame, frame});
        EXPECT_EQ(CZuAmrDecoder::CountFrames(reinterpret_cast<const char*>(clip.data()),
                                             static_cast<int>(clip.size())),
                  3)
            << "frame type " << type;
        EXPECT_EQ(Decode(clip).size(), 44u + 3 * 320u) << "frame type " << type;
    }
}

TEST(AmrDecoder, FrameTypesNineToFifteenAreStillDecoded)
{
    for (int type = 9; type < 16; ++type)
    {
        std::vector<TBytes> frames = {Frame(7, 5), TBytes(1, static_cast<unsigned char>(type << 3)),
                                      Frame(7, 6)};
        TBytes image = Decode(Clip(frames));
        ASSERT_EQ(image.size(), 44u + 3 * 320u) << "frame type " << type;
        EXPECT_EQ(Samples(image), ReferenceDecode(frames)) << "frame type " << type;
    }
}

TEST(AmrDecoder, AFrameCutShortIsDecodedFromTheBytesPresent)
{
    TBytes whole = Frame(7, 9);
    for (size_t kept = 1; kept < whole.size(); kept += 5)
    {
        TBytes cut(whole.begin(), whole.begin() + kept);
        TBytes image = Decode(Clip({Frame(5, 8), cut}));
        ASSERT_EQ(image.size(), 44u + 640u) << kept << " bytes kept";
        // The missing payload bits count as zero.
        TBytes padded = cut;
        padded.resize(whole.size(), 0);
        EXPECT_EQ(Samples(image), ReferenceDecode({Frame(5, 8), padded})) << kept << " bytes kept";
    }
}

TEST(AmrDecoder, RandomBytesGiveAWellFormedImage)
{
    uint32_t state = 12345;
    for (int round = 0; round < 50; ++round)
    {
        TBytes clip(round * 37);
        for (unsigned char& b : clip)
        {
            state = state * 1103515245u + 12345u;
            b = static_cast<unsigned char>(state >> 16);
        }
        TBytes image = Decode(clip);
        ExpectWellFormed(image);
        int frames = CZuAmrDecoder::CountFrames(reinterpret_cast<const char*>(clip.data()),
                                                static_cast<int>(clip.size()));
        EXPECT_EQ(image.size(), 44u + frames * 320u);
        EXPECT_LE(frames, clip.size() > 6 ? static_cast<int>(clip.size()) - 6 : 0);
    }
}

TEST(AmrDecoder, AnEndlessClipIsCutAtTenMinutes)
{
    // One-byte frames: a clip of 40000 bytes would be 13 minutes of sound.
    TBytes clip = Magic();
    clip.resize(6 + 40000, 0x7C);
    EXPECT_EQ(
        CZuAmrDecoder::CountFrames(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size())),
        CZuAmrDecoder::KMaxFrames);
    TBytes image = Decode(clip);
    ExpectWellFormed(image);
    EXPECT_EQ(image.size(), 44u + CZuAmrDecoder::KMaxFrames * 320u);
}

TEST(AmrDecoder, DecodingReplacesWhatTheImageHeld)
{
    CZuBuffer image;
    CZuAmrDecoder decoder;
    TBytes clip = Clip({Frame(7, 1), Frame(7, 2)});
    decoder.DecodeToWav(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size()), image);
    ASSERT_EQ(image.Size(), 44 + 640);
    decoder.DecodeToWav("#!AMR\n", 6, image);
    EXPECT_EQ(image.Size(), 44);
}
