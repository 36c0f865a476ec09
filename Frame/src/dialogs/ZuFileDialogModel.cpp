#include "ZuFileDialogModel.h"

#include "ZuDirEntry.h"
#include "ZuObjectList.h"

#include <cstddef>

namespace
{
const char KUpText[] = "<-- 上一级";

CZuString Reason(CZuDir::TZuDirResult result)
{
    switch (result)
    {
    case CZuDir::EDirNotFound:
        return CZuString("文件夹不存在或已被删除");
    case CZuDir::EDirNoAccess:
        return CZuString("没有权限读取");
    case CZuDir::EDirNotDir:
        return CZuString("不是文件夹");
    case CZuDir::EDirBadPath:
        return CZuString("路径过长或链接成环");
    default:
        return CZuString("读取失败");
    }
}
} // namespace

CZuFileDialogModel::CZuFileDialogModel(bool listFiles) : iListFiles(listFiles), iLastError(CZuDir::EDirOk)
{
    FillDrives();
}

CZuFileDialogModel::~CZuFileDialogModel() {}

void CZuFileDialogModel::FillDrives()
{
    iRows.clear();
    CZuObjectList* drives = CZuDir::GetDriveList();
    for (int i = 0; i < drives->GetCount(); ++i)
    {
        const CZuString& drive = *static_cast<CZuString*>(drives->GetAt(i));
        // The first drive is the root, the second the home folder.
        const char* role = i == 0 ? "（根目录）" : "（主目录）";
        iRows.push_back(TRow{drive, CZuDirEntry::DisplayText(drive) + "  " + role, KRowDir, false});
    }
    delete drives;
}

bool CZuFileDialogModel::ListInto(const CZuString& folder, std::vector<TRow>& rows)
{
    CZuObjectList* entries = nullptr;
    const int kinds =
        iListFiles ? CZuDir::EListAll : (CZuDir::EListDirs | CZuDir::EListLinks | CZuDir::EListHidden);
    iLastError = CZuDir::GetDir(folder + "*", kinds, CZuDir::EOrderDirsFirst, &entries);
    if (iLastError != CZuDir::EDirOk)
    {
        iFailedFolder = folder;
        return false;
    }
    rows.clear();
    rows.reserve(static_cast<size_t>(entries->GetCount()) + 1);
    rows.push_back(TRow{CZuString(), CZuString(KUpText), KRowFile, true});
    for (int i = 0; i < entries->GetCount(); ++i)
    {
        const CZuDirEntry* entry = static_cast<const CZuDirEntry*>(entries->GetAt(i));
        if (entry->IsDir())
            rows.push_back(TRow{entry->iName, entry->DisplayName() + "/", KRowDir, false});
        else if (iListFiles)
            rows.push_back(TRow{entry->iName, entry->DisplayName(), KRowFile, false});
    }
    delete entries;
    iFailedFolder.Empty();
    return true;
}

CZuDir::TZuDirResult CZuFileDialogModel::Fill()
{
    if (iDir.IsTopLevel())
    {
        FillDrives();
        iLastError = CZuDir::EDirOk;
        return iLastError;
    }
    std::vector<TRow> rows;
    if (ListInto(iDir.GetDir(), rows))
        iRows.swap(rows);
    return iLastError;
}

bool CZuFileDialogModel::Start(const CZuString& folder)
{
    iDir.SetDir(folder);
    if (Fill() == CZuDir::EDirOk)
        return !iDir.IsTopLevel();
    iDir.SetDir(CZuString());
    FillDrives();
    return false;
}

const CZuString& CZuFileDialogModel::RowName(int row) const
{
    static const CZuString KNone;
    return ValidRow(row) ? iRows[static_cast<size_t>(row)].iName : KNone;
}

CZuString CZuFileDialogModel::RowText(int row) const
{
    return ValidRow(row) ? iRows[static_cast<size_t>(row)].iText : CZuString();
}

int CZuFileDialogModel::RowType(int row) const
{
    return ValidRow(row) ? iRows[static_cast<size_t>(row)].iType : -1;
}

bool CZuFileDialogModel::IsUpRow(int row) const
{
    return ValidRow(row) && iRows[static_cast<size_t>(row)].iUp;
}

CZuFileDialogModel::TZuActivation CZuFileDialogModel::Activate(int row)
{
    if (!ValidRow(row))
        return EActNothing;
    if (IsUpRow(row))
    {
        // A parent that vanished meanwhile is passed over on the way up; the drives always list.
        do
            iDir.RemoveLastDir();
        while (Fill() != CZuDir::EDirOk);
        return EActWentUp;
    }
    if (RowType(row) != KRowDir)
        return EActNothing;
    const CZuString& name = RowName(row);
    const CZuString folder = iDir.IsTopLevel() ? name : iDir.GetDir() + name;
    std::vector<TRow> rows;
    if (!ListInto(folder.Length() > 0 && folder[folder.Length() - 1] == '/' ? folder : folder + "/", rows))
        return EActFailed;
    if (!iDir.AddDir(name))
        return EActNothing;
    iRows.swap(rows);
    return EActEntered;
}

bool CZuFileDialogModel::Select(int row, CZuString& result) const
{
    if (!ValidRow(row))
        return false;
    if (iDir.IsTopLevel())
    {
        const CZuString& drive = RowName(row);
        result = drive.Length() > 0 && drive[drive.Length() - 1] == '/' ? drive : drive + "/";
        return true;
    }
    if (IsUpRow(row))
    {
        result = iDir.GetDir();
        return true;
    }
    result = iDir.GetDir() + RowName(row);
    if (RowType(row) == KRowDir)
        result += '/';
    return true;
}

CZuString CZuFileDialogModel::ErrorText() const
{
    if (iLastError == CZuDir::EDirOk)
        return CZuString();
    // The folder's own name: the line stays short enough to read whole.
    int end = iFailedFolder.Length();
    if (end > 1 && iFailedFolder[end - 1] == '/')
        --end;
    int start = end;
    while (start > 0 && iFailedFolder[start - 1] != '/')
        --start;
    const CZuString name = start < end ? iFailedFolder.Mid(start, end - start) : iFailedFolder;
    return CZuString("无法打开“") + CZuDirEntry::DisplayText(name) + "”：" + Reason(iLastError);
}
