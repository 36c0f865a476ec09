#ifndef ZUEDIT_H
#define ZUEDIT_H

#include "ZuControl.h"
#include "ZuTextInputClient.h"

class MZuEditObserver;
struct TZuEditData;

// A single-line text field. Idle, it shows its text (or, dimmed, its prompt while the text is empty).
// Focused, Enter or a click opens its editor on the text band: a caret, selection with Shift and the mouse,
// the clipboard, and the desktop's input method (its composition drawn underlined at the caret); Enter
// again, or the focus leaving, closes it and keeps the text. Up and Down move the focus on; the soft keys
// reach the command bar. Every box has an id of its own, for GetEditByID.
class CZuEdit : public CZuControl, public MZuTextInputClient
{
public:
    // 1: round corners of 2 pixels; any other value: square corners.
    enum TStyle
    {
        EStyleSquare = 0,
        EStyleRound = 1
    };
    // Kept for callers; the box does not consult it (the desktop's input method decides).
    enum TZuEditDefaultInputMode
    {
        EInputModeAny = 0,
        EInputModeLatin = 1,
        EInputModeChinese = 2,
        EInputModeNumber = 3
    };

    // Edit box ids are handed out in turn from this range, reused only when a box is gone. The program's
    // own command ids lie below 0x7000, so an edit id never equals a command id.
    static constexpr unsigned KFirstId = 0xE000;
    static constexpr unsigned KLastId = 0xEFFF;

    // A child of parent, appended to it: black text on white, border type 3, inner space 1.
    explicit CZuEdit(CZuControl* parent);
    // Closes the editor and takes the box out of the id registry.
    ~CZuEdit() override;

    // The box with this id, or null.
    static CZuEdit* GetEditByID(unsigned id);
    unsigned GetId() const;

    // While the editor is open, it takes the text too (the caret goes to the end).
    void SetText(const CZuString& text) override;
    // The whole text; while the editor is open, as edited so far.
    CZuString GetText() override;
    // The most UTF-16 units the learner can enter; 0 (or beyond 32 767): 32 767.
    void SetTextMaxNum(int units);
    int GetTextMaxNum() const;
    // With the editor open: its whole text becomes the box's text.
    void UpdateText();
    // The text band: the inner rectangle, cut to the font's height and centred when it is taller.
    CZuRect GetEditRect();
    void SetDefaultPrompt(const CZuString& prompt);
    const CZuString& GetDefaultPrompt() const;
    void SetStyle(TStyle style);
    void SetDefaultInputMode(TZuEditDefaultInputMode mode);
    TZuEditDefaultInputMode GetDefaultInputMode() const;
    void SetObserver(MZuEditObserver* observer);

    // Opens the editor (caret at the end) when the box is focused, enabled and writable; true when open.
    bool OpenEditor();
    // Closes an open editor, keeping the text.
    void CloseEditor();
    bool IsEditing() const;
    // What the input method is composing (UTF-8), empty when nothing.
    CZuString GetComposition() const;
    // The caret and the other end of the selection, in UTF-16 units of the text (both 0 while idle).
    int GetCaret() const;
    int GetSelectionAnchor() const;

    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    void HandleTextComposition(const CZuString& text, int cursor) override;

private:
    CZuEdit(const CZuEdit&) = delete;
    CZuEdit& operator=(const CZuEdit&) = delete;

    bool CanEdit();
    bool HandleEnter(const TZuKeyEvent& event, TZuKeyEventType type);
    bool HandleEditorKey(const TZuKeyEvent& event, TZuKeyEventType type);
    void HandleEditorChar(unsigned code);
    bool HandleEditorPointer(const TZuPointerEvent& event);
    void Copy();
    void Paste();
    // After an edit: the text is the box's, the observer hears of it, the view follows the caret.
    void TextEdited();
    void Changed();
    void LayOut();
    void ScrollToCaret();
    int DisplayCaret() const;
    int IndexAtPointer(int x);
    // The text band less the margins the text keeps from the box's edges.
    CZuRect TextArea();
    // Where text is drawn: the text area's columns, over the box's inner height.
    CZuRect TextClip();
    void DrawIdle(CZuGc& gc);
    void DrawEditor(CZuGc& gc, const CZuRect& inner);
    int Baseline(const CZuRect& band);

    TZuEditData* iData;
};

#endif // ZUEDIT_H
