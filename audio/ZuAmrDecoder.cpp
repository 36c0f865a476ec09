#include "ZuAmrDecoder.h"

#include "ZuBuffer.h"

#include <cstring>
#include <opencore-amrnb/interf_dec.h>

namespace
{

// Payload bytes of frame types 0 to 8 (the eight speech modes and the comfort-noise frame).
const unsigned char KPayloadBytes[9] = {12, 13, 15, 17, 19, 20, 26, 31, 5};
// Header byte plus the longest payload.
const int KLongestFrame = 32;

int FrameType(unsigned char header)
{
    return (header >> 3) & 0x0F;
}

void PutLittleEndian32(unsigned char* at, unsigned int value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
    at[2] = static_cast<unsigned char>(value >> 16);
    at[3] = static_cast<unsigned char>(value >> 24);
}

void PutLittleEndian16(unsigned char* at, unsigned int value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

// Walks the frames of a clip: header byte and as much of the payload as the clip still holds.
class CFrameCursor
{
public:
    CFrameCursor(const char* clip, int length)
        : iClip(reinterpret_cast<const unsigned char*>(clip)),
          iLength(clip != nullptr && length > 0 ? length : 0), iPos(CZuAmrDecoder::KMagicBytes)
    {
    }

    // The next frame's bytes, or 0 when the clip is used up.
    int Next(const unsigned char*& frame)
    {
        if (iPos >= iLength)
            return 0;
        frame = iClip + iPos;
        int bytes = 1 + CZuAmrDecoder::PayloadBytes(FrameType(*frame));
        if (bytes > iLength - iPos)
            bytes = iLength - iPos;
        iPos += bytes;
        return bytes;
    }

private:
    const unsigned char* iClip;
    int iLength;
    int iPos;
};

void PutSamples(unsigned char* at, const short* samples)
{
    for (int i = 0; i < CZuAmrDecoder::KSamplesPerFrame; ++i)
        PutLittleEndian16(at + 2 * i, static_cast<unsigned short>(samples[i]));
}

} // namespace

CZuAmrDecoder::CZuAmrDecoder() {}

CZuAmrDecoder::~CZuAmrDecoder() {}

int CZuAmrDecoder::PayloadBytes(int frameType)
{
    if (frameType < 0 || frameType > 8)
        return 0;
    return KPayloadBytes[frameType];
}

int CZuAmrDecoder::CountFrames(const char* clip, int length)
{
    CFrameCursor cursor(clip, length);
    const unsigned char* frame;
    int frames = 0;
    while (frames < KMaxFrames && cursor.Next(frame) > 0)
        ++frames;
    return frames;
}

void CZuAmrDecoder::WriteWavHeader(unsigned char* header, int pcmBytes)
{
    std::memcpy(header, "RIFF", 4);
    PutLittleEndian32(header + 4, static_cast<unsigned int>(pcmBytes) + 36);
    std::memcpy(header + 8, "WAVE", 4);
    std::memcpy(header + 12, "fmt ", 4);
    PutLittleEndian32(header + 16, 16);
    PutLittleEndian16(header + 20, 1);
    PutLittleEndian16(header + 22, 1);
    PutLittleEndian32(header + 24, KSampleRate);
    PutLittleEndian32(header + 28, KSampleRate * 2);
    PutLittleEndian16(header + 32, 2);
    PutLittleEndian16(header + 34, 16);
    std::memcpy(header + 36, "data", 4);
    PutLittleEndian32(header + 40, static_cast<unsigned int>(pcmBytes));
}

bool CZuAmrDecoder::DecodeToWav(const char* clip, int length, CZuBuffer& image)
{
    int frames = CountFrames(clip, length);
    int pcmBytes = frames * KFrameBytes;
    image.Resize(KWavHeaderBytes + pcmBytes);
    if (image.Size() != KWavHeaderBytes + pcmBytes)
    {
        image.Resize(0);
        return false;
    }
    void* decoder = Decoder_Interface_init();
    if (decoder == nullptr)
    {
        image.Resize(0);
        return false;
    }
    WriteWavHeader(image.Data(), pcmBytes);

    CFrameCursor cursor(clip, length);
    unsigned char* out = image.Data() + KWavHeaderBytes;
    for (int i = 0; i < frames; ++i, out += KFrameBytes)
    {
        const unsigned char* frame = nullptr;
        int bytes = cursor.Next(frame);
        // The decoder reads as much as the frame type asks for: a frame cut short by the clip's end is
        // padded with zero bits in a copy, so that nothing behind the clip is read.
        unsigned char whole[KLongestFrame] = {};
        std::memcpy(whole, frame, bytes);
        short samples[KSamplesPerFrame] = {};
        Decoder_Interface_Decode(decoder, whole, samples, 0);
        PutSamples(out, samples);
    }
    Decoder_Interface_exit(decoder);
    return true;
}
