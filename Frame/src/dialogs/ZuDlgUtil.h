#ifndef ZUDLGUTIL_H
#define ZUDLGUTIL_H

#include "ZuString.h"

class CZuObjectList;

// Ready-made dialogs over the current screen.
class CZuDlgUtil
{
public:
    // A message closed by its cancel soft key. Modal: waits, deletes the dialog and returns false.
    // Modeless: returns true at once; the dialog deletes itself when the learner closes it.
    static bool ShowInfoDlg(const CZuString& title, const CZuString& text, bool modal);
    // A short message (five rows high, the text centred vertically), modal; false once dismissed.
    static bool ShowConfirmDlg(const CZuString& title, const CZuString& text);
    // A short question with OK on the left soft key and cancel on the right, modal: true for OK (or
    // Enter), false for cancel (or Escape).
    static bool ShowQueryOkCancelDlg(const CZuString& title, const CZuString& text);
    // A modal choice among items (CZuComboItem, not owned), the row selected at first selected: the index
    // confirmed, or -1 when cancelled. An empty title hides the title pane.
    static int ShowListSelectDlg(const CZuString& title, CZuObjectList* items, int selected, bool search);

private:
    CZuDlgUtil() = delete;
};

#endif // ZUDLGUTIL_H
