#ifndef ZUGCFONT_H
#define ZUGCFONT_H

#include "ZuFont.h"
#include "ZuString.h"

#include <agg_font_cache_manager.h>
#include <agg_font_freetype.h>

// The glyph engine behind one font name: a FreeType face opened on first use, outlines produced at the
// requested pixel height and kept in glyph caches keyed by the engine's signature (face, sizes, hinting,
// flip). One engine per font name lives for the whole process; fonts and the drawing context share them,
// so measured and drawn advances agree exactly. Not part of the library's interface.
class CZuGcFont
{
public:
    typedef agg::font_engine_freetype_int16 TEngine;
    typedef agg::font_cache_manager<TEngine> TCacheManager;

    // At most this many glyph caches (signatures) are held; the oldest is dropped for a new one.
    static const int KMaxCaches = 32;

    // The process-wide engine of a font name.
    static CZuGcFont& ForName(TZuFontName name);

    // An engine for the face of the font name, found on this system when first used.
    explicit CZuGcFont(TZuFontName name);
    // An engine for one given font file (face 0), whatever the name would choose.
    CZuGcFont(TZuFontName name, const CZuString& fontFile);
    ~CZuGcFont();

    // Opens the face on the first call; a failed open is not retried and leaves an engine without glyphs.
    void EnsureLoaded();
    // Sets the em height to h pixels and its width to h + 1 pixels up to 18, h pixels above.
    void SetPixelHeight(int height);
    // The cached glyph of a UTF-16 unit at the current size, or null when the face has none for it.
    const agg::glyph_cache* Glyph(unsigned code);

    bool HasFace() const { return iHasFace; }
    // Empty until loaded, and when no font file was found.
    const CZuString& FontFile() const { return iFontFile; }
    TEngine& Engine() { return iEngine; }
    // Valid once loaded.
    TCacheManager& CacheManager() { return *iCacheManager; }

private:
    CZuGcFont(const CZuGcFont&) = delete;
    CZuGcFont& operator=(const CZuGcFont&) = delete;

    void LocateFontFile();

    TZuFontName iName;
    bool iLoaded;
    bool iHasFace;
    bool iFileGiven;
    CZuString iFontFile;
    int iFaceIndex;
    TEngine iEngine;
    TCacheManager* iCacheManager;
};

#endif // ZUGCFONT_H
