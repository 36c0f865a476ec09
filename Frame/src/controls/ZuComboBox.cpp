#include "ZuComboBox.h"

#include "ZuComboItem.h"
#include "ZuDialog.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuListSelectDlg.h"
#include "ZuMessage.h"
#include "ZuNameValue.h"
#include "ZuNameValueList.h"
#include "ZuScrollList.h"
#include "ZuUiManager.h"

#include <algorithm>
#include <cstdio>

namespace
{
// Rows the drop-down shows at most before it scrolls.
const int KMaxShownRows = 6;
// What the drop-down's frame adds to its rows.
const int KDropDownFrame = 6;
// The key-down seen marker.
const int KKeyDownSeen = 3;
} // namespace

CZuComboBox::CZuComboBox(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlComboBox), iStyle(EStyleFilled), iItems(true), iSelected(-1),
      iReturnType(KReturnName), iSearch(false), iDropDown(nullptr), iDropDownChoice(-1), iKeyDownSeen(0)
{
    SetAlign(EAlignCenter);
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(2);
}

CZuComboBox::~CZuComboBox()
{
    // The drop-down shows the items and reports here: it goes first.
    CloseDropDown();
}

// Items

void CZuComboBox::AppendItem(int id, const CZuString& name, const CZuString& displayText,
                             const CZuString& extraText, CZuObject* data)
{
    CloseDropDown();
    iItems.Append(new CZuComboItem(id, name, displayText, extraText, data));
}

void CZuComboBox::FillComboBox(CZuNameValueList& entries, const CZuString& selected)
{
    int chosen = -1;
    for (int i = 0; i < entries.GetCount(); ++i)
    {
        CZuNameValue* entry = entries.Get(i);
        AppendItem(i, entry->iName, entry->iValue, entry->iRest, nullptr);
        if (entry->iName == selected)
            chosen = GetItemCount() - 1;
    }
    SetSelItemByIndex(chosen);
}

void CZuComboBox::ClearAllItem()
{
    CloseDropDown();
    iItems.DeleteAll();
    iSelected = -1;
}

CZuComboItem* CZuComboBox::GetItem(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return static_cast<CZuComboItem*>(iItems.GetAt(index));
}

// Selection

void CZuComboBox::SetSelItemByIndex(int index)
{
    CZuComboItem* item = GetItem(index);
    iSelected = item ? index : -1;
    SetText(item ? item->GetDisplayText() : CZuString(""));
    DrawDeferred();
}

void CZuComboBox::SetSelItemByID(int id)
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (GetItem(i)->GetId() == id)
        {
            SetSelItemByIndex(i);
            return;
        }
    }
    SetSelItemByIndex(-1);
}

void CZuComboBox::SetSelItemByName(const CZuString& name)
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (GetItem(i)->GetName() == name)
        {
            SetSelItemByIndex(i);
            return;
        }
    }
    SetSelItemByIndex(-1);
}

int CZuComboBox::GetSelectedID() const
{
    CZuComboItem* item = GetItem(iSelected);
    return item ? item->GetId() : -1;
}

CZuObject* CZuComboBox::GetSelectedItemData() const
{
    CZuComboItem* item = GetItem(iSelected);
    return item ? item->GetData() : nullptr;
}

CZuString CZuComboBox::GetSelText() const
{
    CZuComboItem* item = GetItem(iSelected);
    if (!item)
        return CZuString("");
    if (iReturnType != KReturnId)
        return item->GetName();
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%d", item->GetId());
    return CZuString(digits);
}

void CZuComboBox::SetStyle(TStyle style)
{
    iStyle = style;
    if (style == EStyleFilled)
    {
        SetBorderType(EZuBorderLine3);
        SetRoundCornerSize(2);
    }
    else if (style == EStylePlain)
    {
        SetBorderType(EZuBorderNone);
        SetBorderWidth(0);
    }
    SizeChanged();
    DrawDeferred();
}

CZuString CZuComboBox::ShownText(const CZuString& text)
{
    int slash = text.Find('/');
    return slash >= 1 ? text.Left(slash) : text;
}

// The drop-down

void CZuComboBox::OpenDropDown()
{
    // One at a time: a second activation while it is open does nothing.
    CZuUiManager* manager = CZuEnv::UiManager();
    if (iDropDown || !manager || IsDisabled())
        return;
    iDropDownChoice = iSelected;
    CZuListSelectDlg* dropDown = new CZuListSelectDlg(0, &iDropDownChoice);
    dropDown->EnableSearch(iSearch);
    dropDown->ConstructL();
    const int count = GetItemCount();
    int rows = count == 0 ? 1 : std::min(count, KMaxShownRows);
    CZuScrollList* list = dropDown->GetScrollList();
    // Rows are measured at their own height: a list as tall as the dialog's first place would spread them.
    dropDown->SetRect(CZuRect(Rect().iTl, CZuSize(Size().iWidth, 0)));
    int height = list->GetHeightByDispRows(rows) + KDropDownFrame;
    if (iSearch)
        height += static_cast<int>(1.3 * CZuFont::GetNormalHeight());
    int oneRow = list->GetHeightByDispRows(1) + KDropDownFrame;
    CZuRect place = DropDownRect(height);
    // However little room there is, the list shows a row.
    if (place.Height() < oneRow)
        place.iBr.iY = place.iTl.iY + oneRow;
    iDropDown = dropDown;
    dropDown->SetRect(place);
    dropDown->SetListData(&iItems);
    dropDown->ShowDialog(false, this);
    DrawDeferred();
}

