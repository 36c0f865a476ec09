// Reads random bytes as the update server's answer: the verdict is one of the known kinds, a newer version
// is always a version text that reads back, and a failure never claims a version.
#include "FuzzCheck.h"
#include "UpdateAnswer.h"
#include "ZuHttpAnswer.h"
#include "ZuVersion.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The network library never hands over more than its answer limit.
    if (size > 64 * 1024)
        return 0;
    // As the network library delivers it: the bytes followed by a zero byte.
    CZuHttpAnswer answer(EZuHttpOk, 200, std::string(reinterpret_cast<const char*>(data), size));
    TUpdateVerdict verdict = CUpdateAnswer::Judge(answer, CZuString("1.0.4"));
    CZuVersion version;
    switch (verdict.iKind)
    {
    case TUpdateVerdict::ENewer:
    case TUpdateVerdict::ENotNewer:
        Check(CUpdateAnswer::ReadVersion(verdict.iVersion, version));
        break;
    case TUpdateVerdict::EBadAnswer:
        Check(verdict.iVersion.IsEmpty() && verdict.iDescription.IsEmpty());
        break;
    default:
        // A body that arrived whole is never a transfer failure.
        Check(false);
    }
    return 0;
}
