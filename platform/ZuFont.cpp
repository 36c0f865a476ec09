#include "ZuFont.h"

#include "ZuGcFont.h"
#include "ZuString.h"
#include "ZuString16.h"

namespace
{
const int KNormalHeight = 16;

CZuString& AdditionalPath()
{
    static CZuString path;
    return path;
}
} // namespace

CZuFont::CZuFont(TZuFontName name, int size, bool flag)
    : iName(name), iSize(size > 0 ? size : 100), iFlag(flag), iRefCount(1), iHeight(KNormalHeight)
{
    long long height = static_cast<long long>(iSize) * KNormalHeight / 100;
    if (height > iHeight)
    {
        iHeight = height < 0x7FFF ? static_cast<int>(height) : 0x7FFF;
    }
}

CZuFont::~CZuFont() {}

void CZuFont::AddRef()
{
    ++iRefCount;
}

bool CZuFont::Release()
{
    --iRefCount;
    if (iRefCount > 0)
    {
        return false;
    }
    delete this;
    return true;
}

int CZuFont::AscentInPixels() const
{
    return static_cast<int>(iHeight * 0.9);
}

int CZuFont::DescentInPixels() const
{
    return static_cast<int>(iHeight * 0.1);
}

int CZuFont::GetNormalHeight()
{
    return KNormalHeight;
}

int CZuFont::CharWidthInPixels(int code) const
{
    CZuGcFont& engine = CZuGcFont::ForName(iName);
    engine.EnsureLoaded();
    engine.SetPixelHeight(iHeight);
    const agg::glyph_cache* glyph = engine.Glyph(static_cast<unsigned>(code));
    return glyph ? static_cast<int>(glyph->advance_x) : 0;
}

int CZuFont::TextWidthInPixels(const CZuString& utf8) const
{
    if (utf8.IsEmpty())
    {
        return 0;
    }
    CZuGcFont& engine = CZuGcFont::ForName(iName);
    engine.EnsureLoaded();
    engine.SetPixelHeight(iHeight);
    CZuString16 text;
    ConvertUtf8ToUnicode(utf8.PtrZ(), utf8.Length(), text);
    // Summed as doubles and truncated once, so fractional advances add up.
    double width = 0.0;
    for (int i = 0; i < text.Length(); ++i)
    {
        const agg::glyph_cache* glyph = engine.Glyph(text[i]);
        if (glyph)
        {
            width += glyph->advance_x;
        }
    }
    return static_cast<int>(width);
}

void CZuFont::SetFontAdditionalPath(const CZuString& path)
{
    AdditionalPath() = path;
}

const CZuString& CZuFont::FontAdditionalPath()
{
    return AdditionalPath();
}
