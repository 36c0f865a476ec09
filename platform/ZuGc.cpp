#include "ZuGc.h"

#include "ZuFont.h"
#include "ZuGcFont.h"
#include "ZuImage.h"
#include "ZuObjectList.h"
#include "ZuPoint.h"
#include "ZuRect.h"
#include "ZuString.h"
#include "ZuString16.h"

#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_ellipse.h>
#include <agg_path_storage.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_primitives.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_rounded_rect.h>
#include <agg_scanline_storage_aa.h>
#include <agg_scanline_u.h>
#include <agg_span_allocator.h>
#include <agg_span_gradient.h>
#include <agg_span_interpolator_linear.h>
#include <agg_trans_affine.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// Plain (not premultiplied) blending of a colour with coverage into BGRA pixels:
// alpha = (a * (cover + 1)) >> 8; an opaque result replaces the pixel, otherwise each channel moves by
// alpha / 256 of the way to the colour and the pixel's alpha is combined as in "over".
struct TZuBlender : agg::conv_rgba_plain<agg::rgba8, agg::order_bgra>
{
    typedef agg::rgba8 color_type;
    typedef agg::order_bgra order_type;
    typedef color_type::value_type value_type;
    typedef color_type::calc_type calc_type;

    static void blend_pix(value_type* p, value_type cr, value_type cg, value_type cb, value_type alpha,
                          agg::cover_type cover)
    {
        blend_pix(p, cr, cg, cb, value_type((alpha * (cover + 1)) >> 8));
    }

    static void blend_pix(value_type* p, value_type cr, value_type cg, value_type cb, value_type alpha)
    {
        if (alpha == 255)
        {
            p[order_type::R] = cr;
            p[order_type::G] = cg;
            p[order_type::B] = cb;
            p[order_type::A] = 255;
            return;
        }
        int a = p[order_type::A];
        p[order_type::R] = Mix(p[order_type::R], cr, alpha);
        p[order_type::G] = Mix(p[order_type::G], cg, alpha);
        p[order_type::B] = Mix(p[order_type::B], cb, alpha);
        p[order_type::A] = value_type(alpha + a - ((a * alpha + 255) >> 8));
    }

    static value_type Mix(int d, int c, int alpha) { return value_type((alpha * (c - d) + d * 256) >> 8); }
};

typedef agg::pixfmt_alpha_blend_rgba<TZuBlender, agg::rendering_buffer> TPixFmt;
typedef agg::renderer_base<TPixFmt> TRenBase;
typedef agg::renderer_primitives<TRenBase> TRenPrimitives;
typedef agg::renderer_scanline_aa_solid<TRenBase> TRenSolid;
typedef agg::serialized_scanlines_adaptor_aa<agg::int8u> TCoverageAdaptor;

const int KGradientSize = 256;

// The 256 colours a gradient looks its positions up in.
class TZuGradientTable
{
public:
    typedef agg::rgba8 color_type;

    // First to second colour; mirrored tables run first, second, first.
    TZuGradientTable(const CZuRgb& first, const CZuRgb& second, bool mirrored)
    {
        agg::rgba8 a(first.Red(), first.Green(), first.Blue(), 255);
        agg::rgba8 b(second.Red(), second.Green(), second.Blue(), 255);
        for (int i = 0; i < KGradientSize; ++i)
        {
            iColors[i] = mirrored ? MirroredEntry(a, b, i) : LinearEntry(a, b, i);
        }
    }

    unsigned size() const { return KGradientSize; }
    const agg::rgba8& operator[](unsigned i) const { return iColors[i]; }

private:
    static agg::rgba8 LinearEntry(const agg::rgba8& a, const agg::rgba8& b, int i)
    {
        int k = (i * 256 + 127) / 255;
        return agg::rgba8(Step(a.r, b.r, k), Step(a.g, b.g, k), Step(a.b, b.b, k), 255);
    }

    static int Step(int from, int to, int k) { return from + (((to - from) * k) >> 8); }

    static agg::rgba8 MirroredEntry(const agg::rgba8& a, const agg::rgba8& b, int i)
    {
        double position = i / 255.0;
        if (position <= 0.5)
        {
            return Between(a, b, position * 2.0);
        }
        return Between(b, a, (position - 0.5) * 2.0);
    }

