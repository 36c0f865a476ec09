#include "ZuTabGroup.h"

#include "ZuClip.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuImage.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"
#include "ZuPaneBase.h"
#include "ZuTabItem.h"
#include "ZuUiStyle.h"

#include <algorithm>

namespace
{
// Around a header's image and name, and between the two.
const int KHeaderMargin = 2;
const int KImageGap = 4;
// The side of the arrows that mark tabs beyond the headers shown.
const int KArrowSide = 9;
} // namespace

CZuTabGroup::CZuTabGroup(CZuControl* parent, bool addToParent, TZuControlType type)
    : CZuControl(parent, addToParent, type), iTabs(true), iActive(-1), iFirstVisible(0), iPageFocus(false)
{
    SetMoveFocusKey(EZuKeyLeft, EZuKeyNone, EZuKeyRight, EZuKeyNone);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iTabGroup);
}

CZuTabGroup::~CZuTabGroup() {}

// Tabs

int CZuTabGroup::AppendTab(CZuPaneBase* page, int id, const CZuString& name, CZuImage* image, bool owned)
{
    return Insert(GetTabCount(), page, id, name, image, owned);
}

int CZuTabGroup::InsertTab(int beforeId, CZuPaneBase* page, int id, const CZuString& name, CZuImage* image,
                           bool owned)
{
    const int before = IndexOf(beforeId);
    return Insert(before < 0 ? GetTabCount() : before, page, id, name, image, owned);
}

int CZuTabGroup::InsertTab(const CZuString& beforeName, CZuPaneBase* page, int id, const CZuString& name,
                           CZuImage* image, bool owned)
{
    const int before = IndexOf(beforeName);
    return Insert(before < 0 ? GetTabCount() : before, page, id, name, image, owned);
}

int CZuTabGroup::Insert(int index, CZuPaneBase* page, int id, const CZuString& name, CZuImage* image,
                        bool owned)
{
    CZuTabItem* tab = new CZuTabItem;
    tab->SetId(id);
    tab->SetName(name);
    tab->SetImage(image, owned);
    tab->SetPage(page);
    if (page && FindControl(page) < 0)
        AddControl(page);
    if (page)
    {
        page->MakeVisible(false);
        page->SetState(EZuStateNormal);
    }
    iTabs.Insert(index, tab);
    if (iActive >= index)
        ++iActive;
    if (iActive < 0)
        Activate(index);
    else if (iFirstVisible > index || (iFirstVisible == index && iActive != index))
        ++iFirstVisible;
    PlacePages();
    LayOutHeaders();
    DrawDeferred();
    return index;
}

bool CZuTabGroup::DeleteTab(int id)
{
    return DeleteAt(IndexOf(id));
}

bool CZuTabGroup::DeleteTab(const CZuString& name)
{
    return DeleteAt(IndexOf(name));
}

bool CZuTabGroup::DeleteAt(int index)
{
    if (index < 0 || index >= GetTabCount())
        return false;
    CZuTabItem* tab = GetTabItem(index);
    const bool wasActive = index == iActive;
    CZuPaneBase* page = tab->GetPage();
    if (wasActive && iPageFocus)
        LeavePage();
    if (page && FindControl(page) >= 0)
    {
        page->SetState(EZuStateNormal);
        page->ClearAllFocus();
        DeleteControl(page);
    }
    iTabs.Delete(index);
    if (index < iActive)
        --iActive;
    if (index < iFirstVisible)
        --iFirstVisible;
    if (wasActive)
    {
        iActive = -1;
        if (GetTabCount() > 0)
            Activate(std::min(index, GetTabCount() - 1));
    }
    LayOutHeaders();
    DrawDeferred();
    return true;
}

int CZuTabGroup::GetTabCount() const
{
    return iTabs.GetCount();
}

CZuTabItem* CZuTabGroup::GetTabItem(int index) const
{
    if (index < 0 || index >= GetTabCount())
        return nullptr;
    return static_cast<CZuTabItem*>(iTabs.GetAt(index));
}

CZuPaneBase* CZuTabGroup::GetTab(int id) const
{
    CZuTabItem* tab = GetTabItem(IndexOf(id));
    return tab ? tab->GetPage() : nullptr;
}

