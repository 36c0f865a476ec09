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
class CZuDialog;
class CZuView;

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
    // words (else a message over the main screen says so).
    void OpenScreen(int command);
    // A message over the current screen, closed by its soft key; the application deletes it then.
    // Nothing once the program is ending.
    void ShowMessage(const CZuString& title, const CZuString& text);
    // Deletes a message of the application that closed (param2 of its message 17); false for a dialog
    // that is not one.
    bool DeleteMessage(uintptr_t dialog);
    // The dialogs on the display stack now.
    int DialogCount() const;
    // Leaves the current screen as the learner would (its timers stop, its book is written), writes the
    // settings, stops the update check and takes the messages still shown away. However the program ends
    // (the exit command, the window's close, a signal), this runs before the UI goes; a second call does
    // nothing.
    void Shutdown();
    bool IsShutDown() const { return iShutDown; }

    // The update check: a check runs at most once at a time; its verdict is always shown.
    void StartUpdateCheck();
    bool IsCheckingForUpdate() const;
    void HandleUpdateVerdict(const TUpdateVerdict& verdict) override;

private:
    void LoadMainWindowL();
    void CreateViewsL();
    // The about dialog and the information page wait until the learner closes them.
    void ShowAbout();
    void ShowInfoPage();
    // Tells the learner the current course has no words; the main screen hears when the message closes.
    void ShowNoWords();
    void ShowMessage(int id, const CZuString& title, const CZuString& text, MZuMessageWnd* receiver);
    void DeleteMessages();

    CWordConfig* iSettings;
    CZuAudioPlayer* iSpeech;
    CUpdateCheck* iUpdateCheck;
    // The modeless messages shown, until they close.
    std::vector<CZuDialog*> iMessages;
    // What the prompt bar shows now.
    CZuString iPrompt;
    bool iShutDown;
};

#endif // ZULEXAPP_H
