#ifndef STUDYANDTESTFIXTURE_H
#define STUDYANDTESTFIXTURE_H

// What the study and test screens' tests share: the program started on a scratch copy of its data, a
// recorder in place of the sound device, courses made for a case, and the screens driven by their
// commands, keys and the pointer.
#include "AppTestSupport.h"
#include "ZuSoundOutput.h"
#include "ZuString.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class CWordConfig;
class CWordInfo;
class CZuControl;
class CZuLexStudyView;
class CZuLexTestView;

// Takes the sound the players hand over instead of playing it.
class CSpeechRecorder : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override;
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return true; }

    // How many clips were played, and the size of the last one's sound.
    int iPlays = 0;
    int iLastSize = 0;
};

class StudyAndTestFixture : public ::testing::Test
{
protected:
    // The course every case may use besides the bundled ones: 45 words, three groups of 20.
    static const int KOwnCourseWords = 45;

    void SetUp() override;
    void TearDown() override;

    CZuLexApp& App() const;
    CWordConfig& Settings() const;
    CAppUnderTest& Program() const { return *iApp; }
    std::string CourseFolder() const { return iData->File("course/"); }
    std::string DataFile(const std::string& name) const { return iData->File(name); }

    // Writes course file with count words "word1", "word2", ...: explanation(i) gives word i's explanation
    // (by default one of its own), and every word speaks with the clip of a word of the bundled course.
    void MakeCourse(const std::string& file, int count,
                    const std::function<std::string(int)>& explanation = std::function<std::string(int)>());
    // Makes the course with this file name the current one, at group and word.
    void UseCourse(const std::string& file, int group = 0, int word = 0);
    // The i-th word of the bundled course "core" as its files hold it.
    CWordInfo CoreWord(int i) const;

    // Shows a screen through the main menu's way in.
    void OpenStudy();
    void OpenTest();
    CZuLexStudyView& Study() const;
    CZuLexTestView& TestScreen() const;

    // A command of a soft key or menu (message 18), and one of a button (message 19), then the queue run.
    void Command(int command);
    void Button(int command);
    // The pointer pressed at from and released at to, moving there in steps.
    void Drag(const CZuPoint& from, const CZuPoint& to);
    // Clicks the middle of control.
    void ClickOn(const CZuControl* control);
    // Moves the test clock on by ms, firing the timers due, then runs the queue.
    void Wait(int ms);
    // Paints the window and writes it as <build>/app-screens/<name>.png.
    void Picture(const std::string& name);

    std::unique_ptr<CAppDataDir> iData;
    std::unique_ptr<CAppUnderTest> iApp;
    CSpeechRecorder iSpeech;
    IZuSoundOutput* iOldOutput = nullptr;
};

std::string Text(const CZuControl* control);

#endif // STUDYANDTESTFIXTURE_H
