// The gallery's icon grid: the main menu's six entries, one of them selected.
#include "GalleryScene.h"

#include "ZuUi.h"

namespace
{
struct TGalleryEntry
{
    const char* iCaption;
    const char* iGlyph;
    CZuRgb iTop;
    CZuRgb iBottom;
};

const TGalleryEntry KEntries[] = {
    {"学习", "学", CZuRgb(90, 170, 250), CZuRgb(30, 100, 200)},
    {"测试", "测", CZuRgb(250, 170, 90), CZuRgb(210, 100, 30)},
    {"生词本", "词", CZuRgb(120, 210, 120), CZuRgb(40, 150, 60)},
    {"选择课程", "课", CZuRgb(190, 140, 240), CZuRgb(120, 70, 190)},
    {"设置", "设", CZuRgb(160, 170, 185), CZuRgb(90, 100, 120)},
    {"退出", "退", CZuRgb(245, 120, 120), CZuRgb(190, 50, 50)},
};

} // namespace

ZU_GALLERY_PAGE(grid)
{
    const CZuRect area = scene.ClientRect();
    CZuGrid* grid = new CZuGrid(scene.Client());
    grid->SetRect(CZuRect(area.iTl.iX + 40, area.iTl.iY + 30, area.iBr.iX - 40, area.iBr.iY - 30));
    grid->SetGridCellSize(110, 110, true);
    int id = 1;
    for (const TGalleryEntry& entry : KEntries)
    {
        CZuGridCell* cell = new CZuGridCell(grid, id++, 0, CZuString(entry.iCaption), CZuString());
        cell->SetImage(
            CGalleryScene::MakeIcon(entry.iGlyph, entry.iTop, entry.iBottom, grid->GetCellIconSize()), true);
        grid->AppendCell(cell);
    }
    grid->SetFocus(true);
    grid->SetSelectedItem(0);
    scene.Shot("first");

    // Right, then down: the selection moves to the middle of the second row.
    scene.PressKey(39);
    scene.PressKey(40);
    scene.Shot("keys");
}
