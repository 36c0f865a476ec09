// The gallery's views: two screens, each a view with its container, its soft keys and its colours, switched
// by a soft key while the slide between them runs.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <string>

namespace
{
const int KCmdNext = 501;
const int KCmdBack = 502;
const CZuRgb KInk(24, 40, 64);

// What one screen shows.
struct TScreenContent
{
    const char* iHeading;
    const char* iWord;
    const char* iMeaning;
    const char* iPosition;
    CZuRgb iTop;
    CZuRgb iBottom;
};

// A screen: its container holds a heading, a word with its meaning, the list position and two buttons;
// either soft key goes to the other screen.
class CGalleryView : public CZuView
{
public:
    CGalleryView(CZuUiManager* manager, int id, int other, const TScreenContent& content,
                 TZuTransEffect effect)
        : CZuView(manager), iOther(other), iContent(content)
    {
        SetViewId(id);
        SetTransformEffect(effect);
        SetCbaData(KCmdNext, CZuString(id == 1 ? "下一屏" : "再下一屏"), KCmdBack,
                   CZuEnv::GetString(0x5A550006));
    }

    void DoActivateL() override
    {
        CZuWnd* wnd = iUiManager->GetCurWnd();
        CZuContainer* container = new CZuContainer(wnd->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        container->SetBackground(iContent.iTop);
        container->SetBackgroundTo(iContent.iBottom);
        container->SetBgTransDegree(0);
        container->SetShowBackground(true, true, IZuGc::EGradualVertical);
        Fill(container);
        CZuView::DoActivateL();
    }

    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType != EZuMsgCommand || (message->iParam1 != KCmdNext && message->iParam1 != KCmdBack))
            return false;
        iUiManager->ActivateViewL(iOther);
        return true;
    }

private:
    CZuLabel* AddLabel(CZuContainer* container, const char* text, int fontSize)
    {
        CZuLabel* label = new CZuLabel(container);
        label->SetText(CZuString(text));
        label->SetForeground(KInk);
        if (fontSize > 0)
        {
            label->SetFont(CZuEnv::FontMgr()->GetFont(EFontTitle, fontSize, false));
        }
        return label;
    }

    void Fill(CZuContainer* container)
    {
        CZuLayout* layout = container->GetClientLayout();
        layout->SetInnerSpace(10, 10, 16, 16);
        layout->SetRowspace(6);
        CZuLabel* heading = AddLabel(container, iContent.iHeading, 0);
        heading->SetAlign(EAlignLeft);
        layout->AppendRow(heading, -1, 28);
        layout->AppendRow(AddLabel(container, iContent.iWord, 260), -1, -1);
        layout->AppendRow(AddLabel(container, iContent.iMeaning, 0), -1, 30);
        CZuLabel* position = AddLabel(container, "", 0);
        position->ListStatusChanged(iContent.iPosition[0] - '0', 20);
        layout->AppendRow(position, -1, 24);
        layout->SetRowHeight(1, -1);

        CZuButton* previous = new CZuButton(container);
        previous->Set(KCmdBack, CZuString("上一个"), nullptr, false);
        CZuButton* next = new CZuButton(container);
        next->Set(KCmdNext, CZuString("下一个"), nullptr, false);
        layout->AppendRow(previous, 120, 34);
        layout->AppendCellToLastRow(next, 120, 34, EAlignVCenter);
        layout->SetColSpace(4, -1);
        container->SetFocusTo(next);
    }

    int iOther;
    TScreenContent iContent;
};

// Runs the queue until the slide begins (the soft key's command is handled on a tick of its own).
void RunUntilTheSlideBegins(CGalleryScene& scene)
{
    for (int i = 0; i < 40 && !scene.Ui()->IsTransforming(); ++i)
        scene.Advance(CZuMessageProcessor::KTickMs);
}

// Runs the clock until the slide has ended and nothing is left to do.
void RunToTheEnd(CGalleryScene& scene)
{
    for (int i = 0; i < 200 && (scene.Ui()->IsTransforming() || CZuEnv::MsgProcessor()->GetQueueCount() > 0);
         ++i)
        scene.Advance(CZuMessageProcessor::KTickMs);
}

// A slide shot at the given steps: each draw moves the slide one step on.
void ShootSlide(CGalleryScene& scene, const char* prefix, const int* steps, int count)
{
    int step = 0;
    for (int i = 0; i < count; ++i)
    {
        while (step + 1 < steps[i] && scene.Ui()->IsTransforming())
        {
            scene.Draw();
            ++step;
        }
        scene.Shot(std::string(prefix) + std::to_string(steps[i]));
        ++step;
    }
}
} // namespace

ZU_GALLERY_PAGE(views)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);
    CZuUiManager* ui = scene.Ui();
    ui->UpdateUiStyle();
    scene.Client()->MakeVisible(false);

    const TScreenContent study = {
        "学习：第 3 组", "apple", "n. 苹果；苹果树", "3", CZuRgb(240, 246, 252), CZuRgb(214, 228, 244)};
    const TScreenContent review = {
        "复习：生词本", "orange", "n. 橙子；adj. 橙色的", "7", CZuRgb(252, 246, 236), CZuRgb(242, 224, 200)};
    // Each view slides in with its own effect.
    ui->AddViewL(new CGalleryView(ui, 1, 2, study, EZuTransFromLeft));
    ui->AddViewL(new CGalleryView(ui, 2, 1, review, EZuTransFromRight));
    ui->ActivateViewL(1);
    RunToTheEnd(scene);
    scene.Shot("first");

    // The left soft key: the second screen comes in from the right, pushing the first out.
    scene.KeyDown(EZuKeyF1);
    scene.KeyUp(EZuKeyF1);
    RunUntilTheSlideBegins(scene);
    const int forward[] = {2, 5};
    ShootSlide(scene, "slide-in-", forward, 2);
    RunToTheEnd(scene);
    scene.Shot("second");

    // The right soft key goes back: the first screen slides in from the left over the second.
    scene.KeyDown(EZuKeyF2);
    scene.KeyUp(EZuKeyF2);
    RunUntilTheSlideBegins(scene);
    const int back[] = {4};
    ShootSlide(scene, "slide-back-", back, 1);
    RunToTheEnd(scene);
    scene.Shot("back");
    CZuEnv::UiSetting()->EnableTransformEffectSupport(false);
}
