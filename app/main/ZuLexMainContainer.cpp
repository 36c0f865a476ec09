#include "ZuLexMainContainer.h"

#include "ZuEnv.h"
#include "ZuGrid.h"
#include "ZuGridCell.h"
#include "ZuLayout.h"
#include "ZuLexIds.h"
#include "ZuUiManager.h"

namespace
{

struct TMainCell
{
    int iCommand;
    int iCaption;
    const char* iImage;
};

// The screens in the order the learner meets them; the review screen has no cell.
const TMainCell KCells[] = {
    {EZuLexCmdOpenCourse, EZuLexStrCaptionCourse, "SelectCourse.png"},
    {EZuLexCmdOpenStudy, EZuLexStrCaptionStudy, "Study.png"},
    {EZuLexCmdOpenTest, EZuLexStrCaptionTest, "Test.png"},
    {EZuLexCmdOpenNewword, EZuLexStrCaptionNewword, "NewWord.png"},
    {EZuLexCmdOpenSetting, EZuLexStrCaptionSetting, "Setting.png"},
};

// The size the grid stretches to fill its rows: three cells a row, the five screens in two rows.
const int KCellWidth = 150;
const int KCellHeight = 130;

} // namespace

CZuLexMainContainer::CZuLexMainContainer(CZuControl* parent, CZuView* view)
    : CZuContainer(parent, view, EZuCtrlContainer), iGrid(nullptr)
{
}

void CZuLexMainContainer::ConstructL()
{
    CZuContainer::ConstructL();
    iGrid = new CZuGrid(this);
    int row = GetClientLayout()->AppendRow(iGrid, -1, -1);
    GetClientLayout()->SetRowHeight(row, -1);
    iGrid->SetGridCellSize(KCellWidth, KCellHeight, true);
    for (const TMainCell& cell : KCells)
        iGrid->AppendCell(new CZuGridCell(iGrid, cell.iCommand, 0, CZuEnv::GetString(cell.iCaption),
                                          CZuString(cell.iImage)));
    iGrid->SetSelectedItem(-1);
    if (CZuUiManager* manager = CZuEnv::UiManager())
        SetRect(manager->GetClientRect());
    SetFocusTo(iGrid);
}
