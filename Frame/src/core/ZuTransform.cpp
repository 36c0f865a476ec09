#include "ZuTransform.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuGc.h"
#include "ZuImage.h"
#include "ZuTimerManager.h"
#include "ZuUiManager.h"

#include <algorithm>

CZuTransform::CZuTransform()
    : iEffect(EZuTransNone), iOldPicture(nullptr), iNewPicture(nullptr), iHorizStep(0), iVertStep(0),
      iEdge(0), iStepCount(0), iInterval(0), iTimerId(0), iStarted(false)
{
}

CZuTransform::~CZuTransform()
{
    if (iTimerId > 0 && CZuEnv::TimerMgr())
        CZuEnv::TimerMgr()->Stop(iTimerId);
}

void CZuTransform::SetPictures(CZuImage* oldPicture, CZuImage* newPicture)
{
    iOldPicture = oldPicture;
    iNewPicture = newPicture;
    iStarted = false;
}

void CZuTransform::SetRects(const CZuRect& area, const CZuRect& source, const CZuRect& limit)
{
    iArea = area;
    iSource = source;
    iLimit = limit;
}

void CZuTransform::Begin()
{
    iStepCount = KStepCount;
    iInterval = KStepIntervalMs;
    // Every step moves at least one pixel, so that a slide over a narrow area still ends.
    iHorizStep = std::max(iArea.Width() / KStepCount, 1);
    iVertStep = std::max(iArea.Height() / KStepCount, 1);
    switch (iEffect)
    {
    case EZuTransFromLeft:
        iEdge = iArea.iTl.iX;
        break;
    case EZuTransFromRight:
        iEdge = iArea.iBr.iX;
        break;
    case EZuTransFromTop:
        iEdge = iArea.iTl.iY;
        break;
    case EZuTransFromBottom:
        iEdge = iArea.iBr.iY;
        break;
    default:
        break;
    }
    iStarted = true;
}

bool CZuTransform::Advance()
{
    switch (iEffect)
    {
    case EZuTransFromLeft:
        iEdge = std::min(iEdge + iHorizStep, iLimit.iBr.iX);
        return iEdge >= iLimit.iBr.iX;
    case EZuTransFromRight:
        iEdge = std::max(iEdge - iHorizStep, iLimit.iTl.iX);
        return iEdge <= iLimit.iTl.iX;
    case EZuTransFromTop:
        iEdge = std::min(iEdge + iVertStep, iLimit.iBr.iY);
        return iEdge >= iLimit.iBr.iY;
    case EZuTransFromBottom:
        iEdge = std::max(iEdge - iVertStep, iLimit.iTl.iY);
        return iEdge <= iLimit.iTl.iY;
    default:
        return true;
    }
}

bool CZuTransform::Step(CZuGc& gc)
{
    bool slides = iEffect >= EZuTransFromLeft && iEffect <= EZuTransFromBottom;
    if (!slides || !iNewPicture)
    {
        if (iNewPicture)
            gc.DrawImage(CZuPoint(0, 0), iNewPicture);
        iStarted = false;
        return true;
    }
    if (!iStarted)
        Begin();
    bool ended = Advance();
    DrawSlide(gc);
    if (ended)
    {
        iStarted = false;
        return true;
    }
    if (CZuEnv::TimerMgr())
        iTimerId = CZuEnv::TimerMgr()->After(iTimerId > 0 ? iTimerId : 0, iInterval, this);
    return false;
}

void CZuTransform::DrawSlide(CZuGc& gc)
{
    const int width = iSource.Width();
    const int height = iSource.Height();
    if (iEffect == EZuTransFromLeft)
    {
        // The new picture slides in over the old one, its right part first.
        int shown = std::min(iEdge - iArea.iTl.iX, width);
        if (shown <= 0)
            return;
        CZuRect src(iSource.iBr.iX - shown, iSource.iTl.iY, iSource.iBr.iX, iSource.iBr.iY);
        gc.DrawImage(CZuPoint(iEdge - shown, iSource.iTl.iY), iNewPicture, src);
        return;
    }
    // The old picture moves away by the distance travelled and the new one follows it in.
    if (!CZuClip::Push(gc, iArea))
        return;
    CZuPoint oldAt = iArea.iTl;
    CZuPoint newAt = iSource.iTl;
    switch (iEffect)
    {
    case EZuTransFromRight:
        oldAt.iX -= iArea.iBr.iX - iEdge;
        newAt.iX = iEdge;
        break;
    case EZuTransFromTop:
        oldAt.iY += iEdge - iArea.iTl.iY;
        newAt.iY = iEdge - height;
        break;
    default:
        oldAt.iY -= iArea.iBr.iY - iEdge;
        newAt.iY = iEdge;
        break;
    }
    if (iOldPicture)
        gc.DrawImage(oldAt, iOldPicture, iArea);
    gc.DrawImage(newAt, iNewPicture, CZuRect(iSource.iTl, CZuSize(width, height)));
    CZuClip::Pop(gc);
}

void CZuTransform::OnTimer(int)
{
    if (CZuEnv::UiManager())
        CZuEnv::UiManager()->DrawDeffered();
}
