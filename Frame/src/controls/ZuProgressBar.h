#ifndef ZUPROGRESSBAR_H
#define ZUPROGRESSBAR_H

#include "ZuControl.h"
#include "ZuScaledImage.h"

// A position within a total, shown as a filled bar, a slider or a pair of images. The slider (and the
// undrawn style) let the user change the position with the arrow keys; a click on any style sets it.
// Every change made by the user is posted as message 26 (param1 0, param2 the bar) to GetMsgWnd().
class CZuProgressBar : public CZuControl
{
public:
    enum TZuProgressBarDirection : int
    {
        EHorizontal = 1,
        // Any other value: the bar fills from the bottom up.
        EVertical = 2
    };

    enum TZuProgressBarStyle : int
    {
        EStyleBar = 0,
        // Draws nothing: an invisible area that still takes keys and clicks.
        EStyleNone = 1,
        EStyleSlider = 2,
        EStyleImages = 3
    };

    // The message a change by the user posts.
    static const unsigned KMsgPositionChanged = 26;

    CZuProgressBar(CZuControl* parent, TZuProgressBarDirection direction);
    ~CZuProgressBar() override;

    void SetStyle(int style);
    int GetStyle() const { return iStyle; }
    bool IsHorizontal() const { return iDirection == EHorizontal; }
    // A total of 0 or less becomes 1; the position is kept within 0..total. Requests a redraw.
    void SetCurPos(int position, int total);
    int GetCurPos() const { return iPosition; }
    int GetTotal() const { return iTotal; }
    // The last filled or knob rectangle drawn.
    const CZuRect& GetProgressRect() const { return iProgressRect; }

    void SetProgressBarColor(const CZuRgb& outline, const CZuRgb& fill);
    void SetProgressColor(const CZuRgb& outline, const CZuRgb& fill);
    // Kept for callers; the slider is drawn in its own greys.
    void SetSliderColor(const CZuRgb& outline, const CZuRgb& fill);
    // The images of style 3, not owned: the caller keeps them alive while the bar shows them.
    void SetProgressImg(CZuImage* image);
    void SetProgressBgImg(CZuImage* image);

    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    void DrawBar(CZuGc& gc, const CZuRect& rect);
    void DrawSlider(CZuGc& gc, const CZuRect& rect);
    void DrawImages(CZuGc& gc, const CZuRect& rect);
    // How far along length the position is, in pixels.
    int Filled(int length) const;
    // The position a pointer at point stands for.
    int PositionAt(const CZuPoint& point) const;
    // Takes a position chosen by the user: stores it, posts message 26 and redraws when it changed.
    bool ChangeByUser(int position);
    bool TakesKeys() const;

    TZuProgressBarDirection iDirection;
    int iStyle;
    int iPosition;
    int iTotal;
    CZuRect iProgressRect;
    CZuRgb iBarOutline;
    CZuRgb iBarFill;
    CZuRgb iProgressOutline;
    CZuRgb iProgressFill;
    CZuRgb iSliderOutline;
    CZuRgb iSliderFill;
    CZuImage* iProgressImg;
    CZuImage* iProgressBgImg;
    CZuScaledImage iScaledProgress;
    CZuScaledImage iScaledBackground;
};

#endif // ZUPROGRESSBAR_H
