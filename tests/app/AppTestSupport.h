#ifndef APPTESTSUPPORT_H
#define APPTESTSUPPORT_H

// The program started as it starts for the learner, but driven directly: on an offscreen SDL window, with
// its data directory a scratch copy of the built program's (string tables, images, forms, courses), on a
// clock the test advances.
#include "TestFiles.h"
#include "ZuPlayerApp.h"
#include "ZuString.h"

#include <functional>
#include <string>
#include <vector>

class CZuLexApp;
class CZuManualClock;
struct SDL_Window;

// A copy of build/out's res/, dat/ and course/ in a scratch folder, which the program's paths point at
// while it lives.
class CAppDataDir
{
public:
    CAppDataDir();
    ~CAppDataDir();
    // The folder with a trailing "/".
    const std::string& Path() const { return iFolder.Path(); }
    std::string File(const std::string& name) const { return iFolder.File(name); }

private:
    CTempFolder iFolder;
};

// The window glue of the test: it keeps what the welcome screen said at each paint, and runs the steps
// of a script from inside a modal dialog's wait, one at each wake-up of the window.
class CRecordingGlue : public CZuPlayerApp
{
public:
    explicit CRecordingGlue(SDL_Window* window) : CZuPlayerApp(window) {}
    void HandleDraw() override;
    // The next step while a script runs; when the steps have run out and something still waits, the
    // window is asked to quit (which ends every wait) and the script counts as run dry.
    void HandleWakeUp() override;

    void StartScript(const std::vector<std::function<void()>>& steps);
    // Ends the script; true when every step ran and none was missing.
    bool EndScript();

    std::vector<std::string> iWelcomeTexts;

private:
    std::vector<std::function<void()>> iSteps;
    size_t iNextStep = 0;
    int iIdleTurns = 0;
    bool iScripted = false;
    bool iRanDry = false;
};

// The application on its window, started.
class CAppUnderTest
{
public:
    // The data directory must outlive the application.
    CAppUnderTest();
    ~CAppUnderTest();

    CZuLexApp& App() const { return *iApp; }
    CRecordingGlue& Glue() const { return *iGlue; }
    // Runs the message queue until it is empty, and any slide to its end.
    void Pump();
    // A key pressed and released as the window delivers it, then the queue run.
    void PressKey(unsigned code);
    // A click at (x, y) of the window, then the queue run.
    void Click(int x, int y);
    // Runs action, which waits in a modal dialog, with steps acting from inside the wait. True when the
    // wait ended after the steps, false when it had to be ended by a quit.
    bool RunModal(const std::function<void()>& action, const std::vector<std::function<void()>>& steps);
    // Paints the window now.
    void Draw();
    // The last painted pixel at (x, y) as 0xRRGGBB.
    unsigned PixelAt(int x, int y) const;
    bool WritePicture(const std::string& path) const;
    int CurrentViewId() const;

private:
    CZuManualClock* iClock;
    SDL_Window* iWindow;
    CRecordingGlue* iGlue;
    CZuLexApp* iApp;
};

// The text of a toolkit string as std::string.
std::string Text(const CZuString& text);

#endif // APPTESTSUPPORT_H
