#ifndef ZUGC_H
#define ZUGC_H

#include "ZuAlign.h"
#include "ZuRgb.h"
#include "ZuTypes.h"

class CZuFont;
class CZuImage;
class CZuPoint;
class CZuRect;
class CZuString;
class CZuString16;
struct TZuGcState;

// The drawing interface every control draws through. Pixels are 32-bit Blue, Green, Red, Alpha; (0,0) is the
// top-left pixel, x grows to the right and y downwards. Shapes, text and Clear use the red, green and blue of
// the draw colour with alpha 255. The interface itself keeps the gradient set by SetDrawColor2 and a pen size
// that the shapes do not read (their stroke width is CZuGc::SetPenSize).
class IZuGc
{
public:
    // How shapes are drawn.
    enum TDrawType : int
    {
        // Aliased one-pixel outline for rectangles, ellipses and lines; anti-aliased stroke of the pen size
        // for round rectangles and polygons.
        EDrawOutline = 0,
        EDrawFill = 1,
        // Filled with the gradient set by SetDrawColor2.
        EDrawGradual = 2
    };

    // How the two gradient colours run across a shape's box.
    enum TGradualType : int
    {
        // First colour at the top edge, second at the bottom edge.
        EGradualVertical = 0,
        // First at the left edge, second at the right edge.
        EGradualHorizontal = 1,
        // First at top and bottom, second in the middle.
        EGradualVerticalMirror = 2,
        // First at left and right, second in the middle.
        EGradualHorizontalMirror = 3,
        // First at the centre, second at the radius.
        EGradualRadial = 4
    };

    IZuGc();
    virtual ~IZuGc();

    virtual void SetDrawStyle(TDrawType style) = 0;
    virtual void SetDrawColor(const CZuRgb& color) = 0;
    virtual void SetDrawColor2(const CZuRgb& first, const CZuRgb& second, TGradualType type);
    virtual void SetPenSize(int size);
    // Pushes a clip rectangle (both edges inclusive) and makes its part inside the clip in force the clip
    // box, so that nested clips only ever narrow.
    virtual void SetClippingRect(const CZuRect& rect) = 0;
    // Pops the top clip rectangle; the one below it, or the whole buffer, is in force again.
    virtual void CancelClippingRect() = 0;
    // Fills the pixel columns left..right-1 and rows top..bottom-1 with the draw colour, anti-aliased;
    // leaves the draw style at EDrawFill.
    virtual void Clear(const CZuRect& rect) = 0;
    // Fills the whole buffer with the draw colour, ignoring the clip box.
    virtual void Clear() = 0;
    virtual void ReservedA(int a, int b) = 0;
    virtual CZuRgb ReservedB(int a) = 0;
    // Aliased one-pixel line in the draw colour; the end pixel is not drawn.
    virtual void DrawLine(const CZuPoint& from, const CZuPoint& to) = 0;
    // Closed polygon; filled with the non-zero winding rule.
    virtual void DrawPolygon(const CZuPoint* points, int count) = 0;
    // Centre ((left+right)/2, (top+bottom)/2), radii width/2 and height/2.
    virtual void DrawEllipse(const CZuRect& rect) = 0;
    // Outline: a one-pixel frame on columns left..right and rows top..bottom (both inclusive). Fill: the
    // same block filled. Gradual: DrawRoundRect(rect, 0).
    virtual void DrawRect(const CZuRect& rect) = 0;
    // Anti-aliased; radii larger than the rectangle allows are scaled down together.
    virtual void DrawRoundRect(const CZuRect& rect, int topLeft, int topRight, int bottomLeft,
                               int bottomRight) = 0;
    virtual void DrawRoundRect(const CZuRect& rect, int radius) = 0;
    // The whole image at dest's top-left corner; the last three arguments have no effect.
    virtual void DrawImage(const CZuRect& dest, CZuImage* image, bool flag, int value, bool flag2) = 0;
    // src cut to dest's size (keeping its top-left) and centred in dest; the flag has no effect.
    virtual void DrawImage(const CZuRect& dest, CZuImage* image, const CZuRect& src, bool flag) = 0;
    virtual void DrawImage(const CZuRect& dest, CZuImage* image, bool flag) = 0;
    // The src part of the image with its top-left at `at`, unscaled. A masked image with alpha is blended;
    // a masked image without alpha skips the pixels of its mask colour; other images are copied.
    virtual void DrawImage(const CZuPoint& at, CZuImage* image, const CZuRect& src) = 0;
    virtual void DrawImage(const CZuPoint& at, CZuImage* image) = 0;
    // The font of later text; not owned, no reference taken: the caller keeps it alive while it is in use.
    virtual void UseFont(CZuFont* font) = 0;
    virtual void DiscardFont() = 0;
    // The font UseFont gave, null after DiscardFont or before any.
    virtual CZuFont* Font() const = 0;
    virtual void DrawTextW(const CZuString16& text, const CZuRect& rect, TZuAlign align, int unused,
                           int margin) = 0;
    virtual void DrawTextW(const CZuString16& text, const CZuPoint& baseline) = 0;
    // One line, vertically centred: align 0 starts at left + margin, 1 is centred (margin unused), any
    // other value ends at right - margin. Not clipped to rect, not shortened, not wrapped.
    virtual void DrawTextW(const CZuString& text, const CZuRect& rect, TZuAlign align, int unused,
                           int margin) = 0;
    // UTF-8 text starting at a baseline point, in the current font and draw colour.
    virtual void DrawTextW(const CZuString& text, const CZuPoint& baseline) = 0;

