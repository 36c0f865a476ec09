#include "ZuListSelectDlg.h"

#include "ZuCba.h"
#include "ZuComboItem.h"
#include "ZuEdit.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuPane.h"
#include "ZuScrollList.h"
#include "ZuString16.h"
#include "ZuUiManager.h"
#include "ZuVarient.h"

namespace
{
// The heading of the search row.
const int KStrSearch = 0x5A55000D;
// The list's and the search row's font size, in percent of the normal height.
const int KFontSize = 80;
const CZuRgb KEditBackground(255, 255, 255);

// One UTF-16 unit in lower case: the Latin, Greek and Cyrillic capitals a word list may hold. The
// full-width forms a Chinese input method types (U+FF01 to U+FF5E, and the ideographic space) count as
// their ASCII letters, so that "ＡＢ" finds "ab".
TZuWChar FoldUnit(TZuWChar c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        c = TZuWChar(c - 0xFEE0);
    else if (c == 0x3000)
        c = ' ';
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? TZuWChar(c + 32) : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return TZuWChar(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return TZuWChar(c + 80);
    if (c == 0x178)
        return 0xFF;
    // Latin Extended-A pairs capitals and small letters side by side; the run from U+0139 to U+0148 and
    // from U+0179 to U+017E starts on an odd capital.
    bool oddRun = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    bool evenRun = (c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177);
    if ((oddRun && (c & 1)) || (evenRun && !(c & 1)))
        return TZuWChar(c + 1);
    return c;
}

std::u16string Fold(const CZuString& text)
{
    CZuString16 wide;
    if (!text.IsEmpty())
        ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), wide);
    std::u16string folded;
    folded.reserve(wide.Length());
    for (int i = 0; i < wide.Length(); ++i)
        folded.push_back(FoldUnit(wide.PtrZ()[i]));
    return folded;
}
} // namespace

CZuListSelectDlg::CZuListSelectDlg(int id, void* selection)
    : CZuDialog(id, selection), iSearch(false), iSearchLabel(nullptr), iEdit(nullptr), iScrollList(nullptr),
      iItems(nullptr), iPressedOutside(false)
{
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(2);
}

CZuListSelectDlg::~CZuListSelectDlg()
{
    // The edit box goes with the other children; it must not tell this dialog of its last close.
    if (iEdit)
        iEdit->SetObserver(nullptr);
}

void CZuListSelectDlg::EnableSearch(bool enable)
{
    iSearch = enable;
}

CZuList* CZuListSelectDlg::List() const
{
    return iScrollList ? iScrollList->GetList() : nullptr;
}

void CZuListSelectDlg::InitDlgContent(void*)
{
    GetTitleLabel()->MakeVisible(false);
    if (GetButtonGroup())
        GetButtonGroup()->MakeVisible(false);
    GetTitlePane()->MakeVisible(false);
    CZuLayout* layout = GetDlgLayout();
    if (iSearch)
    {
        // The search row stands clear of the dialog's edge and of the list.
        layout->SetInnerSpace(2, 0, 0, 2);
        layout->SetRowspace(2);
        int rowHeight = CZuFont::GetNormalHeight() * 13 / 10;
        iSearchLabel = new CZuLabel(this);
        iSearchLabel->SetText(CZuEnv::GetString(KStrSearch));
        iSearchLabel->SetForeground(Foreground());
        iSearchLabel->SetInnerSpace(0, 0, 3, 3);
        iSearchLabel->SetReadOnly(true);
        CZuFont* font = CZuEnv::AcquireFont(EFontUi, KFontSize, false);
        iSearchLabel->SetFont(font);
        iEdit = new CZuEdit(this);
        iEdit->SetFont(font);
        CZuEnv::ReleaseFont(font);
        iEdit->SetText(CZuString(""));
        iEdit->SetBackground(KEditBackground);
        iEdit->SetObserver(this);
        layout->AppendRow(iSearchLabel, 0, rowHeight);
        layout->AppendCellToLastRow(iEdit, -1, rowHeight - 2, EAlignVCenter);
    }

    iScrollList = new CZuScrollList(this);
    iScrollList->SetInnerSpace(1);
    iScrollList->SetBorderType(EZuBorderLine3);
    iScrollList->SetBackground(Background());
    CZuList* list = iScrollList->GetList();
    CZuFont* listFont = CZuEnv::AcquireFont(EFontUi, KFontSize, false);
    list->SetFont(listFont);
    CZuEnv::ReleaseFont(listFont);
    // The dialog's ink: the list stands on the dialog's light background.
    list->SetForeground(Foreground());
    list->SetShowTitle(false);
    list->SetColSpace(3);
    list->AppendCellTitle(CZuString("disp"), EZuCellText, 0);
    list->SetShowSelectedRowBG(true);
    list->SetShowSelectedCellBG(false);
    list->SetShowSelBgNoFocus(true);
    list->SetHandleKeyMode(CZuList::EKeyModeWrapping);
    list->SetMsgWnd(this, CZuList::KMsgListNotify);
    for (int i = 0; i < list->GetColCount(); ++i)
        list->GetColTitle(i)->SetAlign(EAlignLeft);
    layout->AppendRow(iScrollList, -1, -1);

    CZuControl* focus = iSearch ? static_cast<CZuControl*>(iEdit) : iScrollList;
    focus->SetState(EZuStateFocused);
    focus->UpdateFocusTree();
    GetClientLayout()->DoLayout();
}

