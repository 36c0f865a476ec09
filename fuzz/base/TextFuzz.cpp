// Feeds random bytes to the text readers of the base library: UTF-8 decoding, name/value lines and
// version numbers. Each reader gets a block of exactly the input's size.
#include "ZuBase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int length = static_cast<int>(size);
    char* exact = new char[size > 0 ? size : 1];
    if (size > 0)
        std::memcpy(exact, data, size);

    CZuString16 units;
    ConvertUtf8ToUnicode(exact, length, units);
    Check(units.Length() <= length);
    CZuString back;
    ConvertUnicodeToUtf8(units.PtrZ(), units.Length(), back);
    Check(back.Length() <= 3 * units.Length() || units.Length() == 0);

    CZuNameValueList list;
    list.InitListFromBuf(exact, length);
    for (int i = 0; i < list.GetCount(); ++i)
        Check(list.Get(i)->iName.Length() > 0);

    CZuString text(exact, length);
    CZuVersion version;
    version.Decode(text);
    version.Encode();
    text.TrimAll();
    text.IsInteger();
    text.ToInteger();
    delete[] exact;
    return 0;
}
