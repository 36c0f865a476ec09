#include "ZuGcFont.h"

#include "ZuPathUtil.h"

#include <agg_conv_curve.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_scanline.h>
#include <agg_scanline_storage_aa.h>
#include <agg_scanline_u.h>
#include <fontconfig/fontconfig.h>

#include <climits>
#include <cstdio>
#include <cstring>

namespace
{
// Characters every interface face must have: common Simplified Chinese ones and a few Latin letters.
const FcChar32 KInterfaceChars[] = {0x4E2D, 0x6587, 0x6C49, 0x5B57, 0x5B66, 0x4E60, 0x8BCD, 'A', 'z', '0'};
// The phonetic field shows the IPA: stress and length marks, schwa, esh, eng, ash, eth, theta and friends.
const FcChar32 KPhoneticChars[] = {0x0259, 0x0283, 0x014B, 0x02C8, 0x02CC, 0x02D0, 0x00E6,
                                   0x00F0, 0x03B8, 0x028A, 0x026A, 0x0254, 0x028C, 0x0292};

const int KDefaultPixelHeight = 20;
// The face's height is not known to be any particular one.
const int KNoHeight = INT_MIN;

template <int N> bool CoversAll(FcPattern* font, const FcChar32 (&chars)[N])
{
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch || !charset)
    {
        return false;
    }
    for (FcChar32 ch : chars)
    {
        if (!FcCharSetHasChar(charset, ch))
        {
            return false;
        }
    }
    return true;
}

// The best scalable face of the system that has every one of chars, preferring family and language.
template <int N>
bool FindSystemFace(const char* family, const char* language, const FcChar32 (&chars)[N], CZuString& file,
                    int& index)
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
    {
        return false;
    }
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    for (FcChar32 ch : chars)
    {
        FcCharSetAddChar(wanted, ch);
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    if (language)
    {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language));
    }
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    bool found = false;
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(config, pattern, FcFalse, nullptr, &result);
    for (int i = 0; fonts && i < fonts->nfont && !found; ++i)
    {
        FcPattern* font = fonts->fonts[i];
        FcChar8* path = nullptr;
        FcBool scalable = FcFalse;
        if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch || !path)
        {
            continue;
        }
        if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable)
        {
            continue;
        }
        if (!CoversAll(font, chars))
        {
            continue;
        }
        int faceIndex = 0;
        FcPatternGetInteger(font, FC_INDEX, 0, &faceIndex);
        file = reinterpret_cast<const char*>(path);
        index = faceIndex;
        found = true;
    }
    if (fonts)
    {
        FcFontSetDestroy(fonts);
    }
    FcCharSetDestroy(wanted);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return found;
}

bool FileExists(const CZuString& path)
{
    FILE* file = std::fopen(Str(path), "rb");
    if (!file)
    {
        return false;
    }
    std::fclose(file);
    return true;
}
} // namespace

CZuGcFont& CZuGcFont::ForName(TZuFontName name)
{
    static CZuGcFont engines[] = {CZuGcFont(EFontTitle), CZuGcFont(EFontList), CZuGcFont(EFontUi),
                                  CZuGcFont(EFontPhonetic)};
    int index = static_cast<int>(name);
    if (index < 0 || index > EFontPhonetic)
    {
        index = EFontUi;
    }
    return engines[index];
}

CZuGcFont::CZuGcFont(TZuFontName name)
    : iName(name), iLoaded(false), iHasFace(false), iFileGiven(false), iFaceIndex(0), iEngine(32),
      iHeight(KDefaultPixelHeight), iAppliedHeight(KNoHeight), iCaches(), iCacheHeights(), iCoverages(),
      iCacheCount(0), iCurrentCache(nullptr), iCurrentCoverages(nullptr)
{
}

CZuGcFont::CZuGcFont(TZuFontName name, const CZuString& fontFile)
    : iName(name), iLoaded(false), iHasFace(false), iFileGiven(true), iFontFile(fontFile), iFaceIndex(0),
      iEngine(32), iHeight(KDefaultPixelHeight), iAppliedHeight(KNoHeight), iCaches(), iCacheHeights(),
      iCoverages(), iCacheCount(0), iCurrentCache(nullptr), iCurrentCoverages(nullptr)
{
}

CZuGcFont::~CZuGcFont()
{
    for (int i = 0; i < iCacheCount; ++i)
    {
        delete iCaches[i];
        delete iCoverages[i];
    }
}

void CZuGcFont::LocateFontFile()
{
    if (iName == EFontPhonetic)
    {
        CZuString own = CZuPathUtil::GetDataPath() + "res/L_10646.ttf";
        if (FileExists(own))
        {
            iFontFile = own;
            iFaceIndex = 0;
            return;
        }
        FindSystemFace("DejaVu Sans", nullptr, KPhoneticChars, iFontFile, iFaceIndex);
        return;
    }
    // Title, list and interface text share one face: the system is asked once.
    static CZuString interfaceFile;
    static int interfaceIndex = 0;
    static bool located = false;
    if (!located)
    {
        located = true;
        FindSystemFace("sans-serif", "zh-cn", KInterfaceChars, interfaceFile, interfaceIndex);
    }
    iFontFile = interfaceFile;
    iFaceIndex = interfaceIndex;
}

