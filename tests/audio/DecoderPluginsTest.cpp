// The decoder plug-ins: which libraries are loaded, the shipped decoders called directly through their
// descriptors, and how the engine treats what a decoder hands over.
#include "StreamTestSupport.h"
#include "TestFiles.h"
#include "ZuAudio.h"
#include "ZuDecoderPlugins.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string TestPlugin(const std::string& variant)
{
    return std::string(ZU_TEST_BINARY_DIR) + "/tests/test-plugins/test-decoder-" + variant + ".so";
}

void Copy(const std::string& from, const std::string& to)
{
    std::vector<unsigned char> bytes = ReadFileBytes(from);
    ASSERT_FALSE(bytes.empty()) << from;
    WriteFileBytes(to, bytes);
}

const TZuDecoder* Decoder(const char* name)
{
    for (int i = 0; i < CZuDecoderPlugins::Count(); ++i)
    {
        if (std::strcmp(CZuDecoderPlugins::Get(i)->iName, name) == 0)
            return CZuDecoderPlugins::Get(i);
    }
    return nullptr;
}

// An input over bytes in memory, seekable or not, as the engine gives decoders.
struct TMemoryInput
{
    std::vector<unsigned char> iBytes;
    size_t iAt = 0;
    TZuDecoderInput iInput;

    TMemoryInput(std::vector<unsigned char> bytes, bool seekable) : iBytes(std::move(bytes))
    {
        iInput.iContext = this;
        iInput.iRead = [](void* context, void* buffer, long size) -> long
        {
            TMemoryInput* self = static_cast<TMemoryInput*>(context);
            size_t take = std::min(static_cast<size_t>(size), self->iBytes.size() - self->iAt);
            if (take > 0)
                std::memcpy(buffer, self->iBytes.data() + self->iAt, take);
            self->iAt += take;
            return static_cast<long>(take);
        };
        iInput.iSeek = seekable ? Seek : [](void*, long long, int) -> long long { return -1; };
        iInput.iLength = seekable ? static_cast<long long>(iBytes.size()) : -1;
    }
    static long long Seek(void* context, long long offset, int whence)
    {
        TMemoryInput* self = static_cast<TMemoryInput*>(context);
        long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? self->iAt : self->iBytes.size();
        if (base + offset < 0 || base + offset > static_cast<long long>(self->iBytes.size()))
            return -1;
        self->iAt = static_cast<size_t>(base + offset);
        return base + offset;
    }
};

// Every frame a decoder makes of bytes, with the last format it named.
long DecodeAll(const TZuDecoder* decoder, std::vector<unsigned char> bytes, bool seekable,
               TZuDecodedFormat& format)
{
    TMemoryInput input(std::move(bytes), seekable);
    void* handle = decoder->Open(&input.iInput);
    if (handle == nullptr)
        return -1;
    std::vector<short> pcm(4096 * ZU_DECODER_MAX_CHANNELS);
    long frames = 0;
    int got;
    while ((got = decoder->Decode(handle, pcm.data(), 4096, &format)) > 0)
        frames += got;
    decoder->Close(handle);
    return got < 0 ? -1 : frames;
}

class DecoderPlugins : public ::testing::Test
{
protected:
    void SetUp() override { CZuDecoderPlugins::SetFolder(PluginFolder()); }
    void TearDown() override { CZuDecoderPlugins::SetFolder(PluginFolder()); }
};

} // namespace

