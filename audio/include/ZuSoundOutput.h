#ifndef ZUSOUNDOUTPUT_H
#define ZUSOUNDOUTPUT_H

// Where the players' sound goes. Speech: a whole WAV image held in memory, played without blocking the
// caller, a new image replacing the one playing. Streams: sound handed over piece by piece by the stream
// engine's thread, heard beside the speech. The SDL audio device is the output unless another one (a
// test's recorder, say) is put in its place.
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

    // The stream side, called on the stream engine's thread (and StopStream also on the UI thread); an
    // output that plays speech only drops stream sound. Queues frames of signed 16-bit interleaved samples
    // of this rate and channel count (1 or 2); a different format may follow at any frame.
    virtual void WriteStream(const short* frames, int count, int rate, int channels);
    // No more stream sound follows for now: what is held back for conversion is let through.
    virtual void EndStream() {}
    // Milliseconds of stream sound handed over and not yet heard.
    virtual int StreamQueuedMs() { return 0; }
    // Drops the stream sound not yet heard.
    virtual void StopStream() {}

    // The output the players hand their sound to.
    static IZuSoundOutput& Current();
    // Puts output in place (not owned; null goes back to the SDL device) and returns the one it replaces. A
    // stream keeps the output it started on: an output must outlive the players that used it.
    static IZuSoundOutput* Replace(IZuSoundOutput* output);
};

#endif // ZUSOUNDOUTPUT_H
