#include "StudyAndTestFixture.h"

#include "CourseOper.h"
#include "TestCard.h"
#include "WordConfig.h"
#include "WordInfo.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexStudyView.h"
#include "ZuLexTestView.h"
#include "ZuManualClock.h"
#include "ZuTimerBackend.h"
#include "ZuUi.h"

#include <SDL.h>
#include <filesystem>

void CSpeechRecorder::PlayWav(const unsigned char*, int size)
{
    ++iPlays;
    iLastSize = size;
}

std::string Text(const CZuControl* control)
{
    return control ? Text(const_cast<CZuControl*>(control)->GetText()) : std::string("<none>");
}

void StudyAndTestFixture::SetUp()
{
    SDL_FlushEvent(SDL_QUIT);
    iOldOutput = IZuSoundOutput::Replace(&iSpeech);
    iData.reset(new CAppDataDir);
    iApp.reset(new CAppUnderTest);
    MakeCourse("own", KOwnCourseWords);
}

void StudyAndTestFixture::TearDown()
{
    iApp.reset();
    iData.reset();
    IZuSoundOutput::Replace(iOldOutput);
    SDL_FlushEvent(SDL_QUIT);
}

CZuLexApp& StudyAndTestFixture::App() const
{
    return iApp->App();
}

CWordConfig& StudyAndTestFixture::Settings() const
{
    return *App().Settings();
}

CWordInfo StudyAndTestFixture::CoreWord(int i) const
{
    CCourseOper core(CZuString("core"), CZuString(CourseFolder().c_str()));
    core.LoadRange(i, 1);
    return core.WordCount() > 0 ? *core.Word(0) : CWordInfo();
}

void StudyAndTestFixture::MakeCourse(const std::string& file, int count,
                                     const std::function<std::string(int)>& explanation)
{
    CCourseOper core(CZuString("core"), CZuString(CourseFolder().c_str()));
    core.LoadRange(0, count);
    CCourseOper course(CZuString(file.c_str()), CZuString(CourseFolder().c_str()));
    for (int i = 0; i < count; ++i)
    {
        CWordInfo word;
        if (core.WordCount() > 0)
        {
            const CWordInfo& spoken = *core.Word(i % core.WordCount());
            word.iSpeechOffset = spoken.iSpeechOffset;
            word.iSpeechLength = spoken.iSpeechLength;
            word.iSource = "core";
        }
        std::string number = std::to_string(i + 1);
        word.iWord = ("word" + number).c_str();
        word.iPhonetic = ("/w" + number + "/").c_str();
        word.iPhoneticNote = "n.";
        std::string text = explanation ? explanation(i) : "n. 释义" + number;
        word.iExplanation = text.c_str();
        course.AppendWord(word);
    }
    ASSERT_TRUE(course.Save());
}

void StudyAndTestFixture::UseCourse(const std::string& file, int group, int word)
{
    Settings().SetCourse(CCourse(CZuString(file.c_str()), CZuString(file.c_str())));
    Settings().SetGroup(group);
    Settings().SetWord(word);
}

void StudyAndTestFixture::OpenStudy()
{
    App().OpenScreen(EZuLexCmdOpenStudy);
    iApp->Pump();
    ASSERT_EQ(iApp->CurrentViewId(), int(EZuLexViewStudy));
}

void StudyAndTestFixture::OpenTest()
{
    App().OpenScreen(EZuLexCmdOpenTest);
    iApp->Pump();
    ASSERT_EQ(iApp->CurrentViewId(), int(EZuLexViewTest));
}

CZuLexStudyView& StudyAndTestFixture::Study() const
{
    return *static_cast<CZuLexStudyView*>(App().GetView(EZuLexViewStudy));
}

CZuLexTestView& StudyAndTestFixture::TestScreen() const
{
    return *static_cast<CZuLexTestView*>(App().GetView(EZuLexViewTest));
}

void StudyAndTestFixture::Command(int command)
{
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, static_cast<uintptr_t>(command), 0);
    iApp->Pump();
}

void StudyAndTestFixture::Button(int command)
{
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgButtonClicked, static_cast<uintptr_t>(command), 0);
    iApp->Pump();
}

void StudyAndTestFixture::Drag(const CZuPoint& from, const CZuPoint& to)
{
    CZuPoint origin;
    iApp->Glue().HandlePointer(EZuPointerDown, EZuButtonLeft, from, origin);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i)
    {
        CZuPoint at(from.iX + (to.iX - from.iX) * i / steps, from.iY + (to.iY - from.iY) * i / steps);
        iApp->Glue().HandlePointer(EZuPointerDrag, EZuButtonLeft, at, origin);
    }
    iApp->Glue().HandlePointer(EZuPointerUp, 0, to, origin);
    iApp->Pump();
}

void StudyAndTestFixture::ClickOn(const CZuControl* control)
{
    ASSERT_NE(control, nullptr);
    CZuRect rect = control->Rect();
    iApp->Click(rect.iTl.iX + rect.Width() / 2, rect.iTl.iY + rect.Height() / 2);
}

void StudyAndTestFixture::Wait(int ms)
{
    CZuManualClock* clock = dynamic_cast<CZuManualClock*>(IZuTimerBackend::Current());
    ASSERT_NE(clock, nullptr);
    clock->Advance(ms);
    iApp->Pump();
}

void StudyAndTestFixture::Picture(const std::string& name)
{
    std::filesystem::create_directories(ZU_TEST_BINARY_DIR "/app-screens");
    iApp->Draw();
    EXPECT_TRUE(iApp->WritePicture(ZU_TEST_BINARY_DIR "/app-screens/" + name + ".png"));
}
