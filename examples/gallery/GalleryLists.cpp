// The gallery's lists: a word table with headings, grid and scroll bar; a list of cells; a list being
// dragged; the detail, multi-line and sub-column list types; round scroll bars on a table wider than its
// view.
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
    {"abandon", "v.", "放弃；抛弃"},
    {"ability", "n.", "能力；才能"},
    {"absorb", "v.", "吸收；吸引"},
    {"abstract", "adj.", "抽象的"},
    {"academic", "adj.", "学术的；学院的"},
    {"accent", "n.", "口音；重音"},
    {"accept", "v.", "接受；认可"},
    {"access", "n.", "通道；使用权"},
    {"accident", "n.", "事故；意外"},
    {"accompany", "v.", "陪伴；伴随"},
    {"accomplish", "v.", "完成；实现"},
    {"account", "n.", "账户；描述"},
    {"accurate", "adj.", "准确的；精确的"},
    {"achieve", "v.", "达到；取得"},
    {"acquire", "v.", "获得；学到"},
    {"adapt", "v.", "适应；改编"},
    {"adequate", "adj.", "足够的；适当的"},
    {"adjust", "v.", "调整；适应"},
    {"admire", "v.", "钦佩；欣赏"},
    {"adopt", "v.", "采用；收养"},
    {"advance", "n.", "前进；进步"},
    {"advantage", "n.", "优势；好处"},
    {"adventure", "n.", "冒险；奇遇"},
    {"advertise", "v.", "做广告"},
    {"affect", "v.", "影响；感动"},
    {"afford", "v.", "买得起；提供"},
    {"agenda", "n.", "议程"},
    {"aggressive", "adj.", "好斗的；积极的"},
    {"agriculture", "n.", "农业"},
    {"alarm", "n.", "警报；惊恐"},
};
const int KWordCount = sizeof(KWords) / sizeof(KWords[0]);

// Words as a study list shows them in full: with an example, its translation and how often the word came
// up for review.
struct TGalleryEntry
{
    const char* iWord;
    const char* iPart;
    const char* iMeaning;
    const char* iExample;
    const char* iTranslation;
    const char* iReviews;
};

const TGalleryEntry KEntries[] = {
    {"abandon", "v.", "放弃；抛弃", "They had to abandon the car.", "他们只好弃车。", "3 次"},
    {"ability", "n.", "能力；才能", "She has the ability to lead.", "她有领导能力。", "1 次"},
    {"absorb", "v.", "吸收；吸引", "Plants absorb sunlight.", "植物吸收阳光。", "4 次"},
    {"accept", "v.", "接受；认可", "I accept your offer.", "我接受你的提议。", "2 次"},
    {"accident", "n.", "事故；意外", "It was only an accident.", "那只是个意外。", "5 次"},
    {"achieve", "v.", "达到；取得", "You can achieve your goal.", "你能实现目标。", "2 次"},
    {"adapt", "v.", "适应；改编", "Children adapt quickly.", "孩子适应得很快。", "1 次"},
    {"admire", "v.", "钦佩；欣赏", "I admire her courage.", "我钦佩她的勇气。", "3 次"},
    {"advance", "n.", "前进；进步", "a great advance in science", "科学上的一大进步", "0 次"},
    {"advantage", "n.", "优势；好处", "Speed is our advantage.", "速度是我们的优势。", "2 次"},
    {"adventure", "n.", "冒险；奇遇", "a story of adventure", "一个冒险故事", "1 次"},
    {"afford", "v.", "买得起；提供", "We can't afford a new car.", "我们买不起新车。", "4 次"},
    {"agenda", "n.", "议程", "the first item on the agenda", "议程的第一项", "0 次"},
    {"alarm", "n.", "警报；惊恐", "The alarm went off at six.", "闹钟六点响了。", "2 次"},
    {"amazing", "adj.", "惊人的；了不起的", "What an amazing view!", "多么壮观的景色！", "1 次"},
    {"ancient", "adj.", "古代的；古老的", "an ancient city", "一座古城", "3 次"},
    {"announce", "v.", "宣布；通知", "They announced the winner.", "他们宣布了获胜者。", "0 次"},
    {"annual", "adj.", "每年的；年度的", "the annual meeting", "年会", "2 次"},
    {"anxious", "adj.", "焦虑的；渴望的", "Don't be anxious about it.", "别为此焦虑。", "4 次"},
    {"apparent", "adj.", "明显的；表面的", "for no apparent reason", "没有明显的理由", "1 次"},
    {"appeal", "v.", "呼吁；吸引", "The idea appeals to me.", "这个主意吸引我。", "2 次"},
    {"appetite", "n.", "食欲；欲望", "He has a good appetite.", "他胃口很好。", "0 次"},
    {"apply", "v.", "申请；应用", "Apply for the job today.", "今天就申请这份工作。", "3 次"},
    {"approach", "n.", "方法；接近", "a new approach to learning", "一种新的学习方法", "5 次"},
};
const int KEntryCount = sizeof(KEntries) / sizeof(KEntries[0]);

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

