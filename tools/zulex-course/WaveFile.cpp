#include "WaveFile.h"

#include "WholeFile.h"
#include "ZuLittleEndian.h"

#include <cstring>

namespace
{

const int KFormatPcm = 1;
const int KFormatFloat = 3;
const int KFormatExtensible = 0xFFFE;
const int KMaxChannels = 32;
const int KMaxRate = 768000;

float Clamp(double value)
{
    if (!(value == value))
        return 0.0f;
    return static_cast<float>(value < -1.0 ? -1.0 : value > 1.0 ? 1.0 : value);
}

// One sample of the given format, from -1 to 1.
float Sample(const unsigned char* p, int format, int bits)
{
    if (format == KFormatFloat)
    {
        if (bits == 32)
        {
            float value;
            std::memcpy(&value, p, 4);
            return Clamp(value);
        }
        double value;
        std::memcpy(&value, p, 8);
        return Clamp(value);
    }
    switch (bits)
    {
    case 8:
        return (p[0] - 128) / 128.0f;
    case 16:
        return CZuLittleEndian::ReadInt16(p) / 32768.0f;
    case 24:
        // The three bytes as the top of a 32-bit sample.
        return static_cast<int>((p[0] << 8) | (p[1] << 16) | (static_cast<unsigned int>(p[2]) << 24)) /
               2147483648.0f;
    default:
        return CZuLittleEndian::ReadInt32(p) / 2147483648.0f;
    }
}

} // namespace

bool CWaveFile::Fail(const std::string& error)
{
    iError = error;
    iSamples.clear();
    return false;
}

bool CWaveFile::Load(const std::string& path)
{
    std::vector<unsigned char> bytes;
    if (!ReadFileWhole(path, bytes))
        return Fail("cannot be read");
    return Parse(bytes);
}

bool CWaveFile::Parse(const std::vector<unsigned char>& bytes)
{
    iSamples.clear();
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return Fail("not a WAV file");

    int format = 0;
    int channels = 0;
    int bits = 0;
    const unsigned char* data = nullptr;
    size_t dataSize = 0;
    size_t pos = 12;
    while (pos + 8 <= bytes.size())
    {
        const unsigned char* chunk = bytes.data() + pos;
        size_t size = CZuLittleEndian::ReadUint32(chunk + 4);
        size_t available = bytes.size() - pos - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16 && size <= available)
        {
            format = CZuLittleEndian::ReadUint16(chunk + 8);
            channels = CZuLittleEndian::ReadUint16(chunk + 10);
            iSampleRate = static_cast<int>(CZuLittleEndian::ReadUint32(chunk + 12));
            bits = CZuLittleEndian::ReadUint16(chunk + 22);
            if (format == KFormatExtensible && size >= 26)
                format = CZuLittleEndian::ReadUint16(chunk + 32);
        }
        else if (std::memcmp(chunk, "data", 4) == 0)
        {
            // A data chunk cut short (a recording stopped early) is read as far as it goes.
            data = chunk + 8;
            dataSize = size < available ? size : available;
            break;
        }
        if (size > available)
            break;
        pos += 8 + size + (size & 1);
    }

    if (format == 0)
        return Fail("WAV file without a format chunk");
    if (data == nullptr)
        return Fail("WAV file without sound data");
    bool pcm = format == KFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    bool floating = format == KFormatFloat && (bits == 32 || bits == 64);
    if (!pcm && !floating)
        return Fail("unsupported WAV encoding (format " + std::to_string(format) + ", " +
                    std::to_string(bits) + " bits); use PCM or float");
    if (channels < 1 || channels > KMaxChannels || iSampleRate < 1000 || iSampleRate > KMaxRate)
        return Fail("implausible WAV header (" + std::to_string(channels) + " channels, " +
                    std::to_string(iSampleRate) + " Hz)");

    size_t sampleBytes = static_cast<size_t>(bits / 8);
    size_t frameBytes = sampleBytes * channels;
    size_t frames = dataSize / frameBytes;
    if (frames == 0)
        return Fail("WAV file holds no sound");
    iSamples.resize(frames);
    for (size_t frame = 0; frame < frames; ++frame)
    {
        const unsigned char* p = data + frame * frameBytes;
        float sum = 0.0f;
        for (int channel = 0; channel < channels; ++channel)
            sum += Sample(p + channel * sampleBytes, format, bits);
        iSamples[frame] = sum / channels;
    }
    return true;
}
