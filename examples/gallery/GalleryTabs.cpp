// The tab group: four pages of a word card under their headers, with the keyboard on the headers and in a
// page, another tab chosen, headers with icons, and a narrow group whose headers scroll with arrows.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
const CZuRgb KPageColour(248, 250, 253);
const CZuRgb KInk(34, 44, 60);

CZuPane* NewPage(CZuTabGroup* group)
{
    // Framed in the headers' border colour, so that page and headers read as one card.
    CZuPane* page = new CZuPane(group);
    page->SetBackground(KPageColour);
    page->SetShowBackground(true, false, IZuGc::EGradualVertical);
    page->SetRoundCornerSize(0);
    page->SetBorderType(EZuBorderOpaque);
    page->SetBorderColor(group->GetBorderColor());
    page->SetInnerSpace(10);
    page->GetLayout()->SetRowspace(8);
    page->GetLayout()->SetColSpace(8);
    return page;
}

CZuLabel* AddLabel(CZuPane* page, const char* text, int fontSize, TZuAlign align)
{
    CZuLabel* label = new CZuLabel(page);
    label->SetText(CZuString(text));
    label->SetForeground(KInk);
    label->SetAlign(align);
    label->SetReadOnly(true);
    CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontUi, fontSize, false);
    label->SetFont(font);
    CZuEnv::FontMgr()->ReleaseFont(font);
    page->GetLayout()->AppendRow(label, -1, 0);
    return label;
}

CZuButton* AddButton(CZuPane* page, int command, const char* text)
{
    CZuButton* button = new CZuButton(page);
    button->Set(command, CZuString(text), nullptr, false);
    page->GetLayout()->AppendCellToLastRow(button, 0, 0, EAlignVCenter);
    return button;
}

// The word card: the word, its phonetic and meaning, and two buttons in a row.
CZuPane* WordPage(CZuTabGroup* group)
{
    CZuPane* page = NewPage(group);
    AddLabel(page, "apple", 160, EAlignLeft);
    AddLabel(page, "/ˈæpəl/  n.", 100, EAlignLeft);
    AddLabel(page, "苹果；苹果树", 100, EAlignLeft);
    page->GetLayout()->AppendRow(CZuSize(1, 1), -1, 0);
    CZuButton* previous = new CZuButton(page);
    previous->Set(1, CZuString("上一个"), nullptr, false);
    page->GetLayout()->AppendRow(previous, 0, 0);
    AddButton(page, 2, "下一个");
    AddButton(page, 3, "发音");
    return page;
}

CZuPane* ExamplePage(CZuTabGroup* group)
{
    CZuPane* page = NewPage(group);
    AddLabel(page, "An apple a day keeps the doctor away.", 100, EAlignLeft);
    AddLabel(page, "一天一苹果，医生远离我。", 100, EAlignLeft);
    AddLabel(page, "She cut the apple in half.", 100, EAlignLeft);
    AddLabel(page, "她把苹果切成两半。", 100, EAlignLeft);
    return page;
}

CZuPane* NotePage(CZuTabGroup* group)
{
    CZuPane* page = NewPage(group);
    AddLabel(page, "我的笔记", 100, EAlignLeft);
    CZuEdit* edit = new CZuEdit(page);
    edit->SetStyle(CZuEdit::EStyleRound);
    edit->SetText(CZuString("常见水果，和 pear、banana 一起记"));
    page->GetLayout()->AppendRow(edit, -1, 26);
    return page;
}

CZuPane* SettingPage(CZuTabGroup* group)
{
    CZuPane* page = NewPage(group);
    const char* const options[] = {"自动发音", "显示音标", "切换时滑动"};
    for (int i = 0; i < 3; ++i)
    {
        CZuCheckButton* check = new CZuCheckButton(page);
        check->Set(10 + i, CZuString(options[i]), nullptr, false);
        check->SetSelected(i != 1);
        check->SetForeground(KInk);
        page->GetLayout()->AppendRow(check, -1, 0);
    }
    return page;
}

CZuTabGroup* NewGroup(CGalleryScene& scene, const CZuRect& rect)
{
    CZuTabGroup* group = new CZuTabGroup(scene.Client(), true);
    group->SetRect(rect);
    return group;
}
} // namespace

