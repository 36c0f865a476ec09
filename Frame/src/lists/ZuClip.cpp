#include "ZuClip.h"

#include "ZuGc.h"
#include "ZuRect.h"

bool CZuClip::Push(CZuGc& gc, const CZuRect& rect)
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (rect.IsEmpty() || !gc.ClipBox(left, top, right, bottom))
        return false;
    // The context takes both edges inclusive, and keeps the new clip inside the one in force.
    gc.SetClippingRect(CZuRect(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1));
    if (gc.ClipBox(left, top, right, bottom))
        return true;
    gc.CancelClippingRect();
    return false;
}

void CZuClip::Pop(CZuGc& gc)
{
    gc.CancelClippingRect();
}
