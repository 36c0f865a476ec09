#include "AppTestSupport.h"

#include "TestCard.h"
#include "ZuAppWindow.h"
#include "ZuEventLoop.h"
#include "ZuLexApp.h"
#include "ZuPathUtil.h"
#include "ZuSynWait.h"
#include "ZuUi.h"

#include <SDL.h>
#include <filesystem>

namespace
{
// Key values as the window glue receives them: a press, and a release of a key that was down.
const unsigned KPressValue = 1;
const unsigned KReleaseValue = 1u | (1u << 30) | (1u << 31);
} // namespace

std::string Text(const CZuString& text)
{
    return text.PtrZ() ? std::string(text.PtrZ(), static_cast<size_t>(text.Length())) : std::string();
}

CAppDataDir::CAppDataDir()
{
    namespace fs = std::filesystem;
    for (const char* part : {"res", "dat", "course"})
        fs::copy(fs::path(ZU_TEST_OUT_DIR) / part, fs::path(iFolder.Path()) / part,
                 fs::copy_options::recursive);
    CZuPathUtil::SetDataDirectory(CZuString(iFolder.Path().c_str()));
}

CAppDataDir::~CAppDataDir()
{
    CZuPathUtil::SetDataDirectory(CZuString());
}

void CRecordingGlue::HandleDraw()
{
    CZuPlayerApp::HandleDraw();
    if (UiManager() && UiManager()->GetWelcome())
        iWelcomeTexts.push_back(Text(UiManager()->GetWelcome()->GetWelcomInfo()));
}

void CRecordingGlue::HandleWakeUp()
{
    if (!iScripted)
    {
        CZuPlayerApp::HandleWakeUp();
        return;
    }
    if (iNextStep >= iSteps.size())
    {
        // What the last step asked for comes after this wake-up: give it a few turns first.
        if (++iIdleTurns < 4)
        {
            WakeUp();
            return;
        }
        iRanDry = true;
        CZuEventLoop::PostQuit();
        return;
    }
    std::function<void()> step = iSteps[iNextStep++];
    WakeUp();
    step();
}

void CRecordingGlue::StartScript(const std::vector<std::function<void()>>& steps)
{
    iSteps = steps;
    iNextStep = 0;
    iIdleTurns = 0;
    iRanDry = false;
    iScripted = true;
    WakeUp();
}

bool CRecordingGlue::EndScript()
{
    iScripted = false;
    bool whole = !iRanDry && iNextStep == iSteps.size();
    iSteps.clear();
    if (iRanDry)
    {
        SDL_FlushEvent(SDL_QUIT);
        CZuSynWait::ClearQuitRequest();
    }
    return whole;
}

CAppUnderTest::CAppUnderTest()
    : iClock(new CZuManualClock), iWindow(CZuAppWindow::Create("ZuPlayer")), iGlue(nullptr), iApp(nullptr)
{
    if (!iWindow)
        return;
    iGlue = new CRecordingGlue(iWindow);
    iApp = new CZuLexApp;
    CZuAppWindow::Bind(iApp, CZuAppWindow::CreateRoot(iWindow), iGlue);
    iApp->Start();
    Pump();
}

CAppUnderTest::~CAppUnderTest()
{
    delete iGlue;
    if (iWindow)
        CZuAppWindow::Destroy(iWindow);
    delete iClock;
}

void CAppUnderTest::Pump()
{
    for (int i = 0; i < 200 && (CZuEnv::MsgProcessor()->GetQueueCount() > 0 || iApp->IsTransforming()); ++i)
    {
        iClock->Advance(CZuMessageProcessor::KTickMs);
        if (iApp->IsTransforming())
            iGlue->HandleDraw();
    }
}

void CAppUnderTest::PressKey(unsigned code)
{
    iGlue->HandleKeyDown(code, KPressValue);
    iGlue->HandleKeyUp(code, KReleaseValue);
    Pump();
}

void CAppUnderTest::Click(int x, int y)
{
    CZuPoint origin;
    iGlue->HandlePointer(EZuPointerDown, EZuButtonLeft, CZuPoint(x, y), origin);
    iGlue->HandlePointer(EZuPointerUp, 0, CZuPoint(x, y), origin);
    Pump();
}

bool CAppUnderTest::RunModal(const std::function<void()>& action,
                             const std::vector<std::function<void()>>& steps)
{
    iGlue->StartScript(steps);
    action();
    return iGlue->EndScript();
}

void CAppUnderTest::Draw()
{
    iGlue->HandleDraw();
}

unsigned CAppUnderTest::PixelAt(int x, int y) const
{
    const unsigned char* p = iGlue->Pixels() + (y * iGlue->PixelWidth() + x) * 4;
    return (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}

bool CAppUnderTest::WritePicture(const std::string& path) const
{
    return WritePng(path, iGlue->Pixels(), iGlue->PixelWidth(), iGlue->PixelHeight());
}

int CAppUnderTest::CurrentViewId() const
{
    return iApp->GetCurView() ? iApp->GetCurView()->GetViewId() : 0;
}
