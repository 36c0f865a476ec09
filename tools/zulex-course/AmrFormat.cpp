#include "AmrFormat.h"

#include <cstring>

namespace
{

// Frame sizes of AMR-NB by frame type (modes 4.75 to 12.2 kbit/s, then comfort noise), header included.
const int KFrameSizes[16] = {13, 14, 16, 18, 20, 21, 27, 32, 6, 0, 0, 0, 0, 0, 0, 1};

} // namespace

const char CAmrFormat::KMagic[] = "#!AMR\n";

int CAmrFormat::FrameSize(unsigned char header)
{
    return KFrameSizes[(header >> 3) & 0x0F];
}

std::string CAmrFormat::Validate(const unsigned char* clip, int length, int& frames)
{
    frames = 0;
    if (length < KMagicSize || std::memcmp(clip, KMagic, KMagicSize) != 0)
        return "does not start with the AMR magic \"#!AMR\\n\"";
    int pos = KMagicSize;
    while (pos < length)
    {
        int size = FrameSize(clip[pos]);
        if (size == 0)
            return "frame " + std::to_string(frames) + " has the invalid type " +
                   std::to_string((clip[pos] >> 3) & 0x0F);
        if (pos + size > length)
            return "frame " + std::to_string(frames) + " is cut short";
        pos += size;
        ++frames;
    }
    if (frames == 0)
        return "holds no frames";
    return "";
}

void CAmrFormat::Scramble(TClipBytes& clip)
{
    for (size_t i = 0; i < clip.size(); i += 2)
        clip[i] = static_cast<unsigned char>(~clip[i]);
}