void CZuGcFont::Load()
{
    iLoaded = true;
    if (!iFileGiven)
    {
        LocateFontFile();
    }
    if (iFontFile.IsEmpty())
    {
        return;
    }
    // Outlines for scalable faces; the engine falls back to grey bitmaps for faces that are not.
    if (!iEngine.load_font(Str(iFontFile), iFaceIndex, agg::glyph_ren_outline))
    {
        return;
    }
    iHasFace = true;
    iEngine.hinting(true);
    iEngine.height(KDefaultPixelHeight);
    iEngine.width(KDefaultPixelHeight);
    iEngine.flip_y(true);
    // The face is at 20 pixels both ways, which is also what setting 20 pixels gives.
    iAppliedHeight = KDefaultPixelHeight;
}

void CZuGcFont::ChangeHeight(int height)
{
    iHeight = height;
    // The cache of the new height is looked for on the next glyph.
    iCurrentCache = nullptr;
    iCurrentCoverages = nullptr;
}

void CZuGcFont::ApplyHeight()
{
    if (iAppliedHeight == iHeight)
    {
        return;
    }
    iEngine.height(iHeight);
    // Small sizes are set one pixel wider per em than high.
    iEngine.width(iHeight <= 18 ? iHeight + 1 : iHeight);
    iEngine.flip_y(true);
    iAppliedHeight = iHeight;
}

const CZuGcFont::TEngine& CZuGcFont::Engine()
{
    ApplyHeight();
    return iEngine;
}

void CZuGcFont::SelectCache()
{
    // Everything else in the signature is fixed for the engine, so equal heights mean equal signatures.
    for (int i = 0; i < iCacheCount; ++i)
    {
        if (iCacheHeights[i] == iHeight)
        {
            iCurrentCache = iCaches[i];
            iCurrentCoverages = iCoverages[i];
            return;
        }
    }
    // All caches in use: the oldest one goes.
    if (iCacheCount == KMaxCaches)
    {
        delete iCaches[0];
        delete iCoverages[0];
        std::memmove(iCaches, iCaches + 1, (KMaxCaches - 1) * sizeof(iCaches[0]));
        std::memmove(iCacheHeights, iCacheHeights + 1, (KMaxCaches - 1) * sizeof(iCacheHeights[0]));
        std::memmove(iCoverages, iCoverages + 1, (KMaxCaches - 1) * sizeof(iCoverages[0]));
        --iCacheCount;
    }
    ApplyHeight();
    iCurrentCache = new agg::font_cache();
    iCurrentCache->signature(iEngine.font_signature());
    iCurrentCoverages = new TCoverages();
    iCaches[iCacheCount] = iCurrentCache;
    iCacheHeights[iCacheCount] = iHeight;
    iCoverages[iCacheCount] = iCurrentCoverages;
    ++iCacheCount;
}

const agg::glyph_cache* CZuGcFont::NewGlyph(unsigned code)
{
    if (!iHasFace)
    {
        return nullptr;
    }
    if (!iCurrentCache)
    {
        SelectCache();
    }
    const agg::glyph_cache* glyph = iCurrentCache->find_glyph(code);
    if (!glyph)
    {
        ApplyHeight();
        if (!iEngine.prepare_glyph(code))
        {
            return nullptr;
        }
        agg::glyph_cache* added =
            iCurrentCache->cache_glyph(code, iEngine.glyph_index(), iEngine.data_size(), iEngine.data_type(),
                                       iEngine.bounds(), iEngine.advance_x(), iEngine.advance_y());
        if (!added)
        {
            return nullptr;
        }
        iEngine.write_glyph_to(added->data);
        glyph = added;
    }
    // A code the character map does not know maps to the face's placeholder glyph: that is no glyph.
    if (glyph->glyph_index == 0)
    {
        return nullptr;
    }
    return glyph;
}

const std::vector<agg::int8u>& CZuGcFont::Coverage(unsigned code, const agg::glyph_cache* glyph)
{
    if (!iCurrentCoverages)
    {
        SelectCache();
    }
    auto found = iCurrentCoverages->find(code);
    if (found != iCurrentCoverages->end())
    {
        return found->second;
    }
    std::vector<agg::int8u>& coverage = (*iCurrentCoverages)[code];
    if (glyph->data_type != agg::glyph_data_outline)
    {
        return coverage;
    }
    agg::rasterizer_scanline_aa<> rasterizer;
    agg::scanline_u8 scanline;
    agg::scanline_storage_aa8 storage;
    iPathAdaptor.init(glyph->data, glyph->data_size, 0, 0);
    agg::conv_curve<TPathAdaptor> curves(iPathAdaptor);
    rasterizer.add_path(curves);
    agg::render_scanlines(rasterizer, scanline, storage);
    if (storage.rewind_scanlines())
    {
        coverage.resize(storage.byte_size());
        storage.serialize(coverage.data());
    }
    return coverage;
}

void CZuGcFont::InitAdaptors(const agg::glyph_cache* glyph, double x, double y)
{
    if (glyph->data_type == agg::glyph_data_outline)
    {
        iPathAdaptor.init(glyph->data, glyph->data_size, x, y);
    }
    else if (glyph->data_type == agg::glyph_data_gray8)
    {
        iGray8Adaptor.init(glyph->data, glyph->data_size, x, y);
    }
}
