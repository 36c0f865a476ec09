#ifndef ZUAMRDECODER_H
#define ZUAMRDECODER_H

class CZuBuffer;

// Turns a clip of AMR narrow-band speech (single-channel file format: a 6-byte magic, then frames of one
// header byte and a payload) into a WAV image of 8000 Hz, 16-bit, mono PCM. Made on the stack for each clip.
class CZuAmrDecoder
{
public:
    enum
    {
        // Bytes at the clip's start, skipped without being looked at.
        KMagicBytes = 6,
        KSamplesPerFrame = 160,
        KFrameBytes = KSamplesPerFrame * 2,
        KWavHeaderBytes = 44,
        KSampleRate = 8000,
        // Ten minutes of sound: a damaged clip cannot ask for more memory than this.
        KMaxFrames = 30000,
    };

    CZuAmrDecoder();
    virtual ~CZuAmrDecoder();

    // Replaces image with the WAV image of the clip: 44 header bytes and 160 samples for each frame.
    // Any bytes make a well-formed image; a clip of no more than the magic gives an image without samples.
    // False only when memory for the image cannot be had (image is then empty).
    bool DecodeToWav(const char* clip, int length, CZuBuffer& image);

    // The payload bytes behind a header byte of this frame type (0 for types 9 to 15).
    static int PayloadBytes(int frameType);
    // The frames DecodeToWav makes of the clip (a frame cut short by the clip's end counts; at most
    // KMaxFrames).
    static int CountFrames(const char* clip, int length);
    // Writes the 44-byte header of a WAV image holding pcmBytes bytes of samples.
    static void WriteWavHeader(unsigned char* header, int pcmBytes);
};

#endif // ZUAMRDECODER_H
