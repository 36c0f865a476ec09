// Drawing of CZuScrollBar in its two styles.
#include "ZuScrollBar.h"

#include "ZuDrawUtil.h"

namespace
{

// The pixels of rect (right and bottom exclusive) filled.
void Fill(IZuGc& gc, const CZuRect& rect, const CZuRgb& color)
{
    CZuDrawUtil::DrawRectWithBorder(gc, rect, color, color);
}

} // namespace

void CZuScrollBar::Draw(CZuGc& gc, const CZuRect&)
{
    if (InnerRect().IsEmpty())
        return;
    if (iStyle == EStyleSquare)
        DrawSquare(gc);
    else
        DrawRound(gc);
}

void CZuScrollBar::DrawSquare(CZuGc& gc)
{
    // The track stays within the bar: it does not reach over the neighbours' edges.
    Fill(gc, iTrack, iBarFirst);
    CZuRgb arrowFill = iSliderSecond.GetNewColor(-30, 30);
    CZuRgb arrowBorder = iSliderFirst.GetNewColor(-30, 30);
    CZuRgb arrowHead = iSliderSecond.GetNewColor(60, -30);
    CZuDrawUtil::DrawRectWithBorder(gc, iFirstArrow, arrowFill, arrowBorder);
    CZuDrawUtil::DrawTrangle(gc, IsVertical() ? CZuDrawUtil::EDirUp : CZuDrawUtil::EDirLeft, iFirstArrow, arrowHead);
    CZuDrawUtil::DrawRectWithBorder(gc, iSecondArrow, arrowFill, arrowBorder);
    CZuDrawUtil::DrawTrangle(gc, IsVertical() ? CZuDrawUtil::EDirDown : CZuDrawUtil::EDirRight, iSecondArrow,
                             arrowHead);
    CZuRect slider = SliderRect();
    CZuDrawUtil::DrawRectWithBorder(gc, slider, iSliderSecond, iSliderFirst);
    DrawGrip(gc, slider);
}

void CZuScrollBar::DrawGrip(CZuGc& gc, const CZuRect& slider)
{
    // Four lines two pixels apart across the middle of the slider.
    const int lines = 4;
    CZuRgb color = Foreground().GetNewColor(10, 10);
    if (IsVertical())
    {
        int inset = slider.Width() / 6;
        int top = slider.iTl.iY + (slider.Height() - 7) / 2;
        if (slider.Height() < 9)
            return;
        for (int i = 0; i < lines; ++i)
            Fill(gc, CZuRect(slider.iTl.iX + inset, top + 2 * i, slider.iBr.iX - inset, top + 2 * i + 1), color);
        return;
    }
    int inset = slider.Height() / 6;
    int left = slider.iTl.iX + (slider.Width() - 7) / 2;
    if (slider.Width() < 9)
        return;
    for (int i = 0; i < lines; ++i)
        Fill(gc, CZuRect(left + 2 * i, slider.iTl.iY + inset, left + 2 * i + 1, slider.iBr.iY - inset), color);
}

void CZuScrollBar::DrawRound(CZuGc& gc)
{
    int radius = RoundCornerSizeTr();
    CZuDrawUtil::DrawRoundRect(gc, iTrack, radius, iBarSecond, iBarFirst);
    CZuDrawUtil::DrawRoundRect(gc, SliderRect(), radius, iSliderSecond, iSliderFirst);
}
