#ifndef AMRFORMAT_H
#define AMRFORMAT_H

#include <string>
#include <vector>

typedef std::vector<unsigned char> TClipBytes;

// The single-channel AMR-NB file format of the pronunciation clips, and their scrambling in the speech file.
class CAmrFormat
{
public:
    static const char KMagic[];
    static const int KMagicSize = 6;
    // Samples per 20 ms frame at 8000 Hz.
    static const int KFrameSamples = 160;

    // The size of a frame, its header byte included, from the header byte; 0 for a frame type that
    // cannot occur.
    static int FrameSize(unsigned char header);
    // Checks a clip in its plain (unscrambled) form: "" when it is the magic and whole frames, else what is
    // wrong. frames gets the number of speech frames.
    static std::string Validate(const unsigned char* clip, int length, int& frames);
    // The bytes at even positions are complemented; doing it twice gives the clip back.
    static void Scramble(TClipBytes& clip);
};

#endif // AMRFORMAT_H
