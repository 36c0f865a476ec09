#include "ZuScrollList.h"

#include "ZuEnv.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuUiStyle.h"
#include "ZuUiStyleScrollList.h"

#include <algorithm>

namespace
{
// The rounds that settle which bars show: each bar may take the room another one needed.
const int KPlacingRounds = 3;
} // namespace

CZuScrollList::CZuScrollList(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlScrollList), iList(new CZuList(this)),
      iVBar(new CZuScrollBar(this, CZuScrollBar::EVertical)), iHBar(new CZuScrollBar(this, CZuScrollBar::EHorizontal)),
      iVMode(EScrollBarAuto), iHMode(EScrollBarAuto)
{
    iList->SetListStatusNotify(this);
    for (CZuScrollBar* bar : {iVBar, iHBar})
    {
        bar->MakeVisible(false);
        bar->SetRange(0, 100);
        bar->SetMsgWnd(this, CZuScrollBar::KMsgScrolled);
    }
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iScrollList);
}

CZuScrollList::~CZuScrollList() {}

CZuScrollBar* CZuScrollList::GetScrollBar(CZuScrollBar::TZuScrollBarType type) const
{
    return type == CZuScrollBar::EVertical ? iVBar : iHBar;
}

void CZuScrollList::SetHScrollBar(int mode)
{
    iHMode = mode;
}

void CZuScrollList::SetVScrollBar(int mode)
{
    iVMode = mode;
}

void CZuScrollList::SetUiStyle(CZuUiStyleCommon* style)
{
    CZuControl::SetUiStyle(style);
    CZuUiStyleScrollList* record = dynamic_cast<CZuUiStyleScrollList*>(style);
    if (record && iList)
        iList->SetUiStyle(&record->iListStyle);
}

void CZuScrollList::SizeChanged()
{
    iList->SetRect(InnerRect());
    HandleListDataChanged();
}

bool CZuScrollList::VerticalNeeded() const
{
    return iList->GetListviewRowCount() < iList->GetRowCount();
}

bool CZuScrollList::HorizontalNeeded() const
{
    // From the columns' widths: what a draw counted may be stale or not there yet.
    return !iList->AllColumnsFit();
}

void CZuScrollList::HandleListDataChanged()
{
    bool vertical = false;
    bool horizontal = false;
    for (int round = 0; round < KPlacingRounds; ++round)
    {
        Place(vertical, horizontal);
        bool needVertical = iVMode == EScrollBarAlways || (iVMode == EScrollBarAuto && VerticalNeeded());
        bool needHorizontal = iHMode == EScrollBarAlways || (iHMode == EScrollBarAuto && HorizontalNeeded());
        if (needVertical == vertical && needHorizontal == horizontal)
            break;
        vertical = needVertical;
        horizontal = needHorizontal;
    }
    Place(vertical, horizontal);
    SyncBars();
}

void CZuScrollList::Place(bool vertical, bool horizontal)
{
    CZuRect inner = InnerRect();
    int size = CZuScrollBar::GetScrollBarSize();
    CZuRect list = inner;
    if (vertical)
        list.iBr.iX -= size;
    if (horizontal)
        list.iBr.iY -= size;
    if (list != iList->Rect())
        iList->SetRect(list);
    iVBar->MakeVisible(vertical);
    iHBar->MakeVisible(horizontal);
    if (vertical)
        iVBar->SetRect(CZuRect(inner.iBr.iX - size, inner.iTl.iY, inner.iBr.iX, list.iBr.iY));
    if (horizontal)
        iHBar->SetRect(CZuRect(inner.iTl.iX, inner.iBr.iY - size, list.iBr.iX, inner.iBr.iY));
}

int CZuScrollList::HorizontalPosition() const
{
    return iList->GetFirstDispCol() - (iList->IsFirstColFrozen() ? 1 : 0);
}

void CZuScrollList::SyncBars()
{
    iVBar->SetRange(0, iList->GetRowCount());
    iVBar->SetSliderRange(std::max(1, iList->GetListviewRowCount()));
    iVBar->SetCurPos(iList->GetTopRowIndex());
    // The horizontal bar stands for the columns scrolled past: its slider covers the columns in view.
    iHBar->SetRange(0, iList->GetColCount());
    iHBar->SetSliderRange(std::max(1, iList->GetListviewColCount()));
    iHBar->SetCurPos(HorizontalPosition());
    DrawDeferred();
}

void CZuScrollList::StateChanged()
{
    switch (GetState())
    {
    case EZuStateFocused:
        ResetFocus();
        break;
    case EZuStateNormal:
    case EZuStateDefaultFocus:
        ClearAllFocus();
        break;
    default:
        break;
    }
}

bool CZuScrollList::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!CZuControl::HandleKeyEvent(event, type))
        return false;
    SyncBars();
    return true;
}

bool CZuScrollList::HandleMessage(CZuMessage* message)
{
    if (!message || message->iType != CZuScrollBar::KMsgScrolled)
        return false;
    CZuScrollBar* bar = CZuMessage::ParamObject<CZuScrollBar>(message->iParam2);
    if (bar == iVBar)
    {
        iVBar->SetRange(0, iList->GetRowCount());
        iVBar->SetSliderRange(std::max(1, iList->GetListviewRowCount()));
        iList->SetTopRowIndex(iVBar->GetCurPos());
        iList->HandleDataChanged();
        return true;
    }
    if (bar == iHBar)
    {
        iList->SetFirstDispCol(iHBar->GetCurPos() + (iList->IsFirstColFrozen() ? 1 : 0));
        iList->DrawDeferred();
        return true;
    }
    return false;
}

void CZuScrollList::ListStatusChanged(int, int)
{
    SyncBars();
}

void CZuScrollList::ListDragScrolled()
{
    SyncBars();
}

int CZuScrollList::GetHeightByDispRows(int rows)
{
    int pitch = iList->GetGridLineWidth() + iList->GetRowHeight(true) + 2 * iList->GetRowSpace();
    const CZuMargin& inner = InnerMargin();
    return rows * pitch + inner.iTop + inner.iBottom + 2 * GetBorderWidth();
}
