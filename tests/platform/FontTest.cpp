// Fonts: sizes, metrics, measured widths, missing characters and missing font files.
#include "ZuAl.h"
#include "ZuBase.h"
#include "ZuGcFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
const char* const KTinyFont = ZU_TEST_SOURCE_DIR "/fuzz/corpus/fuzz_font_file/tiny.ttf";

// What a glyph is made of: advance, bounds and its serialised outline.
struct TGlyphCopy
{
    double iAdvance = -1;
    int iBounds[4] = {};
    std::vector<agg::int8u> iData;

    explicit TGlyphCopy(const agg::glyph_cache* glyph)
    {
        if (!glyph)
        {
            return;
        }
        iAdvance = glyph->advance_x;
        iBounds[0] = glyph->bounds.x1;
        iBounds[1] = glyph->bounds.y1;
        iBounds[2] = glyph->bounds.x2;
        iBounds[3] = glyph->bounds.y2;
        iData.assign(glyph->data, glyph->data + glyph->data_size);
    }
    bool operator==(const TGlyphCopy& other) const
    {
        return iAdvance == other.iAdvance && std::memcmp(iBounds, other.iBounds, sizeof(iBounds)) == 0 &&
               iData == other.iData;
    }
};

// The glyph as an engine makes it that has never been set to any other height.
TGlyphCopy GlyphAlone(int height, unsigned code)
{
    CZuGcFont engine(EFontPhonetic, CZuString(KTinyFont));
    engine.EnsureLoaded();
    engine.SetPixelHeight(height);
    return TGlyphCopy(engine.Glyph(code));
}
} // namespace

TEST(FontTest, HeightFollowsTheSizeButNeverGoesBelowSixteen)
{
    EXPECT_EQ(CZuFont(EFontUi, 80, false).HeightInPixels(), 16);
    EXPECT_EQ(CZuFont(EFontUi, 100, false).HeightInPixels(), 16);
    EXPECT_EQ(CZuFont(EFontUi, 150, false).HeightInPixels(), 24);
    EXPECT_EQ(CZuFont(EFontUi, 119, false).HeightInPixels(), 19);
    CZuFont zero(EFontUi, 0, true);
    EXPECT_EQ(zero.HeightInPixels(), 16);
    EXPECT_EQ(zero.FontSize(), 100);
    EXPECT_TRUE(zero.Flag());
    EXPECT_EQ(CZuFont(EFontList, -20, false).FontSize(), 100);
    EXPECT_EQ(CZuFont::GetNormalHeight(), 16);
}

TEST(FontTest, AscentAndDescentAreNinetyAndTenPercent)
{
    CZuFont large(EFontUi, 150, false);
    EXPECT_EQ(large.AscentInPixels(), 21);
    EXPECT_EQ(large.DescentInPixels(), 2);
    CZuFont normal(EFontUi, 100, false);
    EXPECT_EQ(normal.AscentInPixels(), 14);
    EXPECT_EQ(normal.DescentInPixels(), 1);
}

TEST(FontTest, ReleaseDeletesAtTheLastReference)
{
    CZuFont* font = new CZuFont(EFontTitle, 100, false);
    font->AddRef();
    EXPECT_FALSE(font->Release());
    EXPECT_TRUE(font->Release());
}

TEST(FontTest, InterfaceFontCoversChineseAndLatin)
{
    CZuFont font(EFontUi, 100, false);
    EXPECT_GT(font.CharWidthInPixels(0x4E2D), 0);
    EXPECT_GT(font.CharWidthInPixels('A'), 0);
    EXPECT_FALSE(CZuGcFont::ForName(EFontUi).FontFile().IsEmpty());
}

TEST(FontTest, SmallFontsAreOnePixelWiderPerEm)
{
    CZuGcFont& engine = CZuGcFont::ForName(EFontUi);
    engine.EnsureLoaded();
    ASSERT_TRUE(engine.HasFace());
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Engine().height(), 16.0);
    EXPECT_EQ(engine.Engine().width(), 17.0);
    engine.SetPixelHeight(18);
    EXPECT_EQ(engine.Engine().width(), 19.0);
    engine.SetPixelHeight(19);
    EXPECT_EQ(engine.Engine().width(), 19.0);
    EXPECT_TRUE(engine.Engine().flip_y());
    EXPECT_TRUE(engine.Engine().hinting());

    // A full-width ideograph advances by one em: 17 pixels at 16, 19 at 19, 24 at 24.
    EXPECT_EQ(CZuFont(EFontUi, 100, false).CharWidthInPixels(0x4E2D), 17);
    EXPECT_EQ(CZuFont(EFontUi, 119, false).CharWidthInPixels(0x4E2D), 19);
    EXPECT_EQ(CZuFont(EFontUi, 150, false).CharWidthInPixels(0x4E2D), 24);
}

