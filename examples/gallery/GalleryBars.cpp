// The gallery's bars: progress bars in every style, the prompt bar paging and scrolling, the title bar.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
CZuProgressBar* AddProgressBar(CGalleryScene& scene, CZuProgressBar::TZuProgressBarDirection direction,
                               int style, const CZuRect& rect, int position)
{
    CZuProgressBar* bar = new CZuProgressBar(scene.Client(), direction);
    bar->SetStyle(style);
    bar->SetRect(rect);
    bar->SetCurPos(position, 100);
    return bar;
}
} // namespace

ZU_GALLERY_PAGE(progress)
{
    CZuControl* client = scene.Client();
    const CZuRect area = scene.ClientRect();
    const int left = area.iTl.iX + 16;
    const int barLeft = left + 150;
    const int barRight = area.iBr.iX - 110;
    int top = area.iTl.iY + 16;
    const int rowHeight = 46;

    new CGalleryCaption(client, "填充条 40%", CZuRect(left, top, barLeft - 8, top + 24));
    AddProgressBar(scene, CZuProgressBar::EHorizontal, CZuProgressBar::EStyleBar,
                   CZuRect(barLeft, top + 4, barRight, top + 20), 40);
    top += rowHeight;
    new CGalleryCaption(client, "滑块 60%（焦点）", CZuRect(left, top, barLeft - 8, top + 24));
    CZuProgressBar* focused = AddProgressBar(scene, CZuProgressBar::EHorizontal, CZuProgressBar::EStyleSlider,
                                             CZuRect(barLeft, top, barRight, top + 24), 60);
    top += rowHeight;
    new CGalleryCaption(client, "滑块 25%", CZuRect(left, top, barLeft - 8, top + 24));
    AddProgressBar(scene, CZuProgressBar::EHorizontal, CZuProgressBar::EStyleSlider,
                   CZuRect(barLeft, top, barRight, top + 24), 25);
    top += rowHeight;
    new CGalleryCaption(client, "图片 70%", CZuRect(left, top, barLeft - 8, top + 24));
    // Round bands the page keeps while it is shown: the progress bar does not own its pictures.
    const CZuSize band(barRight - barLeft, 14);
    CZuHeldImage background;
    background.Set(CGalleryScene::MakeTile(band, 7, CZuRgb(200, 206, 214), CZuRgb(160, 168, 180), nullptr),
                   true);
    CZuHeldImage progress;
    progress.Set(CGalleryScene::MakeTile(band, 7, CZuRgb(120, 220, 120), CZuRgb(30, 150, 60), nullptr), true);
    CZuProgressBar* images = AddProgressBar(scene, CZuProgressBar::EHorizontal, CZuProgressBar::EStyleImages,
                                            CZuRect(barLeft, top, barRight, top + 24), 70);
    images->SetProgressBgImg(background.Get());
    images->SetProgressImg(progress.Get());
    top += rowHeight;
    new CGalleryCaption(client, "不绘制（样式 1）", CZuRect(left, top, barLeft - 8, top + 24));
    AddProgressBar(scene, CZuProgressBar::EHorizontal, CZuProgressBar::EStyleNone,
                   CZuRect(barLeft, top, barRight, top + 24), 50);

    const int verticalTop = area.iTl.iY + 16;
    const int verticalBottom = top + 24;
    AddProgressBar(scene, CZuProgressBar::EVertical, CZuProgressBar::EStyleBar,
                   CZuRect(barRight + 30, verticalTop, barRight + 46, verticalBottom), 40);
    AddProgressBar(scene, CZuProgressBar::EVertical, CZuProgressBar::EStyleSlider,
                   CZuRect(barRight + 66, verticalTop, barRight + 90, verticalBottom), 75);
    new CGalleryCaption(client, "竖直",
                        CZuRect(barRight + 36, verticalBottom + 8, barRight + 100, verticalBottom + 32));

    focused->SetFocus(true);
    scene.Shot("styles");

    // Three presses of the right key move the focused slider by a twentieth each.
    scene.PressKey(39);
    scene.PressKey(39);
    scene.PressKey(39);
    scene.Shot("slider-keys");
    images->SetProgressImg(nullptr);
    images->SetProgressBgImg(nullptr);
}

