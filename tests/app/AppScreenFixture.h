#ifndef APPSCREENFIXTURE_H
#define APPSCREENFIXTURE_H

#include "AppTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

class CZuControl;
class CZuXmlForm;

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

#endif // APPSCREENFIXTURE_H
