#include "ZuProgressBar.h"

#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuImage.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"

#include <algorithm>
#include <cstdint>

namespace
{
// A key moves the position by this part of the total.
const int KKeyStepsPerTotal = 20;
const CZuRgb KTrackFill(170, 170, 170);
const CZuRgb KTrackOutline(85, 85, 85);
const CZuRgb KSliderProgressFill(255, 255, 0);
const CZuRgb KKnobColor(0, 0, 255);
const int KKnobCorner = 2;

// length * part / whole in 64 bits, so large totals cannot overflow; truncated toward zero.
int Scale(int length, int part, int whole)
{
    return static_cast<int>(static_cast<int64_t>(length) * part / whole);
}

void DrawOutlineRect(CZuGc& gc, const CZuRect& rect, const CZuRgb& color)
{
    if (rect.IsEmpty())
        return;
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(color);
    gc.DrawRect(CZuRect(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1));
}
} // namespace

CZuProgressBar::CZuProgressBar(CZuControl* parent, TZuProgressBarDirection direction)
    : CZuControl(parent, true, EZuCtrlProgressBar), iDirection(direction), iStyle(EStyleBar), iPosition(0),
      iTotal(1), iBarOutline(0, 0, 255), iBarFill(0, 0, 255), iProgressOutline(255, 255, 0),
      iProgressFill(255, 255, 0), iSliderOutline(170, 170, 170), iSliderFill(170, 170, 170),
      iProgressImg(nullptr), iProgressBgImg(nullptr)
{
}

CZuProgressBar::~CZuProgressBar() {}

void CZuProgressBar::SetStyle(int style)
{
    iStyle = style;
    DrawDeferred();
}

void CZuProgressBar::SetCurPos(int position, int total)
{
    iTotal = total > 0 ? total : 1;
    iPosition = std::min(std::max(position, 0), iTotal);
    DrawDeferred();
}

void CZuProgressBar::SetProgressBarColor(const CZuRgb& outline, const CZuRgb& fill)
{
    iBarOutline = outline;
    iBarFill = fill;
}

void CZuProgressBar::SetProgressColor(const CZuRgb& outline, const CZuRgb& fill)
{
    iProgressOutline = outline;
    iProgressFill = fill;
}

void CZuProgressBar::SetSliderColor(const CZuRgb& outline, const CZuRgb& fill)
{
    iSliderOutline = outline;
    iSliderFill = fill;
}

void CZuProgressBar::SetProgressImg(CZuImage* image)
{
    iScaledProgress.Reset();
    iProgressImg = image;
}

void CZuProgressBar::SetProgressBgImg(CZuImage* image)
{
    iScaledBackground.Reset();
    iProgressBgImg = image;
}

int CZuProgressBar::Filled(int length) const
{
    return Scale(length, iPosition, iTotal);
}

void CZuProgressBar::Draw(CZuGc& gc, const CZuRect& rect)
{
    switch (iStyle)
    {
    case EStyleBar:
        DrawBar(gc, rect);
        break;
    case EStyleSlider:
        DrawSlider(gc, rect);
        break;
    case EStyleImages:
        DrawImages(gc, rect);
        break;
    default:
        break;
    }
}

void CZuProgressBar::DrawBar(CZuGc& gc, const CZuRect& rect)
{
    CZuDrawUtil::DrawRectWithBorder(gc, rect, iBarFill, iBarOutline);
    iProgressRect = rect;
    iProgressRect.Grow(-1, -1);
    if (IsHorizontal())
        iProgressRect.iBr.iX = iProgressRect.iTl.iX + Filled(iProgressRect.Width());
    else
        iProgressRect.iTl.iY = iProgressRect.iBr.iY - Filled(iProgressRect.Height());
    CZuDrawUtil::DrawRectWithBorder(gc, iProgressRect, iProgressFill, iProgressOutline);
}

