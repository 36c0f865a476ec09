#ifndef ZULEXAPP_H
#define ZULEXAPP_H

#include "UpdateCheck.h"
#include "ZuAlign.h"
#include "ZuRect.h"
#include "ZuUiManager.h"

#include <cstdint>
#include <vector>

class CWordConfig;
class CZuAudioPlayer;
class CZuLexNoteDlg;

// The word-study application: the toolkit's UI manager with the program's start-up, its seven screens,
// the commands of the main menu (about, information page, update check, exit) and the way out. It owns
// the settings, the speech player and the update check. The ids are in ZuLexIds.h.
class CZuLexApp : public CZuUiManager, public MUpdateCheckObserver
{
public:
    CZuLexApp();
    // Cancels a running update check; deletes the settings without saving (Shutdown saves).
    ~CZuLexApp() override;

    // The application of the running program; null when the UI manager is another.
    static CZuLexApp* Static();
    // The main title followed by the version: the prompt of the main screen and of most others.
    static CZuString VersionPrompt();

    bool HandleMessage(CZuMessage* message) override;
    // Loads the main window, shows the welcome screen while the settings and the screens are made, then
    // shows the main screen.
    void StartL() override;
    void Release() override;

    // The learner's settings, made at start-up (null before).
    CWordConfig* Settings() const { return iSettings; }
    // The text of the main window's "PromptBar"; nothing when there is none.
    void SetPromptText(const CZuString& text);
    const CZuString& PromptText() const { return iPrompt; }
    // Plays an AMR clip (the caller keeps it); clips of 100 bytes or less are not played.
    void PlaySpeech(const char* data, int length);
    // Opens the screen of a main-menu cell; the study and test screens only when the current course has
    // words (else a note says so).
    void OpenScreen(int command);
    // A note over the current screen, closed by its soft key; vertAlign places its text. An empty rect
    // gives the dialogs' size, centred.
    CZuLexNoteDlg* ShowNote(int id, const CZuString& title, const CZuString& text, TZuAlign vertAlign,
                            const CZuRect& rect);
    int NoteCount() const { return static_cast<int>(iNotes.size()); }
    // Leaves the current screen as the learner would (its timers stop, its book is written), writes the
    // settings and stops the update check. However the program ends (the exit command, the window's close,
    // a signal), this runs before the UI goes; a second call does nothing.
    void Shutdown();
    bool IsShutDown() const { return iShutDown; }

    // The update check: a check runs at most once at a time; its verdict is always shown.
    void StartUpdateCheck();
    bool IsCheckingForUpdate() const;
    void HandleUpdateVerdict(const TUpdateVerdict& verdict) override;

private:
    void LoadMainWindowL();
    void CreateViewsL();
    void ShowAbout();
    void ShowInfoPage();
    // A closed note (message 17) is deleted when it is one of ours.
    bool CloseNote(uintptr_t note);

    CWordConfig* iSettings;
    CZuAudioPlayer* iSpeech;
    CUpdateCheck* iUpdateCheck;
    std::vector<CZuLexNoteDlg*> iNotes;
    // What the prompt bar shows now.
    CZuString iPrompt;
    bool iShutDown;
};

#endif // ZULEXAPP_H