CZuRect CZuComboBox::DropDownRect(int height) const
{
    CZuRect client = CZuEnv::UiManager()->GetClientRect();
    CZuRect box = Rect();
    int top = box.iBr.iY;
    if (client.iBr.iY >= box.iBr.iY + height)
    {
        top = box.iBr.iY;
    }
    else if (box.iTl.iY - height >= client.iTl.iY)
    {
        top = box.iTl.iY - height;
    }
    else
    {
        int below = client.iBr.iY - box.iBr.iY;
        int above = box.iTl.iY - client.iTl.iY;
        height = std::max(below, above);
        top = below >= above ? box.iBr.iY : client.iTl.iY;
    }
    return CZuRect(box.iTl.iX, top, box.iBr.iX, top + height);
}

void CZuComboBox::CloseDropDown()
{
    if (!iDropDown)
        return;
    CZuListSelectDlg* dropDown = iDropDown;
    iDropDown = nullptr;
    delete dropDown;
    DrawDeferred();
}

bool CZuComboBox::HandleMessage(CZuMessage* message)
{
    if (message->iType != CZuDialog::KMsgDialogClosed || !iDropDown ||
        CZuMessage::ParamObject<CZuListSelectDlg>(message->iParam2) != iDropDown)
        return false;
    bool confirmed = message->iParam1 != 0;
    CloseDropDown();
    int choice = iDropDownChoice;
    if (!confirmed || !GetItem(choice))
        return false;
    SetSelItemByIndex(choice);
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(GetMsgWnd(), KMsgSelectionChanged, static_cast<unsigned>(choice),
                          CZuMessage::MakeParam(this), CZuPoint(0, 0));
    return false;
}

// Input

void CZuComboBox::StateChanged()
{
    CZuControl::StateChanged();
    if (GetState() == EZuStateReleased)
        OpenDropDown();
    DrawDeferred();
}

bool CZuComboBox::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!event.IsKey() || IsDisabled())
        return false;
    // The rest of a key pressed elsewhere (the arrow that brought the focus here) does nothing here.
    if (iKeyDownSeen == 0 && type != EZuKeyEventDown)
        return true;
    if (type == EZuKeyEventDown)
        iKeyDownSeen = KKeyDownSeen;
    if (event.iCode != EZuKeyEnter)
    {
        if (type == EZuKeyEventUp)
            iKeyDownSeen = 0;
        return false;
    }
    if (type == EZuKeyEventDown)
    {
        ChangeState(EZuStatePressed);
        return true;
    }
    if (type != EZuKeyEventUp)
        return false;
    iKeyDownSeen = 0;
    if (GetState() != EZuStateReleased)
        ChangeState(EZuStateReleased);
    ChangeState(EZuStateFocused);
    return true;
}

bool CZuComboBox::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (iDropDown)
        return HitTest(event.iPosition);
    return HandleClickPointer(event);
}

// Drawing

void CZuComboBox::SizeChanged()
{
    CZuRect inner = InnerRect();
    iTextRect = inner;
    iArrowRect = inner;
    const int h = inner.Height();
    if (iStyle == EStylePlain)
    {
        iTextRect.iBr.iX += h * -2 / 3;
    }
    else
    {
        iTextRect.iTl.iX += h / 3;
        iTextRect.iBr.iX -= h;
    }
    iArrowRect.iTl.iX = iTextRect.iBr.iX;
}

bool CZuComboBox::LooksFocused() const
{
    return GetState() == EZuStateFocused || iDropDown != nullptr;
}

void CZuComboBox::Draw(CZuGc& gc, const CZuRect&)
{
    int corner = 0, unused = 0;
    RoundCornerSize(corner, unused, unused, unused);
    const bool focused = LooksFocused();
    if (iStyle == EStyleFilled || focused)
    {
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(focused ? BgFocusedColor() : Background());
        gc.DrawRoundRect(Rect(), corner, corner, corner, corner);
    }
    const CZuString text = GetText();
    if (!text.IsEmpty())
        DrawText(gc, text, Foreground());
    else if (iStyle != EStylePlain && !iPrompt.IsEmpty())
        DrawText(gc, iPrompt, Foreground().GetNewColor(-50, 50));
    if (iStyle == EStyleArrowCell)
        CZuDrawUtil::DrawRectWithBorder(gc, iArrowRect, Background().GetNewColor(-60, 0),
                                        Background().GetNewColor(-60, 0));
    DrawArrow(gc);
}

void CZuComboBox::DrawText(CZuGc& gc, const CZuString& text, const CZuRgb& colour)
{
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(colour);
    gc.UseFont(GetFont());
    gc.DrawTextW(ShownText(text), iTextRect, GetAlign(), 0, 0);
    gc.DiscardFont();
}

void CZuComboBox::DrawArrow(CZuGc& gc)
{
    CZuDrawUtil::DrawTrangle(gc, CZuDrawUtil::EDirDown, iArrowRect, Background().GetNewColor(60, -60));
}
