// CZuMenuBar: levels, keys, pointer and messages.
#include "ZuMenuBar.h"

#include "ZuCba.h"
#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuList.h"
#include "ZuListRow.h"
#include "ZuMenuData.h"
#include "ZuMessage.h"
#include "ZuScrollList.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"
#include "ZuVarient.h"

#include <algorithm>

namespace
{
// The string ids of the soft keys' "choose" and "cancel".
const int KStringChoose = 0x5A550003;
const int KStringCancel = 0x5A550005;
// The mark of a row whose item opens a level of its own.
const char* const KSubmenuMark = ">";
// Lower levels are drawn this much lighter than the top one.
const int KLowerLevelSaturation = 20;
// The space on either side of a column's text.
const int KColumnSpace = 6;
} // namespace

CZuMenuBar::CZuMenuBar(CZuControl* parent)
    : CZuControl(parent, false, EZuCtrlMenuBar), iMenuData(nullptr), iCbaData(nullptr), iLevels(false),
      iLevelItems(false), iClosedLevels(true), iDirection(0), iClosing(false), iPressedLevel(nullptr)
{
    // The levels draw themselves; the bar is only their frame of reference.
    SetShowBackground(false, false, IZuGc::EGradualVertical);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iMenuBar);
}

CZuMenuBar::~CZuMenuBar()
{
    // The open levels are children: the control base deletes them; the closed ones go with their list.
    delete iCbaData;
}

void CZuMenuBar::ConstructL()
{
    SetCbaData(EZuCmdMenuChoose, CZuEnv::GetString(KStringChoose), EZuCmdMenuCancel,
               CZuEnv::GetString(KStringCancel));
}

void CZuMenuBar::SetMenuData(CZuMenuData* menu)
{
    while (GetSubmenuLevel() > 0)
        CloseTopLevel();
    iMenuData = menu;
    iDirection = 0;
    if (CZuMenuItem* first = menu ? menu->GetMenu(0) : nullptr)
        OpenLevel(first);
    RestyleLevels();
}

void CZuMenuBar::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    if (!iCbaData)
        iCbaData = new CZuCbaData;
    iCbaData->SetCba(leftCmd, leftText, rightCmd, rightText);
}

// Levels

int CZuMenuBar::GetSubmenuLevel() const
{
    return iLevels.GetCount();
}

CZuScrollList* CZuMenuBar::GetSubmenu(int level) const
{
    if (level < 0 || level >= iLevels.GetCount())
        return nullptr;
    return static_cast<CZuScrollList*>(iLevels.GetAt(level));
}

CZuList* CZuMenuBar::LevelList(int level) const
{
    CZuScrollList* scroll = GetSubmenu(level);
    return scroll ? scroll->GetList() : nullptr;
}

int CZuMenuBar::LevelOfList(const CZuList* list) const
{
    for (int level = 0; list && level < GetSubmenuLevel(); ++level)
    {
        if (LevelList(level) == list)
            return level;
    }
    return -1;
}

CZuMenuItem* CZuMenuBar::GetLevelItem(int level, int row) const
{
    CZuList* list = LevelList(level);
    if (!list || row < 0 || row >= list->GetRowCount())
        return nullptr;
    // Each row keeps the item it was made for: hidden items in between never shift what a row runs.
    return static_cast<CZuMenuItem*>(list->GetRowDataPtr(row));
}

CZuMenuItem* CZuMenuBar::GetSelectedItem() const
{
    const int top = GetSubmenuLevel() - 1;
    CZuList* list = LevelList(top);
    return list ? GetLevelItem(top, list->GetSelectedRowIndex()) : nullptr;
}

CZuMenuItem* CZuMenuBar::OpenedFrom(int level) const
{
    if (level < 0 || level + 1 >= iLevelItems.GetCount())
        return nullptr;
    return static_cast<CZuMenuItem*>(iLevelItems.GetAt(level + 1));
}

CZuRect CZuMenuBar::GetLastLevelRect() const
{
    CZuScrollList* top = GetSubmenu(GetSubmenuLevel() - 1);
    return top ? top->Rect() : CZuRect();
}

bool CZuMenuBar::OpenLevel(CZuMenuItem* item)
{
    if (!item || !item->HasVisibleSubmenu())
        return false;
    CZuScrollList* level = CreateLevel(item);
    const CZuSize size = LevelSize(level);
    const CZuRect rect = GetSubmenuLevel() == 0 ? PlaceFirstLevel(size) : PlaceDeeperLevel(size);
    iLevels.Append(level);
    iLevelItems.Append(item);
    level->SetRect(rect);
    RestyleLevels();
    DrawDeferred();
    return true;
}

