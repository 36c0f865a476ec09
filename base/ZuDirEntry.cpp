#include "ZuDirEntry.h"

#include "ZuUnicode.h"

#include <cstddef>
#include <vector>

namespace
{
const char KReplacement[] = "\xEF\xBF\xBD";

// Characters that move the pen rather than draw: C0 and C1 controls and DEL.
bool IsControl(unsigned codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

// True when every byte is a printable ASCII character: the text shows as it is (the common case, checked
// without decoding).
bool IsPlainAscii(const char* text, int length)
{
    for (int i = 0; i < length; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c >= 0x7F)
            return false;
    }
    return true;
}
} // namespace

CZuDirEntry::CZuDirEntry(const CZuString& name, TZuDirEntryKind kind) : iName(name), iKind(kind) {}

CZuDirEntry::~CZuDirEntry() {}

CZuString CZuDirEntry::DisplayName() const
{
    return DisplayText(iName);
}

CZuString CZuDirEntry::DisplayText(const CZuString& bytes)
{
    const char* text = bytes.PtrZ();
    const int length = bytes.Length();
    if (IsPlainAscii(text, length))
        return bytes;
    std::vector<char> shown;
    shown.reserve(static_cast<size_t>(length) + 8);
    bool replaced = false;
    int taken = 0;
    for (int at = 0; at < length; at += taken)
    {
        const unsigned codePoint = CZuUnicode::DecodeUtf8(text + at, length - at, taken);
        if (codePoint == CZuUnicode::KFault || IsControl(codePoint))
        {
            shown.insert(shown.end(), KReplacement, KReplacement + 3);
            replaced = true;
        }
        else
        {
            shown.insert(shown.end(), text + at, text + at + taken);
        }
    }
    if (!replaced)
        return bytes;
    return CZuString(shown.data(), static_cast<int>(shown.size()));
}
