#ifndef SPEECHCLIP_H
#define SPEECHCLIP_H

#include "AmrFormat.h"

#include <string>
#include <vector>

// Turns a sound into a pronunciation clip as the speech file stores it: resampled to 8000 Hz (libsamplerate),
// silence at both ends trimmed, the peak brought to -3 dBFS, encoded as AMR-NB 12.2 kbit/s in the
// single-channel AMR file format (opencore-amrnb), made quieter where its decoded sound would clip, and
// scrambled.
class CSpeechClip
{
public:
    static const int KClipRate = 8000;

    CSpeechClip();
    ~CSpeechClip();

    // samples from -1 to 1 at rate. False with Error() set when there is nothing to encode.
    bool Make(const std::vector<float>& samples, int rate, TClipBytes& clip);
    const std::string& Error() const { return iError; }

    // The steps of Make, for the tests.
    static bool Resample(const std::vector<float>& in, int rate, std::vector<float>& out, std::string& error);
    static void TrimSilence(std::vector<float>& samples);
    static void Normalise(std::vector<float>& samples);

private:
    CSpeechClip(const CSpeechClip&) = delete;
    CSpeechClip& operator=(const CSpeechClip&) = delete;

    bool Encode(const std::vector<float>& samples, TClipBytes& clip);

    std::string iError;
};

#endif // SPEECHCLIP_H
