#include "AmrClips.h"

#include "ZuAmrDecoder.h"

#include <cstring>
#include <opencore-amrnb/interf_dec.h>

namespace AmrClips
{

TBytes Magic()
{
    const char* magic = "#!AMR\n";
    return TBytes(magic, magic + 6);
}

TBytes Frame(int frameType, uint32_t seed)
{
    TBytes frame(1, static_cast<unsigned char>((frameType << 3) | 0x04));
    uint32_t state = seed * 2654435761u + 1;
    for (int i = 0; i < CZuAmrDecoder::PayloadBytes(frameType); ++i)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        frame.push_back(static_cast<unsigned char>(state));
    }
    return frame;
}

TBytes Clip(const std::vector<TBytes>& frames)
{
    TBytes clip = Magic();
    for (const TBytes& frame : frames)
        clip.insert(clip.end(), frame.begin(), frame.end());
    return clip;
}

std::vector<short> ReferenceDecode(const std::vector<TBytes>& frames)
{
    std::vector<short> samples;
    void* decoder = Decoder_Interface_init();
    for (const TBytes& frame : frames)
    {
        unsigned char whole[32] = {};
        std::memcpy(whole, frame.data(), frame.size());
        short out[160] = {};
        Decoder_Interface_Decode(decoder, whole, out, 0);
        samples.insert(samples.end(), out, out + 160);
    }
    Decoder_Interface_exit(decoder);
    return samples;
}

uint32_t Le32(const TBytes& image, int offset)
{
    return image[offset] | (image[offset + 1] << 8) | (image[offset + 2] << 16) |
           (static_cast<uint32_t>(image[offset + 3]) << 24);
}

uint16_t Le16(const TBytes& image, int offset)
{
    return static_cast<uint16_t>(image[offset] | (image[offset + 1] << 8));
}

std::vector<short> Samples(const TBytes& image)
{
    std::vector<short> samples;
    for (size_t at = 44; at + 1 < image.size(); at += 2)
        samples.push_back(static_cast<short>(Le16(image, static_cast<int>(at))));
    return samples;
}

} // namespace AmrClips
