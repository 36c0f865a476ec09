// The gallery's text reader: a long text of Chinese and English wrapped into rows, scrolled halfway, beside
// the square bar and beside a round one.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{

const CZuRgb KTextColour(40, 48, 64);
const CZuRgb KPaperColour(255, 255, 255);
const CZuRgb KFrameColour(200, 208, 220);
const CZuRgb KTrackColour(240, 244, 250);
const CZuRgb KSliderEdge(120, 140, 172);
const CZuRgb KSliderColour(150, 170, 200);

const char* const KText =
    "ZuLex 是一个帮助你记忆英语单词的小程序。每个课程（word book）按组学习，每组若干个单词，"
    "每个单词都有音标、中文释义和标准发音。\n"
    "学习时可以手动翻页，也可以打开 browse timer 让单词自动播放；在测试中，程序从当前组、"
    "已学过的组或整本书里出题，每题四个选项。\r\n"
    "Tips: practise a little every day. Ten new words a day add up to more than three thousand "
    "in a year, and reviewing yesterday's group before starting a new one keeps them fresh.\n"
    "遇到难记的单词，把它加入生词本（new-word book），以后可以集中复习。设置里可以改变每组的单词数、"
    "是否自动朗读以及换屏时是否滑动。\\n"
    "Every setting is saved in Word.cfg beside the program, so the next run starts where you left off: "
    "the same course, the same group and the same word.\n"
    "每天开始之前先复习前一天的单词组。Review first, then learn: the words you met yesterday come back "
    "faster than new ones, and a test over the groups so far shows which of them need another look.\n"
    "测试结束后，答错的单词会显示在结果里；点击它们可以直接查看释义并听一遍发音。"
    "The results list every word you missed, with its transcription and meaning.\n"
    "课程文件放在 course 文件夹里，可以用 zulex-course 工具自己制作新的单词书。\n"
    "祝你学习愉快！Good luck, and enjoy the words.";

} // namespace

ZU_GALLERY_PAGE(textreader)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    CZuRect area = scene.ClientRect();
    area.Grow(-10, -10);
    CZuTextReader* reader = new CZuTextReader(scene.Client());
    reader->SetForeground(KTextColour);
    reader->SetBackground(KPaperColour);
    reader->SetShowBackground(true, false, IZuGc::EGradualVertical);
    reader->SetBorderType(EZuBorderLine);
    reader->SetBorderColor(KFrameColour);
    reader->SetAlign(EAlignLeft);
    reader->SetInnerSpace(0, 0, 6, 6);
    reader->SetRect(area);
    reader->SetText(CZuString(KText));
    reader->SetFocus(true);
    // Halfway: as far from the first row as the last page is.
    CZuScrollBar* bar = reader->GetScrollBar();
    int halfway = bar ? (bar->GetRange() - bar->GetSliderRange()) / 2 : 0;
    for (int i = 0; i < halfway; ++i)
        scene.PressKey(EZuKeyDown);
    scene.Shot("halfway");

    // The round bar: no arrows, a rounded track in the frame's colour and a rounded slider.
    if (bar)
    {
        bar->SetStype(CZuScrollBar::EStyleRound);
        bar->SetRoundCornerSize(CZuScrollBar::GetScrollBarSize() / 2);
        bar->SetScrlBarColor(KFrameColour, KTrackColour);
        bar->SetSliderColor(KSliderEdge, KSliderColour);
        for (int i = 0; i < halfway / 2; ++i)
            scene.PressKey(EZuKeyDown);
    }
    scene.Shot("round");

    reader->SetAlign(EAlignCenter);
    reader->SetText(CZuString("短文本居中显示。\nA short text, centred."));
    reader->SetVertAlign(EAlignVCenter);
    scene.Shot("centred");
}
