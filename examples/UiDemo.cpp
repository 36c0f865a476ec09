#include "UiDemo.h"

#include "ZuBitmapGc.h"
#include "ZuContainer.h"
#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuImage.h"
#include "ZuLayout.h"
#include "ZuRootWnd.h"
#include "ZuTimerManager.h"
#include "ZuUiSetting.h"
#include "ZuView.h"
#include "ZuWelcome.h"

#include <initializer_list>

namespace
{
const int KViewId = 1;
const int KTitleHeight = 44;
const unsigned KEscape = 27;
const char* const KCaptions[] = {"学习", "测试", "生词本", "课程", "复习", "设置",
                                 "词典", "收藏", "进度",   "关于", "帮助", "退出"};
const int KTileCount = 12;

const CZuRgb KInk(24, 40, 64);
const CZuRgb KBlue(2, 82, 150);
const CZuRgb KScreen(231, 239, 246);

// A line of text in the window's title row; it never takes the focus.
class CDemoTitle : public CZuControl
{
public:
    explicit CDemoTitle(CZuControl* parent) : CZuControl(parent, true, EZuCtrlLabel)
    {
        SetReadOnly(true);
        iFont = new CZuFont(EFontTitle, 125, false);
    }
    ~CDemoTitle() override { iFont->Release(); }
    void Draw(CZuGc& gc, const CZuRect& rect) override
    {
        gc.UseFont(iFont);
        gc.SetDrawColor(KBlue);
        gc.DrawTextW(CZuString("ZuUi 焦点与布局"), rect, EAlignLeft, 0, 16);
        gc.UseFont(GetFont());
        gc.SetDrawColor(CZuRgb(112, 132, 160));
        gc.DrawTextW(CZuString("方向键移动焦点 · Esc 退出"), rect, EAlignRight, 0, 16);
        gc.DiscardFont();
    }

private:
    CZuFont* iFont;
};

// One tile of the board: a caption on a rounded, bordered gradient that turns warm when it has the focus.
class CDemoTile : public CZuControl
{
public:
    CDemoTile(CZuControl* parent, const char* caption, TZuBorderType border)
        : CZuControl(parent, true, EZuCtrlPane), iCaption(caption)
    {
        SetShowBackground(true, true, IZuGc::EGradualVertical);
        SetBorderType(border);
        SetRoundCornerSize(10);
        SetInnerSpace(4);
        UpdateLook();
    }
    CZuString GetText() override { return iCaption; }
    void StateChanged() override
    {
        UpdateLook();
        CZuControl::StateChanged();
    }
    void Draw(CZuGc& gc, const CZuRect& rect) override
    {
        gc.UseFont(GetFont());
        gc.SetDrawColor(IsFocused() ? CZuRgb(255, 255, 255) : KInk);
        gc.DrawTextW(iCaption, rect, EAlignCenter, 0, 0);
        gc.DiscardFont();
    }
    bool HandlePointerEventL(const TZuPointerEvent& event) override
    {
        bool follows = event.iType == EZuPointerMove || event.iType == EZuPointerDown;
        if (!follows || !HitTest(event.iPosition))
            return false;
        if (!IsFocused())
        {
            SetFocus(true);
            DrawDeferred();
        }
        return true;
    }

private:
    void UpdateLook()
    {
        if (IsFocused())
        {
            SetBackground(CZuRgb(250, 176, 102));
            SetBackgroundTo(CZuRgb(226, 124, 48));
            SetBorderColor(CZuRgb(184, 88, 20));
        }
        else
        {
            SetBackground(CZuRgb(255, 255, 255));
            SetBackgroundTo(CZuRgb(214, 228, 242));
            SetBorderColor(CZuRgb(96, 140, 190));
        }
    }

