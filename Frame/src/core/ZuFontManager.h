#ifndef ZUFONTMANAGER_H
#define ZUFONTMANAGER_H

#include "ZuFont.h"
#include "ZuObjectList.h"

// The shared fonts: one font per name, size and flag, reference counted.
class CZuFontManager
{
public:
    CZuFontManager();
    // Deletes the fonts still cached, whatever their count.
    ~CZuFontManager();

    // The cached font with these values and one more reference, or a new one. Never null.
    CZuFont* GetFont(TZuFontName name, int size, bool flag);
    // Drops one reference; the font leaves the cache at 0. A font not from the cache is just released.
    void ReleaseFont(CZuFont* font);
    int GetFontCount() const { return iFonts.GetCount(); }

private:
    CZuFontManager(const CZuFontManager&) = delete;
    CZuFontManager& operator=(const CZuFontManager&) = delete;

    CZuObjectList iFonts;
};

#endif // ZUFONTMANAGER_H