    static agg::rgba8 Between(const agg::rgba8& from, const agg::rgba8& to, double t)
    {
        return agg::rgba8(Lerp(from.r, to.r, t), Lerp(from.g, to.g, t), Lerp(from.b, to.b, t), 255);
    }

    static unsigned Lerp(int from, int to, double t)
    {
        return static_cast<unsigned>(std::floor(from + (to - from) * t + 0.5));
    }

    agg::rgba8 iColors[KGradientSize];
};

agg::rgba8 AggColor(const CZuRgb& color)
{
    return agg::rgba8(color.Red(), color.Green(), color.Blue(), 255);
}
} // namespace

// Everything CZuGc draws with: the style, the AGG pipeline over the attached buffer and the clip stack.
struct TZuGcState
{
    TZuGcState()
        : iStyle(IZuGc::EDrawOutline), iColor(0, 0, 0), iStrokeWidth(1), iFont(nullptr), iAttached(false),
          iPixFmt(iBuffer), iRenBase(iPixFmt), iClipStack(true)
    {
    }

    IZuGc::TDrawType iStyle;
    CZuRgb iColor;
    unsigned iStrokeWidth;
    CZuFont* iFont;
    bool iAttached;
    agg::rendering_buffer iBuffer;
    TPixFmt iPixFmt;
    TRenBase iRenBase;
    CZuObjectList iClipStack;
    agg::rasterizer_scanline_aa<> iRasterizer;
    agg::scanline_u8 iScanline;

    // False when nothing can be drawn: no buffer, or an empty clip box.
    bool CanDraw() const
    {
        return iAttached && iRenBase.xmin() <= iRenBase.xmax() && iRenBase.ymin() <= iRenBase.ymax();
    }

    // Prepares the rasteriser for a new shape, clipped a little outside the clip box.
    void BeginShape()
    {
        iRasterizer.reset();
        iRasterizer.clip_box(iRenBase.xmin(), iRenBase.ymin(), iRenBase.xmax() + 1, iRenBase.ymax() + 1);
    }

    void FillSolid();
};

namespace
{
template <class Path> void FillPath(TZuGcState& state, Path& path)
{
    state.BeginShape();
    state.iRasterizer.add_path(path);
    state.FillSolid();
}

template <class Path> void StrokePath(TZuGcState& state, Path& path)
{
    agg::conv_stroke<Path> stroke(path);
    stroke.width(state.iStrokeWidth);
    FillPath(state, stroke);
}

// Renders scanlines in one colour per row (Rows gives it): runs of full coverage are written in bulk,
// everything else is blended pixel by pixel as the base renderer does.
template <class Rows> class TZuRowRenderer
{
public:
    TZuRowRenderer(TRenBase& ren, const Rows& rows) : iRen(ren), iRows(rows) {}

    void prepare() {}

    template <class Scanline> void render(const Scanline& sl)
    {
        int y = sl.y();
        if (y < iRen.ymin() || y > iRen.ymax())
        {
            return;
        }
        const agg::rgba8& color = iRows(y);
        typename Scanline::const_iterator span = sl.begin();
        for (unsigned n = sl.num_spans(); n > 0; --n, ++span)
        {
            if (span->len < 0)
            {
                RenderRun(span->x, y, -span->len, color, *span->covers);
                continue;
            }
            const agg::int8u* covers = span->covers;
            int x = span->x;
            int end = span->x + span->len;
            while (x < end)
            {
                int run = 1;
                while (x + run < end && covers[run] == covers[0])
                {
                    ++run;
                }
                RenderRun(x, y, run, color, covers[0]);
                x += run;
                covers += run;
            }
        }
    }

private:
    void RenderRun(int x, int y, int length, const agg::rgba8& color, agg::int8u cover)
    {
        if (cover != agg::cover_full)
        {
            iRen.blend_hline(x, y, x + length - 1, color, cover);
            return;
        }
        int left = std::max(x, iRen.xmin());
        int right = std::min(x + length - 1, iRen.xmax());
        if (left > right)
        {
            return;
        }
        const unsigned char pixel[4] = {color.b, color.g, color.r, 255};
        unsigned char* p = iRen.ren().pix_ptr(left, y);
        for (int i = 0; i <= right - left; ++i)
        {
            std::memcpy(p + i * 4, pixel, 4);
        }
    }

    TRenBase& iRen;
    const Rows& iRows;
};

// One colour for every row.
struct TZuSolidRows
{
    agg::rgba8 iColor;
    const agg::rgba8& operator()(int) const { return iColor; }
};

// The colour of a vertical gradient depends on the row alone: looked up once per row, exactly as the span
// generator would for every pixel of the row.
class TZuGradientRows
{
public:
    TZuGradientRows(const TZuGradientTable& table, double originY, int extent)
        : iTable(table), iOriginY(originY),
          iExtent(agg::iround((extent < 1 ? 1 : extent) * double(agg::gradient_subpixel_scale)))
    {
    }

