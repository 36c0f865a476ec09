// zulex-course as its users run it: build, dump and info --check, their errors, and what a failed build
// leaves behind.
#include "AmrFormat.h"
#include "CourseOper.h"
#include "SpeechSynth.h"
#include "ToolTestUtil.h"
#include "WordInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{

const char KList[] = "bank\t/ˈbæŋk/\tn.\tn. 银行；河岸\n"
                     "hello\t\tint.\tint. 你好\\nn. 招呼\n"
                     "excuse me\t/ɪkˈskjuːz miː/\tphr.\tphr. 劳驾；对不起\n";

std::string Slurp(const std::string& path)
{
    std::vector<unsigned char> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void Patch32(const std::string& path, size_t offset, int value)
{
    std::vector<unsigned char> bytes = ReadFileBytes(path);
    for (int k = 0; k < 4; ++k)
        bytes[offset + k] = static_cast<unsigned char>(static_cast<unsigned int>(value) >> (8 * k));
    WriteFileBytes(path, bytes);
}

} // namespace

TEST(CourseTool, UsageAndUnknownCommands)
{
    TToolRun run = RunTool({});
    EXPECT_EQ(2, run.iStatus);
    EXPECT_NE(std::string::npos, run.iErr.find("zulex-course build"));
    run = RunTool({"frobnicate"});
    EXPECT_EQ(2, run.iStatus);
    EXPECT_NE(std::string::npos, run.iErr.find("unknown command 'frobnicate'"));
    EXPECT_EQ(2, RunTool({"build", "only-one-path"}).iStatus);
    EXPECT_EQ(2, RunTool({"build", "--bogus", "a.tsv", "out/a"}).iStatus);
    EXPECT_EQ(2, RunTool({"dump"}).iStatus);
    EXPECT_EQ(0, RunTool({"--help"}).iStatus);
}

TEST(CourseTool, BuildThenDumpGivesBackTheListWithPhoneticsFilledIn)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    TToolRun build = RunTool({"build", folder.File("words.tsv"), folder.File("out/words")});
    ASSERT_EQ(0, build.iStatus) << build.iErr;
    EXPECT_EQ(folder.File("out/words") + ": 3 words\n", build.iOut);

    TToolRun dump = RunTool({"dump", folder.File("out/words")});
    ASSERT_EQ(0, dump.iStatus) << dump.iErr;
    std::string expected = KList;
    expected.replace(expected.find("hello\t\t"), 7, "hello\t/həˈləʊ/\t");
    EXPECT_EQ(expected, dump.iOut);

    // The program reads what the tool wrote: texts, and a clip for every word.
    CCourseOper course("words", folder.File("out").c_str());
    course.LoadAll();
    ASSERT_EQ(3, course.WordCount());
    for (int i = 0; i < 3; ++i)
    {
        int length = 0;
        char* clip = course.ReadSpeech(*course.Word(i), length);
        ASSERT_NE(nullptr, clip);
        int frames = 0;
        EXPECT_EQ("", CAmrFormat::Validate(reinterpret_cast<unsigned char*>(clip), length, frames));
        // A word takes between a fifth of a second and two seconds to say.
        EXPECT_GE(frames, 10);
        EXPECT_LE(frames, 100);
        delete[] clip;
    }
    EXPECT_EQ(std::vector<std::string>({"words.dat", "words.idx", "words.pro"}),
              [&]
              {
                  std::vector<std::string> names = FolderEntries(folder.File("out"));
                  std::sort(names.begin(), names.end());
                  return names;
              }());
}

TEST(CourseTool, InfoAndCheckOfAGoodCourse)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    ASSERT_EQ(0, RunTool({"build", folder.File("words.tsv"), folder.File("words")}).iStatus);
    TToolRun info = RunTool({"info", folder.File("words.idx")});
    EXPECT_EQ(0, info.iStatus);
    EXPECT_NE(std::string::npos, info.iOut.find("words        3\n"));
    EXPECT_NE(std::string::npos, info.iOut.find("words.idx: 56 bytes"));
    EXPECT_EQ(std::string::npos, info.iOut.find("check"));
    TToolRun check = RunTool({"info", "--check", folder.File("words")});
    EXPECT_EQ(0, check.iStatus) << check.iErr;
    EXPECT_NE(std::string::npos, check.iOut.find("check passed: 3 words, 3 clips"));
}

