// The gallery's options menu: opened from the left soft key over a screen, with a hidden item, two open
// levels, a long level that scrolls, and a menu opened from the upper right corner.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
enum TGalleryCommand
{
    ECmdStudy = 100,
    ECmdStudyGroup,
    ECmdStudyReview,
    ECmdStudyRandom,
    ECmdTest,
    ECmdNewWords,
    ECmdCourse,
    ECmdSettings,
    ECmdAbout,
    ECmdExit
};

struct TGalleryItem
{
    int iCommand;
    const char* iText;
};

const TGalleryItem KStudyItems[] = {
    {ECmdStudyGroup, "按组学习"}, {ECmdStudyReview, "复习本组"}, {ECmdStudyRandom, "随机复习"}};

const TGalleryItem KItems[] = {{ECmdStudy, "学习"},      {ECmdTest, "测试"},     {ECmdNewWords, "生词本"},
                               {ECmdCourse, "选择课程"}, {ECmdSettings, "设置"}, {ECmdAbout, "关于"},
                               {ECmdExit, "退出"}};

// The menu of the main screen: "study" opens a level of its own; "about" is hidden.
void FillMenu(CZuMenuData& menu)
{
    const int entry = menu.AddMenu();
    for (const TGalleryItem& item : KItems)
        menu.AddMenuItem(entry, item.iCommand, CZuString(item.iText));
    CZuMenuItem* study = menu.GetMenuItemByCmdId(ECmdStudy);
    for (const TGalleryItem& item : KStudyItems)
        study->AddSubMenuItem(item.iCommand, CZuString(item.iText));
    menu.MakeItemVisible(ECmdAbout, false);
}

// Something for the menu to stand over: the screen's title and a few lines.
void FillScreen(CGalleryScene& scene)
{
    const CZuRect area = scene.ClientRect();
    const int left = area.iTl.iX + 16;
    const int right = area.iBr.iX - 16;
    const char* const lines[] = {"课程：大学英语四级词汇", "进度：第 3 组，共 120 组", "生词本：12 个词",
                                 "按左软键打开选项菜单"};
    int top = area.iTl.iY + 16;
    for (const char* line : lines)
    {
        new CGalleryCaption(scene.Client(), line, CZuRect(left, top, right, top + 24));
        top += 32;
    }
}
} // namespace

ZU_GALLERY_PAGE(menu)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    FillScreen(scene);
    scene.Cba()->SetCbaData(EZuCmdMenu, CZuEnv::GetString(0x5A550002), EZuCmdExit,
                            CZuEnv::GetString(0x5A550005));

    CZuMenuData menu;
    FillMenu(menu);
    scene.Ui()->ShowMenu(&menu);
    scene.Pump();
    // "About" is hidden: six rows, "study" marked as opening a level.
    scene.Shot("first-level");

    // Right opens the study level beside its row; Down moves in it.
    scene.PressKey(EZuKeyRight);
    scene.PressKey(EZuKeyDown);
    scene.Shot("two-levels");

    // Escape closes the levels one by one.
    scene.PressKey(EZuKeyEscape);
    scene.PressKey(EZuKeyEscape);

    // Twelve items: six rows show and the level scrolls.
    CZuMenuData longMenu;
    const int entry = longMenu.AddMenu();
    for (int i = 1; i <= 12; ++i)
        longMenu.AddMenuItem(entry, 200 + i, CZuString("第 ") + CZuString(i) + " 组");
    scene.Ui()->ShowMenu(&longMenu);
    scene.Pump();
    for (int i = 0; i < 7; ++i)
        scene.PressKey(EZuKeyDown);
    scene.Shot("scrolling");
    scene.PressKey(EZuKeyEscape);

    // Opened from the upper right corner: below it, right edges aligned. A soft key is where the menu
    // opens from only while it is centred.
    const CZuRect area = scene.ClientRect();
    CZuCba* cba = scene.Cba();
    for (int i = 0; i < cba->GetButtonCount(); ++i)
        cba->GetButton(i)->SetAlign(EAlignLeft);
    scene.Ui()->SetMenuBasePos(CZuRect(area.iBr.iX - 60, area.iTl.iY, area.iBr.iX - 4, area.iTl.iY + 24));
    scene.Ui()->ShowMenu(&menu);
    for (int i = 0; i < cba->GetButtonCount(); ++i)
        cba->GetButton(i)->SetAlign(EAlignCenter);
    scene.Pump();
    scene.Shot("from-corner");
    scene.PressKey(EZuKeyEscape);
}
