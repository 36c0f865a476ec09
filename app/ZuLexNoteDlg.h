#ifndef ZULEXNOTEDLG_H
#define ZULEXNOTEDLG_H

#include "ZuDialog.h"

// A note over the current screen: a title band and a text, closed by its soft key (4) or Enter. Modeless:
// it tells its receiver it closed with message 17 (param2 the note), and the receiver deletes it. The
// toolkit's dialog frame holds no content yet, so the program draws its notes itself.
class CZuLexNoteDlg : public CZuDialog
{
public:
    // The command of the note's soft key.
    static constexpr int KCmdClose = 4;

    CZuLexNoteDlg(int id, const CZuString& title, const CZuString& text);
    // Takes itself off the screen.
    ~CZuLexNoteDlg() override;

    // The text placed vertically (top, centred or bottom: 16, 64, 32); top by default.
    void SetVertAlign(TZuAlign align) { iVertAlign = align; }
    // Centred in the screen above the command bar at the dialogs' size, or over rect when it is not empty;
    // then shown on top of everything, telling receiver when it closes.
    void Show(MZuMessageWnd* receiver, const CZuRect& rect);
    const CZuString& Title() const { return iTitle; }
    const CZuString& Text() const { return iText; }

    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // Every key is the note's: Enter and the soft key close it.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // Commands (messages 18 and 19) other than 0 close it.
    bool HandleMessage(CZuMessage* message) override;

private:
    void Close();
    CZuRect TitleRect() const;

    CZuString iTitle;
    CZuString iText;
    TZuAlign iVertAlign;
    bool iEnterDown;
    bool iClosed;
};

#endif // ZULEXNOTEDLG_H
