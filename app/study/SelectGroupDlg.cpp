#include "SelectGroupDlg.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuScrollList.h"
#include "ZuVarient.h"

namespace
{
const int KInnerSpace = 5;
const int KRowSpace = 4;
} // namespace

int CSelectGroupDlg::GroupCount(int words, int perGroup)
{
    if (words <= 0 || perGroup <= 0)
        return 0;
    return words / perGroup + (words % perGroup != 0 ? 1 : 0);
}

CSelectGroupDlg::CSelectGroupDlg(int* group, int groupCount)
    : CZuDialog(KId, group), iGroup(group), iGroupCount(groupCount > 0 ? groupCount : 0), iScrollList(nullptr)
{
}

CSelectGroupDlg::~CSelectGroupDlg() {}

CZuList* CSelectGroupDlg::List() const
{
    return iScrollList ? iScrollList->GetList() : nullptr;
}

void CSelectGroupDlg::InitDlgContent(void*)
{
    SetTitle(CZuEnv::GetString(EZuLexStrSelectGroup));
    CZuLayout* layout = GetDlgLayout();
    layout->SetInnerSpace(KInnerSpace);
    layout->SetRowspace(KRowSpace);

    CZuLabel* label = new CZuLabel(this);
    label->SetText(CZuEnv::GetString(EZuLexStrSelectGroupLabel));
    label->SetAlign(EAlignLeft);
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, 80, false);
    label->SetFont(font);
    CZuEnv::ReleaseFont(font);
    label->SetReadOnly(true);
    layout->AppendRow(label, -1, 0);

    iScrollList = new CZuScrollList(this);
    iScrollList->SetBorderWidth(1);
    iScrollList->SetBorderType(EZuBorderLine3);
    iScrollList->SetHScrollBar(CZuScrollList::EScrollBarNever);
    layout->AppendRow(iScrollList, -1, -1);

    CZuList* list = List();
    list->SetColCount(1);
    list->SetDispColCount(1);
    list->SetListType(CZuList::EListTable);
    list->SetShowSelBgNoFocus(true);
    list->SetRowSpace(KRowSpace);
    list->SetForeground(CZuRgb(KZuLexInk));
    list->SetSelectedRowColor(CZuRgb(KZuLexBarBlue));
    list->SetSelectedForeColor(CZuRgb(KZuLexBarText));
    list->SetMsgWnd(this, CZuList::KMsgListNotify);
    for (int group = 1; group <= iGroupCount; ++group)
        list->AppendRow(new CZuVarient(CZuString(group)));
    // The rows are laid out first, so that the current group is scrolled into a view of its real size.
    layout->DoLayout();
    iScrollList->HandleListDataChanged();
    int current = iGroup ? *iGroup : 0;
    list->SetSelectedRow(current >= 0 && current < iGroupCount ? current : (iGroupCount > 0 ? 0 : -1));
    iScrollList->HandleListDataChanged();
    iScrollList->SetFocus(true);
}

int CSelectGroupDlg::SelectedGroup() const
{
    CZuList* list = List();
    int row = list ? list->GetSelectedRowIndex() : -1;
    return row >= 0 && row < iGroupCount ? row : -1;
}

bool CSelectGroupDlg::HandleDlgCommand(int command)
{
    int group = SelectedGroup();
    if (command != KCmdOk || group < 0)
        return false;
    if (iGroup)
        *iGroup = group;
    return true;
}

bool CSelectGroupDlg::HandleMessage(CZuMessage* message)
{
    bool command = message->iType == EZuMsgCommand || message->iType == EZuMsgButtonClicked;
    if (command && static_cast<int>(message->iParam1) == KCmdOk && SelectedGroup() < 0)
        return true;
    if (message->iType == CZuList::KMsgListNotify && message->iReceiver == this)
    {
        int what = static_cast<int>(message->iParam1);
        if ((what == CZuList::ENotifyRowActivated || what == CZuList::ENotifyCellActivated) &&
            SelectedGroup() >= 0)
            RunCommand(KCmdOk);
        return true;
    }
    return CZuDialog::HandleMessage(message);
}

bool CSelectGroupDlg::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (event.iCode == EZuKeyEnter && event.IsKey() && SelectedGroup() < 0 && !IsClosed())
        return true;
    return CZuDialog::HandleKeyEvent(event, type);
}