    // Pixel centre in 1/256 pixel, brought to the gradient's 1/16 pixel, as a table position.
    const agg::rgba8& operator()(int y) const
    {
        int centre = agg::iround(((y + 0.5) - iOriginY) * 256.0);
        int d = centre >> (8 - agg::gradient_subpixel_shift);
        int index = d * static_cast<int>(iTable.size()) / iExtent;
        index = std::min(std::max(index, 0), static_cast<int>(iTable.size()) - 1);
        return iTable[static_cast<unsigned>(index)];
    }

private:
    const TZuGradientTable& iTable;
    double iOriginY;
    int iExtent;
};

} // namespace

void TZuGcState::FillSolid()
{
    TZuSolidRows rows = {AggColor(iColor)};
    TZuRowRenderer<TZuSolidRows> renderer(iRenBase, rows);
    agg::render_scanlines(iRasterizer, iScanline, renderer);
}

namespace
{
template <class Gradient>
void RenderGradient(TZuGcState& state, Gradient gradient, TZuGradientTable& table, double originX,
                    double originY, int extent)
{
    typedef agg::span_interpolator_linear<> TInterpolator;
    typedef agg::span_gradient<agg::rgba8, TInterpolator, Gradient, TZuGradientTable> TSpanGradient;
    typedef agg::span_allocator<agg::rgba8> TSpanAllocator;

    agg::trans_affine toBox = agg::trans_affine_translation(originX, originY);
    toBox.invert();
    TInterpolator interpolator(toBox);
    TSpanGradient spans(interpolator, gradient, table, 0, extent < 1 ? 1 : extent);
    TSpanAllocator allocator;
    agg::render_scanlines_aa(state.iRasterizer, state.iScanline, state.iRenBase, allocator, spans);
}

// Fills the path with the context's gradient across box: linear types from the box's top-left corner,
// the radial type from its centre.
template <class Path> void GradientPath(TZuGcState& state, const IZuGc& gc, Path& path, const CZuRect& box)
{
    state.BeginShape();
    state.iRasterizer.add_path(path);

    IZuGc::TGradualType type = gc.GradualType();
    bool mirrored = type == IZuGc::EGradualVerticalMirror || type == IZuGc::EGradualHorizontalMirror;
    TZuGradientTable table(gc.GradualFirst(), gc.GradualSecond(), mirrored);
    switch (type)
    {
    case IZuGc::EGradualVertical:
    case IZuGc::EGradualVerticalMirror:
    {
        TZuGradientRows rows(table, box.iTl.iY, box.Height());
        TZuRowRenderer<TZuGradientRows> renderer(state.iRenBase, rows);
        agg::render_scanlines(state.iRasterizer, state.iScanline, renderer);
        break;
    }
    case IZuGc::EGradualHorizontal:
    case IZuGc::EGradualHorizontalMirror:
        RenderGradient(state, agg::gradient_x(), table, box.iTl.iX, box.iTl.iY, box.Width());
        break;
    default:
    {
        int extent = std::max(box.Width(), box.Height()) / 2;
        agg::gradient_radial_focus radial(extent < 1 ? 1 : extent, 0, 0);
        int centreX = (box.iTl.iX + box.iBr.iX) / 2;
        int centreY = (box.iTl.iY + box.iBr.iY) / 2;
        RenderGradient(state, radial, table, centreX, centreY, extent);
        break;
    }
    }
}

template <class Path> void DrawPath(TZuGcState& state, const IZuGc& gc, Path& path, const CZuRect& box)
{
    switch (state.iStyle)
    {
    case IZuGc::EDrawFill:
        FillPath(state, path);
        break;
    case IZuGc::EDrawGradual:
        GradientPath(state, gc, path, box);
        break;
    default:
        StrokePath(state, path);
        break;
    }
}
} // namespace