CZuPaneBase* CZuTabGroup::GetTab(const CZuString& name) const
{
    CZuTabItem* tab = GetTabItem(IndexOf(name));
    return tab ? tab->GetPage() : nullptr;
}

int CZuTabGroup::IndexOf(int id) const
{
    for (int i = 0; i < GetTabCount(); ++i)
        if (GetTabItem(i)->GetId() == id)
            return i;
    return -1;
}

int CZuTabGroup::IndexOf(const CZuString& name) const
{
    for (int i = 0; i < GetTabCount(); ++i)
        if (GetTabItem(i)->GetName() == name)
            return i;
    return -1;
}

// The active tab

bool CZuTabGroup::ActiveTab(int id)
{
    if (id < 0)
        return false;
    return ActiveTabAt(IndexOf(id));
}

bool CZuTabGroup::ActiveTab(const CZuString& name)
{
    if (name.IsEmpty())
        return false;
    return ActiveTabAt(IndexOf(name));
}

bool CZuTabGroup::ActiveTabAt(int index)
{
    if (index < 0 || index >= GetTabCount() || index == iActive)
        return false;
    const bool inPage = iPageFocus;
    if (inPage)
        LeavePage();
    Activate(index);
    // The keyboard follows into the new page when it was in the old one and the new one can take it.
    if (inPage && IsFocused() && CanEnterPage())
        EnterPage();
    DrawDeferred();
    return true;
}

bool CZuTabGroup::ChooseTab(int index)
{
    if (!ActiveTabAt(index))
        return false;
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(GetMsgWnd(), EZuMsgTabClicked, static_cast<unsigned>(GetActiveTabID()),
                          CZuMessage::MakeParam(this));
    return true;
}

int CZuTabGroup::GetActiveTabID() const
{
    CZuTabItem* tab = GetTabItem(iActive);
    return tab ? tab->GetId() : -1;
}

CZuString CZuTabGroup::GetActiveTabName() const
{
    CZuTabItem* tab = GetTabItem(iActive);
    return tab ? tab->GetName() : CZuString();
}

CZuPaneBase* CZuTabGroup::ActivePage() const
{
    CZuTabItem* tab = GetTabItem(iActive);
    return tab ? tab->GetPage() : nullptr;
}

void CZuTabGroup::Activate(int index)
{
    iActive = index;
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CZuPaneBase* page = GetTabItem(i)->GetPage();
        if (page)
            page->MakeVisible(i == index);
    }
    ScrollToActive();
}

void CZuTabGroup::ScrollToActive()
{
    const int shown = std::max(GetHeaderCount(), 1);
    if (iActive >= 0 && iActive < iFirstVisible)
        iFirstVisible = iActive;
    if (iActive >= iFirstVisible + shown)
        iFirstVisible = iActive - shown + 1;
    iFirstVisible = std::max(0, std::min(iFirstVisible, GetTabCount() - shown));
}

// Geometry

int CZuTabGroup::HeaderWidthNeeded(const CZuTabItem& tab)
{
    const int textWidth = tab.GetName().IsEmpty() ? 0 : GetFont()->TextWidthInPixels(tab.GetName());
    const int imageWidth = tab.ImageSize().iWidth;
    const int gap = textWidth > 0 && imageWidth > 0 ? KImageGap : 0;
    if (textWidth + imageWidth == 0)
        return 0;
    return textWidth + gap + imageWidth + 2 * KHeaderMargin;
}

int CZuTabGroup::GetHeaderHeight()
{
    int height = GetFont()->HeightInPixels() * 13 / 10;
    for (int i = 0; i < GetTabCount(); ++i)
        height = std::max(height, GetTabItem(i)->ImageSize().iHeight + 2 * KHeaderMargin);
    return height;
}

CZuRect CZuTabGroup::GetHeaderRect(int header) const
{
    if (header < 0 || header >= GetHeaderCount())
        return CZuRect();
    return iHeaders[static_cast<size_t>(header)];
}

