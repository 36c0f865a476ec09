#ifndef ZUIMAGEFUZZCHECK_H
#define ZUIMAGEFUZZCHECK_H

// Shared by the image decoder fuzz targets: the decoded picture must be whole and within the limit.
#include "ZuImageDecoder.h"

#include <cstdlib>

// Lower than the library's limit so that headers announcing huge pictures stay quick to run.
const long long KFuzzMaxBufferBytes = 4LL * 1024 * 1024;

inline void CheckDecoded(bool decoded, const CZuImageDecoder& decoder)
{
    if (!decoded)
    {
        if (decoder.Pixels())
            std::abort();
        return;
    }
    const long long bytes = static_cast<long long>(decoder.Width()) * decoder.Height() * 4;
    if (!decoder.Pixels() || decoder.Width() <= 0 || decoder.Height() <= 0 || bytes > KFuzzMaxBufferBytes)
        std::abort();
    // Touch every byte so that a buffer shorter than its size is caught by the sanitizer.
    unsigned sum = 0;
    for (long long i = 0; i < bytes; i += 61)
        sum += decoder.Pixels()[i];
    sum += decoder.Pixels()[bytes - 1];
    if (!decoder.HaveAlpha() && decoder.Pixels()[3] != 0xFF)
        std::abort();
    (void)sum;
}

#endif // ZUIMAGEFUZZCHECK_H
