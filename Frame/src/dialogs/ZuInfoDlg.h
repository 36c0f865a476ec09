#ifndef ZUINFODLG_H
#define ZUINFODLG_H

#include "ZuDialog.h"

class CZuTextReader;

// A message in a dialog: a text, wrapped and scrolled by a text reader, closed by its cancel soft key (or
// Escape, or Enter). It slides in from the bottom. Its verdict is false when cancelled, true for any other
// closing command (OK, when a caller gives it that soft key).
class CZuInfoDlg : public CZuDialog
{
public:
    explicit CZuInfoDlg(int id);
    ~CZuInfoDlg() override;

    // Shown at once when the content is built, else when it is.
    void SetInfo(const CZuString& text);
    const CZuString& GetInfo() const { return iText; }
    // Left, centred or right (0, 1, 2); left by default.
    void SetHorizAlign(TZuAlign align);
    // Top, bottom or centred (16, 32, 64) while the text fits; top by default.
    void SetVertAlign(TZuAlign align);
    // Null before ConstructL.
    CZuTextReader* GetTextReader() const { return iReader; }

    // The text reader, focused, over the whole content; one soft key, cancel; no OK in the title.
    void InitDlgContent(void* data) override;
    bool HandleDlgCommand(int command) override;

private:
    CZuString iText;
    TZuAlign iHorizAlign;
    TZuAlign iVertAlign;
    CZuTextReader* iReader;
};

#endif // ZUINFODLG_H
