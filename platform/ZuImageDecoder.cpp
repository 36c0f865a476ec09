#include "ZuImageDecoder.h"

#include "ZuLittleEndian.h"

#include <cstring>
#include <new>

CZuImageDecoder::CZuImageDecoder(long long maxBufferBytes)
    : iMaxBufferBytes(maxBufferBytes), iPixels(nullptr), iWidth(0), iHeight(0), iHaveAlpha(false)
{
    iError[0] = '\0';
}

CZuImageDecoder::~CZuImageDecoder()
{
    delete[] iPixels;
}

bool CZuImageDecoder::Decode(const unsigned char* data, size_t length)
{
    if (DecodePng(data, length))
        return true;
    char pngError[sizeof iError];
    std::memcpy(pngError, iError, sizeof iError);
    if (DecodeBmp(data, length) || DecodeGif(data, length))
        return true;
    std::memcpy(iError, pngError, sizeof iError);
    return false;
}

unsigned char* CZuImageDecoder::TakePixels()
{
    unsigned char* pixels = iPixels;
    iPixels = nullptr;
    iWidth = 0;
    iHeight = 0;
    iHaveAlpha = false;
    return pixels;
}

bool CZuImageDecoder::CreatePixels(long long width, long long height)
{
    Reset();
    if (width <= 0 || height <= 0)
        return Fail("width and height must be greater than zero");
    // Checked one side at a time so that the product cannot overflow.
    if (width > iMaxBufferBytes / 4 || height > iMaxBufferBytes / 4 / width)
        return Fail("picture exceeds the memory limit");
    size_t bytes = static_cast<size_t>(width * height * 4);
    iPixels = new (std::nothrow) unsigned char[bytes];
    if (!iPixels)
        return Fail("can't allocate memory");
    std::memset(iPixels, 0, bytes);
    iWidth = static_cast<int>(width);
    iHeight = static_cast<int>(height);
    return true;
}

void CZuImageDecoder::FillPixels(const unsigned char* bgra)
{
    const size_t total = static_cast<size_t>(iWidth) * iHeight * 4;
    if (!iPixels || total == 0)
        return;
    std::memcpy(iPixels, bgra, 4);
    // Doubling copies: the filled part is copied onto the part after it.
    for (size_t done = 4; done < total; done *= 2)
        std::memcpy(iPixels + done, iPixels, done < total - done ? done : total - done);
}

bool CZuImageDecoder::Fail(const char* error)
{
    Reset();
    std::strncpy(iError, error, sizeof iError - 1);
    iError[sizeof iError - 1] = '\0';
    return false;
}

void CZuImageDecoder::Reset()
{
    delete[] iPixels;
    iPixels = nullptr;
    iWidth = 0;
    iHeight = 0;
    iHaveAlpha = false;
}

uint8_t CZuByteReader::U8()
{
    if (iPos >= iLength)
    {
        iFailed = true;
        return 0;
    }
    return iData[iPos++];
}

uint16_t CZuByteReader::U16()
{
    const unsigned char* p = Take(2);
    return p ? static_cast<uint16_t>(CZuLittleEndian::ReadUint16(p)) : 0;
}

uint32_t CZuByteReader::U32()
{
    const unsigned char* p = Take(4);
    return p ? CZuLittleEndian::ReadUint32(p) : 0;
}

bool CZuByteReader::Skip(size_t count)
{
    return Take(count) != nullptr || count == 0;
}

const unsigned char* CZuByteReader::Take(size_t count)
{
    if (count > iLength - iPos)
    {
        iPos = iLength;
        iFailed = true;
        return nullptr;
    }
    const unsigned char* p = iData + iPos;
    iPos += count;
    return p;
}

bool CZuByteReader::Seek(size_t pos)
{
    if (pos > iLength)
    {
        iFailed = true;
        return false;
    }
    iPos = pos;
    return true;
}
