#ifndef ZULEXSTUDYCONTAINER_H
#define ZULEXSTUDYCONTAINER_H

#include "ZuFont.h"
#include "ZuGestureObserver.h"
#include "ZuLexFormContainer.h"

class CWordInfo;
class CZuGestureDetector;

// The container of the study screen, read from "Study.xml": it shows the word, its phonetic line, its
// explanation and its place in the group, and turns taps and swipes on the screen's free space into the
// previous and next word. What the buttons do is the view's.
class CZuLexStudyContainer : public CZuLexFormContainer, public MZuGestureObserver
{
public:
    // How far (in pixels) a fling must go sideways to change the word.
    static const int KFlingStep = 30;

    CZuLexStudyContainer(CZuControl* parent, CZuView* view);
    ~CZuLexStudyContainer() override;

    // Gives the form's buttons their commands and captions, the phonetic line its font and the next
    // button the focus; hides the back button on a system with its own back key (OS type 0).
    void WireControls();
    // Shows word, the position-th (from 0) of count loaded words, with the position also in the prompt;
    // inBook disables adding it, and hasSpeech enables the speech button.
    void ShowWord(const CWordInfo& word, int position, int count, bool inBook, bool hasSpeech);
    // The word went into the new-word book: it cannot be added again.
    void DisableAddWord();
    // Puts the stop button in the browse button's place (browsing) or back, with the focus.
    void ShowBrowsing(bool browsing);

    // Offers the event to the controls first; the rest goes to the gesture detector, except presses on a
    // disabled button.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // A tap on the left half is the previous word, elsewhere the next; a fling to the right the next word,
    // to the left the previous.
    void OnGesture(const TZuGesture& gesture) override;

private:
    void Enable(const char* name, bool enabled);
    // A word too long for its line at the form's size is shown smaller.
    void FitWordFont(CZuControl& label);
    static void PostCommand(int command);

    CZuGestureDetector* iGestures;
    // The word's font as the form gives it.
    TZuFontName iWordFontName;
    int iWordFontSize;
    bool iWordFontBold;
};

#endif // ZULEXSTUDYCONTAINER_H