ZU_GALLERY_PAGE(tabs)
{
    // The colours the program itself uses.
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550006));
    const CZuRect area = scene.ClientRect();
    CZuTabGroup* group = NewGroup(
        scene, CZuRect(area.iTl.iX + 16, area.iTl.iY + 14, area.iBr.iX - 16, area.iTl.iY + 14 + 200));
    group->AppendTab(WordPage(group), 1, CZuString("单词"), nullptr, false);
    group->AppendTab(ExamplePage(group), 2, CZuString("例句"), nullptr, false);
    group->AppendTab(NotePage(group), 3, CZuString("笔记"), nullptr, false);
    group->AppendTab(SettingPage(group), 4, CZuString("设置"), nullptr, false);
    scene.Client()->SetFocusTo(group);
    scene.Pump();
    scene.Shot("headers");

    // Down: into the page, on its first button.
    scene.PressKey(EZuKeyDown);
    scene.Shot("in-page");

    // Up at the page's top: back on the headers; Right twice: the notes.
    scene.PressKey(EZuKeyUp);
    scene.PressKey(EZuKeyRight);
    scene.PressKey(EZuKeyRight);
    scene.Shot("notes");

    // A click on the last header.
    const CZuPoint settings = group->GetHeaderRect(3).Center();
    scene.Click(settings.iX, settings.iY);
    scene.Shot("settings");
    scene.Client()->DeleteControl(group);

    // Headers with icons, and below them a narrow group of eight tabs whose headers scroll.
    CZuTabGroup* icons = NewGroup(
        scene, CZuRect(area.iTl.iX + 16, area.iTl.iY + 14, area.iBr.iX - 16, area.iTl.iY + 14 + 130));
    const char* const glyphs[] = {"学", "测", "词"};
    const char* const names[] = {"学习", "测试", "生词本"};
    const CZuRgb tops[] = {CZuRgb(110, 170, 235), CZuRgb(250, 170, 90), CZuRgb(120, 200, 130)};
    const CZuRgb bottoms[] = {CZuRgb(50, 110, 190), CZuRgb(210, 100, 30), CZuRgb(50, 140, 70)};
    for (int i = 0; i < 3; ++i)
    {
        CZuPane* page = NewPage(icons);
        AddLabel(page, names[i], 120, EAlignCenter);
        icons->AppendTab(page, i, CZuString(names[i]),
                         CGalleryScene::MakeIcon(glyphs[i], tops[i], bottoms[i], 18), true);
    }
    icons->ActiveTab(1);

    CZuTabGroup* narrow = NewGroup(
        scene, CZuRect(area.iTl.iX + 16, area.iTl.iY + 160, area.iTl.iX + 16 + 250, area.iTl.iY + 160 + 130));
    const char* const units[] = {"第一课", "第二课", "第三课", "第四课",
                                 "第五课", "第六课", "第七课", "第八课"};
    for (int i = 0; i < 8; ++i)
    {
        CZuPane* page = NewPage(narrow);
        AddLabel(page, units[i], 120, EAlignCenter);
        narrow->AppendTab(page, i, CZuString(units[i]), nullptr, false);
    }
    scene.Client()->SetFocusTo(narrow);
    for (int i = 0; i < 4; ++i)
        scene.PressKey(EZuKeyRight);
    scene.Shot("icons-and-scrolled");
}

// Button groups: a row of text buttons sharing one size, one of them focused, a column, and a row of icon
// buttons with their names.
ZU_GALLERY_PAGE(buttongroup)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550006));
    const CZuRect area = scene.ClientRect();
    const int left = area.iTl.iX + 16;

    new CGalleryCaption(scene.Client(), "一行", CZuRect(left, area.iTl.iY + 8, left + 200, area.iTl.iY + 30));
    CZuButtonGroup* row = new CZuButtonGroup(scene.Client(), true, EZuCtrlButtonGroup);
    const char* const names[] = {"上一个", "下一个", "发音", "收藏"};
    for (int i = 0; i < 4; ++i)
        row->AppendButton(100 + i, CZuString(names[i]), nullptr, false, 0, 0);
    row->SetSpace(6);
    row->SetBtnSize();
    row->SetRect(CZuRect(left, area.iTl.iY + 30, area.iBr.iX - 16, area.iTl.iY + 66));

    new CGalleryCaption(scene.Client(), "一列",
                        CZuRect(left, area.iTl.iY + 80, left + 120, area.iTl.iY + 102));
    CZuButtonGroup* column = new CZuButtonGroup(scene.Client(), true, EZuCtrlButtonGroup);
    const char* const choices[] = {"学习", "测试", "生词本"};
    for (int i = 0; i < 3; ++i)
        column->AppendButton(200 + i, CZuString(choices[i]), nullptr, false, 0, 0);
    column->SetSpace(6);
    column->SetBtnGroupType(CZuButtonGroup::EGroupColumn);
    column->SetBtnSize();
    column->SetRect(CZuRect(left, area.iTl.iY + 102, left + 120, area.iTl.iY + 222));

    new CGalleryCaption(scene.Client(), "图标",
                        CZuRect(left + 160, area.iTl.iY + 80, area.iBr.iX - 16, area.iTl.iY + 102));
    CZuButtonGroup* icons = new CZuButtonGroup(scene.Client(), true, EZuCtrlButtonGroup);
    icons->SetBtnType(EZuBtnImageText);
    const char* const glyphs[] = {"学", "测", "词"};
    const char* const shortNames[] = {"学习", "测试", "生词"};
    const CZuRgb tops[] = {CZuRgb(110, 170, 235), CZuRgb(250, 170, 90), CZuRgb(120, 200, 130)};
    const CZuRgb bottoms[] = {CZuRgb(50, 110, 190), CZuRgb(210, 100, 30), CZuRgb(50, 140, 70)};
    for (int i = 0; i < 3; ++i)
        icons->AppendButton(300 + i, CZuString(shortNames[i]),
                            CGalleryScene::MakeIcon(glyphs[i], tops[i], bottoms[i], 22), true, 0, 0);
    icons->SetSpace(6);
    icons->SetBtnSize();
    icons->SetRect(CZuRect(left + 140, area.iTl.iY + 102, area.iBr.iX - 16, area.iTl.iY + 150));

    scene.Client()->SetFocusTo(row);
    row->SetFocusToIndex(1);
    scene.Pump();
    scene.Shot("groups");
}
