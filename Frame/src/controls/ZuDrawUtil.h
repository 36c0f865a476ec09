#ifndef ZUDRAWUTIL_H
#define ZUDRAWUTIL_H

#include "ZuAlign.h"
#include "ZuGc.h"
#include "ZuRgb.h"

class CZuFont;
class CZuImage;
class CZuRect;
class CZuString;
class CZuString16;

// The small drawing routines several controls share: arrows, framed rectangles, gradient round rectangles
// and wrapped text. Each one sets the draw style it needs itself, so none inherits a gradient or an outline
// from the call before it, and none leaves a gradient behind.
class CZuDrawUtil
{
public:
    // Which way an arrow points.
    enum TZuDirection
    {
        EDirUp = 1,
        EDirDown = 2,
        EDirLeft = 3,
        EDirRight = 4
    };

    // A filled arrow head centred in rect: half-width 4, or a third of the width in a rect 9 pixels wide
    // or less. Other directions draw nothing.
    static void DrawTrangle(IZuGc& gc, int direction, const CZuRect& rect, CZuRgb colour);
    // Exactly the pixels of rect (its right and bottom edges outside), filled, the outermost ones in border.
    static void DrawRectWithBorder(IZuGc& gc, const CZuRect& rect, CZuRgb fill, const CZuRgb& border);
    // Filled, then outlined inside rect; a negative radius is taken as 0.
    static void DrawRoundRect(IZuGc& gc, const CZuRect& rect, int radius, CZuRgb fill, const CZuRgb& border);
    // The outline alone, kept inside rect.
    static void OutlineRoundRect(IZuGc& gc, const CZuRect& rect, int radius, const CZuRgb& color);
    // A gradient from first to second; the context is left in fill style.
    static void FillRoundRect(IZuGc& gc, const CZuRect& rect, int radius, const CZuRgb& first,
                              const CZuRgb& second, IZuGc::TGradualType type);
    // The image centred in rect, cropped to it when larger; nothing for a null image or one without pixels.
    static void DrawCentredImage(IZuGc& gc, const CZuRect& rect, CZuImage* image);
    // One line placed in rect. The font argument is not applied: the context's current font draws.
    static void DrawTextW(IZuGc& gc, const CZuString16& text, const CZuRect& rect, TZuAlign align,
                          CZuFont* font);
    // The text broken into lines that fit rect's width with font, drawn from rect's top with lineSpace
    // between lines in the context's current font, until a baseline passes rect's bottom. The two ints
    // after rect have no effect.
    static void DrawWrapText(IZuGc& gc, const CZuString16& text, const CZuRect& rect, int, int, int lineSpace,
                             CZuFont* font);

    // The text as one line of at most width pixels in font: the whole text when it fits; otherwise the
    // characters that fit before an ellipsis ("…", or "..." in a font without it), trailing spaces
    // dropped; empty when not even the ellipsis fits. Surrogate pairs are never split.
    static CZuString16 ElidedText(const CZuString& text, const CZuFont& font, int width);

    // Colours for text drawn over a known fill.
    // first moved towards second by percent (0: first, 100: second); alpha 0.
    static CZuRgb MixColour(const CZuRgb& first, const CZuRgb& second, int percent);
    // The text colour itself when it stands out from fill; otherwise dark ink on a light fill and white on
    // a dark one, so that a caption stays readable in every state of a look.
    static CZuRgb ReadableOn(const CZuRgb& text, const CZuRgb& fill);
    // The colour of text drawn on a disabled control: halfway to the fill behind it, or to a middle grey
    // when what lies behind is not known.
    static CZuRgb DimmedOn(const CZuRgb& text, const CZuRgb& fill);
    static CZuRgb Dimmed(const CZuRgb& text);
    // A new picture (the caller owns it) of image as a disabled control shows it: each pixel's grey moved
    // halfway to fill, as DimmedOn moves text. Transparency stays as it was: the alpha of each pixel, and
    // the pixels of the colour key, which are kept and never made by the dimming. Null when image has no
    // pixels.
    static CZuImage* DimmedImageOn(CZuImage& image, const CZuRgb& fill);
    // The same towards a middle grey, when what lies behind is not known.
    static CZuImage* DimmedImage(CZuImage& image);
};

#endif // ZUDRAWUTIL_H
