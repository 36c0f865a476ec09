#ifndef ZUSOUNDOUTPUT_H
#define ZUSOUNDOUTPUT_H

// Where the players' sound goes: plays a whole WAV image held in memory without blocking the caller.
// The SDL audio device is the output unless another one (a test's recorder, say) is put in its place.
class IZuSoundOutput
{
public:
    virtual ~IZuSoundOutput() {}

    // Starts playing the image and returns at once; the image is copied. A new image replaces the sound that
    // is playing. Does nothing when there is no device or the image cannot be played.
    virtual void PlayWav(const unsigned char* image, int size) = 0;
    // Whether sound handed over is still waiting to be heard.
    virtual bool IsPlaying() = 0;
    // Whether there is a device to play on (opens it on first use).
    virtual bool HasDevice() = 0;

    // The output the players hand their sound to.
    static IZuSoundOutput& Current();
    // Puts output in place (not owned; null goes back to the SDL device) and returns the one it replaces.
    static IZuSoundOutput* Replace(IZuSoundOutput* output);
};

#endif // ZUSOUNDOUTPUT_H
