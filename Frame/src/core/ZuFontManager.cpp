#include "ZuFontManager.h"

CZuFontManager::CZuFontManager() : iFonts(true) {}

CZuFontManager::~CZuFontManager() {}

CZuFont* CZuFontManager::GetFont(TZuFontName name, int size, bool flag)
{
    // A font stores a non-positive size as 100: look it up the same way.
    int storedSize = size > 0 ? size : 100;
    for (int i = 0; i < iFonts.GetCount(); ++i)
    {
        CZuFont* font = static_cast<CZuFont*>(iFonts.GetAt(i));
        if (font->FontName() == name && font->FontSize() == storedSize && font->Flag() == flag)
        {
            font->AddRef();
            return font;
        }
    }
    CZuFont* font = new CZuFont(name, size, flag);
    iFonts.Append(font);
    return font;
}

void CZuFontManager::ReleaseFont(CZuFont* font)
{
    if (!font)
        return;
    int index = iFonts.Find(font);
    if (index < 0)
    {
        font->Release();
        return;
    }
    // Released here, the list must not delete it a second time.
    iFonts.Remove(index);
    if (!font->Release())
        iFonts.Insert(index, font);
}
