// The gallery's scroll pane: a board of buttons larger than the pane, with both bars, scrolled by moving
// the focus.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <string>

namespace
{

const CZuRgb KPaperColour(255, 255, 255);
const CZuRgb KFrameColour(200, 208, 220);
const char* const KTopics[] = {"日常", "旅行", "学校", "工作", "饮食", "天气", "健康", "运动"};

} // namespace

ZU_GALLERY_PAGE(scrollpane)
{
    // The buttons in the colours the program gives them, as on the buttons page: the first built-in scheme.
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    scene.Ui()->UpdateUiStyle();
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550003), 0, CZuEnv::GetString(0x5A550005));
    CZuRect area = scene.ClientRect();
    area.Grow(-10, -10);
    CZuScrollPane* pane = new CZuScrollPane(scene.Client());
    pane->SetBackground(KPaperColour);
    pane->SetShowBackground(true, false, IZuGc::EGradualVertical);
    pane->SetBorderType(EZuBorderLine);
    pane->SetBorderColor(KFrameColour);
    CZuScrollLayout* layout = pane->GetLayout();
    layout->SetInnerSpace(6);
    layout->SetColSpace(8);
    layout->SetRowspace(6);
    const int columns = 4;
    pane->SetCtrlCountPerRow(columns);
    for (int row = 0; row < 8; ++row)
    {
        for (int col = 0; col < columns; ++col)
        {
            CZuButton* button = new CZuButton(pane);
            std::string text = std::string(KTopics[row]) + " " + std::to_string(col + 1);
            button->Set(100 + row * columns + col, CZuString(text.c_str()), nullptr, false);
            if (col == 0)
                layout->AppendRow(button, 120, 40);
            else
                layout->AppendCellToLastRow(button, 120, 40, EAlignVCenter);
        }
    }
    pane->SetRect(area);
    pane->SetFocus(true);
    scene.Shot("top");
    // The focus walks right and down; the pane follows it.
    for (int i = 0; i < 3; ++i)
        scene.PressKey(EZuKeyRight);
    for (int i = 0; i < 6; ++i)
        scene.PressKey(EZuKeyDown);
    scene.Shot("scrolled");
}
