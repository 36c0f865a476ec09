// GIF decoding.
#include "ZuImageDecoder.h"

bool CZuImageDecoder::DecodeGif(const unsigned char*, size_t)
{
    return Fail("Not a GIF");
}
