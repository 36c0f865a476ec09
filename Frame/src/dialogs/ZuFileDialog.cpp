#include "ZuFileDialog.h"

#include "ZuDirEntry.h"
#include "ZuEdit.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuList.h"
#include "ZuListCellTitle.h"
#include "ZuMessage.h"
#include "ZuScrollList.h"
#include "ZuVarient.h"

#include <algorithm>

namespace
{
const int KStrChoose = 0x5A550003;
const int KStrCancel = 0x5A550005;
const char KPathCaption[] = "路径";
const int KCaptionGap = 6;
const CZuRgb KBlack(0, 0, 0);
const CZuRgb KWhite(255, 255, 255);
const CZuRgb KWarning(190, 40, 30);

// The last name of a folder path ("/a/b/" gives "b"), empty for a drive's root.
CZuString LastName(const CZuString& path)
{
    int end = path.Length();
    if (end > 0 && path[end - 1] == '/')
        --end;
    int start = end;
    while (start > 0 && path[start - 1] != '/')
        --start;
    return path.Mid(start, end - start);
}
} // namespace

CZuFileDialog::CZuFileDialog(int id, void* result, TZuFileDialogType type)
    : CZuDialog(id, result), iResult(static_cast<CZuString*>(result)), iType(type),
      iModel(type == EFilesAndFolders), iPathEdit(nullptr), iScrollList(nullptr), iStatus(nullptr)
{
}

CZuFileDialog::~CZuFileDialog() {}

void CZuFileDialog::InitDlgContent(void*)
{
    SetTitle(CZuString(iType == EFilesAndFolders ? "选择文件" : "选择文件夹"));
    CZuLayout* layout = GetDlgLayout();
    layout->SetRowspace(3);
    layout->SetInnerSpace(3);

    CZuLabel* caption = new CZuLabel(this);
    caption->SetText(CZuString(KPathCaption));
    caption->SetAlign(EAlignRight);
    caption->SetForeground(Foreground());
    caption->SetReadOnly(true);
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, 100, false);
    caption->SetFont(font);
    const int captionWidth = font->TextWidthInPixels(CZuString(KPathCaption));
    CZuEnv::ReleaseFont(font);
    iPathEdit = new CZuEdit(this);
    iPathEdit->SetForeground(KBlack);
    iPathEdit->SetBackground(KWhite);
    // The path is shown, not typed: the list is where folders are entered.
    iPathEdit->SetReadOnly(true);
    iPathEdit->SetDefaultPrompt(CZuString("选择一个位置"));
    const int rowHeight = CZuFont::GetNormalHeight() * 13 / 10;
    const int pathRow = layout->AppendRow(caption, captionWidth, rowHeight);
    layout->AppendCellToLastRow(iPathEdit, -1, rowHeight, EAlignVCenter);
    // The caption stands apart from the box it names.
    layout->SetColSpace(pathRow, KCaptionGap);

    iScrollList = new CZuScrollList(this);
    iScrollList->SetBorderType(EZuBorderLine3);
    iScrollList->SetBorderWidth(1);
    iScrollList->SetShowBackground(false, false, IZuGc::EGradualVertical);
    CZuList* list = iScrollList->GetList();
    list->SetShowTitle(false);
    list->AppendCellTitle(CZuString("name"), EZuCellText, 0);
    list->GetColTitle(0)->SetAlign(EAlignLeft);
    list->SetColSpace(3);
    list->SetShowSelectedRowBG(true);
    list->SetShowSelBgNoFocus(true);
    list->SetHandleKeyMode(CZuList::EKeyModeFree);
    list->SetMsgWnd(this, CZuList::KMsgListNotify);
    const int listRow = layout->AppendRow(iScrollList, -1, -1);
    layout->SetRowHeight(listRow, -1);

    iStatus = new CZuLabel(this);
    iStatus->SetAlign(EAlignLeft);
    iStatus->SetForeground(KWarning);
    iStatus->SetReadOnly(true);
    CZuFont* small = CZuEnv::AcquireFont(EFontUi, 80, false);
    iStatus->SetFont(small);
    const int statusHeight = small->HeightInPixels() + 2;
    CZuEnv::ReleaseFont(small);
    layout->AppendRow(iStatus, -1, statusHeight);

    SetCbaData(KCmdOk, CZuEnv::GetString(KStrChoose, "选择"), KCmdCancel,
               CZuEnv::GetString(KStrCancel, "取消"));
    if (!iStartFolder.IsEmpty() && !iModel.Start(iStartFolder))
        iStatus->SetText(iModel.ErrorText());
    ShowRows(0);
    Relayout();
    SetFocusTo(iScrollList);
}

void CZuFileDialog::ShowRows(int select)
{
    CZuList* list = iScrollList->GetList();
    list->RemoveAllData();
    list->SetTopRowIndex(0);
    const int count = iModel.GetRowCount();
    for (int row = 0; row < count; ++row)
    {
        const int index = list->AppendRow(new CZuVarient(iModel.RowText(row)));
        list->SetRowData(index, iModel.RowType(row));
    }
    list->SetSelectedRow(count > 0 ? std::min(std::max(select, 0), count - 1) : -1);
    iScrollList->HandleListDataChanged();
    iPathEdit->SetText(CZuDirEntry::DisplayText(iModel.GetPath()));
    DrawDeferred();
}

void CZuFileDialog::Activate(int row)
{
    const bool up = iModel.IsUpRow(row);
    const CZuString left = LastName(iModel.GetPath());
    switch (iModel.Activate(row))
    {
    case CZuFileDialogModel::EActFailed:
        iStatus->SetText(iModel.ErrorText());
        DrawDeferred();
        return;
    case CZuFileDialogModel::EActNothing:
        return;
    default:
        break;
    }
    iStatus->SetText(CZuString(""));
    // Going up selects the folder just left; entering selects the first entry after "<--".
    int select = up ? 0 : 1;
    for (int i = 0; up && i < iModel.GetRowCount(); ++i)
    {
        const CZuString& name = iModel.RowName(i);
        if (!left.IsEmpty() && (name == left || (iModel.Dir().IsTopLevel() && LastName(name) == left)))
        {
            select = i;
            break;
        }
    }
    ShowRows(select);
}

bool CZuFileDialog::HandleDlgCommand(int command)
{
    if (command != KCmdOk)
        return false;
    CZuString chosen;
    if (!iScrollList || !iModel.Select(iScrollList->GetList()->GetSelectedRowIndex(), chosen))
        return false;
    if (iResult)
        *iResult = chosen;
    return true;
}

bool CZuFileDialog::HandleMessage(CZuMessage* message)
{
    CZuList* list = iScrollList ? iScrollList->GetList() : nullptr;
    if (message->iType == CZuList::KMsgListNotify && list &&
        CZuMessage::ParamObject<CZuList>(message->iParam2) == list)
    {
        if (!IsClosed() && message->iParam1 == CZuList::ENotifyRowActivated)
            Activate(list->GetSelectedRowIndex());
        return true;
    }
    return CZuDialog::HandleMessage(message);
}
