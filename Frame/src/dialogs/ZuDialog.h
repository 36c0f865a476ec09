#ifndef ZUDIALOG_H
#define ZUDIALOG_H

#include "ZuContainer.h"
#include "ZuSynWait.h"

class CZuButtonGroup;
class CZuCbaData;
class CZuLabel;
class CZuLayout;
class CZuPane;
struct TZuDialogData;

// A pop-up over the current screen: a title pane (a cancel button, the title, an OK button), a content
// layout that the concrete dialog fills, and the two soft keys it shows on the command bar. Shown modal,
// ShowDialog runs a nested event loop until the dialog closes and returns its verdict; shown modeless, it
// returns at once and the dialog tells its receiver once, with message 17, when it closes (param1 1 when
// accepted, else 0; param2 the dialog), and the receiver deletes it. A modeless dialog without a receiver
// deletes itself when it closes. Only OK (2) and cancel (4) close a dialog; every command first goes to
// HandleDlgCommand, whose answer is the verdict. Enter runs the left soft key, Escape the right one.
class CZuDialog : public CZuContainer, public CZuSynWait
{
public:
    // What a modeless dialog posts to its receiver when it closes.
    static constexpr unsigned KMsgDialogClosed = 17;
    // The commands that close a dialog.
    static constexpr int KCmdOk = 2;
    static constexpr int KCmdCancel = 4;

    CZuDialog(CZuControl* parent, int id, void* data);
    // The parent is the root control of the UI manager's current window.
    CZuDialog(int id, void* data);
    // Leaves the display stack; deletes the content layout and the command-bar data.
    ~CZuDialog() override;

    // Builds the frame, places the dialog (InitPosition) and its content (InitDlgContent); call it once.
    void ConstructL();
    // Pushes the dialog onto the display stack (once, however often it is called). Modal: waits until the
    // dialog closes (or the program is asked to quit: false) and returns the verdict. Modeless: true at
    // once; a dialog that has already told its receiver it closed is not shown again (false).
    bool ShowDialog(bool modal, MZuMessageWnd* receiver);
    bool IsModel() const;
    // The title label's text, and the button group's when there is one.
    void SetTitle(const CZuString& title);
    // Creates the command-bar data on first use and sets both soft keys.
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    CZuCbaData* GetCbaData() const;
    // The layout the concrete dialog fills; it takes the space below the title pane.
    CZuLayout* GetDlgLayout() const;
    // Null unless a concrete dialog made one.
    CZuButtonGroup* GetButtonGroup() const;
    CZuLabel* GetTitleLabel() const;
    CZuPane* GetTitlePane() const;
    void* GetData() const;
    // The verdict of the last close (false until then).
    bool GetVerdict() const;
    // Closed by OK or cancel since it was last shown: it takes no more input.
    bool IsClosed() const;
    // Deletes the modeless dialogs shown without a receiver that are still open (the UI manager does so
    // when it goes): nobody else holds them.
    static void DeleteUnowned();

    // Places the dialog over the area above the command bar: on a desktop (transparency support on)
    // 320 x 240 or smaller, centred; otherwise across the area's width at its bottom.
    virtual void InitPosition();
    // Builds the content into GetDlgLayout(); data is the constructor's. The frame alone has none.
    virtual void InitDlgContent(void* data);
    // Every command of the dialog comes here; for OK and cancel the answer becomes the verdict. The frame
    // alone accepts OK.
    virtual bool HandleDlgCommand(int command);

    // The colours of the record; the title stays black on its pane.
    void SetUiStyle(CZuUiStyleCommon* style) override;
    void SizeChanged() override;
    // Children first (focus moves); then Enter runs the left soft key and Escape the right one. Every key
    // is used: none reaches the screen below.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // Children first; every event inside the dialog is used.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // Commands (messages 18 and 19, param1 the command) are handled here.
    bool HandleMessage(CZuMessage* message) override;

protected:
    // Runs a command as its soft key would: the dialog hears of it, and OK and cancel close it.
    void RunCommand(int command);
    // Ends the dialog with this verdict, once: a modal wait ends; a modeless dialog tells its receiver, or
    // without one deletes itself on the next tick.
    void Close(bool verdict);
    // A button group of the concrete dialog's, given the title with the title label.
    void SetButtonGroup(CZuButtonGroup* group);
    // Five rows of the dialog's font: the height of a short message.
    int FiveRowHeight();
    // The command of the left or right soft key, 0 without command-bar data.
    int LeftCommand() const;
    int RightCommand() const;

private:
    CZuDialog(const CZuDialog&) = delete;
    CZuDialog& operator=(const CZuDialog&) = delete;
    void Init(int id, void* data);
    void BuildTitlePane();
    bool IsOnDisplayStack() const;

    TZuDialogData* iDlgData;
    void* iData;
    bool iVerdict;
    bool iEnterDown;
};

#endif // ZUDIALOG_H