TEST(FontTest, TextWidthIsTheSumOfTheAdvances)
{
    CZuFont font(EFontUi, 100, false);
    EXPECT_EQ(font.TextWidthInPixels(CZuString("")), 0);
    EXPECT_EQ(font.TextWidthInPixels(CZuString()), 0);
    int a = font.CharWidthInPixels('A');
    int w = font.CharWidthInPixels('w');
    EXPECT_EQ(font.TextWidthInPixels(CZuString("Aw")), a + w);
    EXPECT_EQ(font.TextWidthInPixels(CZuString("中文")), 2 * font.CharWidthInPixels(0x4E2D));
    // Larger fonts measure wider.
    CZuFont large(EFontUi, 200, false);
    EXPECT_GT(large.TextWidthInPixels(CZuString("Aw")), a + w);
}

TEST(FontTest, CharactersMissingFromTheFontMeasureNothing)
{
    CZuFont font(EFontUi, 100, false);
    // U+0378 is unassigned, so no font has it.
    EXPECT_EQ(font.CharWidthInPixels(0x0378), 0);
    EXPECT_EQ(font.TextWidthInPixels(CZuString("A\xCD\xB8"
                                               "B")),
              font.TextWidthInPixels(CZuString("AB")));
    EXPECT_EQ(font.TextWidthInPixels(CZuString("\xCD\xB8")), 0);
}

TEST(FontTest, PhoneticFontCoversTheIpa)
{
    CZuFont font(EFontPhonetic, 100, false);
    for (int code : {0x0259, 0x0283, 0x014B, 0x02C8, 0x02D0, 0x00E6, 0x03B8, 0x028A})
    {
        EXPECT_GT(font.CharWidthInPixels(code), 0) << std::hex << code;
    }
    EXPECT_GT(font.TextWidthInPixels(CZuString("/vəˈkæbjʊləri/")), 50);
}

TEST(FontTest, AMissingFontFileGivesNoGlyphs)
{
    CZuGcFont engine(EFontUi, CZuString("/nonexistent/font.ttf"));
    engine.EnsureLoaded();
    EXPECT_FALSE(engine.HasFace());
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Glyph('A'), nullptr);
    // The load is not retried.
    engine.EnsureLoaded();
    EXPECT_FALSE(engine.HasFace());

    CZuGcFont broken(EFontUi, CZuString(ZU_TEST_SOURCE_DIR "/tests/platform/data/sample-8.gif"));
    broken.EnsureLoaded();
    EXPECT_FALSE(broken.HasFace());
    EXPECT_EQ(broken.Glyph(0x4E2D), nullptr);
}

TEST(FontTest, AFontOfOurOwnMeasuresAsItsMetricsSay)
{
    // A tiny font: 'A' and 'B' 600 units wide, the schwa 520, in a 1000-unit em; nothing else.
    CZuGcFont engine(EFontPhonetic, CZuString(ZU_TEST_SOURCE_DIR "/fuzz/corpus/fuzz_font_file/tiny.ttf"));
    engine.EnsureLoaded();
    ASSERT_TRUE(engine.HasFace());
    engine.SetPixelHeight(30);
    const agg::glyph_cache* a = engine.Glyph('A');
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->advance_x, 18.0);
    EXPECT_EQ(a->data_type, agg::glyph_data_outline);
    EXPECT_FALSE(engine.Coverage('A', a).empty());
    const agg::glyph_cache* schwa = engine.Glyph(0x0259);
    ASSERT_NE(schwa, nullptr);
    EXPECT_NEAR(schwa->advance_x, 15.6, 0.6);
    EXPECT_EQ(engine.Glyph('C'), nullptr);
    // At 16 pixels the em is 17 wide: 600 units are 10.2 pixels, rounded by the hinting.
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Glyph('A')->advance_x, 10.0);
}

TEST(FontTest, GlyphsAreKeptPerSizeAndReused)
{
    CZuGcFont& engine = CZuGcFont::ForName(EFontList);
    engine.EnsureLoaded();
    ASSERT_TRUE(engine.HasFace());
    engine.SetPixelHeight(16);
    const agg::glyph_cache* small = engine.Glyph('g');
    ASSERT_NE(small, nullptr);
    engine.SetPixelHeight(30);
    const agg::glyph_cache* large = engine.Glyph('g');
    ASSERT_NE(large, nullptr);
    EXPECT_NE(small, large);
    EXPECT_GT(large->advance_x, small->advance_x);
    // Switching back finds the first cache again instead of rebuilding the glyph.
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Glyph('g'), small);
    EXPECT_EQ(small->data_type, agg::glyph_data_outline);
}

