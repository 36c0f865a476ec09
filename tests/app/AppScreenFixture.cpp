#include "AppScreenFixture.h"

#include "ZuLexApp.h"
#include "ZuLexFormContainer.h"
#include "ZuUi.h"
#include "ZuXmlForm.h"

#include <SDL.h>

void AppScreenTest::SetUp()
{
    SDL_FlushEvent(SDL_QUIT);
    iData.reset(new CAppDataDir);
    iApp.reset(new CAppUnderTest);
}

void AppScreenTest::TearDown()
{
    iApp.reset();
    iData.reset();
    SDL_FlushEvent(SDL_QUIT);
}

void AppScreenTest::Restart()
{
    iApp.reset();
    SDL_FlushEvent(SDL_QUIT);
    iApp.reset(new CAppUnderTest);
}

void AppScreenTest::Command(int command)
{
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, command, 0);
    iApp->Pump();
}

void AppScreenTest::Open(int cell)
{
    App().OpenScreen(cell);
    iApp->Pump();
}

CZuXmlForm* AppScreenTest::Form()
{
    CZuView* view = App().GetCurView();
    CZuLexFormContainer* container =
        view ? dynamic_cast<CZuLexFormContainer*>(view->GetContainer()) : nullptr;
    return container ? container->Form() : nullptr;
}

CZuControl* AppScreenTest::Control(const char* name)
{
    CZuXmlForm* form = Form();
    return form ? form->GetControl(CZuString(name)) : nullptr;
}

void AppScreenTest::Click(CZuControl* control)
{
    ASSERT_NE(control, nullptr);
    CZuRect place = control->Rect();
    iApp->Click(place.iTl.iX + place.Width() / 2, place.iTl.iY + place.Height() / 2);
}

void AppScreenTest::Click(const char* name)
{
    CZuControl* control = Control(name);
    ASSERT_NE(control, nullptr) << name;
    Click(control);
}

void AppScreenTest::Picture(const std::string& name)
{
    iApp->Draw();
    iApp->WritePicture(ZU_TEST_BINARY_DIR "/" + name + ".png");
}
