#ifndef WAVEFILE_H
#define WAVEFILE_H

#include <string>
#include <vector>

// A RIFF WAVE sound: integer PCM of 8, 16, 24 or 32 bits or 32/64-bit float, any rate and channel count,
// mixed down to one channel of samples from -1 to 1.
class CWaveFile
{
public:
    // False with Error() set when bytes hold no sound we can read.
    bool Parse(const std::vector<unsigned char>& bytes);
    bool Load(const std::string& path);

    const std::vector<float>& Samples() const { return iSamples; }
    int SampleRate() const { return iSampleRate; }
    const std::string& Error() const { return iError; }

private:
    bool Fail(const std::string& error);

    std::vector<float> iSamples;
    int iSampleRate = 0;
    std::string iError;
};

#endif // WAVEFILE_H