TEST_F(DecoderPlugins, OnlyFilesNamedAsPluginsWithAGoodDescriptorAreKept)
{
    CTempFolder folder;
    Copy(TestPlugin("good"), folder.File("zu-decoder-tone.so"));
    Copy(TestPlugin("old-version"), folder.File("zu-decoder-old.so"));
    Copy(TestPlugin("wrong-type"), folder.File("zu-decoder-type.so"));
    Copy(TestPlugin("missing-close"), folder.File("zu-decoder-no-close.so"));
    Copy(TestPlugin("no-entry"), folder.File("zu-decoder-no-entry.so"));
    Copy(TestPlugin("null-descriptor"), folder.File("zu-decoder-null.so"));
    // Good plug-ins under other names: a program's own library, a version suffix, capitals.
    Copy(TestPlugin("good"), folder.File("libzu-decoder-lib.so"));
    Copy(TestPlugin("good"), folder.File("zu-decoder-tone.so.1"));
    Copy(TestPlugin("good"), folder.File("zu-decoder-Tone.so"));
    WriteFileBytes(folder.File("zu-decoder-text.so"), {'n', 'o', 't', ' ', 'E', 'L', 'F'});
    ASSERT_EQ(mkdir(folder.File("zu-decoder-folder.so").c_str(), 0700), 0);

    CZuDecoderPlugins::SetFolder(folder.Path());
    EXPECT_FALSE(CZuDecoderPlugins::Searched());
    ASSERT_EQ(CZuDecoderPlugins::Count(), 1);
    EXPECT_STREQ(CZuDecoderPlugins::Get(0)->iName, "Test tone");
    EXPECT_EQ(CZuDecoderPlugins::Get(1), nullptr);
    EXPECT_EQ(CZuDecoderPlugins::Get(-1), nullptr);
    EXPECT_TRUE(CZuDecoderPlugins::Searched());
}

TEST_F(DecoderPlugins, TheShippedPluginsAreFoundInTheirFolder)
{
    ASSERT_EQ(CZuDecoderPlugins::Count(), 2);
    EXPECT_NE(Decoder("MP3"), nullptr);
    EXPECT_NE(Decoder("Ogg Vorbis"), nullptr);
    EXPECT_EQ(CZuDecoderPlugins::Folder(), PluginFolder());
    // Without a folder of its own the program looks beside itself.
    CZuDecoderPlugins::SetFolder("");
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    std::string program = self;
    EXPECT_EQ(CZuDecoderPlugins::Folder(), program.substr(0, program.rfind('/') + 1) + "plugins/");
}

TEST_F(DecoderPlugins, PluginNamesFollowOnePattern)
{
    EXPECT_TRUE(CZuDecoderPlugins::IsPluginName("zu-decoder-mp3.so"));
    EXPECT_TRUE(CZuDecoderPlugins::IsPluginName("zu-decoder-ogg_2-b.so"));
    EXPECT_FALSE(CZuDecoderPlugins::IsPluginName("zu-decoder-.so"));
    EXPECT_FALSE(CZuDecoderPlugins::IsPluginName("zu-decoder-mp3.so.1"));
    EXPECT_FALSE(CZuDecoderPlugins::IsPluginName("libZuAudio.so"));
    EXPECT_FALSE(CZuDecoderPlugins::IsPluginName("zu-decoder-../x.so"));
    EXPECT_FALSE(CZuDecoderPlugins::IsPluginName("zu-decoder-MP3.so"));
}

TEST_F(DecoderPlugins, EachDecoderKnowsItsOwnFiles)
{
    const TZuDecoder* mp3 = Decoder("MP3");
    const TZuDecoder* ogg = Decoder("Ogg Vorbis");
    ASSERT_TRUE(mp3 != nullptr && ogg != nullptr);
    std::vector<unsigned char> tagged = SoundBytes("tone-stereo.mp3");
    std::vector<unsigned char> plain = SoundBytes("tone-mono.mp3");
    std::vector<unsigned char> vorbis = SoundBytes("tone-stereo.ogg");
    EXPECT_GT(mp3->Probe(tagged.data(), 4096), 0);
    EXPECT_GT(mp3->Probe(plain.data(), 4096), 0);
    EXPECT_EQ(mp3->Probe(vorbis.data(), 4096), 0);
    EXPECT_EQ(ogg->Probe(vorbis.data(), 4096), 100);
    EXPECT_EQ(ogg->Probe(tagged.data(), 4096), 0);
    EXPECT_EQ(ogg->Probe(plain.data(), 4096), 0);
    // Radio joined midway: sound that starts inside a frame.
    EXPECT_GT(mp3->Probe(plain.data() + 5001, 4096), 0);
    // Short heads are read no further than they go.
    EXPECT_EQ(mp3->Probe(plain.data(), 3), 0);
    EXPECT_EQ(ogg->Probe(vorbis.data(), 27), 0);
    std::mt19937 random(3);
    std::vector<unsigned char> noise(8192);
    for (unsigned char& byte : noise)
        byte = static_cast<unsigned char>(random());
    EXPECT_EQ(ogg->Probe(noise.data(), 8192), 0);
    EXPECT_EQ(CZuDecoderPlugins::ForHead(vorbis.data(), 4096), ogg);
    EXPECT_EQ(CZuDecoderPlugins::ForHead(tagged.data(), 4096), mp3);
}

