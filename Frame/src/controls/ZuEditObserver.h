#ifndef ZUEDITOBSERVER_H
#define ZUEDITOBSERVER_H

class CZuEdit;

// Told by an edit box each time the learner changes its text (typing, deleting, cutting, pasting, a
// committed composition), right after the change: GetText() already returns the new text.
class MZuEditObserver
{
public:
    virtual void HandleEditTextChanged(CZuEdit* edit) = 0;
    virtual ~MZuEditObserver() {}
};

#endif // ZUEDITOBSERVER_H