TEST(CourseTool, CheckNamesEachDamagedWord)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    ASSERT_EQ(0, RunTool({"build", folder.File("words.tsv"), folder.File("words")}).iStatus);
    std::string index = folder.File("words.idx");
    // Word 0: a clip that runs past the speech file. Word 2: a record offset beyond the data file.
    Patch32(index, 8 + 12, 100000000);
    Patch32(index, 8 + 32 + 4, 999999);
    // Word 1: its clip no longer starts with the AMR magic.
    std::vector<unsigned char> entry = ReadFileBytes(index);
    int offset = entry[8 + 16 + 8] | (entry[8 + 16 + 9] << 8) | (entry[8 + 16 + 10] << 16);
    std::vector<unsigned char> speech = ReadFileBytes(folder.File("words.pro"));
    speech[offset + 1] ^= 0xFF;
    WriteFileBytes(folder.File("words.pro"), speech);

    TToolRun check = RunTool({"info", "--check", folder.File("words")});
    EXPECT_EQ(1, check.iStatus);
    EXPECT_NE(std::string::npos, check.iOut.find("check failed: 3 problems"));
    EXPECT_NE(std::string::npos, check.iErr.find("word 0 'bank': its clip (100000000 bytes at"));
    EXPECT_NE(std::string::npos,
              check.iErr.find("word 1 'hello': its clip does not start with the AMR magic"));
    EXPECT_NE(std::string::npos,
              check.iErr.find("word 2: its record offset 999999 is outside the data file"));
}

TEST(CourseTool, CheckFindsHeaderAndRecordDamage)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    ASSERT_EQ(0, RunTool({"build", "--no-speech", folder.File("words.tsv"), folder.File("words")}).iStatus);
    Patch32(folder.File("words.idx"), 4, 7);
    std::vector<unsigned char> data = ReadFileBytes(folder.File("words.dat"));
    data.resize(data.size() - 3);
    WriteFileBytes(folder.File("words.dat"), data);
    TToolRun check = RunTool({"info", "--check", folder.File("words")});
    EXPECT_EQ(1, check.iStatus);
    EXPECT_NE(std::string::npos,
              check.iErr.find("the index header counts 7 words but the file holds 3 entries"));
    EXPECT_NE(std::string::npos, check.iErr.find("data file's header differs"));
    EXPECT_NE(std::string::npos, check.iErr.find("word 2 'excuse me': its record is cut short"));
    EXPECT_EQ(1, RunTool({"info", "--check", folder.File("missing")}).iStatus);
}

TEST(CourseTool, BadLinesAreNamedAndNothingIsWritten)
{
    CTempFolder folder;
    WriteText(folder.File("bad.tsv"), "good\t/g/\tn.\tn. 好\n"
                                      "\t/x/\tn.\tn. 无词\n"
                                      "word\t/w/\t\tn. 无注\n"
                                      "word\t/w/\tn.\t\n" +
                                          std::string(130, 'a') +
                                          "\t/a/\tn.\tx\n"
                                          "snd\t/s/\tn.\tx\tmissing.wav\n");
    TToolRun build = RunTool({"build", folder.File("bad.tsv"), folder.File("out/bad")});
    EXPECT_EQ(1, build.iStatus);
    std::string list = folder.File("bad.tsv");
    EXPECT_NE(std::string::npos, build.iErr.find(list + ":2: no word"));
    EXPECT_NE(std::string::npos, build.iErr.find(list + ":3: no phonetic note"));
    EXPECT_NE(std::string::npos, build.iErr.find(list + ":4: no explanation"));
    EXPECT_NE(std::string::npos, build.iErr.find(list + ":5: word is 130 bytes long"));
    EXPECT_NE(std::string::npos, build.iErr.find("out/bad not built"));
    EXPECT_FALSE(FileExists(folder.File("out")));

    // The sound file is looked at once the lines are good.
    WriteText(folder.File("snd.tsv"), "snd\t/s/\tn.\tx\tmissing.wav\n");
    build = RunTool({"build", folder.File("snd.tsv"), folder.File("snd")});
    EXPECT_EQ(1, build.iStatus);
    EXPECT_NE(std::string::npos, build.iErr.find(folder.File("snd.tsv") + ":1: sound file " +
                                                 folder.File("missing.wav") + ": cannot be read"));
    std::vector<std::string> names = FolderEntries(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::vector<std::string>({"bad.tsv", "snd.tsv"}), names);

    EXPECT_EQ(1, RunTool({"build", folder.File("none.tsv"), folder.File("x")}).iStatus);
    WriteText(folder.File("empty.tsv"), "# nothing\n");
    TToolRun empty = RunTool({"build", folder.File("empty.tsv"), folder.File("x")});
    EXPECT_EQ(1, empty.iStatus);
    EXPECT_NE(std::string::npos, empty.iErr.find("holds no words"));
}

