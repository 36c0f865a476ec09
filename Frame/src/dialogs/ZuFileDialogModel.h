#ifndef ZUFILEDIALOGMODEL_H
#define ZUFILEDIALOGMODEL_H

#include "ZuDir.h"
#include "ZuString.h"

#include <vector>

// What a file dialog lists and where it stands: the drives at the top level, else an "up" row followed by
// the folders (and, when files are listed, the files) of the current folder, folders first. Each row keeps
// the name exactly as the file system has it, so that odd names (backslashes, '*', '[', line breaks,
// bytes that are not UTF-8) are entered and chosen literally, and a text to show in which such bytes and
// control characters read as U+FFFD. A folder that cannot be listed is not entered: the place stays, and
// the reason is kept for the learner (ErrorText).
class CZuFileDialogModel
{
public:
    // The row types the list carries: 16 a drive or folder, 0 a file and the up row.
    static constexpr int KRowDir = 16;
    static constexpr int KRowFile = 0;

    // What activating a row did.
    enum TZuActivation
    {
        EActNothing = 0,
        EActEntered = 1,
        EActWentUp = 2,
        // The folder could not be listed: nothing changed (LastError() says why).
        EActFailed = 3
    };

    // listFiles: files are listed beside folders (a dialog that picks files).
    explicit CZuFileDialogModel(bool listFiles);
    ~CZuFileDialogModel();

    CZuDir& Dir() { return iDir; }
    const CZuString& GetPath() const { return iDir.GetDir(); }
    // Lists the current path again (the drives at the top level). On failure the rows stay as they were.
    CZuDir::TZuDirResult Fill();
    // Starts in a folder: listed and entered, else the top level (false).
    bool Start(const CZuString& folder);

    int GetRowCount() const { return static_cast<int>(iRows.size()); }
    // The name as stored (a drive's path at the top level); empty for the up row and out of range.
    const CZuString& RowName(int row) const;
    CZuString RowText(int row) const;
    int RowType(int row) const;
    bool IsUpRow(int row) const;

    // Enters a drive or folder row, goes up from the first row below the top level; a file row changes
    // nothing. A folder that vanished or cannot be read is not entered.
    TZuActivation Activate(int row);
    // The path a row chooses: a drive with "/" ("/" stays "/"), the current folder for the up row, a
    // folder with "/" or a file beside the current path. False, with result untouched, for a row that
    // does not exist.
    bool Select(int row, CZuString& result) const;

    // Why the last listing failed (EDirOk after a success), and the folder it was.
    CZuDir::TZuDirResult LastError() const { return iLastError; }
    // A sentence for the learner about the last failure, naming the folder; empty after a success.
    CZuString ErrorText() const;

private:
    CZuFileDialogModel(const CZuFileDialogModel&) = delete;
    CZuFileDialogModel& operator=(const CZuFileDialogModel&) = delete;

    struct TRow
    {
        CZuString iName;
        CZuString iText;
        int iType;
        bool iUp;
    };

    void FillDrives();
    // Lists folder (a path ending in '/') into rows; false with iLastError set when it cannot.
    bool ListInto(const CZuString& folder, std::vector<TRow>& rows);
    bool ValidRow(int row) const { return row >= 0 && row < GetRowCount(); }

    bool iListFiles;
    CZuDir iDir;
    std::vector<TRow> iRows;
    CZuDir::TZuDirResult iLastError;
    CZuString iFailedFolder;
};

#endif // ZUFILEDIALOGMODEL_H