IZuGc::IZuGc() : iGradualType(EGradualVertical), iGradualFirst(0, 0, 0), iGradualSecond(0, 0, 0), iPenSize(1)
{
}

IZuGc::~IZuGc() {}

void IZuGc::SetDrawColor2(const CZuRgb& first, const CZuRgb& second, TGradualType type)
{
    iGradualFirst = first;
    iGradualSecond = second;
    iGradualType = type;
}

void IZuGc::SetPenSize(int size)
{
    iPenSize = size;
}

CZuGc::CZuGc() : iState(new TZuGcState) {}

CZuGc::~CZuGc()
{
    delete iState;
}

void CZuGc::SetBuf(unsigned char* buf, unsigned width, unsigned height, int stride)
{
    // For a negative stride buf is the first row in memory, the bottom one; AGG finds the top row itself.
    iState->iBuffer.attach(buf, width, height, stride);
    iState->iPixFmt.attach(iState->iBuffer);
    iState->iRenBase.attach(iState->iPixFmt);
    iState->iRenBase.reset_clipping(true);
    iState->iAttached = buf && width > 0 && height > 0;
}

void CZuGc::SetPenSize(unsigned size)
{
    iState->iStrokeWidth = size;
}

void CZuGc::SetDrawStyle(TDrawType style)
{
    iState->iStyle = style;
}

void CZuGc::SetDrawColor(const CZuRgb& color)
{
    iState->iColor = color;
}

