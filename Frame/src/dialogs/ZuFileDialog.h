#ifndef ZUFILEDIALOG_H
#define ZUFILEDIALOG_H

#include "ZuDialog.h"
#include "ZuFileDialogModel.h"

class CZuEdit;
class CZuLabel;
class CZuScrollList;

// Browses the drives ("/" and the home folder) and their folders, and picks a folder or, for a dialog of
// type 1, a file; the chosen path is written into the caller's string. The path of the current folder
// stands above the list; Enter or a double click on a row enters it (the first row, "<--", goes up). A
// folder that cannot be read is not entered and a line under the list says why. The left soft key
// chooses the selected row, the right one cancels.
class CZuFileDialog : public CZuDialog
{
public:
    enum TZuFileDialogType
    {
        EFolders = 0,
        EFilesAndFolders = 1
    };

    // result: a CZuString (not owned) that receives the path chosen; type 1 lists files as well, any
    // other value folders only.
    CZuFileDialog(int id, void* result, TZuFileDialogType type);
    ~CZuFileDialog() override;

    // The folder the dialog opens in (before ConstructL); by default the drives.
    void SetStartFolder(const CZuString& folder) { iStartFolder = folder; }
    CZuFileDialogModel& Model() { return iModel; }
    CZuScrollList* GetScrollList() const { return iScrollList; }
    CZuEdit* GetPathEdit() const { return iPathEdit; }
    // The line that tells why a folder was not entered.
    CZuLabel* GetStatusLabel() const { return iStatus; }

    void InitDlgContent(void* data) override;
    // OK: the selected row's path into the result, true; without a valid row false, the result untouched.
    bool HandleDlgCommand(int command) override;
    // A row activated in the list (message 22, param1 1).
    bool HandleMessage(CZuMessage* message) override;

private:
    // The rows of the model into the list; select: the row to select.
    void ShowRows(int select);
    void Activate(int row);

    CZuString* iResult;
    TZuFileDialogType iType;
    CZuFileDialogModel iModel;
    CZuString iStartFolder;
    CZuEdit* iPathEdit;
    CZuScrollList* iScrollList;
    CZuLabel* iStatus;
};

#endif // ZUFILEDIALOG_H
