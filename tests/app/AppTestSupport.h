#ifndef APPTESTSUPPORT_H
#define APPTESTSUPPORT_H

// The program started as it starts for the learner, but driven directly: on an offscreen SDL window, with
// its data directory a scratch copy of the built program's (string tables, images, forms, courses), on a
// clock the test advances.
#include "TestFiles.h"
#include "ZuPlayerApp.h"
#include "ZuString.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class CZuControl;
class CZuLexApp;
class CZuXmlForm;
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

// The window glue of the test: it keeps what the welcome screen said at each paint.
class CRecordingGlue : public CZuPlayerApp
{
public:
    explicit CRecordingGlue(SDL_Window* window) : CZuPlayerApp(window) {}
    void HandleDraw() override;

    std::vector<std::string> iWelcomeTexts;
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

// Tests of one screen: the program started on a fresh copy of its data, with helpers to open a screen
// from the main menu and to use the controls of its form as the learner does.
class AppScreenTest : public ::testing::Test
{
protected:
    static const unsigned KEnter = 13;
    static const unsigned KUp = 38;
    static const unsigned KDown = 40;
    static const unsigned KF1 = 112;
    static const unsigned KF2 = 113;

    void SetUp() override;
    void TearDown() override;
    // Starts the program again on the same data (after a test changed its files).
    void Restart();

    CZuLexApp& App() { return iApp->App(); }
    CAppUnderTest& Program() { return *iApp; }
    const CAppDataDir& Data() { return *iData; }
    // A command (message 18) as a soft key or a menu sends it, then the queue run.
    void Command(int command);
    // Opens the screen of a main-menu cell (its command) and runs the queue.
    void Open(int cell);
    int CurrentViewId() const { return iApp->CurrentViewId(); }
    // The form of the screen shown; null when it has none.
    CZuXmlForm* Form();
    // The control of that name on the screen shown (null when absent).
    CZuControl* Control(const char* name);
    // A click at the middle of the control.
    void Click(CZuControl* control);
    void Click(const char* name);
    void PressKey(unsigned code) { iApp->PressKey(code); }
    // Draws the window and keeps the picture as <build>/<name>.png.
    void Picture(const std::string& name);

private:
    std::unique_ptr<CAppDataDir> iData;
    std::unique_ptr<CAppUnderTest> iApp;
};

#endif // APPTESTSUPPORT_H
