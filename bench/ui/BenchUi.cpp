#include "BenchUi.h"

#include "ZuRootWnd.h"

#include <cstdlib>
#include <sys/resource.h>

namespace
{
const int KCbaHeight = 28;

class CBenchWnd : public CZuRootWnd
{
public:
    explicit CBenchWnd(CZuControl* parent) : CZuRootWnd(parent)
    {
        SetWndName(CZuString("Bench"));
        LayOutClientOverCba(KCbaHeight);
    }
};
} // namespace

CBenchUi::CBenchUi() : iScreen(CZuSize(KBenchWidth, KBenchHeight))
{
    CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin"));
    CZuEnv::UiSetting()->Construct();
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
    root->SetRect(CZuRect(0, 0, KBenchWidth, KBenchHeight));
    SetPlatWindow(root, true);
    SetObserver(this);
    AppendWnd(new CBenchWnd(root));
    SwitchWnd(CZuString("Bench"));
    GetCurWnd()->SetWndRect(CZuRect(0, 0, KBenchWidth, KBenchHeight));
}

CBenchUi::~CBenchUi()
{
    SetObserver(nullptr);
}

void CBenchUi::HandleDraw()
{
    UiDraw(iScreen, GetUiRect());
}

int IdleSeconds(int fallback)
{
    const char* text = std::getenv("ZU_IDLE_SECONDS");
    int seconds = text ? std::atoi(text) : fallback;
    return seconds > 0 ? seconds : fallback;
}

long ContextSwitches(int who)
{
    rusage usage;
    getrusage(who, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

SDL_Window* OpenIdleWindow(std::string& error)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
    {
        error = SDL_GetError();
        return nullptr;
    }
    return SDL_CreateWindow("ZuLex", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, KBenchWidth,
                            KBenchHeight, SDL_WINDOW_BORDERLESS);
}
