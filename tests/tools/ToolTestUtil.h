#ifndef TOOLTESTUTIL_H
#define TOOLTESTUTIL_H

// Helpers of the course tool tests: running a command with its output captured, scratch folders, files,
// and decoding a pronunciation clip back to samples.
#include "CourseCommands.h"
#include "TestFiles.h"

#include <string>
#include <vector>

class CCourseOper;
class CSpeechSynth;
class CWordInfo;

struct TToolRun
{
    int iStatus;
    std::string iOut;
    std::string iErr;
};

// Runs zulex-course in this process with args (the command first).
TToolRun RunTool(const TArgs& args);

// A text file holding text.
void WriteText(const std::string& path, const std::string& text);

// A WAV file of 16-bit PCM.
std::vector<unsigned char> MakeWav(const std::vector<short>& samples, int rate, int channels);

// Decodes a plain (unscrambled) AMR clip with opencore-amrnb; empty when it is not one.
std::vector<float> DecodeAmr(const unsigned char* clip, int length);
// A word's clip in a course, decoded; empty when it has none.
std::vector<float> CourseClip(const CCourseOper& course, const CWordInfo& word);
// espeak-ng saying a word now as the builder has it said, from its transcription (from its text when the
// transcription is empty or not understood), made into a clip and decoded; empty when nothing was said.
std::vector<float> SpokenClip(CSpeechSynth& synth, const std::string& word, const std::string& phonetic);

// RMS per frame of frameSamples samples.
std::vector<float> Envelope(const std::vector<float>& samples, int frameSamples);
// Pearson correlation over the common length.
double Correlation(const std::vector<float>& a, const std::vector<float>& b);

// Log energies (dB) of 16 frequency bands per 20 ms frame of 8000 Hz samples.
std::vector<std::vector<float>> Spectrogram(const std::vector<float>& samples);
// The mean distance between the frames of two spectrograms along their best time alignment (dynamic
// time warping): small for two renderings of one word, larger for different words.
double SpectralDistance(const std::vector<std::vector<float>>& a, const std::vector<std::vector<float>>& b);

#endif // TOOLTESTUTIL_H