    CZuString iCaption;
};

// The view's container: twelve tiles, four to a row, the focus wrapping around.
class CDemoBoard : public CZuContainer
{
public:
    CDemoBoard(CZuControl* parent, CZuView* view) : CZuContainer(parent, view, EZuCtrlContainer)
    {
        ConstructL();
        SetShowBackground(false, false, IZuGc::EGradualVertical);
        SetInnerSpace(12, 16, 16, 16);
        SetCtrlCountPerRow(CUiDemo::KColumns);
        SetFocusLoop(true);
        CZuLayout* layout = GetClientLayout();
        layout->SetRowspace(12);
        for (int i = 0; i < KTileCount; ++i)
        {
            static const TZuBorderType KBorders[] = {EZuBorderLine, EZuBorderTwoTone, EZuBorderOpaque};
            CDemoTile* tile = new CDemoTile(this, KCaptions[i], KBorders[i / CUiDemo::KColumns]);
            if (i % CUiDemo::KColumns == 0)
            {
                int row = layout->AppendRow(tile, -1, -1);
                layout->SetRowHeight(row, -1);
                layout->SetColSpace(row, 12);
            }
            else
            {
                layout->AppendCellToLastRow(tile, -1, -1, EAlignVCenter);
            }
        }
        SetDefaultFocusIndex(0);
    }
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override
    {
        if (event.iCode == KEscape && type == EZuKeyEventUp)
        {
            CZuEnv::UiManager()->Stop();
            return true;
        }
        return CZuContainer::HandleKeyEvent(event, type);
    }
};

class CDemoView : public CZuView
{
public:
    explicit CDemoView(CZuUiManager* manager) : CZuView(manager) {}
    void DoActivateL() override
    {
        new CDemoBoard(iUiManager->GetCurWnd()->GetWnd(), this);
        CZuView::DoActivateL();
    }
};

// The window: a title row over the views' client area.
class CDemoWnd : public CZuRootWnd
{
public:
    explicit CDemoWnd(CZuControl* parent) : CZuRootWnd(parent)
    {
        SetWndName(CZuString("DemoWnd"));
        GetWnd()->SetRoundCornerSize(4);
        CDemoTitle* title = new CDemoTitle(GetWnd());
        CZuLayout* client = new CZuLayout;
        CZuLayout* layout = new CZuLayout;
        layout->AppendRow(title, -1, KTitleHeight);
        layout->AppendRow(client, -1, -1);
        layout->SetRowHeight(1, -1);
        SetWndLayout(layout);
        Append(client, 0, CZuString("ClientLayout"));
    }
};

// A picture drawn once into an image the caller keeps.
template <class Painter> CZuImage* Paint(int width, int height, Painter paint)
{
    CZuBitmapGc gc{CZuSize(width, height)};
    paint(gc);
    CZuImage* image = gc.EndDraw();
    image->AddRef();
    return image;
}
} // namespace

CUiDemo::CUiDemo(bool scripted)
    : iScripted(scripted), iLoadStep(0), iTimerId(0), iWelcomeBg(nullptr), iProgressBg(nullptr),
      iProgress(nullptr), iBoard(nullptr)
{
}

CUiDemo::~CUiDemo()
{
    if (iTimerId > 0)
        CZuEnv::TimerMgr()->Stop(iTimerId);
    ShowWelcomeScreen(false);
    for (CZuImage* image : {iWelcomeBg, iProgressBg, iProgress})
    {
        if (image)
            image->Release();
    }
}

void CUiDemo::Release()
{
    delete this;
}

bool CUiDemo::HandleMessage(CZuMessage* message)
{
    return CZuUiManager::HandleMessage(message);
}

