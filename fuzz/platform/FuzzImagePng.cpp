// libFuzzer target: the PNG decoder on arbitrary bytes.
#include "ImageFuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZuImageDecoder decoder(KFuzzMaxBufferBytes);
    CheckDecoded(decoder.DecodePng(data, size), decoder);
    return 0;
}
