#include "ZuSoundOutput.h"

#include "ZuSdlSoundOutput.h"

namespace
{

IZuSoundOutput* replacement = nullptr;

IZuSoundOutput& SdlOutput()
{
    static CZuSdlSoundOutput output;
    return output;
}

} // namespace

void IZuSoundOutput::WriteStream(const short*, int, int, int) {}

IZuSoundOutput& IZuSoundOutput::Current()
{
    return replacement != nullptr ? *replacement : SdlOutput();
}

IZuSoundOutput* IZuSoundOutput::Replace(IZuSoundOutput* output)
{
    IZuSoundOutput* previous = replacement;
    replacement = output;
    return previous;
}
