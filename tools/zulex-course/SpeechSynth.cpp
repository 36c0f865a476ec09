#include "SpeechSynth.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

// The synthesis callback appends here; espeak-ng calls it on this thread during espeak_Synth.
std::vector<float>* gSamples = nullptr;

int CollectSamples(short* wave, int count, espeak_EVENT* /*events*/)
{
    if (wave == nullptr || gSamples == nullptr)
        return 0;
    for (int i = 0; i < count; ++i)
        gSamples->push_back(wave[i] / 32768.0f);
    return 0;
}

// espeak-ng starts once per process: once it has been terminated it cannot be started again.
int StartEspeak()
{
    static int sampleRate = 0;
    if (sampleRate > 0)
        return sampleRate;
    sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (sampleRate <= 0)
        return sampleRate;
    espeak_SetSynthCallback(CollectSamples);
    std::atexit([] { espeak_Terminate(); });
    return sampleRate;
}

} // namespace

const char CSpeechSynth::KDefaultVoice[] = "en-gb-x-rp";

CSpeechSynth::CSpeechSynth() : iOpen(false), iSampleRate(0) {}

CSpeechSynth::~CSpeechSynth() {}

bool CSpeechSynth::Open(const std::string& voice)
{
    if (!iOpen)
    {
        iSampleRate = StartEspeak();
        if (iSampleRate <= 0)
        {
            iError = "espeak-ng could not start (is espeak-ng-data installed?)";
            return false;
        }
        iOpen = true;
    }
    if (espeak_SetVoiceByName(voice.c_str()) == EE_OK)
        return true;
    espeak_VOICE wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.languages = voice.c_str();
    if (espeak_SetVoiceByProperties(&wanted) == EE_OK)
        return true;
    iError = "espeak-ng has no voice '" + voice + "'";
    return false;
}

std::string CSpeechSynth::Ipa(const std::string& text)
{
    std::string ipa;
    const void* cursor = text.c_str();
    while (cursor != nullptr)
    {
        const char* phonemes = espeak_TextToPhonemes(&cursor, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (phonemes == nullptr || *phonemes == '\0')
            continue;
        if (!ipa.empty())
            ipa += ' ';
        ipa += phonemes;
    }
    return ipa;
}

bool CSpeechSynth::Speak(const std::string& text, std::vector<float>& samples)
{
    return Synthesise(text, 0, samples);
}

bool CSpeechSynth::SpeakPhonemes(const std::string& phonemes, std::vector<float>& samples)
{
    if (phonemes.find("]]") != std::string::npos)
    {
        samples.clear();
        return false;
    }
    return Synthesise("[[" + phonemes + "]]", espeakPHONEMES, samples);
}

std::string CSpeechSynth::PhonemesIpa(const std::string& phonemes)
{
    char* traced = nullptr;
    size_t size = 0;
    FILE* trace = open_memstream(&traced, &size);
    if (trace == nullptr)
        return std::string();
    espeak_SetPhonemeTrace(espeakPHONEMES_IPA, trace);
    std::vector<float> samples;
    bool spoken = SpeakPhonemes(phonemes, samples);
    espeak_SetPhonemeTrace(0, nullptr);
    std::fclose(trace);
    std::string ipa;
    // One line per clause; words separated by spaces.
    for (size_t i = 0; spoken && i < size; ++i)
    {
        bool space = traced[i] == ' ' || traced[i] == '\n';
        if (!space)
            ipa += traced[i];
        else if (!ipa.empty() && ipa.back() != ' ')
            ipa += ' ';
    }
    std::free(traced);
    while (!ipa.empty() && ipa.back() == ' ')
        ipa.pop_back();
    return ipa;
}

bool CSpeechSynth::Synthesise(const std::string& input, unsigned int flags, std::vector<float>& samples)
{
    samples.clear();
    gSamples = &samples;
    espeak_ERROR result = espeak_Synth(input.c_str(), input.size() + 1, 0, POS_CHARACTER, 0,
                                       espeakCHARS_UTF8 | flags, nullptr, nullptr);
    gSamples = nullptr;
    return result == EE_OK && !samples.empty();
}
