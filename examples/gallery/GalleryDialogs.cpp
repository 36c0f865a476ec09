// The gallery's dialogs, each open over a screen: a message whose long Chinese text scrolls, a short
// confirmation, a question with OK and cancel, a list selection of 30 rows and the same with a search
// typed, a progress dialog at 40 %, and a message on a desktop-sized dialog.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <cstdio>

namespace
{

const char* const KLongText =
    "本课程共有 120 组单词，每组 10 个。学习时可以按“下一个”逐个查看单词，也可以打开自动播放，"
    "让程序每隔几秒换一个单词并朗读它。\n"
    "测试分三种：当前组、已学过的组和整本书。每道题给出一个单词和四个释义，选出正确的一个；"
    "答错的单词会自动加入生词本，方便以后复习。\n"
    "设置里可以改变每组的单词数、是否自动朗读以及换屏时是否滑动。所有设置都保存在程序目录下的 "
    "Word.cfg 中，下次启动时从上次的位置继续。\n"
    "祝你学习愉快！";

const char* const KWords[] = {
    "苹果 apple",        "香蕉 banana",      "樱桃 cherry",     "葡萄 grape",       "柠檬 lemon",
    "芒果 mango",        "橙子 orange",      "桃子 peach",      "梨 pear",          "菠萝 pineapple",
    "李子 plum",         "草莓 strawberry",  "西瓜 watermelon", "椰子 coconut",     "猕猴桃 kiwi",
    "木瓜 papaya",       "石榴 pomegranate", "柿子 persimmon",  "荔枝 lychee",      "龙眼 longan",
    "杏 apricot",        "无花果 fig",       "蓝莓 blueberry",  "覆盆子 raspberry", "黑莓 blackberry",
    "哈密瓜 cantaloupe", "柚子 grapefruit",  "橘子 tangerine",  "枣 jujube",        "山楂 hawthorn"};

const char* const KPinyin[] = {"pingguo", "xiangjiao", "yingtao",  "putao",    "ningmeng", "mangguo",
                               "chengzi", "taozi",     "li",       "boluo",    "lizi",     "caomei",
                               "xigua",   "yezi",      "mihoutao", "mugua",    "shiliu",   "shizi",
                               "lizhi",   "longyan",   "xing",     "wuhuaguo", "lanmei",   "fupenzi",
                               "heimei",  "hamigua",   "youzi",    "juzi",     "zao",      "shanzha"};

// Something for the dialogs to stand over: the screen's title and a few lines.
void FillScreen(CGalleryScene& scene)
{
    const CZuRect area = scene.ClientRect();
    const int left = area.iTl.iX + 16;
    const int right = area.iBr.iX - 16;
    const char* const lines[] = {"课程：大学英语四级词汇", "进度：第 3 组，共 120 组", "生词本：12 个词",
                                 "自动朗读：开", "每组单词数：10"};
    int top = area.iTl.iY + 16;
    for (const char* line : lines)
    {
        new CGalleryCaption(scene.Client(), line, CZuRect(left, top, right, top + 24));
        top += 32;
    }
}

// Shows a dialog without waiting (a picture cannot wait for a key), shoots it and takes it away.
void ShootAndDelete(CGalleryScene& scene, CZuDialog* dialog, const char* name)
{
    dialog->ShowDialog(false, nullptr);
    scene.Pump();
    scene.Shot(name);
    delete dialog;
    scene.Pump();
}

CZuInfoDlg* NewInfo(const char* title, const char* text)
{
    CZuInfoDlg* dialog = new CZuInfoDlg(0);
    dialog->ConstructL();
    dialog->SetTitle(CZuString(title));
    dialog->SetInfo(CZuString(text));
    return dialog;
}

// Five rows high at the bottom, the text centred: as the confirmation and the question are shown.
void MakeShort(CZuInfoDlg* dialog)
{
    dialog->SetVertAlign(EAlignVCenter);
    CZuRect rect = dialog->Rect();
    rect.iTl.iY = rect.iBr.iY - 5 * dialog->GetFont()->HeightInPixels();
    dialog->SetRect(rect);
}

class CGalleryProgressObserver : public MZuProgressDlgObserver
{
public:
    void HandleProgressDlgCommand(CZuProgressDlg*, int) override {}
};

} // namespace

ZU_GALLERY_PAGE(dialogs)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    FillScreen(scene);
    scene.Shot("screen");

    CZuInfoDlg* info = NewInfo("使用说明", KLongText);
    info->ShowDialog(false, nullptr);
    scene.PressKey(EZuKeyDown);
    scene.PressKey(EZuKeyDown);
    scene.Shot("info");
    delete info;
    scene.Pump();

    CZuInfoDlg* confirm = NewInfo("提示", "本组单词已经全部学完。");
    MakeShort(confirm);
    ShootAndDelete(scene, confirm, "confirm");

    CZuInfoDlg* query = NewInfo("退出", "确定要退出 ZuLex 吗？");
    query->SetCbaData(CZuDialog::KCmdOk, CZuEnv::GetString(0x5A550004), CZuDialog::KCmdCancel,
                      CZuEnv::GetString(0x5A550005));
    query->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk)->MakeVisible(true);
    MakeShort(query);
    ShootAndDelete(scene, query, "query");

    CZuObjectList items(true);
    for (int i = 0; i < 30; ++i)
    {
        char name[8];
        std::snprintf(name, sizeof(name), "%d", i);
        items.Append(
            new CZuComboItem(i, CZuString(name), CZuString(KWords[i]), CZuString(KPinyin[i]), nullptr));
    }
    int selection = 3;
    CZuListSelectDlg* list = new CZuListSelectDlg(0, &selection);
    list->ConstructL();
    list->SetListData(&items);
    ShootAndDelete(scene, list, "list");

    CZuListSelectDlg* search = new CZuListSelectDlg(0, &selection);
    search->EnableSearch(true);
    search->ConstructL();
    search->SetListData(&items);
    search->ShowDialog(false, nullptr);
    scene.Pump();
    for (char c : {'l', 'o', 'n'})
        scene.TypeChar(static_cast<unsigned>(c));
    scene.Shot("search");
    delete search;
    scene.Pump();

    CGalleryProgressObserver observer;
    CZuProgressDlg* progress = new CZuProgressDlg(&observer, 0);
    progress->ConstructL();
    progress->SetPrompt(CZuString("正在导入单词：48 / 120"));
    progress->SetCurPos(48, 120);
    ShootAndDelete(scene, progress, "progress");

    CZuEnv::UiSetting()->EnableTransSupport(true);
    ShootAndDelete(scene, NewInfo("关于 ZuLex", "ZuLex 1.0.4\n一个帮助你记忆英语单词的小程序。"), "desktop");
    CZuEnv::UiSetting()->EnableTransSupport(false);
}