namespace
{
const char* const KPrompts[] = {"按左右键换词，按确定键听发音", "按菜单键打开选项", "生词本里有 12 个词"};

// A strip on a light band with a thin frame, so that the bar's extent (and the ticker's clipping) shows.
CZuPromptBar* AddPromptBar(CGalleryScene& scene, const CZuRect& rect)
{
    CZuPromptBar* bar = new CZuPromptBar(scene.Client());
    bar->SetShowBackground(true, false, IZuGc::EGradualVertical);
    bar->SetBackground(CZuRgb(250, 251, 253));
    bar->SetBgTransDegree(255);
    bar->SetBorderType(EZuBorderLine);
    bar->SetBorderColor(CZuRgb(190, 200, 215));
    bar->SetInnerSpace(0, 0, 4, 4);
    bar->SetRect(rect);
    for (const char* prompt : KPrompts)
        bar->AppendPrompt(CZuString(prompt));
    return bar;
}

// The bar's height for rows of prompts inside its frame.
int PromptBarHeight(CZuPromptBar* bar, int rows)
{
    return rows * bar->RowHeight() + 2 * bar->GetBorderWidth();
}
} // namespace

ZU_GALLERY_PAGE(prompt)
{
    CZuControl* client = scene.Client();
    const CZuRect area = scene.ClientRect();
    const int left = area.iTl.iX + 16;
    const int right = area.iBr.iX - 16;
    int top = area.iTl.iY + 12;

    new CGalleryCaption(client, "翻页：每两秒换一条", CZuRect(left, top, right, top + 24));
    top += 28;
    CZuPromptBar* page = AddPromptBar(scene, CZuRect(left, top, right, top + 24));
    const int rowHeight = page->RowHeight();
    page->SetRect(CZuRect(left, top, right, top + PromptBarHeight(page, 1)));
    top += PromptBarHeight(page, 1) + 14;
    new CGalleryCaption(client, "三行翻页，居左", CZuRect(left, top, right, top + 24));
    top += 28;
    CZuPromptBar* rows = AddPromptBar(scene, CZuRect(left, top, right, top + PromptBarHeight(page, 3)));
    rows->SetAlign(EAlignLeft);
    top += PromptBarHeight(page, 3) + 14;
    new CGalleryCaption(client, "滚动：一行一行向上移", CZuRect(left, top, right, top + 24));
    top += 28;
    CZuPromptBar* ticker = AddPromptBar(scene, CZuRect(left, top, right, top + PromptBarHeight(page, 1)));
    ticker->SetDispMode(CZuPromptBar::EDispScroll);
    scene.Shot("start");

    // Three seconds: the pages have turned once; the ticker is halfway between two prompts.
    scene.Advance(CZuPromptBar::KPageMs + CZuPromptBar::KScrollMs * (rowHeight / 2));
    scene.Shot("turned");
}

namespace
{
CZuTitleBar* AddTitleBar(CGalleryScene& scene, const CZuRect& rect, const char* title, bool icon)
{
    CZuTitleBar* bar = new CZuTitleBar(scene.Client(), true);
    bar->SetRect(rect);
    bar->SetTitle(CZuString(title));
    if (icon)
    {
        bar->SetAppIcon(
            CGalleryScene::MakeIcon("词", CZuRgb(90, 170, 250), CZuRgb(30, 100, 200), rect.Height()), true);
        bar->SetShowAppIcon(true);
    }
    return bar;
}
} // namespace

ZU_GALLERY_PAGE(titlebar)
{
    CZuControl* client = scene.Client();
    const CZuRect area = scene.ClientRect();
    const int barHeight = 30;
    int top = area.iTl.iY;

    CZuTitleBar* main =
        AddTitleBar(scene, CZuRect(area.iTl.iX, top, area.iBr.iX, top + barHeight), "ZuLex 背单词", true);
    main->SetAlign(EAlignCenter);
    main->SetInputMethodState(EChinese);
    top += barHeight + 16;
    new CGalleryCaption(client, "图标、居左的标题、菜单按钮、输入法 abc",
                        CZuRect(area.iTl.iX + 16, top, area.iBr.iX, top + 24));
    top += 28;
    CZuTitleBar* left =
        AddTitleBar(scene, CZuRect(area.iTl.iX, top, area.iBr.iX, top + barHeight), "选择课程", true);
    left->SetInputMethodState(ELatinLower);
    CZuButton* menu = new CZuButton(left);
    menu->Set(1, CZuEnv::GetString(0x5A550002), nullptr, false);
    left->SetMenuNav(menu);
    top += barHeight + 16;
    new CGalleryCaption(client, "只有标题", CZuRect(area.iTl.iX + 16, top, area.iBr.iX, top + 24));
    top += 28;
    CZuTitleBar* plain =
        AddTitleBar(scene, CZuRect(area.iTl.iX, top, area.iBr.iX, top + barHeight), "设置", false);
    plain->SetAlign(EAlignCenter);
    scene.Shot("bars");
}