TEST(CourseTool, FailedRebuildLeavesTheOldCourseWhole)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    ASSERT_EQ(0, RunTool({"build", folder.File("words.tsv"), folder.File("words")}).iStatus);
    std::vector<unsigned char> index = ReadFileBytes(folder.File("words.idx"));
    std::vector<unsigned char> data = ReadFileBytes(folder.File("words.dat"));
    std::vector<unsigned char> speech = ReadFileBytes(folder.File("words.pro"));

    // A list that fails only at its last word's sound, after the other clips were made.
    WriteText(folder.File("words.tsv"), std::string(KList) + "late\t/l/\tn.\tx\tbroken.wav\n");
    WriteText(folder.File("broken.wav"), "RIFF....WAVEjunk");
    EXPECT_EQ(1, RunTool({"build", folder.File("words.tsv"), folder.File("words")}).iStatus);
    EXPECT_EQ(index, ReadFileBytes(folder.File("words.idx")));
    EXPECT_EQ(data, ReadFileBytes(folder.File("words.dat")));
    EXPECT_EQ(speech, ReadFileBytes(folder.File("words.pro")));
    std::vector<std::string> names = FolderEntries(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::vector<std::string>({"broken.wav", "words.dat", "words.idx", "words.pro", "words.tsv"}),
              names);
}

TEST(CourseTool, GivenSoundFileIsThePronunciation)
{
    CTempFolder folder;
    // One second of a 200 Hz tone at 11025 Hz, stereo.
    std::vector<short> samples;
    for (int i = 0; i < 11025; ++i)
    {
        short s = static_cast<short>(8000 * std::sin(2 * M_PI * 200 * i / 11025.0));
        samples.push_back(s);
        samples.push_back(s);
    }
    WriteFileBytes(folder.File("tone.wav"), MakeWav(samples, 11025, 2));
    WriteText(folder.File("t.tsv"), "tone\t/təʊn/\tn.\tn. 音调\ttone.wav\n");
    ASSERT_EQ(0, RunTool({"build", folder.File("t.tsv"), folder.File("t")}).iStatus);
    CCourseOper course("t", folder.Path().c_str());
    course.LoadAll();
    int length = 0;
    char* clip = course.ReadSpeech(*course.Word(0), length);
    ASSERT_NE(nullptr, clip);
    std::vector<float> decoded = DecodeAmr(reinterpret_cast<unsigned char*>(clip), length);
    delete[] clip;
    // One second is 50 frames; the tone comes back at the level it was raised to.
    EXPECT_EQ(50u * 160, decoded.size());
    std::vector<float> envelope = Envelope(decoded, 160);
    EXPECT_NEAR(0.5, envelope[25], 0.08);
    // Zero crossings over the middle half second: 200 Hz gives about 200.
    int crossings = 0;
    for (size_t i = 2001; i < 6000; ++i)
        crossings += (decoded[i - 1] < 0) != (decoded[i] < 0);
    EXPECT_NEAR(200, crossings, 10);
}

TEST(CourseTool, NoSpeechBuildsWithoutClipsAndReplacesAnOldSpeechFile)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    ASSERT_EQ(0, RunTool({"build", folder.File("words.tsv"), folder.File("words")}).iStatus);
    ASSERT_FALSE(ReadFileBytes(folder.File("words.pro")).empty());
    TToolRun build = RunTool({"build", "--no-speech", folder.File("words.tsv"), folder.File("words")});
    ASSERT_EQ(0, build.iStatus);
    EXPECT_NE(std::string::npos, build.iOut.find("no speech"));
    EXPECT_TRUE(ReadFileBytes(folder.File("words.pro")).empty());
    CCourseOper course("words", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(3, course.WordCount());
    EXPECT_EQ(0, course.Word(1)->iSpeechLength);
    EXPECT_TRUE(course.Word(1)->iPhonetic == "/həˈləʊ/");
}

