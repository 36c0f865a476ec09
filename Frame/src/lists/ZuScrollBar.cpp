#include "ZuScrollBar.h"

#include "ZuEnv.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiSetting.h"

#include <algorithm>
#include <cstdlib>

namespace
{

// A press and release closer than this (along both axes) is a click.
const int KClickDistance = 8;
// Below this size on both sides, a screen that is not a desktop gets thinner bars.
const int KSmallScreen = 350;

} // namespace

CZuScrollBar::CZuScrollBar(CZuControl* parent, TZuScrollBarType type)
    : CZuControl(parent, true, EZuCtrlWindow), iType(type), iStyle(EStyleSquare), iBarFirst(120, 120, 120),
      iBarSecond(120, 120, 120), iSliderFirst(89, 89, 89), iSliderSecond(89, 89, 89), iMin(0), iMax(0),
      iSliderRange(2), iPos(0), iPressed(false), iOnSlider(false)
{
    // Focus walks pass it by: its owner gives it the keys it should have.
    SetReadOnly(true);
}

CZuScrollBar::~CZuScrollBar() {}

int CZuScrollBar::GetScrollBarSize()
{
    if (!CZuEnv::Static())
        return CZuUiSetting().ScrollBarSize();
    int size = CZuEnv::UiSetting()->ScrollBarSize();
    CZuUiManager* ui = CZuEnv::UiManager();
    bool desktop = CZuEnv::UiSetting()->IsSupportTrans();
    if (ui && !desktop)
    {
        CZuRect screen = ui->GetScreenRect();
        bool small = screen.Width() > 0 && screen.Width() < KSmallScreen && screen.Height() < KSmallScreen;
        if (small)
            return size / 3;
    }
    return size;
}

void CZuScrollBar::SetScrlBarType(TZuScrollBarType type)
{
    iType = type;
    SizeChanged();
}

void CZuScrollBar::SetStype(TZuUiStyle style)
{
    iStyle = style;
    SizeChanged();
}

void CZuScrollBar::SetScrlBarColor(const CZuRgb& first, const CZuRgb& second)
{
    iBarFirst = first;
    iBarSecond = second;
}

void CZuScrollBar::SetSliderColor(const CZuRgb& first, const CZuRgb& second)
{
    iSliderFirst = first;
    iSliderSecond = second;
}

void CZuScrollBar::SetRange(int min, int max)
{
    iMin = min;
    iMax = std::max(min, max);
    if (iPos < iMin || iPos > iMax)
        iPos = iMin;
}

void CZuScrollBar::SetSliderRange(int range)
{
    iSliderRange = std::max(1, range);
}

void CZuScrollBar::SetCurPos(int position)
{
    iPos = (position >= iMin && position <= iMax) ? position : iMin;
}

bool CZuScrollBar::ScrollBy(int delta)
{
    int last = iMin + std::max(0, Span());
    int position = std::max(iMin, std::min(iPos + delta, last));
    if (position == iPos)
        return false;
    iPos = position;
    SendScrolled();
    return true;
}

bool CZuScrollBar::ScrollWheel(int steps)
{
    // Positive steps turn the wheel away from the user: towards the start.
    return ScrollBy(-steps * std::max(1, iSliderRange / 3));
}

void CZuScrollBar::MoveTo(int position)
{
    int last = iMin + std::max(0, Span());
    position = std::max(iMin, std::min(position, last));
    if (position == iPos)
        return;
    iPos = position;
    SendScrolled();
}

void CZuScrollBar::SendScrolled()
{
    CZuEnv* env = CZuEnv::Static();
    if (env && GetMsgWnd())
        env->SendMessageW(GetMsgWnd(), KMsgScrolled, 0, CZuMessage::MakeParam(this));
    DrawDeferred();
}

void CZuScrollBar::SizeChanged()
{
    CZuRect inner = InnerRect();
    iTrack = inner;
    iFirstArrow = CZuRect(inner.iTl, inner.iTl);
    iSecondArrow = CZuRect(inner.iBr, inner.iBr);
    if (iStyle != EStyleSquare)
        return;
    // Square arrow boxes at both ends, the track between them.
    if (IsVertical())
    {
        int side = std::min(inner.Width(), inner.Height() / 2);
        iFirstArrow = CZuRect(inner.iTl.iX, inner.iTl.iY, inner.iBr.iX, inner.iTl.iY + side);
        iSecondArrow = CZuRect(inner.iTl.iX, inner.iBr.iY - side, inner.iBr.iX, inner.iBr.iY);
        iTrack = CZuRect(inner.iTl.iX, inner.iTl.iY + side, inner.iBr.iX, inner.iBr.iY - side);
    }
    else
    {
        int side = std::min(inner.Height(), inner.Width() / 2);
        iFirstArrow = CZuRect(inner.iTl.iX, inner.iTl.iY, inner.iTl.iX + side, inner.iBr.iY);
        iSecondArrow = CZuRect(inner.iBr.iX - side, inner.iTl.iY, inner.iBr.iX, inner.iBr.iY);
        iTrack = CZuRect(inner.iTl.iX + side, inner.iTl.iY, inner.iBr.iX - side, inner.iBr.iY);
    }
}