void CZuListSelectDlg::SetListData(CZuObjectList* items)
{
    iItems = items;
    iFoldedExtra.clear();
    iFoldedDisplay.clear();
    iLastSearch.clear();
    CZuList* list = List();
    if (!list)
        return;
    list->RemoveAllData();
    const int count = items ? items->GetCount() : 0;
    iFoldedExtra.reserve(count);
    iFoldedDisplay.reserve(count);
    for (int i = 0; i < count; ++i)
    {
        CZuComboItem* item = dynamic_cast<CZuComboItem*>(items->GetAt(i));
        CZuString display = item ? item->GetDisplayText() : CZuString("");
        list->AppendRow(new CZuVarient(display));
        iFoldedDisplay.push_back(Fold(display));
        iFoldedExtra.push_back(item ? Fold(item->GetExtraText()) : std::u16string());
    }
    int* selection = static_cast<int*>(GetData());
    int selected = selection ? *selection : -1;
    list->SetSelectedRow(selected >= 0 && selected < count ? selected : -1);
    iScrollList->HandleListDataChanged();
    DrawDeferred();
}

bool CZuListSelectDlg::HandleDlgCommand(int command)
{
    if (command != KCmdOk)
        return false;
    CZuList* list = List();
    int row = list ? list->GetSelectedRowIndex() : -1;
    DrawDeferred();
    // Confirming nothing (an empty list) is no choice: the caller's index stays.
    if (row < 0)
        return false;
    if (int* selection = static_cast<int*>(GetData()))
        *selection = row;
    return true;
}

void CZuListSelectDlg::SizeChanged()
{
    CZuDialog::SizeChanged();
    if (CZuList* list = List())
        list->SetSelectedRow(list->GetSelectedRowIndex());
}

void CZuListSelectDlg::StateChanged()
{
    CZuDialog::StateChanged();
    if (IsFocused())
        OpenSearchEditor();
}

void CZuListSelectDlg::OpenSearchEditor()
{
    if (!iEdit || iEdit->IsEditing() || IsClosed())
        return;
    if (!iEdit->IsFocused())
        SetFocusTo(iEdit);
    iEdit->OpenEditor();
}

bool CZuListSelectDlg::IsListKey(const TZuKeyEvent& event) const
{
    if (!event.IsKey())
        return false;
    switch (event.iCode)
    {
    case EZuKeyEnter:
    case EZuKeyUp:
    case EZuKeyDown:
    case EZuKeyPageUp:
    case EZuKeyPageDown:
        return true;
    default:
        return false;
    }
}

bool CZuListSelectDlg::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (IsClosed())
        return true;
    // While the input method composes, every key is its own (Enter picks a candidate).
    bool composing = iEdit && iEdit->IsEditing() && !iEdit->GetComposition().IsEmpty();
    if (composing)
    {
        iEdit->HandleKeyEvent(event, type);
        UpdateSearch();
        return true;
    }
    if (event.IsKey() && event.iCode == EZuKeyEscape)
        return CZuDialog::HandleKeyEvent(event, type);
    CZuList* list = List();
    if (list && IsListKey(event))
    {
        if (list->HandleKeyEvent(event, type))
        {
            iScrollList->HandleListDataChanged();
            list->DrawDeferred();
            return true;
        }
        // Enter on an empty list is the left soft key's, as in every dialog.
        return event.iCode == EZuKeyEnter ? CZuDialog::HandleKeyEvent(event, type) : true;
    }
    if (iEdit)
    {
        OpenSearchEditor();
        iEdit->HandleKeyEvent(event, type);
        UpdateSearch();
        return true;
    }
    return CZuDialog::HandleKeyEvent(event, type);
}

bool CZuListSelectDlg::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsClosed())
        return true;
    if (event.iType == EZuPointerDown)
        iPressedOutside = false;
    // Inside, and outside for a drag that the list began inside.
    if (CZuDialog::HandlePointerEventL(event))
        return true;
    CZuUiManager* manager = CZuEnv::UiManager();
    CZuCba* cba = manager ? manager->GetCba() : nullptr;
    // The command bar's soft keys stay the user's way to answer.
    if (cba && cba->HitTest(event.iPosition))
        return false;
    if (event.iType == EZuPointerDown)
    {
        iPressedOutside = true;
    }
    else if (event.iType == EZuPointerUp && iPressedOutside)
    {
        iPressedOutside = false;
        RunCommand(KCmdCancel);
    }
    return true;
}

bool CZuListSelectDlg::HandleMessage(CZuMessage* message)
{
    if (message->iType == CZuList::KMsgListNotify &&
        CZuMessage::ParamObject<CZuList>(message->iParam2) == List())
    {
        if (message->iParam1 == CZuList::ENotifyRowActivated)
            RunCommand(KCmdOk);
        return true;
    }
    return CZuDialog::HandleMessage(message);
}

void CZuListSelectDlg::HandleEditTextChanged(CZuEdit*)
{
    UpdateSearch();
}

void CZuListSelectDlg::UpdateSearch()
{
    if (!iEdit || !List())
        return;
    std::u16string text = Fold(iEdit->GetText());
    if (text == iLastSearch)
        return;
    iLastSearch = text;
    if (text.empty())
        return;
    int row = FindFirst(text);
    if (row < 0)
        return;
    List()->SetSelectedRow(row);
    iScrollList->HandleListDataChanged();
    List()->DrawDeferred();
}

int CZuListSelectDlg::FindFirst(const std::u16string& text) const
{
    for (size_t i = 0; i < iFoldedExtra.size(); ++i)
    {
        if (iFoldedExtra[i].find(text) != std::u16string::npos)
            return static_cast<int>(i);
    }
    for (size_t i = 0; i < iFoldedDisplay.size(); ++i)
    {
        if (iFoldedDisplay[i].find(text) != std::u16string::npos)
            return static_cast<int>(i);
    }
    return -1;
}
