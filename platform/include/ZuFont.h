#ifndef ZUFONT_H
#define ZUFONT_H

#include "ZuObject.h"

class CZuString;

// The fonts the toolkit knows. Title, list and interface text share one face (a font that covers
// Simplified Chinese); they differ only as keys of the font manager. Phonetic transcriptions have their own.
enum TZuFontName : int
{
    EFontTitle = 0,
    EFontList = 1,
    EFontUi = 2,
    EFontPhonetic = 3
};

// A font handle as controls hold it: which font, its size as a percentage of the normal height (16 pixels)
// and a flag kept for the font manager. Reference counted: it starts at 1 and Release() at 0 deletes it.
// Widths measured here are exactly the advances the drawing context uses when it draws the same text.
class CZuFont : public CZuObject
{
public:
    // A size of 0 or below is stored as 100. The height is max(16, size * 16 / 100) pixels.
    CZuFont(TZuFontName name, int size, bool flag);
    ~CZuFont() override;

    void AddRef();
    // Drops one reference; at 0 the font deletes itself and the result is true.
    bool Release();

    TZuFontName FontName() const { return iName; }
    int FontSize() const { return iSize; }
    bool Flag() const { return iFlag; }

    int HeightInPixels() const { return iHeight; }
    // 90 % of the height, truncated.
    int AscentInPixels() const;
    // 10 % of the height, truncated.
    int DescentInPixels() const;
    static int GetNormalHeight();

    // Advance of one UTF-16 unit, truncated; 0 when the font has no glyph for it.
    int CharWidthInPixels(int code) const;
    // Sum of the advances of the text's UTF-16 units that have glyphs, truncated once at the end.
    int TextWidthInPixels(const CZuString& utf8) const;

    // Kept for callers; the font files chosen do not depend on it.
    static void SetFontAdditionalPath(const CZuString& path);
    static const CZuString& FontAdditionalPath();

private:
    CZuFont(const CZuFont&) = delete;
    CZuFont& operator=(const CZuFont&) = delete;

    TZuFontName iName;
    int iSize;
    bool iFlag;
    int iRefCount;
    int iHeight;
};

#endif // ZUFONT_H
