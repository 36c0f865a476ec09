// The gallery's combo boxes on a settings screen: closed (a choice, a prompt, the plain look and the arrow
// cell), open below with the choice selected, open above near the bottom, and a drop-down with a search.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{

const CZuRgb KInk(34, 44, 60);

struct TGalleryChoice
{
    int iId;
    const char* iText;
    const char* iExtra;
};

const TGalleryChoice KCounts[] = {{10, "10/每组十个", ""}, {15, "15", ""}, {20, "20", ""}, {25, "25", ""},
                                  {30, "30", ""},          {40, "40", ""}, {50, "50", ""}};
const TGalleryChoice KSpeech[] = {{0, "显示单词时自动朗读", "zidong"}, {1, "按“发音”键时朗读", "anjian"}};
const TGalleryChoice KCourses[] = {{0, "大学英语四级", "siji cet4"},   {1, "大学英语六级", "liuji cet6"},
                                   {2, "托福核心词汇", "tuofu toefl"}, {3, "雅思核心词汇", "yasi ielts"},
                                   {4, "考研英语", "kaoyan"},          {5, "高中英语", "gaozhong"},
                                   {6, "初中英语", "chuzhong"},        {7, "商务英语", "shangwu bec"}};

template <int N>
CZuComboBox* AddCombo(CGalleryScene& scene, const char* caption, int top, const TGalleryChoice (&items)[N])
{
    const CZuRect area = scene.ClientRect();
    new CGalleryCaption(scene.Client(), caption, CZuRect(area.iTl.iX + 16, top, area.iTl.iX + 150, top + 28));
    CZuComboBox* combo = new CZuComboBox(scene.Client());
    combo->SetRect(CZuRect(area.iTl.iX + 150, top, area.iBr.iX - 16, top + 28));
    for (const TGalleryChoice& item : items)
        combo->AppendItem(item.iId, CZuString(item.iText), CZuString(item.iText), CZuString(item.iExtra),
                          nullptr);
    return combo;
}

} // namespace

ZU_GALLERY_PAGE(combo)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    const CZuRect area = scene.ClientRect();
    CZuComboBox* count = AddCombo(scene, "每组单词数", area.iTl.iY + 16, KCounts);
    count->SetSelItemByID(10);
    CZuComboBox* speech = AddCombo(scene, "单词发音", area.iTl.iY + 56, KSpeech);
    speech->SetDefaultPrompt(CZuString("请选择"));
    CZuComboBox* plain = AddCombo(scene, "简洁样式", area.iTl.iY + 96, KSpeech);
    plain->SetStyle(CZuComboBox::EStylePlain);
    // The looks without a fill stand on the screen itself: dark ink on this light one.
    plain->SetForeground(KInk);
    plain->SetSelItemByIndex(1);
    CZuComboBox* cell = AddCombo(scene, "箭头格样式", area.iTl.iY + 136, KCounts);
    cell->SetStyle(CZuComboBox::EStyleArrowCell);
    cell->SetForeground(KInk);
    cell->SetSelItemByID(20);
    CZuComboBox* course = AddCombo(scene, "课程", area.iBr.iY - 44, KCourses);
    course->SetSelItemByIndex(2);
    course->SetPyIndex(true);
    scene.Client()->SetFocusTo(count);
    scene.Shot("closed");

    scene.PressKey(EZuKeyEnter);
    scene.PressKey(EZuKeyDown);
    scene.Shot("open-below");
    scene.PressKey(EZuKeyEscape);

    scene.Client()->SetFocusTo(course);
    scene.PressKey(EZuKeyEnter);
    scene.Shot("open-above");
    for (char c : {'y', 'a', 's'})
        scene.TypeChar(static_cast<unsigned>(c));
    scene.Shot("search");
    scene.PressKey(EZuKeyEnter);
    scene.Shot("chosen");
}
