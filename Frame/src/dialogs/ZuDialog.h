#ifndef ZUDIALOG_H
#define ZUDIALOG_H

#include "ZuControl.h"

class CZuCbaData;

// A pop-up dialog over the current screen, with its own soft-key labels.
//
// To be completed with the dialog frame: this minimal dialog has the frame's look (border, round corners,
// the dialog colours) and its command-bar data; the title pane, content layout, buttons and the modal wait
// come with the full dialog.
class CZuDialog : public CZuControl
{
public:
    CZuDialog(CZuControl* parent, int id, void* data);
    // The parent is the root control of the UI manager's current window.
    CZuDialog(int id, void* data);
    ~CZuDialog() override;

    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    CZuCbaData* GetCbaData() const { return iCbaData; }
    void* GetData() const { return iData; }

private:
    void Init(int id, void* data);

    void* iData;
    CZuCbaData* iCbaData;
};

#endif // ZUDIALOG_H