// A scroll list in the gallery's frame, its list styled as every gallery list.
CZuScrollList* AddFramedScrollList(CGalleryScene& scene)
{
    CZuScrollList* scroll = new CZuScrollList(scene.Client());
    scroll->SetBorderType(EZuBorderLine);
    scroll->SetBorderColor(KGridColour);
    scroll->SetBackground(KPaperColour);
    scroll->SetShowBackground(true, false, IZuGc::EGradualVertical);
    scroll->SetBgTransDegree(255);
    StyleList(scroll->GetList());
    return scroll;
}

CZuScrollList* AddWordTable(CGalleryScene& scene, const CZuRect& rect)
{
    CZuScrollList* scroll = AddFramedScrollList(scene);
    CZuList* list = scroll->GetList();
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

namespace
{

// The columns of the full entries, in the order of TGalleryEntry.
enum TEntryColumn
{
    EColWord,
    EColPart,
    EColMeaning,
    EColExample,
    EColTranslation,
    EColReviews,
    EColCount
};

// A scroll list of every entry with the headings given for the columns in order; only the vertical bar
// shows (the list types lay out more columns than a row shows at once).
CZuScrollList* AddEntryList(CGalleryScene& scene, CZuList::TZuListType type, const char* const* headings,
                            const int* order, int columns, const CZuRect& rect)
{
    CZuScrollList* scroll = AddFramedScrollList(scene);
    scroll->SetHScrollBar(CZuScrollList::EScrollBarNever);
    CZuList* list = scroll->GetList();
    list->SetListType(type);
    list->SetShowTitle(true);
    list->SetShowGridH(true);
    for (int c = 0; c < columns; ++c)
        list->AppendCellTitle(CZuString(headings[c]), EZuCellText, 0);
    for (int i = 0; i < KEntryCount; ++i)
    {
        const char* const fields[EColCount] = {KEntries[i].iWord,        KEntries[i].iPart,
                                               KEntries[i].iMeaning,     KEntries[i].iExample,
                                               KEntries[i].iTranslation, KEntries[i].iReviews};
        int row = list->AppendRow(new CZuVarient(CZuString(fields[order[0]])));
        for (int c = 1; c < columns; ++c)
            list->AppendCellToRowTail(row, new CZuVarient(CZuString(fields[order[c]])));
    }
    scroll->SetRect(rect);
    return scroll;
}

// The selection moved down a few rows, as the user reaches a word.
void SelectByKeys(CGalleryScene& scene, CZuScrollList* scroll, int downs)
{
    scroll->SetFocus(true);
    for (int i = 0; i < downs; ++i)
        scene.PressKey(EZuKeyDown);
}

} // namespace

// The three list types beside the table: the selected row opened into a detail view, rows of two lines,
// and headings showing sub-columns.
ZU_GALLERY_PAGE(lists_types)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    CZuRect area = scene.ClientRect();
    area.Grow(-10, -10);

    // Detail: the word, its part of speech and meaning in the table; the selected row opens to show the
    // example, its translation and the reviews as heading:value pieces.
    {
        const char* const headings[] = {"单词", "词性", "释义", "例句", "译文", "复习"};
        const int order[] = {EColWord, EColPart, EColMeaning, EColExample, EColTranslation, EColReviews};
        CZuScrollList* scroll = AddEntryList(scene, CZuList::EListDetail, headings, order, 6, area);
        CZuList* list = scroll->GetList();
        list->SetDispColCount(3);
        list->SetColWidth(EColWord, 130);
        list->SetColWidth(EColPart, 60);
        list->GetColTitle(EColPart)->SetAlign(EAlignCenter);
        list->SetShowGridV(true);
        list->SetSelRowDispRows(3);
        scroll->HandleListDataChanged();
        SelectByKeys(scene, scroll, 3);
        scene.Shot("detail");
        scene.Client()->DeleteControl(scroll);
    }

    // Multi-line: the word alone on the first line; the meaning over the example, the part of speech over
    // the reviews, two lines a slot.
    {
        const char* const headings[] = {"单词", "释义", "例句", "词性", "复习"};
        const int order[] = {EColWord, EColMeaning, EColExample, EColPart, EColReviews};
        CZuScrollList* scroll = AddEntryList(scene, CZuList::EListMultiLine, headings, order, 5, area);
        CZuList* list = scroll->GetList();
        list->SetShowGridV(true);
        // Three slots across the row: the word, the wide meaning and example, the narrow part and reviews.
        const int word = 110;
        const int narrow = 60;
        const int gap = list->GetGridLineWidth() + 2 * list->GetColSpace();
        const int wide = list->InnerRect().Width() - 2 * list->GetColSpace() - 2 * gap - word - narrow;
        const int widths[] = {word, wide, wide, narrow, narrow};
        for (int c = 0; c < 5; ++c)
            list->SetColWidth(c, widths[c]);
        scroll->HandleListDataChanged();
        SelectByKeys(scene, scroll, 2);
        scene.Shot("multiline");
        scene.Client()->DeleteControl(scroll);
    }

    // Sub-columns: under "单词" the word over its part of speech, under "释义" the meaning over the
    // example, "复习" alone over the whole row.
    {
        const char* const headings[] = {"单词", "释义", "复习", "词性", "例句"};
        const int order[] = {EColWord, EColMeaning, EColReviews, EColPart, EColExample};
        CZuScrollList* scroll = AddEntryList(scene, CZuList::EListSubColumns, headings, order, 5, area);
        CZuList* list = scroll->GetList();
        list->SetDispColCount(3);
        list->AppendSubCol(0, 3);
        list->AppendSubCol(1, 4);
        list->SetColWidth(0, 120);
        list->SetColWidth(2, 60);
        list->GetColTitle(2)->SetAlign(EAlignCenter);
        list->SetShowGridV(true);
        scroll->HandleListDataChanged();
        SelectByKeys(scene, scroll, 4);
        scene.Shot("subcolumns");
    }
}

