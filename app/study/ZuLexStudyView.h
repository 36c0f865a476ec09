#ifndef ZULEXSTUDYVIEW_H
#define ZULEXSTUDYVIEW_H

#include "ZuLexView.h"
#include "ZuTimerObserver.h"

class CCourseOper;
class CNewWordBook;
class CSelectGroupDlg;
class CWordConfig;
class CZuLexStudyContainer;

// The study screen (view 3): the words of the current group one at a time, with their phonetic line,
// explanation and speech, stepped by buttons, taps, swipes or the browse timer. While it is shown it holds
// the current group of the current course and the whole new-word book; the learner's place (group and
// word) lives in the settings, and every use of it is kept inside the loaded group.
class CZuLexStudyView : public CZuLexView, public MZuTimerObserver
{
public:
    // How often browsing moves to the next word.
    static const int KBrowseIntervalMs = 1500;

    explicit CZuLexStudyView(CZuUiManager* manager);
    // Stops browsing and writes a changed new-word book.
    ~CZuLexStudyView() override;

    // Stops browsing, closes the group dialog, writes a changed new-word book, closes both courses and
    // writes the settings.
    void DoDeactivate() override;
    bool HandleMessage(CZuMessage* message) override;
    // Browsing: the next word.
    void OnTimer(int id) override;

    // Opens the current course at the current group (the first group when the current one holds no word)
    // and the new-word book when it is not open.
    void OpenCourses();
    // Shows the current word (playing it when the settings say so); the number of loaded words.
    int ShowWord();
    // The next word of the group; after its last word the first.
    void NextWord();
    // The previous word; nothing at the first.
    void PrevWord();
    // Puts the current word into the new-word book (written when the screen is left).
    void AddNewWord();
    // Plays the current word, whatever the settings say.
    void Speak();
    void StartBrowsing();
    void StopBrowsing();
    // Opens the group dialog over the screen.
    void SelectGroup();

    CCourseOper* Course() const { return iCourse; }
    CNewWordBook* Book() const { return iBook; }
    bool IsBrowsing() const { return iBrowseTimer != 0; }
    int BrowseTimer() const { return iBrowseTimer; }
    CSelectGroupDlg* GroupDialog() const { return iGroupDialog; }
    CZuLexStudyContainer* StudyContainer() const;

protected:
    void CreateContainerL(CZuControl* parent) override;

private:
    CWordConfig* Settings() const;
    // The current word's place in the loaded group, kept inside it; -1 when no word is loaded.
    int CurrentPosition() const;
    // Draws the screen at once after a step.
    void DrawStepNow();
    void CloseGroupDialog();
    void HandleGroupChosen(bool accepted);
    void HandleButton(int command);

    CCourseOper* iCourse;
    CNewWordBook* iBook;
    int iBrowseTimer;
    CSelectGroupDlg* iGroupDialog;
    // The group the dialog chose, taken into the settings when it is accepted.
    int iChosenGroup;
};

#endif // ZULEXSTUDYVIEW_H