void CZuTabGroup::LayOutHeaders()
{
    iHeaders.clear();
    const CZuRect inner = InnerRect();
    const int width = inner.Width();
    const int count = GetTabCount();
    if (count == 0 || width <= 0)
    {
        iFirstVisible = 0;
        return;
    }
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, HeaderWidthNeeded(*GetTabItem(i)));
    // A group narrower than its widest header still shows one header. When not every header fits, each
    // keeps room at its sides for the arrows that say more tabs lie beyond.
    int shown = widest > 0 ? std::max(1, std::min(width / widest, count)) : count;
    if (shown < count)
        shown = std::max(1, width / (widest + 2 * KHeaderArrowRoom));
    const int headerWidth = width / shown;
    const int height = GetHeaderHeight();
    int left = inner.iTl.iX + (width % shown) / 2;
    for (int i = 0; i < shown; ++i, left += headerWidth)
        iHeaders.push_back(CZuRect(left, inner.iTl.iY, left + headerWidth, inner.iTl.iY + height));
    ScrollToActive();
}

void CZuTabGroup::PlacePages()
{
    CZuRect area = InnerRect();
    area.iTl.iY = std::min(area.iTl.iY + GetHeaderHeight(), area.iBr.iY);
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CZuPaneBase* page = GetTabItem(i)->GetPage();
        if (page)
            page->SetRect(area);
    }
}

CZuSize CZuTabGroup::GetMinSize()
{
    int width = 0, height = 0;
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CZuTabItem* tab = GetTabItem(i);
        width = std::max(width, HeaderWidthNeeded(*tab));
        if (tab->GetPage())
        {
            const CZuSize page = tab->GetPage()->GetMinSize();
            width = std::max(width, page.iWidth);
            height = std::max(height, page.iHeight);
        }
    }
    const CZuMargin& space = InnerMargin();
    const int border = 2 * GetBorderWidth();
    return CZuSize(width + space.iLeft + space.iRight + border,
                   GetHeaderHeight() + height + space.iTop + space.iBottom + border);
}

void CZuTabGroup::SizeChanged()
{
    PlacePages();
    LayOutHeaders();
}

// Focus

bool CZuTabGroup::CanEnterPage() const
{
    CZuPaneBase* page = ActivePage();
    return page && page->GetControlCount() > 0 && !page->IsReadOnly() && !page->IsDisabled();
}

void CZuTabGroup::EnterPage()
{
    CZuPaneBase* page = ActivePage();
    iPageFocus = true;
    // The page takes state 5 and focuses its own first control; the tree above already leads here.
    SetFocusTo(page);
    DrawDeferred();
}

void CZuTabGroup::LeavePage()
{
    iPageFocus = false;
    ReleasePages();
    DrawDeferred();
}

void CZuTabGroup::ReleasePages()
{
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->GetState() == EZuStateNormal)
            continue;
        child->SetState(EZuStateNormal);
        child->StateChanged();
    }
}

void CZuTabGroup::StateChanged()
{
    CZuPaneBase* page = ActivePage();
    if (!IsFocused())
    {
        ReleasePages();
        DrawDeferred();
        return;
    }
    // The focus may arrive through the page: a click on one of its controls focuses the page first.
    if (page && page->GetState() == EZuStateFocused)
        iPageFocus = true;
    if (iPageFocus && CanEnterPage())
    {
        if (page->GetState() != EZuStateFocused)
            SetFocusTo(page);
    }
    else
    {
        iPageFocus = false;
        ReleasePages();
    }
    DrawDeferred();
}

// Drawing

void CZuTabGroup::Draw(CZuGc& gc, const CZuRect&)
{
    if (iHeaders.empty())
        return;
    gc.UseFont(GetFont());
    for (int i = 0; i < GetHeaderCount(); ++i)
    {
        CZuTabItem* tab = GetTabItem(iFirstVisible + i);
        if (tab)
            DrawHeader(gc, iHeaders[static_cast<size_t>(i)], *tab, iFirstVisible + i == iActive);
    }
    gc.DiscardFont();
    if (iFirstVisible > 0)
        DrawMoreArrow(gc, iHeaders.front(), true);
    if (iFirstVisible + GetHeaderCount() < GetTabCount())
        DrawMoreArrow(gc, iHeaders.back(), false);
}