CZuScrollList* CZuMenuBar::CreateLevel(CZuMenuItem* item)
{
    CZuScrollList* level = new CZuScrollList(this);
    if (CZuEnv::Static())
        level->SetUiStyle(&CZuEnv::UiStyle()->iMenuBar.iLevelStyle);
    level->SetInnerSpace(1);
    level->SetBorderType(EZuBorderLine3);
    level->SetBorderWidth(1);
    level->SetShowBackground(true, false, IZuGc::EGradualVertical);
    level->SetBgTransDegree(GetBgTransDegree());
    level->SetDispOrder(GetDispOrder() + 1);
    level->SetHScrollBar(CZuScrollList::EScrollBarNever);

    CZuList* list = level->GetList();
    list->SetMsgWnd(this, CZuList::KMsgListNotify);
    list->SetRowSpace(CZuFont::GetNormalHeight() / 4);
    list->SetShowGridWidth(0);
    // Rows keep their own height, so that a sub-level can be lined up with the row it opens from.
    list->SetAutoAdjustRowHeight(false);
    list->SetHandleKeyMode(CZuList::EKeyModeWrapping);
    // One click chooses.
    list->SetOnceSelectClicked(true);
    list->SetShowSelBgNoFocus(true);
    // The text column is as wide as the widest text; the mark column comes only when a row needs it.
    CZuFont* font = list->GetFont();
    int widest = 0;
    bool anySubmenu = false;
    for (int i = 0; i < item->GetSubmenuItemCount(); ++i)
    {
        CZuMenuItem* sub = item->GetSubmenuItem(i);
        if (!sub->IsVisible())
            continue;
        widest = std::max(widest, font->TextWidthInPixels(sub->GetItemName()));
        anySubmenu = anySubmenu || sub->HasVisibleSubmenu();
    }
    list->SetColSpace(KColumnSpace);
    list->AppendCellTitle(CZuString(), EZuCellText, std::max(widest, 1));
    if (anySubmenu)
        list->AppendCellTitle(CZuString(), EZuCellText, font->TextWidthInPixels(CZuString(KSubmenuMark)));
    for (int i = 0; i < item->GetSubmenuItemCount(); ++i)
    {
        CZuMenuItem* sub = item->GetSubmenuItem(i);
        if (!sub->IsVisible())
            continue;
        int row = list->AppendRow(new CZuVarient(sub->GetItemName()));
        if (anySubmenu)
            list->AppendCellToRowTail(
                row, new CZuVarient(CZuString(sub->HasVisibleSubmenu() ? KSubmenuMark : "")));
        list->SetRowDataPtr(row, sub, false);
    }
    list->SetSelectedRow(0);
    return level;
}

void CZuMenuBar::CloseTopLevel()
{
    CZuScrollList* top = GetSubmenu(GetSubmenuLevel() - 1);
    if (!top)
        return;
    iLevels.Remove(iLevels.GetCount() - 1);
    iLevelItems.Remove(iLevelItems.GetCount() - 1);
    if (iPressedLevel == top)
        iPressedLevel = nullptr;
    // Kept, hidden, until the bar goes: a message its list posted before it closed then names no open
    // level, never a new level made at the same address.
    RemoveControl(top);
    top->MakeVisible(false);
    iClosedLevels.Append(top);
    RestyleLevels();
    DrawDeferred();
}

void CZuMenuBar::CloseLevelsAbove(int level)
{
    while (GetSubmenuLevel() > level + 1)
        CloseTopLevel();
}

void CZuMenuBar::RestyleLevels()
{
    const int count = GetSubmenuLevel();
    CZuRect bounds;
    for (int level = 0; level < count; ++level)
    {
        CZuScrollList* scroll = GetSubmenu(level);
        const bool top = level == count - 1;
        scroll->SetBackground(top ? Background() : Background().GetNewColor(KLowerLevelSaturation, 0));
        bounds.BoundingRect(scroll->Rect());
    }
    if (count > 0 && bounds != Rect())
        SetRect(bounds);
    if (count > 0 && IsFocused())
        SetFocusTo(GetSubmenu(count - 1));
}

void CZuMenuBar::SizeChanged() {}

void CZuMenuBar::StateChanged()
{
    CZuScrollList* top = GetSubmenu(GetSubmenuLevel() - 1);
    if (IsFocused() && top)
        SetFocusTo(top);
    else if (!IsFocused())
        ClearAllFocus();
}

bool CZuMenuBar::HitTest(const CZuPoint& point)
{
    for (int level = 0; level < GetSubmenuLevel(); ++level)
    {
        if (GetSubmenu(level)->HitTest(point))
            return true;
    }
    return false;
}

// Choosing

void CZuMenuBar::Choose(int level)
{
    CZuList* list = LevelList(level);
    if (iClosing || !list)
        return;
    CZuMenuItem* item = GetLevelItem(level, list->GetSelectedRowIndex());
    if (!item)
        return;
    if (item->IsHaveSubmenu())
    {
        // Its level may be open already (a click on the row that opened it).
        if (OpenedFrom(level) == item)
            CloseLevelsAbove(level + 1);
        else
        {
            CloseLevelsAbove(level);
            OpenLevel(item);
        }
        return;
    }
    CZuEnv* env = CZuEnv::Static();
    iClosing = true;
    if (!env)
        return;
    // The menu goes first, so that the command reaches the screen beneath it.
    env->PostMessageW(CZuEnv::UiManager(), EZuMsgCloseMenu, 0, 0);
    env->PostMessageW(nullptr, EZuMsgCommand,
                      static_cast<uintptr_t>(static_cast<intptr_t>(item->GetCommandID())), 0);
}

