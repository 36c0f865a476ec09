#include "ZuClip.h"

#include "ZuGc.h"
#include "ZuRect.h"

bool CZuClip::Push(CZuGc& gc, const CZuRect& rect)
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (!gc.ClipBox(left, top, right, bottom))
        return false;
    // The clip box has inclusive edges; so has the rectangle the context takes.
    CZuRect clip(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1);
    if (clip.iTl.iX < left)
        clip.iTl.iX = left;
    if (clip.iTl.iY < top)
        clip.iTl.iY = top;
    if (clip.iBr.iX > right)
        clip.iBr.iX = right;
    if (clip.iBr.iY > bottom)
        clip.iBr.iY = bottom;
    if (clip.iTl.iX > clip.iBr.iX || clip.iTl.iY > clip.iBr.iY)
        return false;
    gc.SetClippingRect(clip);
    return true;
}

void CZuClip::Pop(CZuGc& gc)
{
    gc.CancelClippingRect();
}
