#ifndef ZUSCROLLBAR_H
#define ZUSCROLLBAR_H

#include "ZuControl.h"
#include "ZuPointerCapture.h"

// A vertical or horizontal bar whose slider shows which part of a range is in view. The user drags the
// slider, clicks the track or the arrows, turns the wheel over it or uses the arrow keys; every change of
// the position is sent at once to the message receiver as KMsgScrolled (the bar as param2). A bar never
// takes the focus on a focus walk: it is read-only, and its owner hands it keys.
class CZuScrollBar : public CZuControl
{
public:
    enum TZuScrollBarType
    {
        EVertical = 0,
        EHorizontal = 1
    };
    enum TZuUiStyle
    {
        // A square track with an arrow box at each end.
        EStyleSquare = 0,
        // A rounded track without arrows.
        EStyleRound = 1
    };

    static const unsigned KMsgScrolled = 25;

    CZuScrollBar(CZuControl* parent, TZuScrollBarType type);
    ~CZuScrollBar() override;

    // The width of a vertical bar (the height of a horizontal one) from the UI setting; a third of it on
    // a small screen that is not a desktop.
    static int GetScrollBarSize();

    void SetScrlBarType(TZuScrollBarType type);
    TZuScrollBarType GetScrlBarType() const { return iType; }
    // Spelled so.
    void SetStype(TZuUiStyle style);
    TZuUiStyle GetStyle() const { return iStyle; }
    void SetScrlBarColor(const CZuRgb& first, const CZuRgb& second);
    void SetSliderColor(const CZuRgb& first, const CZuRgb& second);

    void SetRange(int min, int max);
    void SetRange(int max) { SetRange(0, max); }
    // max - min.
    int GetRange() const { return iMax - iMin; }
    int GetMin() const { return iMin; }
    int GetMax() const { return iMax; }
    // The part of the range in view; values below 1 become 1.
    void SetSliderRange(int range);
    int GetSliderRange() const { return iSliderRange; }
    // A position outside the range becomes the minimum.
    void SetCurPos(int position);
    int GetCurPos() const { return iPos; }
    // Moves the position by delta, kept between the minimum and the last position that still fills the
    // slider; sends KMsgScrolled when it moved. True when it moved.
    bool ScrollBy(int delta);
    // Wheel steps (positive: away from the user, towards the start) scroll a third of the view each.
    bool ScrollWheel(int steps);

    CZuRect FirstArrowRect() const { return iFirstArrow; }
    CZuRect SecondArrowRect() const { return iSecondArrow; }
    CZuRect TrackRect() const { return iTrack; }
    CZuRect SliderRect() const;
    // True from a press on the bar to the release: the pointer stays with the bar meanwhile, also outside
    // the window.
    bool IsPointerCaptured() const { return iCapture.IsTaken(); }

    void SizeChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // Up and Down (Left and Right on a horizontal bar) move by a fifth of the slider range.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // Handles presses, drags and clicks on the bar and the wheel over it. Never consumes an event but
    // the wheel.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    CZuScrollBar(const CZuScrollBar&) = delete;
    CZuScrollBar& operator=(const CZuScrollBar&) = delete;

    // Positions the slider can take beyond the minimum: max - min - slider range.
    int Span() const { return iMax - iMin - iSliderRange; }
    bool IsVertical() const { return iType == EVertical; }
    // Along the bar: the coordinate of a point, the start and length of a rectangle.
    int Along(const CZuPoint& point) const { return IsVertical() ? point.iY : point.iX; }
    int Start(const CZuRect& rect) const { return IsVertical() ? rect.iTl.iY : rect.iTl.iX; }
    int Length(const CZuRect& rect) const { return IsVertical() ? rect.Height() : rect.Width(); }
    void SliderExtent(int& offset, int& length) const;
    void Click(const CZuPoint& point);
    void ClickTrack(int along);
    void DragTo(const CZuPoint& point);
    // Sets the position (kept within the range) and sends KMsgScrolled.
    void MoveTo(int position);
    void SendScrolled();
    void DrawSquare(CZuGc& gc);
    void DrawRound(CZuGc& gc);
    void DrawGrip(CZuGc& gc, const CZuRect& slider);

    TZuScrollBarType iType;
    TZuUiStyle iStyle;
    CZuRgb iBarFirst;
    CZuRgb iBarSecond;
    CZuRgb iSliderFirst;
    CZuRgb iSliderSecond;
    int iMin;
    int iMax;
    int iSliderRange;
    int iPos;
    CZuRect iFirstArrow;
    CZuRect iSecondArrow;
    CZuRect iTrack;
    bool iPressed;
    CZuPoint iPressPoint;
    // The press was on the slider: a drag moves it.
    bool iOnSlider;
    CZuPoint iSliderOrigin;
    CZuPointerCapture iCapture;
};

#endif // ZUSCROLLBAR_H