TEST_F(DecoderPlugins, AStreamThatCannotSeekDecodesAsTheFileDoes)
{
    for (const char* name : {"tone-stereo.mp3", "tone-mono.mp3", "tone-stereo.ogg", "tone-mono.ogg"})
    {
        std::vector<unsigned char> bytes = SoundBytes(name);
        const TZuDecoder* decoder = CZuDecoderPlugins::ForHead(bytes.data(), static_cast<int>(bytes.size()));
        ASSERT_NE(decoder, nullptr) << name;
        TZuDecodedFormat seekable = {0, 0, 0};
        TZuDecodedFormat stream = {0, 0, 0};
        long fromFile = DecodeAll(decoder, bytes, true, seekable);
        long fromStream = DecodeAll(decoder, bytes, false, stream);
        EXPECT_EQ(fromFile, 3L * seekable.iSampleRate) << name;
        EXPECT_EQ(fromStream, fromFile) << name;
        EXPECT_EQ(stream.iSampleRate, seekable.iSampleRate) << name;
        EXPECT_EQ(stream.iChannels, seekable.iChannels) << name;
    }
}

TEST_F(DecoderPlugins, DecodersRefuseWhatIsNotTheirs)
{
    std::vector<unsigned char> vorbis = SoundBytes("tone-stereo.ogg");
    std::vector<unsigned char> empty;
    for (const char* name : {"MP3", "Ogg Vorbis"})
    {
        const TZuDecoder* decoder = Decoder(name);
        TZuDecodedFormat format = {0, 0, 0};
        EXPECT_LE(DecodeAll(decoder, empty, true, format), 0) << name;
        EXPECT_LE(DecodeAll(decoder, empty, false, format), 0) << name;
    }
    TZuDecodedFormat format = {0, 0, 0};
    EXPECT_LE(DecodeAll(Decoder("MP3"), vorbis, true, format), 0);
}

namespace
{

// The engine over the test decoder, its input given as text.
class DecoderInEngine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iPrevious = IZuSoundOutput::Replace(&iOutput);
        Copy(TestPlugin("good"), iFolder.File("zu-decoder-tone.so"));
        CZuDecoderPlugins::SetFolder(iFolder.Path());
    }
    void TearDown() override
    {
        IZuSoundOutput::Replace(iPrevious);
        CZuDecoderPlugins::SetFolder(PluginFolder());
    }

    void Play(CZuAudioPlayer& player, const std::string& text)
    {
        player.SetWakeUp(&iWakeUps);
        player.Mp3DataPlay(text.data(), static_cast<int>(text.size()));
        ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
    }

    CTempFolder iFolder;
    CCapturingOutput iOutput;
    IZuSoundOutput* iPrevious = nullptr;
    CWakeUps iWakeUps;
};

} // namespace

TEST_F(DecoderInEngine, EveryFrameOfADecoderReachesTheOutput)
{
    CZuAudioPlayer player(nullptr);
    Play(player, "ZUTONE 8000 1 20001 ok");
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Frames(), 20001);
    EXPECT_EQ(iOutput.Rate(), 8000);
    EXPECT_NEAR(ToneFrequency(iOutput.Samples(), 1, 0, 8000), 100, 1);
}

TEST_F(DecoderInEngine, AnImpossibleFormatEndsTheStream)
{
    CZuAudioPlayer player(nullptr);
    Play(player, "ZUTONE 8000 2 20000 badformat");
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EDecodeFailed);
    EXPECT_EQ(iOutput.Frames(), 0);
}

TEST_F(DecoderInEngine, ADecoderThatFailsEndsTheStreamWithWhatItMade)
{
    CZuAudioPlayer player(nullptr);
    Play(player, "ZUTONE 8000 2 100000 fail");
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EDecodeFailed);
    EXPECT_EQ(iOutput.Frames(), 4096);
}

TEST_F(DecoderInEngine, TagsOfAnyDecoderMakeTheTitle)
{
    CZuAudioPlayer player(nullptr);
    Play(player, "ZUTONE 16000 2 100 tags");
    EXPECT_EQ(Text(player.Title()), "Tester - Square");
    EXPECT_EQ(player.GetNumberOfMetaDataEntries(), 2);
}
