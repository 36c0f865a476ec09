#ifndef ZULEXNEWWORDVIEW_H
#define ZULEXNEWWORDVIEW_H

#include "ZuLexView.h"

class CNewWordBook;
class CZuLexNewwordContainer;

// The new-word screen (view 6): the words of the new-word book, which the learner may delete. The view
// holds the book open while it is shown; deletions reach the disk only through "ok", which writes the
// book whole. Leaving any other way (cancel, back, another screen, the end of the program) keeps the book
// on disk as it was.
class CZuLexNewwordView : public CZuLexView
{
public:
    explicit CZuLexNewwordView(CZuUiManager* manager);
    // Closes an open book without saving.
    ~CZuLexNewwordView() override;

    // Opens the book when it is not open, then builds the screen.
    void DoActivateL() override;
    // Closes the book without saving.
    void DoDeactivate() override;
    bool HandleMessage(CZuMessage* message) override;

    CZuLexNewwordContainer* NewwordContainer() const;
    // The book while the screen is shown; null otherwise.
    CNewWordBook* Book() const { return iBook; }

protected:
    void CreateContainerL(CZuControl* parent) override;

private:
    void DeleteSelectedWord();
    // Writes the book and leaves; a book that cannot be written keeps the screen, with a note.
    void KeepChanges();
    void CloseBook();
    // An empty book tells in the prompt bar how words get into it.
    void ShowEmptyHint();

    CNewWordBook* iBook;
};

#endif // ZULEXNEWWORDVIEW_H
