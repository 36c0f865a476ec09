// Drawing of CZuControl and the resizable window frame.
#include "ZuControl.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuImage.h"
#include "ZuMessage.h"
#include "ZuUiSetting.h"
#include "ZuWindow.h"

#include <algorithm>

namespace
{
// How wide the edge bands of a resizable window frame are.
const int KFrameBandWidth = 4;

// The top and bottom edges move vertically.
bool IsVerticalEdge(TZuFrameEdge edge)
{
    return edge == EZuEdgeTop || edge == EZuEdgeBottom;
}

bool GradientSupported()
{
    return !CZuEnv::Static() || CZuEnv::UiSetting()->IsSupportGradient();
}

// The corner radii as the drawing context draws them: scaled down together when they do not fit.
void FitCorners(const CZuRect& rect, int corners[4])
{
    double k = 1.0;
    const double pairs[4][2] = {{double(rect.Width()), double(corners[0] + corners[1])},
                                {double(rect.Width()), double(corners[2] + corners[3])},
                                {double(rect.Height()), double(corners[0] + corners[2])},
                                {double(rect.Height()), double(corners[1] + corners[3])}};
    for (const auto& pair : pairs)
    {
        if (pair[1] > 0.0 && pair[0] / pair[1] < k)
            k = pair[0] / pair[1];
    }
    for (int i = 0; i < 4; ++i)
        corners[i] = static_cast<int>(corners[i] * k);
}
} // namespace

void CZuControl::DrawCtrl(CZuGc& gc, const CZuRect&)
{
    if (!IsVisible())
        return;
    if (iShowBackground)
        DrawBackground(gc);
    // A clipped control whose inner rectangle is all outside the clip in force shows nothing inside it.
    const bool clipped = iClip && CZuClip::Push(gc, InnerRect());
    if (!iClip || clipped)
        DrawContent(gc);
    if (clipped)
        CZuClip::Pop(gc);
    if (HasBorder())
        DrawBorder(gc, GetBorderType());
}

void CZuControl::DrawContent(CZuGc& gc)
{
    Draw(gc, InnerRect());
    bool otherLevels = false;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->iDispLevel == iDispLevel)
            child->DrawCtrl(gc, child->Rect());
        else
            otherLevels = true;
    }
    for (int i = 0; otherLevels && i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->iDispLevel > iDispLevel)
            child->DrawCtrl(gc, child->Rect());
    }
}

void CZuControl::DrawBackground(CZuGc& gc)
{
    int tl, tr, bl, br;
    RoundCornerSize(tl, tr, bl, br);
    if (iBackgroundImg.Get())
    {
        gc.DrawImage(Rect(), iBackgroundImg.Get(), false);
        return;
    }
    if (iGradientBackground && GradientSupported())
    {
        gc.SetDrawStyle(IZuGc::EDrawGradual);
        gc.SetDrawColor2(Background(), BackgroundTo(), iGradualType);
    }
    else
    {
        CZuRgb color = Background();
        color.SetAlpha(iBgTransDegree);
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(color);
    }
    gc.DrawRoundRect(Rect(), tl, tr, bl, br);
}

void CZuControl::DrawBorder(CZuGc& gc, TZuBorderType type)
{
    CZuRgb color = GetBorderColor();
    switch (type)
    {
    case EZuBorderLine:
    case EZuBorderLine2:
    case EZuBorderLine3:
    case EZuBorderResizable:
        color.SetAlpha(iBgTransDegree);
        DrawOutline(gc, Rect(), color, GetBorderWidth());
        break;
    case EZuBorderTwoTone:
    {
        DrawOutline(gc, Rect(), color.GetNewColor(80, -80), 1);
        CZuRect inner = Rect();
        inner.Grow(-1, -1);
        DrawOutline(gc, inner, color.GetNewColor(-40, 40), 1);
        break;
    }
    case EZuBorderOpaque:
        DrawOutline(gc, Rect(), color, GetBorderWidth());
        break;
    default:
        break;
    }
    gc.SetPenSize(1u);
}

