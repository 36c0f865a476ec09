#ifndef AMRCLIPS_H
#define AMRCLIPS_H

#include <cstdint>
#include <string>
#include <vector>

// Clips and WAV images for the audio tests.
namespace AmrClips
{

typedef std::vector<unsigned char> TBytes;

// "#!AMR\n".
TBytes Magic();
// A header byte of the frame type (quality bit set) followed by payload bytes drawn from seed.
TBytes Frame(int frameType, uint32_t seed);
// The magic followed by the frames.
TBytes Clip(const std::vector<TBytes>& frames);
// What the decoder library makes of the frames, decoded one after another from a fresh state.
std::vector<short> ReferenceDecode(const std::vector<TBytes>& frames);

uint32_t Le32(const TBytes& image, int offset);
uint16_t Le16(const TBytes& image, int offset);
// The samples of a WAV image made by the decoder.
std::vector<short> Samples(const TBytes& image);

} // namespace AmrClips

#endif // AMRCLIPS_H
