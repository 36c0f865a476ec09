#ifndef SELECTTESTRANGEDLG_H
#define SELECTTESTRANGEDLG_H

#include "ZuDialog.h"

class CZuPane;

// The test screen's range dialog: the current group, the groups up to and including it, or the whole
// course, as three radio buttons with the current range chosen. OK (its button or the left soft key)
// stores the chosen range; with none chosen it does nothing and the dialog stays.
class CSelectTestRangeDlg : public CZuDialog
{
public:
    static const int KId = 1;

    // range: the current test range, and where the chosen one is put when the dialog is accepted (it
    // must outlive the dialog).
    explicit CSelectTestRangeDlg(int* range);
    ~CSelectTestRangeDlg() override;

    CZuPane* RangePane() const { return iPane; }
    // The radio button of a range (1 to 3), or null.
    CZuControl* RangeButton(int range) const;

    // The label and the three ranges, the current one chosen, the focus on it.
    void InitDlgContent(void* data) override;
    // OK stores the chosen range; every command is answered with whether one is chosen.
    bool HandleDlgCommand(int command) override;
    // OK without a chosen range is passed over; the ranges' own choices stay in the dialog.
    bool HandleMessage(CZuMessage* message) override;
    // A band behind the range that has the focus.
    void Draw(CZuGc& gc, const CZuRect& rect) override;

private:
    int ChosenRange() const;

    int* iRange;
    CZuPane* iPane;
};

#endif // SELECTTESTRANGEDLG_H