// An outline of the given width just inside rect, following the round corners. The corner arcs come from
// one anti-aliased stroke kept inside rect; the straight edges are then filled as whole pixel rows and
// columns over it, so they stay sharp whatever the width.
void CZuControl::DrawOutline(CZuGc& gc, const CZuRect& rect, const CZuRgb& color, int width)
{
    if (width <= 0 || rect.IsEmpty())
        return;
    int corners[4];
    RoundCornerSize(corners[0], corners[1], corners[2], corners[3]);
    FitCorners(rect, corners);
    const int l = rect.iTl.iX, t = rect.iTl.iY, r = rect.iBr.iX, b = rect.iBr.iY;
    const int tl = corners[0], tr = corners[1], bl = corners[2], br = corners[3];
    width = std::min(width, std::min(rect.Width(), rect.Height()));
    gc.SetDrawColor(color);

    if (tl + tr + bl + br > 0)
    {
        const int inset = width / 2;
        CZuRect path = rect;
        path.Grow(-inset, -inset);
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetPenSize(static_cast<unsigned>(width));
        if (CZuClip::Push(gc, rect))
        {
            gc.DrawRoundRect(path, std::max(tl - inset, 0), std::max(tr - inset, 0), std::max(bl - inset, 0),
                             std::max(br - inset, 0));
            CZuClip::Pop(gc);
        }
    }
    gc.SetDrawStyle(IZuGc::EDrawFill);
    // DrawRect fills both edges inclusive.
    gc.DrawRect(CZuRect(l + tl, t, r - tr - 1, t + width - 1));
    gc.DrawRect(CZuRect(l + bl, b - width, r - br - 1, b - 1));
    gc.DrawRect(CZuRect(l, t + tl, l + width - 1, b - bl - 1));
    gc.DrawRect(CZuRect(r - width, t + tr, r - 1, b - br - 1));
}

TZuFrameEdge CZuControl::FrameEdgeAt(const CZuPoint& point) const
{
    CZuRect rect = Rect();
    if (!rect.Contains(point))
        return EZuEdgeNone;
    if (point.iY < rect.iTl.iY + KFrameBandWidth)
        return EZuEdgeTop;
    if (point.iY >= rect.iBr.iY - KFrameBandWidth)
        return EZuEdgeBottom;
    if (point.iX < rect.iTl.iX + KFrameBandWidth)
        return EZuEdgeLeft;
    if (point.iX >= rect.iBr.iX - KFrameBandWidth)
        return EZuEdgeRight;
    return EZuEdgeNone;
}

bool CZuControl::HandleFrameEvent(const TZuPointerEvent& event)
{
    CZuEnv* env = CZuEnv::Static();
    switch (event.iType)
    {
    case EZuPointerMove:
    {
        TZuFrameEdge edge = FrameEdgeAt(event.iPosition);
        if (edge == EZuEdgeNone && iDragEdge == EZuEdgeNone)
            return false;
        unsigned cursor =
            edge == EZuEdgeNone ? EZuCursorNone : (IsVerticalEdge(edge) ? EZuCursorSizeNS : EZuCursorSizeWE);
        if (env)
            env->SendMessageW(nullptr, EZuMsgSetCursor, cursor, 0);
        iDragEdge = edge;
        return edge != EZuEdgeNone;
    }
    case EZuPointerDown:
        iDragEdge = FrameEdgeAt(event.iPosition);
        if (iDragEdge == EZuEdgeNone)
            return false;
        iLastPointerPos = event.iPosition;
        if (iWindow)
            iWindow->SetCapture();
        return true;
    case EZuPointerDrag:
    {
        if (iDragEdge == EZuEdgeNone)
            return false;
        bool vertical = IsVerticalEdge(iDragEdge);
        int delta =
            vertical ? event.iPosition.iY - iLastPointerPos.iY : event.iPosition.iX - iLastPointerPos.iX;
        iLastPointerPos = event.iPosition;
        if (delta != 0 && env)
            env->SendMessageW(nullptr, EZuMsgResizeWindow, iDragEdge,
                              static_cast<uintptr_t>(static_cast<intptr_t>(delta)));
        return true;
    }
    case EZuPointerUp:
    {
        bool wasDragging = iDragEdge != EZuEdgeNone;
        iDragEdge = EZuEdgeNone;
        if (iWindow)
            iWindow->ReleaseCapture();
        return wasDragging;
    }
    default:
        return false;
    }
}