void CZuTabGroup::DrawHeader(CZuGc& gc, const CZuRect& rect, const CZuTabItem& tab, bool active)
{
    // The active header shows the focus colour while the header row has the keyboard, a paler shade of it
    // otherwise.
    const bool keyboardHere = IsFocused() && !iPageFocus;
    const CZuRgb fill = !active ? Background() : keyboardHere ? BgFocusedColor() : BgDefaultFocusedColor();
    CZuDrawUtil::DrawRectWithBorder(gc, rect, fill, GetBorderColor());
    if (!CZuClip::Push(gc, rect))
        return;
    const CZuSize imageSize = tab.ImageSize();
    const int textWidth = tab.GetName().IsEmpty() ? 0 : GetFont()->TextWidthInPixels(tab.GetName());
    const int gap = textWidth > 0 && imageSize.iWidth > 0 ? KImageGap : 0;
    const int contentWidth = imageSize.iWidth + gap + textWidth;
    // Centred as one piece; a header too narrow for it shows its start.
    int left = rect.iTl.iX + std::max(KHeaderMargin, (rect.Width() - contentWidth) / 2);
    if (imageSize.iWidth > 0)
    {
        const CZuPoint at(left, rect.iTl.iY + (rect.Height() - imageSize.iHeight) / 2);
        gc.DrawImage(at, tab.GetImage(), CZuRect(imageSize));
        left += imageSize.iWidth + gap;
    }
    if (textWidth > 0)
    {
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetDrawColor(Foreground());
        gc.DrawTextW(tab.GetName(), CZuRect(left, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY), EAlignLeft, 0, 0);
    }
    CZuClip::Pop(gc);
}

void CZuTabGroup::DrawMoreArrow(CZuGc& gc, const CZuRect& rect, bool left)
{
    const int side = std::min(rect.Height(), KArrowSide);
    const int top = rect.iTl.iY + (rect.Height() - side) / 2;
    const int x = left ? rect.iTl.iX + 1 : rect.iBr.iX - 1 - side;
    CZuDrawUtil::DrawTrangle(gc, left ? CZuDrawUtil::EDirLeft : CZuDrawUtil::EDirRight,
                             CZuRect(x, top, x + side, top + side), Foreground());
}

// Input

bool CZuTabGroup::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    // Only the group that holds the keyboard answers: a group that merely had it once stays quiet.
    if (!IsFocused() || !event.IsKey())
        return false;
    if (iPageFocus)
    {
        CZuPaneBase* page = ActivePage();
        if (page && page->HandleKeyEvent(event, type))
            return true;
        if (type != EZuKeyEventKey || event.iCode != EZuKeyUp)
            return false;
        LeavePage();
        return true;
    }
    if (type != EZuKeyEventKey)
        return false;
    switch (event.iCode)
    {
    case EZuKeyDown:
        if (!CanEnterPage())
            return false;
        EnterPage();
        return true;
    case EZuKeyLeft:
        return iActive > 0 && ChooseTab(iActive - 1);
    case EZuKeyRight:
        return iActive >= 0 && ChooseTab(iActive + 1);
    default:
        return false;
    }
}

int CZuTabGroup::HeaderAt(const CZuPoint& point) const
{
    for (int i = 0; i < GetHeaderCount(); ++i)
        if (iHeaders[static_cast<size_t>(i)].Contains(point))
            return i;
    return -1;
}

bool CZuTabGroup::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled() || !IsVisible())
        return false;
    const int header = HeaderAt(event.iPosition);
    if (header >= 0)
    {
        if (event.iType != EZuPointerUp)
            return true;
        const int index = iFirstVisible + header;
        if (iPageFocus)
            LeavePage();
        ChooseTab(index);
        // An edge header with tabs beyond it brings the next one into view.
        if (header == 0 && iFirstVisible > 0)
            --iFirstVisible;
        else if (header == GetHeaderCount() - 1 && iFirstVisible + GetHeaderCount() < GetTabCount())
            ++iFirstVisible;
        if (!IsFocused())
            SetFocus(true);
        DrawDeferred();
        return true;
    }
    if (!CZuControl::HandlePointerEventL(event))
        return false;
    // A click that focused something in the page puts the keyboard there.
    CZuPaneBase* page = ActivePage();
    if (page && page->GetState() == EZuStateFocused && !iPageFocus)
    {
        iPageFocus = true;
        DrawDeferred();
    }
    return true;
}
