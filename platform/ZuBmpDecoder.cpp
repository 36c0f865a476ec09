// BMP decoding.
#include "ZuImageDecoder.h"

bool CZuImageDecoder::DecodeBmp(const unsigned char*, size_t)
{
    return Fail("Not a BMP");
}
