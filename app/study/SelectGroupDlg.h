#ifndef SELECTGROUPDLG_H
#define SELECTGROUPDLG_H

#include "ZuDialog.h"

class CZuList;
class CZuScrollList;

// The study screen's group dialog: the groups of the current course numbered from 1, the current one
// selected. OK (its button, the left soft key, Enter or choosing a row again) stores the selected group;
// with no group selected it does nothing and the dialog stays.
class CSelectGroupDlg : public CZuDialog
{
public:
    static const int KId = 11;

    // The number of groups of count-per-group words that hold words words (the last may be shorter).
    static int GroupCount(int words, int perGroup);

    // group: the current group, and where the chosen one is put when the dialog is accepted (it must
    // outlive the dialog); groupCount: how many groups to offer.
    CSelectGroupDlg(int* group, int groupCount);
    ~CSelectGroupDlg() override;

    CZuScrollList* ScrollList() const { return iScrollList; }
    CZuList* List() const;

    // The label and the list of groups, the current one selected, the list with the focus.
    void InitDlgContent(void* data) override;
    // OK stores the selected group; every command is answered with whether a group is selected.
    bool HandleDlgCommand(int command) override;
    // OK without a selected group is passed over; a row chosen again is OK.
    bool HandleMessage(CZuMessage* message) override;
    // Enter without a selected group is passed over.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;

private:
    int SelectedGroup() const;

    int* iGroup;
    int iGroupCount;
    CZuScrollList* iScrollList;
};

#endif // SELECTGROUPDLG_H
