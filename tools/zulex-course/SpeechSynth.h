#ifndef SPEECHSYNTH_H
#define SPEECHSYNTH_H

#include <string>
#include <vector>

// espeak-ng in this process: IPA for a word and its spoken form. espeak-ng keeps global state: it starts
// with the first Open and stops when the process exits, and a process uses one of these at a time.
class CSpeechSynth
{
public:
    // The default voice: British English in the Received Pronunciation that the word books transcribe
    // (its BATH vowel is the long ɑː of the dictionaries).
    static const char KDefaultVoice[];

    CSpeechSynth();
    ~CSpeechSynth();

    // Starts espeak-ng with voice (an espeak-ng voice name, or a language such as "en-gb"). False with
    // Error() set when espeak-ng cannot start or has no such voice.
    bool Open(const std::string& voice);
    const std::string& Error() const { return iError; }

    // espeak-ng's IPA for text, words separated by spaces.
    std::string Ipa(const std::string& text);
    // Speaks text into samples (-1 to 1) at SampleRate(); false when nothing was produced. Text is read
    // as text: brackets in it are not taken for phonemes.
    bool Speak(const std::string& text, std::vector<float>& samples);
    // Speaks phoneme mnemonics (as CEspeakPhonemes makes them) into samples; false when nothing was
    // produced or the mnemonics could close the phoneme brackets.
    bool SpeakPhonemes(const std::string& phonemes, std::vector<float>& samples);
    // espeak-ng's IPA for what it says for the phoneme mnemonics (found by saying them).
    std::string PhonemesIpa(const std::string& phonemes);
    int SampleRate() const { return iSampleRate; }

private:
    CSpeechSynth(const CSpeechSynth&) = delete;
    CSpeechSynth& operator=(const CSpeechSynth&) = delete;

    bool Synthesise(const std::string& input, unsigned int flags, std::vector<float>& samples);

    bool iOpen;
    int iSampleRate;
    std::string iError;
};

#endif // SPEECHSYNTH_H