void CZuMenuBar::Cancel()
{
    if (iClosing)
        return;
    iClosing = true;
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(CZuEnv::UiManager(), EZuMsgCloseMenu, 0, 0);
}

void CZuMenuBar::PostSoftKey(int command)
{
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(this, EZuMsgCommand, static_cast<uintptr_t>(command), 0);
}

// Keys

bool CZuMenuBar::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    // The open menu keeps every key from the screen beneath it.
    if (type != EZuKeyEventKey || iClosing)
        return true;
    if (!event.IsKey())
        return true;
    const int top = GetSubmenuLevel() - 1;
    switch (event.iCode)
    {
    case EZuKeyLeft:
        if (top >= 1)
            CloseTopLevel();
        return true;
    case EZuKeyEscape:
        if (top >= 1)
            CloseTopLevel();
        else
            Cancel();
        return true;
    case EZuKeyRight:
        if (CZuMenuItem* item = GetSelectedItem())
            OpenLevel(item);
        return true;
    case EZuKeyEnter:
        if (!OpenLevel(GetSelectedItem()))
            HandleLevelKey(event);
        return true;
    case EZuKeyF1:
    case EZuKeyF2:
    {
        CZuUiManager* manager = CZuEnv::UiManager();
        CZuCba* cba = manager ? manager->GetCba() : nullptr;
        if (cba)
            cba->HandleKeyEvent(event, type);
        else
            PostSoftKey(event.iCode == EZuKeyF1 ? EZuCmdMenuChoose : EZuCmdMenuCancel);
        return true;
    }
    default:
        HandleLevelKey(event);
        return true;
    }
}

bool CZuMenuBar::HandleLevelKey(const TZuKeyEvent& event)
{
    switch (event.iCode)
    {
    case EZuKeyUp:
    case EZuKeyDown:
    case EZuKeyEnter:
    case EZuKeyHome:
    case EZuKeyEnd:
    case EZuKeyPageUp:
    case EZuKeyPageDown:
        break;
    default:
        return false;
    }
    CZuScrollList* level = GetSubmenu(GetSubmenuLevel() - 1);
    if (!level)
        return false;
    // Through the scroll list, so that its bar follows the list.
    if (level->GetList()->GetState() != EZuStateNormal)
        return level->HandleKeyEvent(event, EZuKeyEventKey);
    return level->GetList()->HandleKeyEvent(event, EZuKeyEventKey);
}

// Pointer

bool CZuMenuBar::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (iClosing)
        return true;
    CZuScrollList* target = iPressedLevel;
    // The wheel turns the level under the pointer, even during a press elsewhere.
    if (!target || event.iType == EZuPointerDown || event.iType == EZuPointerWheel)
    {
        target = nullptr;
        for (int level = GetSubmenuLevel() - 1; level >= 0 && !target; --level)
        {
            if (GetSubmenu(level)->HitTest(event.iPosition))
                target = GetSubmenu(level);
        }
    }
    if (event.iType == EZuPointerMove && !iPressedLevel)
    {
        if (!target)
            return false;
        Hover(LevelOfList(target->GetList()), event.iPosition);
        return true;
    }
    if (event.iType == EZuPointerDown)
        iPressedLevel = target;
    else if (event.iType == EZuPointerUp)
        iPressedLevel = nullptr;
    if (!target)
        return false;
    target->HandlePointerEventL(event);
    return true;
}

void CZuMenuBar::Hover(int level, const CZuPoint& point)
{
    CZuList* list = LevelList(level);
    if (!list)
        return;
    const int row = list->RowAt(point);
    if (row < 0 || row == list->GetSelectedRowIndex())
        return;
    list->SetSelectedRow(row);
    SelectionMoved(level);
    DrawDeferred();
}

void CZuMenuBar::SelectionMoved(int level)
{
    // The selection left the item whose levels were open above.
    if (OpenedFrom(level) != GetLevelItem(level, LevelList(level)->GetSelectedRowIndex()))
        CloseLevelsAbove(level);
    RestyleLevels();
}

// Messages

bool CZuMenuBar::HandleMessage(CZuMessage* message)
{
    if (!message)
        return false;
    if (message->iType == EZuMsgCommand)
    {
        if (message->iParam1 != EZuCmdMenuChoose && message->iParam1 != EZuCmdMenuCancel)
            return false;
        if (message->iParam1 == EZuCmdMenuChoose)
            Choose(GetSubmenuLevel() - 1);
        else
            Cancel();
        return true;
    }
    if (message->iType != CZuList::KMsgListNotify)
        return false;
    const int level = LevelOfList(CZuMessage::ParamObject<CZuList>(message->iParam2));
    if (level < 0 || iClosing)
        return true;
    switch (message->iParam1)
    {
    case CZuList::ENotifyRowChanged:
        SelectionMoved(level);
        break;
    case CZuList::ENotifyRowActivated:
        Choose(level);
        break;
    default:
        break;
    }
    return true;
}
