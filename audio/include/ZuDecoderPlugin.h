#ifndef ZUDECODERPLUGIN_H
#define ZUDECODERPLUGIN_H

/*
 * The interface between the stream player and its decoder plug-ins: everything a third party needs to write
 * a decoder, in plain C.
 *
 * A plug-in is a shared library named "zu-decoder-NAME.so" (NAME of lower-case letters, digits, '-' and
 * '_') in the "plugins" folder beside the program. The player looks there once, when the first stream
 * opens, and never loads any other library. The plug-in exports the C function "mapGetDecoder"; it returns
 * a descriptor of version ZU_DECODER_VERSION and type ZU_DECODER_TYPE_AUDIO with every entry point set,
 * or the library is unloaded again. A kept plug-in stays loaded while the program runs, so its descriptor
 * and the strings it points to must stay valid that long.
 *
 * Every entry point except Probe is called on the player's engine thread, one stream at a time per
 * decoder handle; different handles may be used from different threads at once.
 */

#ifdef __cplusplus
extern "C" {
#endif

enum
{
    /* 1.1: the high byte is the major version. */
    ZU_DECODER_VERSION = 257,
    ZU_DECODER_TYPE_AUDIO = 2,
    /* The most channels a decoder hands over: it mixes or picks wider sound down to stereo. */
    ZU_DECODER_MAX_CHANNELS = 2,
    /* The first bytes of an input offered to Probe (fewer when the input is shorter). */
    ZU_DECODER_PROBE_BYTES = 8192
};

/* The name of the entry point every plug-in exports. */
#define ZU_DECODER_ENTRY_POINT "mapGetDecoder"

/* Where a decoder reads the encoded bytes from: a file, a block of memory or a network stream. */
typedef struct TZuDecoderInput
{
    void* iContext;
    /* Reads up to size bytes into buffer: the count read, 0 at the input's end, -1 when reading failed
     * (the network went away, the player stops). After 0 or -1 every later read answers the same. */
    long (*iRead)(void* context, void* buffer, long size);
    /* Moves to offset counted from whence (SEEK_SET, SEEK_CUR, SEEK_END of <stdio.h>) and answers the new
     * position, or -1 when the input cannot seek (a network stream) or the position is outside it. */
    long long (*iSeek)(void* context, long long offset, int whence);
    /* The input's length in bytes; -1 when it is not known (a network stream). */
    long long iLength;
} TZuDecoderInput;

/* What one Decode call handed over. */
typedef struct TZuDecodedFormat
{
    /* Frames per second of the frames handed over. */
    int iSampleRate;
    /* 1 or 2 (left, right) interleaved samples a frame. */
    int iChannels;
    /* Non-zero when GetTag answers differently than before this call (tags read, a new chained stream). */
    int iTagsChanged;
} TZuDecodedFormat;

typedef struct TZuDecoder
{
    int iVersion;
    int iType;
    /* Shown to the user: "MP3", "Ogg Vorbis". */
    const char* iName;

    /* How sure the decoder is that an input starting with these bytes is its own: 0 not at all, up to
     * 100 certain. The player opens the input with the surest decoder. May be called on any thread. */
    int (*Probe)(const unsigned char* head, int size);
    /* Starts decoding input, which stays valid until Close. Null when the input cannot be decoded. */
    void* (*Open)(const TZuDecoderInput* input);
    /* Decodes up to maxFrames frames of signed 16-bit samples in the machine's byte order into pcm, which
     * has room for maxFrames * ZU_DECODER_MAX_CHANNELS samples, and describes them in format. Answers the
     * frames decoded (at least one while sound remains; the call waits for input), 0 at the end of the
     * sound, -1 when the input cannot be decoded any further. */
    int (*Decode)(void* decoder, short* pcm, int maxFrames, TZuDecodedFormat* format);
    /* The index-th tag (0, 1, ...) of the sound now decoded: name and value as UTF-8, valid until the next
     * Decode or Close. Answers 0 when there is no such tag. Names the player shows: "TITLE", "ARTIST",
     * "ALBUM", "GENRE", "DATE", "TRACKNUMBER", "COMMENT". */
    int (*GetTag)(void* decoder, int index, const char** name, const char** value);
    /* Ends decoding and frees the handle. */
    void (*Close)(void* decoder);
} TZuDecoder;

/* The type of the entry point "mapGetDecoder". */
typedef const TZuDecoder* (*TZuGetDecoderFunction)(void);

#ifdef __cplusplus
}
#endif

#endif /* ZUDECODERPLUGIN_H */
