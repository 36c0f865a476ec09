#include "ZuScrollPane.h"

#include "ZuMessage.h"
#include "ZuScrollLayout.h"

#include <algorithm>

CZuScrollPane::CZuScrollPane(CZuControl* parent)
    : CZuPaneBase(parent, true, EZuCtrlScrollPane), iLayout(new CZuScrollLayout), iVBar(nullptr), iHBar(nullptr),
      iCorner(nullptr)
{
    SetPaneLayout(iLayout);
    SetClip(true);
}

CZuScrollPane::~CZuScrollPane()
{
    delete iLayout;
}

CZuScrollBar* CZuScrollPane::GetScrollBar(CZuScrollBar::TZuScrollBarType type) const
{
    return type == CZuScrollBar::EVertical ? iVBar : iHBar;
}

CZuSize CZuScrollPane::GetMinSize()
{
    return CZuSize(-1, -1);
}

CZuString* CZuScrollPane::GetCurStatusData()
{
    return new CZuString("");
}

void CZuScrollPane::SetCurStatusData(CZuString*) {}

void CZuScrollPane::SizeChanged()
{
    int size = CZuScrollBar::GetScrollBarSize();
    CZuRect view = InnerRect();
    // A new size lays the content out from its top-left: the bars start there too.
    iLayout->ScrollTo(0, 0);
    CZuSize content = iLayout->GetActSize();
    bool vertical = content.iHeight > view.Height();
    bool horizontal = content.iWidth > view.Width() - (vertical ? size : 0);
    if (!vertical && horizontal)
        vertical = content.iHeight > view.Height() - size;
    CZuRect area = view;
    if (vertical)
        area.iBr.iX -= size;
    if (horizontal)
        area.iBr.iY -= size;
    iLayout->SetRect(area);
    iLayout->DoLayout();
    iVBar = UpdateBar(iVBar, CZuScrollBar::EVertical, vertical,
                      CZuRect(view.iBr.iX - size, view.iTl.iY, view.iBr.iX, area.iBr.iY), content.iHeight,
                      area.Height());
    iHBar = UpdateBar(iHBar, CZuScrollBar::EHorizontal, horizontal,
                      CZuRect(view.iTl.iX, view.iBr.iY - size, area.iBr.iX, view.iBr.iY), content.iWidth,
                      area.Width());
    UpdateCorner(CZuRect(area.iBr.iX, area.iBr.iY, view.iBr.iX, view.iBr.iY), vertical && horizontal);
    DrawDeferred();
}

void CZuScrollPane::UpdateCorner(const CZuRect& rect, bool needed)
{
    if (!needed)
    {
        if (iCorner)
            DeleteControl(iCorner);
        iCorner = nullptr;
        return;
    }
    if (!iCorner)
    {
        iCorner = new CZuControl(this, true, EZuCtrlWindow);
        iCorner->SetReadOnly(true);
        iCorner->SetBackground(CZuRgb(120, 120, 120));
        iCorner->SetShowBackground(true, false, IZuGc::EGradualVertical);
    }
    iCorner->SetRect(rect);
}

CZuScrollBar* CZuScrollPane::UpdateBar(CZuScrollBar* bar, CZuScrollBar::TZuScrollBarType type, bool needed,
                                       const CZuRect& rect, int range, int view)
{
    if (!needed)
    {
        if (bar)
            DeleteControl(bar);
        return nullptr;
    }
    if (!bar)
    {
        bar = new CZuScrollBar(this, type);
        bar->SetMsgWnd(this, CZuScrollBar::KMsgScrolled);
        if (type == CZuScrollBar::EHorizontal)
        {
            bar->SetRoundCornerSize(2);
            bar->SetScrlBarColor(CZuRgb(120, 120, 120), CZuRgb(120, 120, 120));
            bar->SetSliderColor(CZuRgb(89, 89, 89), CZuRgb(89, 89, 89));
        }
    }
    bar->SetRect(rect);
    bar->SetRange(0, range);
    bar->SetSliderRange(std::max(1, view));
    bar->SetCurPos(0);
    return bar;
}

void CZuScrollPane::GetScrollPos(int& x, int& y) const
{
    x = iHBar ? iHBar->GetCurPos() : 0;
    y = iVBar ? iVBar->GetCurPos() : 0;
}

void CZuScrollPane::SetScrollPos(int x, int y)
{
    // A bar keeps its position within the positions that still fill the view.
    if (iHBar)
        iHBar->SetCurPos(std::max(0, std::min(x, iHBar->GetMax() - iHBar->GetSliderRange())));
    if (iVBar)
        iVBar->SetCurPos(std::max(0, std::min(y, iVBar->GetMax() - iVBar->GetSliderRange())));
    ScrollToBars();
}

void CZuScrollPane::ScrollToBars()
{
    int x = 0;
    int y = 0;
    GetScrollPos(x, y);
    iLayout->ScrollTo(x, y);
    DrawDeferred();
}

bool CZuScrollPane::HandleMessage(CZuMessage* message)
{
    if (message && message->iType == CZuScrollBar::KMsgScrolled)
    {
        CZuControl* bar = CZuMessage::ParamObject<CZuScrollBar>(message->iParam2);
        if (IsBar(bar))
        {
            ScrollToBars();
            return true;
        }
    }
    return CZuPaneBase::HandleMessage(message);
}

bool CZuScrollPane::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (CZuPaneBase::HandleKeyEvent(event, type))
    {
        KeepFocusInView();
        return true;
    }
    return (iVBar && iVBar->HandleKeyEvent(event, type)) || (iHBar && iHBar->HandleKeyEvent(event, type));
}

void CZuScrollPane::KeepFocusInView()
{
    CZuControl* focused = GetLastFocusCtrl();
    if (!focused || focused == this || IsBar(focused))
        return;
    CZuRect target = focused->FocusRect();
    CZuRect view = iLayout->InnerRect();
    if (view.Contains(target))
        return;
    int dx = 0;
    int dy = 0;
    if (target.iTl.iX < view.iTl.iX)
        dx = target.iTl.iX - view.iTl.iX;
    else if (target.iBr.iX > view.iBr.iX)
        dx = target.iBr.iX - view.iBr.iX;
    if (target.iTl.iY < view.iTl.iY)
        dy = target.iTl.iY - view.iTl.iY;
    else if (target.iBr.iY > view.iBr.iY)
        dy = target.iBr.iY - view.iBr.iY;
    int x = 0;
    int y = 0;
    GetScrollPos(x, y);
    SetScrollPos(x + dx, y + dy);
}

bool CZuScrollPane::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled() || !IsVisible())
        return false;
    bool inView = iLayout->GetRect().Contains(event.iPosition);
    // A press, hover or wheel outside the view reaches only the bars: content scrolled out of view is not
    // under the pointer. Drags and releases go everywhere, so that presses end where they began.
    bool anywhere = event.iType == EZuPointerDrag || event.iType == EZuPointerUp;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        bool offered = child->IsVisible() && (inView || anywhere || IsBar(child));
        if (offered && child->HandlePointerEventL(event))
            return true;
    }
    if (event.iType != EZuPointerWheel || !HitTest(event.iPosition))
        return false;
    CZuScrollBar* bar = iVBar ? iVBar : iHBar;
    if (bar)
        bar->ScrollWheel(event.iValue1);
    return bar != nullptr;
}
