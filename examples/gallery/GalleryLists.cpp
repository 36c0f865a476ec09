// The gallery's lists: a word table with headings, grid and scroll bar; a list of cells; a list being
// dragged.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{

const CZuRgb KTextColour(40, 48, 64);
const CZuRgb KPaperColour(255, 255, 255);
const CZuRgb KStripeColour(240, 244, 250);
const CZuRgb KHeadingColour(58, 86, 140);
const CZuRgb KHeadingText(255, 255, 255);
const CZuRgb KSelectionColour(255, 214, 153);
const CZuRgb KGridColour(200, 208, 220);

struct TGalleryWord
{
    const char* iWord;
    const char* iPart;
    const char* iMeaning;
};

const TGalleryWord KWords[] = {
    {"abandon", "v.", "放弃；抛弃"},      {"ability", "n.", "能力；才能"},        {"absorb", "v.", "吸收；吸引"},
    {"abstract", "adj.", "抽象的"},       {"academic", "adj.", "学术的；学院的"}, {"accent", "n.", "口音；重音"},
    {"accept", "v.", "接受；认可"},       {"access", "n.", "通道；使用权"},       {"accident", "n.", "事故；意外"},
    {"accompany", "v.", "陪伴；伴随"},    {"accomplish", "v.", "完成；实现"},     {"account", "n.", "账户；描述"},
    {"accurate", "adj.", "准确的；精确的"}, {"achieve", "v.", "达到；取得"},      {"acquire", "v.", "获得；学到"},
    {"adapt", "v.", "适应；改编"},        {"adequate", "adj.", "足够的；适当的"}, {"adjust", "v.", "调整；适应"},
    {"admire", "v.", "钦佩；欣赏"},       {"adopt", "v.", "采用；收养"},          {"advance", "n.", "前进；进步"},
    {"advantage", "n.", "优势；好处"},    {"adventure", "n.", "冒险；奇遇"},      {"advertise", "v.", "做广告"},
    {"affect", "v.", "影响；感动"},       {"afford", "v.", "买得起；提供"},       {"agenda", "n.", "议程"},
    {"aggressive", "adj.", "好斗的；积极的"}, {"agriculture", "n.", "农业"},      {"alarm", "n.", "警报；惊恐"},
};
const int KWordCount = sizeof(KWords) / sizeof(KWords[0]);

// The look every gallery list shares: dark text on paper, striped rows, a warm selection.
void StyleList(CZuList* list)
{
    list->SetForeground(KTextColour);
    list->SetSelectedForeColor(KTextColour);
    list->SetSelectedRowColor(KSelectionColour);
    list->SetNormalOddRowBg(KStripeColour);
    list->SetGridColor(KGridColour);
    list->SetTitleColor(KHeadingText);
    list->SetTitleBgColor(KHeadingColour);
    list->SetShowTitleBg(true);
    list->SetRowSpace(2);
}

CZuScrollList* AddWordTable(CGalleryScene& scene, const CZuRect& rect)
{
    CZuScrollList* scroll = new CZuScrollList(scene.Client());
    scroll->SetBorderType(EZuBorderLine);
    scroll->SetBorderColor(KGridColour);
    scroll->SetBackground(KPaperColour);
    scroll->SetShowBackground(true, false, IZuGc::EGradualVertical);
    scroll->SetBgTransDegree(255);
    CZuList* list = scroll->GetList();
    StyleList(list);
    list->SetShowTitle(true);
    list->SetShowGridH(true);
    list->SetShowGridV(true);
    list->AppendCellTitle(CZuString("单词"), EZuCellText, 130);
    list->AppendCellTitle(CZuString("词性"), EZuCellText, 60);
    list->AppendCellTitle(CZuString("释义"), EZuCellText, 0);
    for (int i = 0; i < KWordCount; ++i)
    {
        int row = list->AppendRow(new CZuVarient(CZuString(KWords[i].iWord)));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString(KWords[i].iPart)));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString(KWords[i].iMeaning)));
    }
    list->GetColTitle(1)->SetAlign(EAlignCenter);
    scroll->SetRect(rect);
    return scroll;
}

} // namespace

ZU_GALLERY_PAGE(lists)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    CZuRect area = scene.ClientRect();
    area.Grow(-10, -10);

    CZuScrollList* table = AddWordTable(scene, area);
    table->SetFocus(true);
    for (int i = 0; i < 4; ++i)
        scene.PressKey(EZuKeyDown);
    scene.Shot("table");

    // Mid-drag: the rows follow the pointer, a part row at the top.
    CZuRect rows = table->GetList()->Rect();
    int x = rows.iTl.iX + 60;
    int y = rows.iBr.iY - 30;
    scene.Pointer(EZuPointerDown, x, y);
    scene.Pointer(EZuPointerDrag, x, y - 20);
    scene.Pointer(EZuPointerDrag, x, y - 80);
    scene.Pump();
    scene.Shot("drag");
    scene.Pointer(EZuPointerUp, x, y - 80);
    scene.Client()->DeleteControl(table);

    // Cells: a multiplication table whose selected cell moves with the arrows.
    CZuList* cells = new CZuList(scene.Client());
    StyleList(cells);
    cells->SetClickSelMode(2);
    cells->SetShowSelectedRowBG(false);
    cells->SetShowSelectedCellBG(true);
    cells->SetSelectedCellColor(KSelectionColour);
    cells->SetShowGridH(true);
    cells->SetShowGridV(true);
    cells->SetShowTitle(true);
    cells->SetNormalOddRowBg(KPaperColour);
    cells->SetNormalEvenRowBg(KPaperColour);
    cells->SetBorderType(EZuBorderLine);
    cells->SetBorderColor(KGridColour);
    cells->SetBackground(KPaperColour);
    cells->SetShowBackground(true, false, IZuGc::EGradualVertical);
    for (int c = 1; c <= 6; ++c)
        cells->AppendCellTitle(CZuString(c), EZuCellInteger, 0);
    for (int r = 1; r <= 9; ++r)
    {
        int row = cells->AppendRow(new CZuVarient(r));
        for (int c = 2; c <= 6; ++c)
            cells->AppendCellToRowTail(row, new CZuVarient(r * c));
    }
    cells->SetRect(area);
    cells->SetFocus(true);
    scene.PressKey(EZuKeyDown);
    scene.PressKey(EZuKeyDown);
    scene.PressKey(EZuKeyRight);
    scene.PressKey(EZuKeyRight);
    scene.Shot("cells");
}