// Round scroll bars, without arrows, on a word table wider and longer than its view: the selection moved
// down and the columns scrolled to the right.
ZU_GALLERY_PAGE(lists_round)
{
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    CZuRect area = scene.ClientRect();
    area.Grow(-10, -10);
    const char* const headings[] = {"单词", "词性", "释义", "例句", "译文", "复习"};
    const int order[] = {EColWord, EColPart, EColMeaning, EColExample, EColTranslation, EColReviews};
    CZuScrollList* scroll = AddEntryList(scene, CZuList::EListTable, headings, order, 6, area);
    scroll->SetHScrollBar(CZuScrollList::EScrollBarAuto);
    CZuList* list = scroll->GetList();
    list->SetShowGridV(true);
    // The word stays at the left while the other columns scroll.
    list->SetFirstColFrozen(true);
    const int widths[] = {110, 50, 120, 220, 150, 60};
    for (int c = 0; c < 6; ++c)
        list->SetColWidth(c, widths[c]);
    list->GetColTitle(EColPart)->SetAlign(EAlignCenter);
    list->GetColTitle(EColReviews)->SetAlign(EAlignCenter);
    for (int type = CZuScrollBar::EVertical; type <= CZuScrollBar::EHorizontal; ++type)
    {
        CZuScrollBar* bar = scroll->GetScrollBar(static_cast<CZuScrollBar::TZuScrollBarType>(type));
        bar->SetStype(CZuScrollBar::EStyleRound);
        bar->SetRoundCornerSize(CZuScrollBar::GetScrollBarSize() / 2);
        bar->SetScrlBarColor(KGridColour, KStripeColour);
        bar->SetSliderColor(CZuRgb(120, 140, 172), CZuRgb(150, 170, 200));
    }
    scroll->HandleListDataChanged();
    SelectByKeys(scene, scroll, 5);
    scene.Shot("top");
    for (int i = 0; i < 2; ++i)
        scene.PressKey(EZuKeyRight);
    for (int i = 0; i < 12; ++i)
        scene.PressKey(EZuKeyDown);
    scene.Shot("scrolled");
}