void CUiDemo::StartL()
{
    CDemoWnd* wnd = new CDemoWnd(PlatWindow1());
    AppendWnd(wnd);
    SwitchWnd(CZuString("DemoWnd"));
    wnd->SetWndRect(CZuRect(CZuPoint(0, 0), GetUiRect().Size()));
    SetBgColor(KScreen);
    PlatWindow1()->SetBorderColor(KBlue);
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);

    CreateWelcomeImages();
    ShowWelcomeScreen(true);
    SetWelcomeInfo(CZuString("Loading data"));
    GetWelcome()->SetWelcomeBg(iWelcomeBg);
    GetWelcome()->SetWelcomeProgressBg(iProgressBg);
    GetWelcome()->SetWelcomeProgress(iProgress);
    GetWelcome()->SetWelcomeProgress(0, KLoadSteps);

    CDemoView* view = new CDemoView(this);
    view->SetViewId(KViewId);
    view->SetTransformEffect(EZuTransFromLeft);
    AddViewL(view);
    if (!iScripted)
        iTimerId = CZuEnv::TimerMgr()->StartTimer(0, 120, this);
}

void CUiDemo::OnTimer(int)
{
    SetLoadingProgress(iLoadStep + 1);
    if (iLoadStep < KLoadSteps)
        return;
    CZuEnv::TimerMgr()->Stop(iTimerId);
    iTimerId = 0;
    FinishLoading();
}

void CUiDemo::SetLoadingProgress(int step)
{
    iLoadStep = step;
    if (GetWelcome())
        GetWelcome()->SetWelcomeProgress(step, KLoadSteps);
}

void CUiDemo::FinishLoading()
{
    // The board appears at once: the slide belongs to later screen changes.
    CZuEnv::UiSetting()->EnableTransformEffectSupport(false);
    ActivateViewL(KViewId);
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);
    ShowWelcomeScreen(false);
}

void CUiDemo::Slide()
{
    ActivateViewL(KViewId);
}

CZuPoint CUiDemo::TileCentre(int index) const
{
    CZuView* view = GetView(KViewId);
    CZuControl* board = view ? view->GetContainer() : nullptr;
    CZuControl* tile = board ? board->GetControl(index) : nullptr;
    return tile ? tile->Rect().Center() : CZuPoint();
}

void CUiDemo::CreateWelcomeImages()
{
    const int width = GetUiRect().Width();
    const int height = GetUiRect().Height();
    iWelcomeBg =
        Paint(width, height,
              [&](CZuGc& gc)
              {
                  gc.SetDrawStyle(IZuGc::EDrawGradual);
                  gc.SetDrawColor2(CZuRgb(12, 48, 96), CZuRgb(36, 104, 170), IZuGc::EGradualVertical);
                  gc.DrawRect(CZuRect(0, 0, width, height));
                  gc.SetDrawStyle(IZuGc::EDrawFill);
                  gc.SetDrawColor(CZuRgb(255, 255, 255));
                  CZuFont title(EFontTitle, 300, false);
                  gc.UseFont(&title);
                  gc.DrawTextW(CZuString("ZuLex"), CZuRect(0, height / 4 - 30, width, height / 4 + 30),
                               EAlignCenter, 0, 0);
                  gc.DiscardFont();
                  CZuFont subtitle(EFontUi, 100, false);
                  gc.UseFont(&subtitle);
                  gc.SetDrawColor(CZuRgb(178, 206, 236));
                  gc.DrawTextW(CZuString("背单词 · 一组一组来"),
                               CZuRect(0, height / 4 + 30, width, height / 4 + 60), EAlignCenter, 0, 0);
                  gc.DiscardFont();
              });
    iProgressBg = Paint(8, 10,
                        [](CZuGc& gc)
                        {
                            gc.SetDrawStyle(IZuGc::EDrawGradual);
                            gc.SetDrawColor2(CZuRgb(8, 32, 70), CZuRgb(22, 60, 110), IZuGc::EGradualVertical);
                            gc.DrawRect(CZuRect(0, 0, 8, 10));
                        });
    iProgress =
        Paint(8, 10,
              [](CZuGc& gc)
              {
                  gc.SetDrawStyle(IZuGc::EDrawGradual);
                  gc.SetDrawColor2(CZuRgb(255, 196, 120), CZuRgb(232, 128, 40), IZuGc::EGradualVertical);
                  gc.DrawRect(CZuRect(0, 0, 8, 10));
              });
}