void CZuGc::ApplyClip(const CZuRect& rect)
{
    iState->iRenBase.clip_box(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
}

void CZuGc::SetClippingRect(const CZuRect& rect)
{
    // Normalised, then kept within the clip in force: a control that clips its own drawing inside a
    // clipped parent stays inside the parent too.
    CZuRect box(std::min(rect.iTl.iX, rect.iBr.iX), std::min(rect.iTl.iY, rect.iBr.iY),
                std::max(rect.iTl.iX, rect.iBr.iX), std::max(rect.iTl.iY, rect.iBr.iY));
    CZuObjectList& stack = iState->iClipStack;
    if (stack.GetCount() > 0)
    {
        const CZuRect& outer = *static_cast<CZuRect*>(stack.GetAt(stack.GetCount() - 1));
        box = CZuRect(std::max(box.iTl.iX, outer.iTl.iX), std::max(box.iTl.iY, outer.iTl.iY),
                      std::min(box.iBr.iX, outer.iBr.iX), std::min(box.iBr.iY, outer.iBr.iY));
    }
    // Nothing left: a box off the buffer, which clips everything away.
    if (box.iTl.iX > box.iBr.iX || box.iTl.iY > box.iBr.iY)
        box = CZuRect(-1, -1, -1, -1);
    stack.Append(new CZuRect(box));
    ApplyClip(box);
}

void CZuGc::CancelClippingRect()
{
    CZuObjectList& stack = iState->iClipStack;
    if (stack.GetCount() > 0)
    {
        stack.Delete(stack.GetCount() - 1);
    }
    iState->iRenBase.reset_clipping(true);
    if (stack.GetCount() > 0)
    {
        ApplyClip(*static_cast<CZuRect*>(stack.GetAt(stack.GetCount() - 1)));
    }
}

void CZuGc::Clear(const CZuRect& rect)
{
    SetDrawStyle(EDrawFill);
    DrawRoundRect(rect, 0);
}

void CZuGc::Clear()
{
    if (!iState->iAttached)
    {
        return;
    }
    // One row is filled pixel by pixel, the others are copies of it.
    const CZuRgb& color = iState->iColor;
    const unsigned char pixel[4] = {static_cast<unsigned char>(color.Blue()),
                                    static_cast<unsigned char>(color.Green()),
                                    static_cast<unsigned char>(color.Red()), 255};
    agg::rendering_buffer& buffer = iState->iBuffer;
    unsigned char* first = buffer.row_ptr(0);
    for (unsigned x = 0; x < buffer.width(); ++x)
    {
        std::memcpy(first + x * 4, pixel, 4);
    }
    for (unsigned y = 1; y < buffer.height(); ++y)
    {
        std::memcpy(buffer.row_ptr(static_cast<int>(y)), first, buffer.width() * 4);
    }
}

void CZuGc::ReservedA(int, int) {}

CZuRgb CZuGc::ReservedB(int)
{
    return CZuRgb(0, 0, 0);
}

void CZuGc::DrawLine(const CZuPoint& from, const CZuPoint& to)
{
    if (!iState->CanDraw())
    {
        return;
    }
    TRenPrimitives primitives(iState->iRenBase);
    primitives.line_color(AggColor(iState->iColor));
    // The walk runs on 1/256 pixel coordinates; the end pixel is left out.
    primitives.line(from.iX * 256, from.iY * 256, to.iX * 256, to.iY * 256, false);
}

void CZuGc::DrawPolygon(const CZuPoint* points, int count)
{
    if (!iState->CanDraw() || !points || count < 1)
    {
        return;
    }
    agg::path_storage path;
    int minX = points[0].iX, minY = points[0].iY, maxX = minX, maxY = minY;
    path.move_to(points[0].iX, points[0].iY);
    for (int i = 1; i < count; ++i)
    {
        path.line_to(points[i].iX, points[i].iY);
        minX = std::min(minX, points[i].iX);
        minY = std::min(minY, points[i].iY);
        maxX = std::max(maxX, points[i].iX);
        maxY = std::max(maxY, points[i].iY);
    }
    path.close_polygon();
    DrawPath(*iState, *this, path, CZuRect(minX, minY, maxX, maxY));
}

void CZuGc::DrawEllipse(const CZuRect& rect)
{
    if (!iState->CanDraw())
    {
        return;
    }
    int centreX = (rect.iTl.iX + rect.iBr.iX) / 2;
    int centreY = (rect.iTl.iY + rect.iBr.iY) / 2;
    int radiusX = rect.Width() / 2;
    int radiusY = rect.Height() / 2;
    if (iState->iStyle == EDrawGradual)
    {
        agg::ellipse path(centreX, centreY, radiusX, radiusY);
        GradientPath(*iState, *this, path, rect);
        return;
    }
    TRenPrimitives primitives(iState->iRenBase);
    agg::rgba8 color = AggColor(iState->iColor);
    primitives.line_color(color);
    primitives.fill_color(color);
    if (iState->iStyle == EDrawFill)
    {
        primitives.solid_ellipse(centreX, centreY, radiusX, radiusY);
    }
    else
    {
        primitives.ellipse(centreX, centreY, radiusX, radiusY);
    }
}

void CZuGc::DrawRect(const CZuRect& rect)
{
    if (iState->iStyle == EDrawGradual)
    {
        DrawRoundRect(rect, 0);
        return;
    }
    if (!iState->CanDraw())
    {
        return;
    }
    TRenPrimitives primitives(iState->iRenBase);
    agg::rgba8 color = AggColor(iState->iColor);
    primitives.line_color(color);
    primitives.fill_color(color);
    if (iState->iStyle == EDrawFill)
    {
        primitives.solid_rectangle(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
    }
    else
    {
        primitives.rectangle(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
    }
}

void CZuGc::DrawRoundRect(const CZuRect& rect, int topLeft, int topRight, int bottomLeft, int bottomRight)
{
    if (!iState->CanDraw())
    {
        return;
    }
    double tl = std::max(topLeft, 0), tr = std::max(topRight, 0);
    double bl = std::max(bottomLeft, 0), br = std::max(bottomRight, 0);
    // Radii that do not fit are scaled down together, so that neighbouring corners meet but never overlap.
    double dx = std::abs(rect.Width());
    double dy = std::abs(rect.Height());
    double k = 1.0;
    const double pairs[4][2] = {{dx, tl + tr}, {dx, bl + br}, {dy, tl + bl}, {dy, tr + br}};
    for (const auto& pair : pairs)
    {
        if (pair[1] > 0.0 && pair[0] / pair[1] < k)
        {
            k = pair[0] / pair[1];
        }
    }
    agg::rounded_rect path(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY, 0);
    path.radius(tl * k, tl * k, tr * k, tr * k, br * k, br * k, bl * k, bl * k);
    DrawPath(*iState, *this, path, rect);
}

void CZuGc::DrawRoundRect(const CZuRect& rect, int radius)
{
    DrawRoundRect(rect, radius, radius, radius, radius);
}

void CZuGc::DrawImage(const CZuRect& dest, CZuImage* image, bool, int, bool)
{
    DrawImage(dest.iTl, image);
}

void CZuGc::DrawImage(const CZuRect& dest, CZuImage* image, const CZuRect& src, bool)
{
    CZuRect cut(src.iTl, CZuSize(std::min(src.Width(), dest.Width()), std::min(src.Height(), dest.Height())));
    CZuPoint at(dest.iTl.iX + (dest.Width() - cut.Width()) / 2,
                dest.iTl.iY + (dest.Height() - cut.Height()) / 2);
    DrawImage(at, image, cut);
}

void CZuGc::DrawImage(const CZuRect& dest, CZuImage* image, bool flag)
{
    if (!image)
    {
        return;
    }
    DrawImage(dest, image, CZuRect(image->Size()), flag);
}

void CZuGc::DrawImage(const CZuPoint& at, CZuImage* image)
{
    if (!image)
    {
        return;
    }
    DrawImage(at, image, CZuRect(image->Size()));
}

void CZuGc::DrawImage(const CZuPoint& at, CZuImage* image, const CZuRect& src)
{
    if (!iState->CanDraw() || !image || !image->GetImgBuf())
    {
        return;
    }
    CZuSize size = image->Size();
    // Only the part of src inside the picture is read.
    int left = std::max(src.iTl.iX, 0), top = std::max(src.iTl.iY, 0);
    int right = std::min(src.iBr.iX, size.iWidth), bottom = std::min(src.iBr.iY, size.iHeight);
    // Destination columns and rows of that part, cut to the clip box.
    int shiftX = at.iX - src.iTl.iX, shiftY = at.iY - src.iTl.iY;
    const TRenBase& ren = iState->iRenBase;
    left = std::max(left, ren.xmin() - shiftX);
    right = std::min(right, ren.xmax() + 1 - shiftX);
    top = std::max(top, ren.ymin() - shiftY);
    bottom = std::min(bottom, ren.ymax() + 1 - shiftY);
    if (left >= right || top >= bottom)
    {
        return;
    }

    const unsigned char* pixels = image->GetImgBuf();
    bool masked = image->HaveMask();
    bool blended = masked && image->HaveAlpha();
    unsigned key = image->MaskColor() & 0xFFFFFF;
    int count = right - left;
    for (int y = top; y < bottom; ++y)
    {
        const unsigned char* s = pixels + (static_cast<long>(y) * size.iWidth + left) * 4;
        unsigned char* d = iState->iBuffer.row_ptr(y + shiftY) + (left + shiftX) * 4;
        if (!masked)
        {
            std::memcpy(d, s, static_cast<size_t>(count) * 4);
            continue;
        }
        for (int x = 0; x < count; ++x, s += 4, d += 4)
        {
            if (blended)
            {
                int a = s[3];
                d[0] = static_cast<unsigned char>((s[0] * a + d[0] * (255 - a)) >> 8);
                d[1] = static_cast<unsigned char>((s[1] * a + d[1] * (255 - a)) >> 8);
                d[2] = static_cast<unsigned char>((s[2] * a + d[2] * (255 - a)) >> 8);
                d[3] = 255;
                continue;
            }
            unsigned rgb = s[0] | (s[1] << 8) | (s[2] << 16);
            if (rgb == key)
            {
                continue;
            }
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            d[3] = 255;
        }
    }
}

void CZuGc::UseFont(CZuFont* font)
{
    iState->iFont = font;
}

void CZuGc::DiscardFont()
{
    iState->iFont = nullptr;
}

void CZuGc::DrawTextW(const CZuString16& text, const CZuRect& rect, TZuAlign align, int unused, int margin)
{
    CZuString utf8;
    ConvertUnicodeToUtf8(text.PtrZ(), text.Length(), utf8);
    DrawTextW(utf8, rect, align, unused, margin);
}

void CZuGc::DrawTextW(const CZuString16& text, const CZuPoint& baseline)
{
    DrawUtf16(text.PtrZ(), text.Length(), baseline);
}

void CZuGc::DrawTextW(const CZuString& text, const CZuRect& rect, TZuAlign align, int, int margin)
{
    CZuFont* font = iState->iFont;
    if (text.IsEmpty() || !font)
    {
        return;
    }
    int height = font->HeightInPixels();
    int ascent = static_cast<int>(height * 0.9);
    int x;
    if (align == EAlignLeft)
    {
        x = rect.iTl.iX + margin;
    }
    else if (align == EAlignCenter)
    {
        x = rect.iTl.iX + (rect.Width() - font->TextWidthInPixels(text)) / 2;
    }
    else
    {
        x = rect.iBr.iX - margin - font->TextWidthInPixels(text);
    }
    int y = rect.iTl.iY + (rect.Height() - height) / 2 + ascent;
    DrawTextW(text, CZuPoint(x, y));
}

void CZuGc::DrawTextW(const CZuString& text, const CZuPoint& baseline)
{
    if (text.IsEmpty())
    {
        return;
    }
    CZuString16 units;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
    DrawUtf16(units.PtrZ(), units.Length(), baseline);
}

void CZuGc::DrawUtf16(const TZuWChar* units, int count, const CZuPoint& baseline)
{
    CZuFont* font = iState->iFont;
    if (!units || count < 1 || !font || !iState->CanDraw())
    {
        return;
    }
    CZuGcFont& engine = CZuGcFont::ForName(font->FontName());
    engine.EnsureLoaded();
    engine.SetPixelHeight(font->HeightInPixels());
    if (!engine.HasFace())
    {
        return;
    }
    TRenSolid solid(iState->iRenBase);
    solid.color(AggColor(iState->iColor));
    double x = baseline.iX;
    double y = baseline.iY;
    for (int i = 0; i < count; ++i)
    {
        const agg::glyph_cache* glyph = engine.Glyph(units[i]);
        if (!glyph)
        {
            continue;
        }
        bool wholePixel = x == std::floor(x) && y == std::floor(y);
        if (glyph->data_type == agg::glyph_data_outline && wholePixel)
        {
            // At whole pixels the glyph's coverage, rasterised once, gives the same pixels as its outline.
            const std::vector<agg::int8u>& coverage = engine.Coverage(units[i], glyph);
            if (!coverage.empty())
            {
                TCoverageAdaptor adaptor(coverage.data(), static_cast<unsigned>(coverage.size()), x, y);
                TCoverageAdaptor::embedded_scanline scanline;
                agg::render_scanlines(adaptor, scanline, solid);
            }
            x += glyph->advance_x;
            y += glyph->advance_y;
            continue;
        }
        engine.InitAdaptors(glyph, x, y);
        if (glyph->data_type == agg::glyph_data_outline)
        {
            agg::conv_curve<CZuGcFont::TPathAdaptor> curves(engine.PathAdaptor());
            FillPath(*iState, curves);
        }
        else if (glyph->data_type == agg::glyph_data_gray8)
        {
            agg::render_scanlines(engine.Gray8Adaptor(), engine.Gray8Scanline(), solid);
        }
        x += glyph->advance_x;
        y += glyph->advance_y;
    }
}

IZuGc::TDrawType CZuGc::DrawStyle() const
{
    return iState->iStyle;
}

const CZuRgb& CZuGc::DrawColor() const
{
    return iState->iColor;
}

unsigned CZuGc::StrokeWidth() const
{
    return iState->iStrokeWidth;
}

CZuFont* CZuGc::Font() const
{
    return iState->iFont;
}

bool CZuGc::ClipBox(int& left, int& top, int& right, int& bottom) const
{
    const TRenBase& ren = iState->iRenBase;
    left = ren.xmin();
    top = ren.ymin();
    right = ren.xmax();
    bottom = ren.ymax();
    return iState->CanDraw();
}

int CZuGc::ClipDepth() const
{
    return iState->iClipStack.GetCount();
}

int CZuGc::Width() const
{
    return iState->iAttached ? static_cast<int>(iState->iBuffer.width()) : 0;
}

int CZuGc::Height() const
{
    return iState->iAttached ? static_cast<int>(iState->iBuffer.height()) : 0;
}