void CZuProgressBar::DrawSlider(CZuGc& gc, const CZuRect& rect)
{
    CZuRect track = rect;
    CZuRect progress;
    if (IsHorizontal())
    {
        track.Grow(0, -rect.Height() / 5);
        progress = track;
        progress.Grow(-1, -1);
        progress.iBr.iX = progress.iTl.iX + Filled(progress.Width());
        const int knobWidth = track.Height();
        const int knobLeft = track.iTl.iX + Filled(track.Width() - knobWidth);
        iProgressRect = CZuRect(knobLeft, rect.iTl.iY, knobLeft + knobWidth, rect.iBr.iY);
    }
    else
    {
        track.Grow(-rect.Width() / 5, 0);
        progress = track;
        progress.Grow(-1, -1);
        progress.iTl.iY = progress.iBr.iY - Filled(progress.Height());
        const int knobHeight = track.Width();
        const int knobBottom = track.iBr.iY - Filled(track.Height() - knobHeight);
        iProgressRect = CZuRect(rect.iTl.iX, knobBottom - knobHeight, rect.iBr.iX, knobBottom);
    }
    CZuDrawUtil::DrawRectWithBorder(gc, track, KTrackFill, KTrackOutline);
    CZuDrawUtil::DrawRectWithBorder(gc, progress, KSliderProgressFill, KKnobColor);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(KKnobColor);
    gc.DrawRoundRect(iProgressRect, KKnobCorner);
    if (IsFocused())
    {
        CZuRect frame = iProgressRect;
        frame.Grow(1, 1);
        DrawOutlineRect(gc, frame, BgFocusedColor());
    }
}

void CZuProgressBar::DrawImages(CZuGc& gc, const CZuRect& rect)
{
    if (!iProgressImg || !iProgressBgImg)
        return;
    // A picture taller than the bar is fitted to it rather than drawn over its neighbours.
    const int height = std::min(iProgressBgImg->Size().iHeight, rect.Height());
    CZuRect band(rect.iTl.iX, rect.iTl.iY + (rect.Height() - height) / 2, rect.iBr.iX, 0);
    band.iBr.iY = band.iTl.iY + height;
    if (CZuImage* background = iScaledBackground.Get(iProgressBgImg, band.Size()))
        gc.DrawImage(band.iTl, background);
    iProgressRect = band;
    iProgressRect.iBr.iX = band.iTl.iX + Filled(band.Width());
    CZuImage* progress = iScaledProgress.Get(iProgressImg, band.Size());
    if (progress && !iProgressRect.IsEmpty())
        gc.DrawImage(band.iTl, progress, CZuRect(iProgressRect.Size()));
}

bool CZuProgressBar::TakesKeys() const
{
    return iStyle == EStyleNone || iStyle == EStyleSlider;
}

bool CZuProgressBar::ChangeByUser(int position)
{
    position = std::min(std::max(position, 0), iTotal);
    if (position == iPosition)
        return false;
    iPosition = position;
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(GetMsgWnd(), KMsgPositionChanged, 0, CZuMessage::MakeParam(this));
    DrawDeferred();
    return true;
}

bool CZuProgressBar::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey() || !TakesKeys() || IsDisabled())
        return false;
    // Small totals still move by one.
    const int64_t step = std::max(1, iTotal / KKeyStepsPerTotal);
    const bool lower = event.iCode == EZuKeyLeft || (!IsHorizontal() && event.iCode == EZuKeyDown);
    const bool raise = event.iCode == EZuKeyRight || (!IsHorizontal() && event.iCode == EZuKeyUp);
    if (lower && iPosition >= 1)
        return ChangeByUser(static_cast<int>(std::max<int64_t>(0, iPosition - step)));
    if (raise && iPosition < iTotal)
        return ChangeByUser(static_cast<int>(std::min<int64_t>(iTotal, iPosition + step)));
    return false;
}

int CZuProgressBar::PositionAt(const CZuPoint& point) const
{
    CZuRect inner = InnerRect();
    if (IsHorizontal())
        return inner.Width() > 0 ? Scale(point.iX - inner.iTl.iX, iTotal, inner.Width()) : iPosition;
    // A vertical bar fills from the bottom: its lowest pixel row stands for 0.
    return inner.Height() > 0 ? Scale(inner.iBr.iY - 1 - point.iY, iTotal, inner.Height()) : iPosition;
}

bool CZuProgressBar::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled() || !InnerRect().Contains(event.iPosition))
        return false;
    if (event.iType == EZuPointerDown && TakesKeys() && !IsReadOnly() && !IsFocused())
        SetFocus(true);
    // The slider's knob follows the pointer while the button is held; other styles take the release.
    const bool follows =
        iStyle == EStyleSlider && (event.iType == EZuPointerDown || event.iType == EZuPointerDrag);
    if (event.iType == EZuPointerUp || follows)
        ChangeByUser(PositionAt(event.iPosition));
    return true;
}
