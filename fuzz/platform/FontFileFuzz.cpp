// A font file of any content: the glyph engine opens it, measures, outlines and rasterises its glyphs
// without reading outside it, crashing or hanging.
#include "ZuBase.h"
#include "ZuGcFont.h"

#include <agg_conv_curve.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_scanline_u.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
// FreeType opens font files by name, so each input is written to a file of this process.
const std::string& FontPath()
{
    static const std::string path = "/tmp/zu_fuzz_font_" + std::to_string(getpid()) + ".ttf";
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(FontPath().c_str(), "wb");
    if (!file)
    {
        return 0;
    }
    if (size > 0)
    {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);

    CZuGcFont engine(EFontPhonetic, CZuString(FontPath().c_str()));
    engine.EnsureLoaded();
    for (int height : {16, 24, 90})
    {
        engine.SetPixelHeight(height);
        for (unsigned code : {0x41u, 0x42u, 0x259u, 0x4E2Du, 0u, 0xFFFFu})
        {
            const agg::glyph_cache* glyph = engine.Glyph(code);
            if (!glyph || glyph->data_type != agg::glyph_data_outline)
            {
                continue;
            }
            engine.Coverage(code, glyph);
            engine.InitAdaptors(glyph, 3.5, 20.25);
            agg::conv_curve<CZuGcFont::TPathAdaptor> curves(engine.PathAdaptor());
            agg::rasterizer_scanline_aa<> rasterizer;
            rasterizer.clip_box(0, 0, 200, 200);
            rasterizer.add_path(curves);
        }
    }
    std::remove(FontPath().c_str());
    return 0;
}
