#ifndef ZUIMAGEDECODER_H
#define ZUIMAGEDECODER_H

#include <cstddef>
#include <cstdint>

// Turns the bytes of a PNG, BMP or GIF file into 32-bit pixels: width x height x 4 bytes, rows top to
// bottom, each pixel Blue, Green, Red, Alpha. Pictures whose pixel buffer would exceed the memory limit
// are refused before anything is allocated; every read is checked against the end of the input.
class CZuImageDecoder
{
public:
    explicit CZuImageDecoder(long long maxBufferBytes);
    ~CZuImageDecoder();

    // PNG first; then BMP and GIF. On failure the error text is the PNG decoder's.
    bool Decode(const unsigned char* data, size_t length);
    bool DecodePng(const unsigned char* data, size_t length);
    bool DecodeBmp(const unsigned char* data, size_t length);
    bool DecodeGif(const unsigned char* data, size_t length);

    int Width() const { return iWidth; }
    int Height() const { return iHeight; }
    bool HaveAlpha() const { return iHaveAlpha; }
    const unsigned char* Pixels() const { return iPixels; }
    // The pixels become the caller's (delete[]); the decoder is left empty.
    unsigned char* TakePixels();
    const char* LastError() const { return iError; }

private:
    CZuImageDecoder(const CZuImageDecoder&) = delete;
    CZuImageDecoder& operator=(const CZuImageDecoder&) = delete;

    friend struct TZuPngReader;

    // Allocates width x height zeroed pixels after checking the size against the limit.
    bool CreatePixels(long long width, long long height);
    // Sets every pixel to one BGRA value.
    void FillPixels(const unsigned char* bgra);
    bool Fail(const char* error);
    void Reset();

    long long iMaxBufferBytes;
    unsigned char* iPixels;
    int iWidth;
    int iHeight;
    bool iHaveAlpha;
    char iError[256];
};

// Little-endian reads over a byte range; reading past its end sets a failure flag and yields 0.
class CZuByteReader
{
public:
    CZuByteReader(const unsigned char* data, size_t length) : iData(data), iLength(length), iPos(0) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    // Advances by count bytes; false (and at the end) when fewer remain.
    bool Skip(size_t count);
    // Pointer to the next count bytes, advancing past them; null when fewer remain.
    const unsigned char* Take(size_t count);
    bool Seek(size_t pos);

    size_t Pos() const { return iPos; }
    size_t Remaining() const { return iLength - iPos; }
    bool Failed() const { return iFailed; }

private:
    const unsigned char* iData;
    size_t iLength;
    size_t iPos;
    bool iFailed = false;
};

#endif // ZUIMAGEDECODER_H
