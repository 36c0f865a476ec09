// Feeds random bytes to the text readers of the base library: UTF-8 decoding, name/value lines and
// version numbers. Each reader gets a block of exactly the input's size.
#include "FuzzCheck.h"
#include "ZuBase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

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
    // What comes back is UTF-8 through and through, decodes to the same units, and is the input itself when
    // that had no fault.
    Check(CZuUnicode::IsValidUtf8(Str(back), back.Length()));
    if (units.Length() > 0)
    {
        CZuString16 again;
        ConvertUtf8ToUnicode(back.PtrZ(), back.Length(), again);
        Check(again == units);
    }
    if (CZuUnicode::IsValidUtf8(exact, length) && units.Length() > 0)
        Check(back.Length() == length && std::memcmp(back.PtrZ(), exact, size) == 0);

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
