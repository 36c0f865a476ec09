// Feeds random bytes to the string table reader as a table file image, then lays every string out in
// rows at a width taken from the input.
#include "FuzzCheck.h"
#include "ZuUi.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

class CFixedWidths : public MZuTextMeasure
{
public:
    int CharWidth(TZuWChar ch) const override { return ch < 0x20 ? 0 : ch < 0x80 ? 7 : 14; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    int length = static_cast<int>(size);
    unsigned char* exact = new unsigned char[size > 0 ? size : 1];
    if (size > 0)
        std::memcpy(exact, data, size);

    CZuStringRes table;
    table.Load(exact, length);
    long long used = 0;
    for (int i = 0; i < table.Pool().GetCount(); ++i)
    {
        const CZuString* text = table.GetString(i);
        Check(text != nullptr && text->Length() >= 0);
        used += 8 + text->Length();
    }
    Check(used <= length);
    Check(table.GetString(table.Pool().GetCount()) == nullptr);

    int width = size > 0 ? 1 + exact[0] : 50;
    CFixedWidths widths;
    for (int i = 0; i < table.Pool().GetCount() && i < 64; ++i)
    {
        const CZuString& text = *table.GetString(i);
        CZuString16 units;
        ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
        CZuObjectList* rows = CZuStrUtil::GetTextRowList(units, width, widths);
        int total = 0;
        for (int r = 0; r < rows->GetCount(); ++r)
            total += static_cast<CZuString16*>(rows->GetAt(r))->Length();
        Check(total <= units.Length());
        delete rows;
    }
    delete[] exact;
    return 0;
}