    TGradualType GradualType() const { return iGradualType; }
    const CZuRgb& GradualFirst() const { return iGradualFirst; }
    const CZuRgb& GradualSecond() const { return iGradualSecond; }
    int PenSize() const { return iPenSize; }

private:
    IZuGc(const IZuGc&) = delete;
    IZuGc& operator=(const IZuGc&) = delete;

    TGradualType iGradualType;
    CZuRgb iGradualFirst;
    CZuRgb iGradualSecond;
    int iPenSize;
};

// The drawing context over a caller-supplied pixel buffer (not owned). Usable after SetBuf.
class CZuGc : public IZuGc
{
public:
    CZuGc();
    ~CZuGc() override;

    // Attaches width x height pixels. A positive stride means the first row in memory is the top row; a
    // negative stride means the rows are stored bottom-up, the top row starting at buf - stride*(height-1).
    // The clip box becomes the whole buffer.
    void SetBuf(unsigned char* buf, unsigned width, unsigned height, int stride);
    // The stroke width of anti-aliased outlines (round rectangles and polygons). It hides the interface's
    // SetPenSize(int) on purpose: a pen size given to a CZuGc, as an int or not, sets the stroke width.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
    void SetPenSize(unsigned size);
#pragma GCC diagnostic pop

    void SetDrawStyle(TDrawType style) override;
    void SetDrawColor(const CZuRgb& color) override;
    void SetClippingRect(const CZuRect& rect) override;
    void CancelClippingRect() override;
    void Clear(const CZuRect& rect) override;
    void Clear() override;
    void ReservedA(int a, int b) override;
    CZuRgb ReservedB(int a) override;
    void DrawLine(const CZuPoint& from, const CZuPoint& to) override;
    void DrawPolygon(const CZuPoint* points, int count) override;
    void DrawEllipse(const CZuRect& rect) override;
    void DrawRect(const CZuRect& rect) override;
    void DrawRoundRect(const CZuRect& rect, int topLeft, int topRight, int bottomLeft,
                       int bottomRight) override;
    void DrawRoundRect(const CZuRect& rect, int radius) override;
    void DrawImage(const CZuRect& dest, CZuImage* image, bool flag, int value, bool flag2) override;
    void DrawImage(const CZuRect& dest, CZuImage* image, const CZuRect& src, bool flag) override;
    void DrawImage(const CZuRect& dest, CZuImage* image, bool flag) override;
    void DrawImage(const CZuPoint& at, CZuImage* image, const CZuRect& src) override;
    void DrawImage(const CZuPoint& at, CZuImage* image) override;
    void UseFont(CZuFont* font) override;
    void DiscardFont() override;
    void DrawTextW(const CZuString16& text, const CZuRect& rect, TZuAlign align, int unused,
                   int margin) override;
    void DrawTextW(const CZuString16& text, const CZuPoint& baseline) override;
    void DrawTextW(const CZuString& text, const CZuRect& rect, TZuAlign align, int unused,
                   int margin) override;
    void DrawTextW(const CZuString& text, const CZuPoint& baseline) override;

    TDrawType DrawStyle() const;
    const CZuRgb& DrawColor() const;
    unsigned StrokeWidth() const;
    CZuFont* Font() const override;
    // The clip box in force, right and bottom inclusive; false when it is empty.
    bool ClipBox(int& left, int& top, int& right, int& bottom) const;
    // The number of rectangles on the clip stack.
    int ClipDepth() const;
    int Width() const;
    int Height() const;

private:
    void ApplyClip(const CZuRect& rect);
    void FillGradient(const CZuRect& box);
    void DrawUtf16(const TZuWChar* units, int count, const CZuPoint& baseline);

    TZuGcState* iState;
};

#endif // ZUGC_H