TEST(FontTest, GlyphsAreMadeAtTheHeightAskedForWhateverCameBefore)
{
    CZuGcFont engine(EFontPhonetic, CZuString(KTinyFont));
    engine.EnsureLoaded();
    ASSERT_TRUE(engine.HasFace());
    engine.SetPixelHeight(16);
    const agg::glyph_cache* a16 = engine.Glyph('A');
    ASSERT_NE(a16, nullptr);
    EXPECT_TRUE(TGlyphCopy(a16) == GlyphAlone(16, 'A'));
    engine.SetPixelHeight(30);
    EXPECT_TRUE(TGlyphCopy(engine.Glyph('B')) == GlyphAlone(30, 'B'));
    // Back at 16, 'A' comes from its cache; 'B' and the schwa are new there and must be made at 16, not at
    // the 30 pixels the face was last set to.
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Glyph('A'), a16);
    const agg::glyph_cache* b16 = engine.Glyph('B');
    ASSERT_NE(b16, nullptr);
    EXPECT_EQ(b16->advance_x, 10.0);
    EXPECT_TRUE(TGlyphCopy(b16) == GlyphAlone(16, 'B'));
    EXPECT_TRUE(TGlyphCopy(engine.Glyph(0x0259)) == GlyphAlone(16, 0x0259));
    engine.SetPixelHeight(30);
    EXPECT_TRUE(TGlyphCopy(engine.Glyph('A')) == GlyphAlone(30, 'A'));
    EXPECT_EQ(engine.CacheCount(), 2);
    // The engine as seen from outside has the height last asked for.
    engine.SetPixelHeight(17);
    EXPECT_EQ(engine.Engine().height(), 17.0);
    EXPECT_EQ(engine.Engine().width(), 18.0);
    // Coverage asked for straight after a change of height belongs to the new height's glyph.
    engine.SetPixelHeight(16);
    EXPECT_FALSE(engine.Coverage('A', a16).empty());
    EXPECT_EQ(engine.Glyph('A'), a16);
}

TEST(FontTest, ADroppedSizeIsMadeAgainAtItsOwnHeight)
{
    CZuGcFont engine(EFontPhonetic, CZuString(KTinyFont));
    engine.EnsureLoaded();
    ASSERT_TRUE(engine.HasFace());
    engine.SetPixelHeight(16);
    ASSERT_NE(engine.Glyph('A'), nullptr);
    // 32 more heights push the cache of 16 out; each later cache must still answer for its own height.
    for (int height = 17; height < 17 + CZuGcFont::KMaxCaches; ++height)
    {
        engine.SetPixelHeight(height);
        ASSERT_NE(engine.Glyph('A'), nullptr);
    }
    EXPECT_EQ(engine.CacheCount(), CZuGcFont::KMaxCaches);
    engine.SetPixelHeight(30);
    EXPECT_EQ(engine.Glyph('A')->advance_x, 18.0);
    engine.SetPixelHeight(16);
    EXPECT_EQ(engine.Glyph('A')->advance_x, 10.0);
    EXPECT_TRUE(TGlyphCopy(engine.Glyph('A')) == GlyphAlone(16, 'A'));
    engine.SetPixelHeight(48);
    EXPECT_TRUE(TGlyphCopy(engine.Glyph('B')) == GlyphAlone(48, 'B'));
    EXPECT_EQ(engine.CacheCount(), CZuGcFont::KMaxCaches);
}

TEST(FontTest, FontsOfTwoSizesMeasuredInTurnMeasureAsEachAlone)
{
    CZuFont normal(EFontUi, 100, false);
    CZuFont large(EFontUi, 150, false);
    const unsigned codes[] = {'A', 'w', ' ', 0x4E2D, 0x8BCD, '.', 0xFF0C};
    std::vector<int> normalWidths;
    std::vector<int> largeWidths;
    for (unsigned code : codes)
    {
        normalWidths.push_back(normal.CharWidthInPixels(code));
    }
    for (unsigned code : codes)
    {
        largeWidths.push_back(large.CharWidthInPixels(code));
    }
    for (size_t i = 0; i < normalWidths.size(); ++i)
    {
        EXPECT_EQ(large.CharWidthInPixels(codes[i]), largeWidths[i]);
        EXPECT_EQ(normal.CharWidthInPixels(codes[i]), normalWidths[i]);
    }
    EXPECT_EQ(normalWidths[3], 17);
    EXPECT_EQ(largeWidths[3], 24);
    CZuString text("Aw 中词.");
    int normalText = normal.TextWidthInPixels(text);
    EXPECT_EQ(large.TextWidthInPixels(text), largeWidths[0] + largeWidths[1] + largeWidths[2] +
                                                 largeWidths[3] + largeWidths[4] + largeWidths[5]);
    EXPECT_EQ(normal.TextWidthInPixels(text), normalText);
}

TEST(FontTest, ManySizesStayUsable)
{
    // More sizes than there are caches: the oldest caches are dropped and rebuilt when needed.
    CZuFont reference(EFontUi, 100, false);
    int width = reference.TextWidthInPixels(CZuString("Hello 你好"));
    for (int size = 100; size < 100 + 40 * 7; size += 7)
    {
        CZuFont font(EFontUi, size, false);
        EXPECT_GT(font.TextWidthInPixels(CZuString("Hello 你好")), 0);
    }
    EXPECT_EQ(reference.TextWidthInPixels(CZuString("Hello 你好")), width);
    EXPECT_EQ(CZuGcFont::ForName(EFontUi).CacheCount(), CZuGcFont::KMaxCaches);
}

TEST(FontTest, AdditionalPathIsKept)
{
    CZuFont::SetFontAdditionalPath(CZuString("/usr/share/fonts/"));
    EXPECT_TRUE(CZuFont::FontAdditionalPath() == "/usr/share/fonts/");
    CZuFont::SetFontAdditionalPath(CZuString(""));
}