TEST(CourseTool, UnknownVoiceIsAnError)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    TToolRun build = RunTool({"build", "--voice", "xx-nowhere", folder.File("words.tsv"), folder.File("w")});
    EXPECT_EQ(1, build.iStatus);
    EXPECT_NE(std::string::npos, build.iErr.find("no voice 'xx-nowhere'"));
    EXPECT_EQ(0, RunTool({"build", "--voice=en-us", folder.File("words.tsv"), folder.File("w")}).iStatus);
}

TEST(CourseTool, TheInstalledProgramRuns)
{
    CTempFolder folder;
    WriteText(folder.File("words.tsv"), KList);
    std::string tool = std::string(ZU_TEST_OUT_DIR) + "/zulex-course";
    std::string build =
        tool + " build --no-speech " + folder.File("words.tsv") + " " + folder.File("w") + " >/dev/null";
    EXPECT_EQ(0, std::system(build.c_str()));
    std::string dump = tool + " dump " + folder.File("w") + " > " + folder.File("dump.tsv");
    EXPECT_EQ(0, std::system(dump.c_str()));
    EXPECT_NE(std::string::npos, Slurp(folder.File("dump.tsv")).find("bank\t/ˈbæŋk/"));
    std::string bad = tool + " dump " + folder.File("nothing") + " 2>/dev/null";
    EXPECT_NE(0, std::system(bad.c_str()));
}

TEST(CourseTool, WordsAreSpokenFromTheirTranscription)
{
    CTempFolder folder;
    // The transcription, not the text, is what is said: this "tomato" sounds like "bank".
    WriteText(folder.File("words.tsv"), "tomato\t/ˈbæŋk/\tn.\tn. 番茄\n"
                                        "kaput\t/kəˈpʊɸ/\tadj.\tadj. 坏了的\n"
                                        "window\t\tn.\tn. 窗户\n");
    TToolRun build = RunTool({"build", folder.File("words.tsv"), folder.File("words")});
    ASSERT_EQ(0, build.iStatus) << build.iErr;
    // A symbol espeak-ng has no phoneme for: a warning naming the line, and the word's text is said.
    EXPECT_EQ(folder.File("words.tsv") + ":2: warning: phonetic /kəˈpʊɸ/: espeak-ng has no phoneme for 'ɸ' "
                                         "(U+0278); 'kaput' is spoken from its text\n",
              build.iErr);

    CCourseOper course("words", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(3, course.WordCount());
    CSpeechSynth synth;
    ASSERT_TRUE(synth.Open(CSpeechSynth::KDefaultVoice)) << synth.Error();
    auto distance = [&](int word, const std::string& text, const std::string& phonetic)
    {
        return SpectralDistance(Spectrogram(CourseClip(course, *course.Word(word))),
                                Spectrogram(SpokenClip(synth, text, phonetic)));
    };
    EXPECT_LT(distance(0, "", "/ˈbæŋk/"), distance(0, "tomato", ""));
    EXPECT_LT(distance(1, "kaput", ""), distance(1, "", "/kəˈpʊ/"));
    // A phonetic filled in by espeak-ng: the word's text is said.
    EXPECT_LT(distance(2, "window", ""), distance(2, "", "/ˈwɪndəʊz/"));
}

TEST(CourseTool, TooManyUnknownSymbolsAreCounted)
{
    CTempFolder folder;
    std::string list;
    for (int i = 0; i < 60; ++i)
        list += "word" + std::to_string(i) + "\t/ˈwɜːɸ/\tn.\tn. 词\n";
    WriteText(folder.File("words.tsv"), list);
    TToolRun build = RunTool({"build", folder.File("words.tsv"), folder.File("words")});
    ASSERT_EQ(0, build.iStatus) << build.iErr;
    EXPECT_NE(std::string::npos, build.iErr.find("words.tsv:50: warning: "));
    EXPECT_EQ(std::string::npos, build.iErr.find("words.tsv:51: warning: "));
    EXPECT_NE(std::string::npos,
              build.iErr.find("words.tsv: warning: 10 more words are spoken from their text"));
    EXPECT_EQ(0, RunTool({"info", "--check", folder.File("words")}).iStatus);
}
