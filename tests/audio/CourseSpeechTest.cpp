// Pronunciations as the course builder makes them, played through the audio player: the sound handed to
// the output follows, 20 ms by 20 ms, the loudness of what espeak-ng said for the word: for its
// transcription when the list gives one, for its text when it does not.
#include "CourseBuilder.h"
#include "CourseOper.h"
#include "EspeakPhonemes.h"
#include "SpeechClip.h"
#include "SpeechSynth.h"
#include "ToolTestUtil.h"
#include "WordInfo.h"
#include "ZuAudio.h"
#include <algorithm>

#include <gtest/gtest.h>

namespace
{

const int KFrameSamples = 160;
// The AMR-NB codec gives back its input 5 ms late.
const int KCodecDelaySamples = 40;

class CRecordingOutput : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override { iImage.assign(image, image + size); }
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return true; }

    std::vector<unsigned char> iImage;
};

// The word's clip as the program plays it: read from the course, decoded by the player.
std::vector<float> Played(const CCourseOper& course, const CWordInfo& word)
{
    int length = 0;
    char* clip = course.ReadSpeech(word, length);
    if (clip == nullptr)
        return std::vector<float>();
    CRecordingOutput output;
    IZuSoundOutput* previous = IZuSoundOutput::Replace(&output);
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(clip, length);
    IZuSoundOutput::Replace(previous);
    delete[] clip;

    std::vector<float> samples;
    for (size_t at = 44; at + 1 < output.iImage.size(); at += 2)
        samples.push_back(static_cast<short>(output.iImage[at] | output.iImage[at + 1] << 8) / 32768.0f);
    return samples;
}

struct TListedWord
{
    std::string iWord;
    std::string iPhonetic;
};

// espeak-ng's sound for the word, from its transcription or else its text, brought to 8000 Hz and trimmed
// and levelled the way the builder does before it encodes.
std::vector<float> Synthesised(const TListedWord& word)
{
    CSpeechSynth synth;
    std::vector<float> spoken;
    std::vector<float> source;
    std::string error;
    std::string phonemes;
    std::string unknown;
    if (!synth.Open(CSpeechSynth::KDefaultVoice))
        return std::vector<float>();
    bool said = word.iPhonetic.empty() ? synth.Speak(word.iWord, spoken)
                                       : CEspeakPhonemes::FromIpa(word.iPhonetic, phonemes, unknown) &&
                                             synth.SpeakPhonemes(phonemes, spoken);
    if (!said || !CSpeechClip::Resample(spoken, synth.SampleRate(), source, error))
        return std::vector<float>();
    CSpeechClip::TrimSilence(source);
    CSpeechClip::Normalise(source);
    return source;
}

std::vector<float> FrameEnergies(const std::vector<float>& samples)
{
    std::vector<float> energies;
    for (float rms : Envelope(samples, KFrameSamples))
        energies.push_back(rms * rms * KFrameSamples);
    return energies;
}

} // namespace

TEST(CourseSpeech, PlayedPronunciationsFollowTheSynthesisedWord)
{
    const std::vector<TListedWord> words = {{"window", ""},
                                            {"beautiful", "/ˈbjuːtɪfl/"},
                                            {"yesterday", ""},
                                            {"close", "/ˈkləʊz/"},
                                            {"good morning", "/ˌgʊd ˈmɔːnɪŋ/"}};
    CTempFolder folder;
    std::string list;
    for (const TListedWord& word : words)
        list += word.iWord + "\t" + word.iPhonetic + "\tn.\tn. " + word.iWord + "\n";
    WriteText(folder.File("speech.tsv"), list);
    FILE* messages = std::tmpfile();
    CCourseBuilder builder(CCourseBuilder::TOptions(), messages);
    ASSERT_EQ(builder.Build(folder.File("speech.tsv"), folder.Path(), "speech"),
              static_cast<int>(words.size()));
    std::fclose(messages);

    CCourseOper course("speech", folder.Path().c_str());
    course.LoadAll();
    ASSERT_EQ(course.WordCount(), static_cast<int>(words.size()));
    for (int i = 0; i < course.WordCount(); ++i)
    {
        const CWordInfo& word = *course.Word(i);
        std::string text(Str(word.iWord));
        ASSERT_EQ(words[i].iWord, text);
        std::vector<float> played = Played(course, word);
        std::vector<float> source = Synthesised(words[i]);
        ASSERT_FALSE(source.empty()) << text;
        // Whole frames of the trimmed sound, the last one filled up with silence. The synthesiser's timing
        // may vary by a frame or two from one call to the next, so the lengths agree within 40 ms and the
        // envelopes are compared over the part both have.
        const size_t wholeFrames = (source.size() + KFrameSamples - 1) / KFrameSamples * KFrameSamples;
        const size_t lengthDifference =
            played.size() > wholeFrames ? played.size() - wholeFrames : wholeFrames - played.size();
        ASSERT_LE(lengthDifference, static_cast<size_t>(2 * KFrameSamples)) << text;
        ASSERT_GT(played.size(), static_cast<size_t>(KCodecDelaySamples + 4 * KFrameSamples)) << text;
        std::vector<float> aligned(played.begin() + KCodecDelaySamples, played.end());
        const size_t common = std::min(aligned.size(), source.size());
        aligned.resize(common);
        source.resize(common);
        double correlation = Correlation(FrameEnergies(aligned), FrameEnergies(source));
        EXPECT_GE(correlation, 0.9) << text;
        RecordProperty(text, std::to_string(correlation));
        std::printf("%-14s %zu frames, correlation of frame energies %.3f\n", text.c_str(),
                    played.size() / KFrameSamples, correlation);
    }
}
