#ifndef ZUPROGRESSDLG_H
#define ZUPROGRESSDLG_H

#include "ZuDialog.h"
#include "ZuTimerObserver.h"

class CZuImage;
class CZuLabel;
class CZuProgressBar;
class MZuProgressDlgObserver;

// Shows how far some work has got: a prompt over a progress bar drawn from the pictures "ProgressBg.png"
// and "Progress.png" (a plain bar when they are missing), titled "processing, please wait". Its one soft
// key, cancel, goes to the observer; the verdict is false when cancelled.
class CZuProgressDlg : public CZuDialog, public MZuTimerObserver
{
public:
    CZuProgressDlg(MZuProgressDlgObserver* observer, int id);
    ~CZuProgressDlg() override;

    void SetPrompt(const CZuString& prompt);
    // A total of 0 or less counts as 1.
    void SetCurPos(int position, int total);
    // Five rows of the dialog's font.
    int GetDlgMinHeight();
    // Kept for callers; it changes nothing.
    void SetNoteTimeRange(int ms);
    CZuLabel* GetPromptLabel() const { return iPrompt; }
    CZuProgressBar* GetProgressBar() const { return iBar; }

    void InitDlgContent(void* data) override;
    bool HandleDlgCommand(int command) override;
    void OnTimer(int id) override;

private:
    MZuProgressDlgObserver* iObserver;
    CZuLabel* iPrompt;
    CZuProgressBar* iBar;
    CZuImage* iBarImage;
    CZuImage* iBarBgImage;
};

#endif // ZUPROGRESSDLG_H
