#ifndef ZUGCFONT_H
#define ZUGCFONT_H

#include "ZuFont.h"
#include "ZuString.h"

#include <agg_font_cache_manager.h>
#include <agg_font_freetype.h>

#include <unordered_map>
#include <vector>

// The glyph engine behind one font name: a FreeType face opened on first use, outlines produced at the
// requested pixel height and kept in glyph caches keyed by the engine's signature (face, sizes, hinting,
// flip). One engine per font name lives for the whole process; fonts and the drawing context share them,
// so measured and drawn advances agree exactly. Not part of the library's interface.
//
// Within one engine only the pixel height varies, so a cache is found by its height; the size is applied
// to the face (and the signature formatted) only when a glyph has to be produced or a cache created.
// Measuring and drawing with warm caches therefore touches neither FreeType nor the signature.
class CZuGcFont
{
public:
    typedef agg::font_engine_freetype_int16 TEngine;
    typedef TEngine::path_adaptor_type TPathAdaptor;
    typedef TEngine::gray8_adaptor_type TGray8Adaptor;
    typedef TGray8Adaptor::embedded_scanline TGray8Scanline;

    // At most this many glyph caches (signatures) are held; the oldest is dropped for a new one.
    static constexpr int KMaxCaches = 32;

    // The process-wide engine of a font name.
    static CZuGcFont& ForName(TZuFontName name);

    // An engine for the face of the font name, found on this system when first used.
    explicit CZuGcFont(TZuFontName name);
    // An engine for one given font file (face 0), whatever the name would choose.
    CZuGcFont(TZuFontName name, const CZuString& fontFile);
    ~CZuGcFont();

    // Opens the face on the first call; a failed open is not retried and leaves an engine without glyphs.
    void EnsureLoaded()
    {
        if (!iLoaded)
        {
            Load();
        }
    }
    // Sets the em height to h pixels and its width to h + 1 pixels up to 18, h pixels above. Cheap when
    // the height is the current one, or one whose glyph cache is held.
    void SetPixelHeight(int height)
    {
        if (height != iHeight)
        {
            ChangeHeight(height);
        }
    }
    // The cached glyph of a UTF-16 unit at the current size, or null when the face has none for it.
    const agg::glyph_cache* Glyph(unsigned code)
    {
        // A glyph already in the current cache is found without leaving this header.
        const agg::glyph_cache* glyph = iCurrentCache ? iCurrentCache->find_glyph(code) : nullptr;
        if (!glyph)
        {
            return NewGlyph(code);
        }
        // A code the character map does not know maps to the face's placeholder glyph: that is no glyph.
        return glyph->glyph_index != 0 ? glyph : nullptr;
    }

    bool HasFace() const { return iHasFace; }
    // Empty until loaded, and when no font file was found.
    const CZuString& FontFile() const { return iFontFile; }
    // The engine with the current pixel height applied to it.
    const TEngine& Engine();
    // The anti-aliased coverage of an outline glyph set at (0,0), as serialised scanlines, made once per
    // glyph and cache: drawing it at a whole-pixel position gives the pixels of filling the outline there
    // (up to the rounding of curve flattening). Empty for a glyph without ink. Valid while the glyph is.
    const std::vector<agg::int8u>& Coverage(unsigned code, const agg::glyph_cache* glyph);
    // Points the adaptor of the glyph's kind (outline or grey bitmap) at the glyph, placed at (x, y).
    void InitAdaptors(const agg::glyph_cache* glyph, double x, double y);
    TPathAdaptor& PathAdaptor() { return iPathAdaptor; }
    TGray8Adaptor& Gray8Adaptor() { return iGray8Adaptor; }
    TGray8Scanline& Gray8Scanline() { return iGray8Scanline; }
    // The number of glyph caches held.
    int CacheCount() const { return iCacheCount; }

private:
    CZuGcFont(const CZuGcFont&) = delete;
    CZuGcFont& operator=(const CZuGcFont&) = delete;

    void LocateFontFile();
    void Load();
    void ChangeHeight(int height);
    // Glyph() for a code not in the current cache, or when there is none.
    const agg::glyph_cache* NewGlyph(unsigned code);
    // Makes the cache of the current height the current one, creating it when needed.
    void SelectCache();
    // Sets the face to the current height, if it is not already.
    void ApplyHeight();

    TZuFontName iName;
    bool iLoaded;
    bool iHasFace;
    bool iFileGiven;
    CZuString iFontFile;
    int iFaceIndex;
    TEngine iEngine;
    typedef std::unordered_map<unsigned, std::vector<agg::int8u>> TCoverages;

    // The pixel height asked for, and the one the face is set to (none before the face is open).
    int iHeight;
    int iAppliedHeight;
    // The glyph caches, oldest first, and the one of the current height (null from a change of height
    // until the next glyph looks it up); beside each, its pixel height and the coverage of the glyphs
    // drawn from it.
    agg::font_cache* iCaches[KMaxCaches];
    int iCacheHeights[KMaxCaches];
    TCoverages* iCoverages[KMaxCaches];
    int iCacheCount;
    agg::font_cache* iCurrentCache;
    TCoverages* iCurrentCoverages;
    TPathAdaptor iPathAdaptor;
    TGray8Adaptor iGray8Adaptor;
    TGray8Scanline iGray8Scanline;
};

#endif // ZUGCFONT_H