void CZuScrollBar::SliderExtent(int& offset, int& length) const
{
    int track = Length(iTrack);
    int span = Span();
    offset = 0;
    if (span <= 0)
    {
        length = std::max(0, track - 5);
        return;
    }
    int position = std::max(0, std::min(iPos - iMin, span));
    length = static_cast<int>(static_cast<long long>(track) * iSliderRange / (iMax - iMin));
    length = std::max(length, track / 8);
    length = std::min(std::max(length, 15), track);
    offset = static_cast<int>(static_cast<long long>(track - length) * position / span);
}

CZuRect CZuScrollBar::SliderRect() const
{
    int offset = 0;
    int length = 0;
    SliderExtent(offset, length);
    if (IsVertical())
        return CZuRect(iTrack.iTl.iX + 1, iTrack.iTl.iY + offset, iTrack.iBr.iX - 1, iTrack.iTl.iY + offset + length);
    return CZuRect(iTrack.iTl.iX + offset, iTrack.iTl.iY + 1, iTrack.iTl.iX + offset + length, iTrack.iBr.iY - 1);
}

bool CZuScrollBar::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey())
        return false;
    unsigned back = IsVertical() ? EZuKeyUp : EZuKeyLeft;
    unsigned forward = IsVertical() ? EZuKeyDown : EZuKeyRight;
    if (event.iCode != back && event.iCode != forward)
        return false;
    // A fifth of the view a key; a view too small for that does not move, but the key is still the bar's.
    int step = iSliderRange / 5;
    if (event.iCode == back && iPos - iMin >= 1)
        ScrollBy(-step);
    else if (event.iCode == forward && step >= 1)
        ScrollBy(step);
    return true;
}

bool CZuScrollBar::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled() || !IsVisible())
        return false;
    bool inside = InnerRect().Contains(event.iPosition);
    switch (event.iType)
    {
    case EZuPointerWheel:
        if (!inside)
            return false;
        ScrollWheel(event.iValue1);
        return true;
    case EZuPointerDown:
        if (!inside)
            return false;
        iPressed = true;
        iPressPoint = event.iPosition;
        iOnSlider = SliderRect().Contains(event.iPosition);
        iSliderOrigin = SliderRect().iTl;
        iCapture.Take(this);
        return false;
    case EZuPointerDrag:
        // Only the slider follows the pointer, also off the bar while the button is held.
        if (iPressed && iOnSlider)
            DragTo(event.iPosition);
        return false;
    case EZuPointerUp:
    {
        if (!iPressed)
            return false;
        iPressed = false;
        iCapture.Release();
        bool still = std::abs(event.iPosition.iX - iPressPoint.iX) < KClickDistance &&
                     std::abs(event.iPosition.iY - iPressPoint.iY) < KClickDistance;
        if (inside && still)
            Click(event.iPosition);
        return false;
    }
    default:
        return false;
    }
}

void CZuScrollBar::Click(const CZuPoint& point)
{
    if (Span() <= 0)
        return;
    // An arrow moves by a third of the view, and at least by one.
    int step = std::max(1, iSliderRange / 3);
    if (iFirstArrow.Contains(point))
    {
        if (iPos > iMin)
            MoveTo(std::max(iMin, iPos - step));
        return;
    }
    if (iSecondArrow.Contains(point))
    {
        if (iPos < iMax - iSliderRange)
            MoveTo(std::min(iMax - iSliderRange, iPos + step));
        return;
    }
    if (iTrack.Contains(point))
        ClickTrack(Along(point));
}

void CZuScrollBar::ClickTrack(int along)
{
    int offset = 0;
    int length = 0;
    SliderExtent(offset, length);
    int trackStart = Start(iTrack);
    // A track no longer than the slider has nowhere to move it.
    int free = Length(iTrack) - length;
    if (free <= 0)
        return;
    int span = Span();
    int sliderStart = trackStart + offset;
    int computed;
    int adjusted;
    if (along < sliderStart)
    {
        computed = static_cast<int>(static_cast<long long>(span) * (along - trackStart) / free);
        adjusted = computed > 0 ? computed - 1 : computed;
    }
    else if (along >= sliderStart + length)
    {
        computed = static_cast<int>(static_cast<long long>(span) * (along - length - trackStart) / free);
        adjusted = computed < span ? computed + 1 : computed;
    }
    else
    {
        return;
    }
    // A click beside the slider always moves it, at least by one.
    int position = computed == iPos - iMin ? adjusted : computed;
    MoveTo(iMin + position);
}

void CZuScrollBar::DragTo(const CZuPoint& point)
{
    int offset = 0;
    int length = 0;
    SliderExtent(offset, length);
    int trackStart = Start(iTrack);
    int free = Length(iTrack) - length;
    if (free <= 0 || Span() <= 0)
        return;
    int start = Along(iSliderOrigin) + Along(point) - Along(iPressPoint);
    start = std::max(trackStart, std::min(start, trackStart + free));
    long long scaled = static_cast<long long>(Span()) * (start - trackStart) + free / 2;
    MoveTo(iMin + static_cast<int>(scaled / free));
}

