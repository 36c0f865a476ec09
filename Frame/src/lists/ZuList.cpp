// CZuList: construction, rows, columns, geometry and settings.
#include "ZuList.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuGestureDetector.h"
#include "ZuListRow.h"
#include "ZuTimerManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyleList.h"
#include "ZuVarient.h"

#include <algorithm>

namespace
{

// Rows per page when no row height is known.
const int KUnboundedRows = 0x0FFFFFFF;

CZuFont* TakeFont(TZuFontName name, int size)
{
    if (CZuEnv::Static())
        return CZuEnv::FontMgr()->GetFont(name, size, false);
    return new CZuFont(name, size, false);
}

} // namespace

CZuList::CZuCellData::CZuCellData(const CZuString& text, CZuImage* image, CZuImage* image2)
    : iText(text), iImage(image), iImage2(image2)
{
}

CZuList::CZuCellData::CZuCellData(CZuImage* image, const CZuString& text, const CZuString& text2)
    : iText(text), iText2(text2), iImage(image), iImage2(nullptr)
{
}

CZuList::CZuCellData::~CZuCellData() {}

CZuList::CZuList(CZuControl* parent, bool addToParent)
    : CZuControl(parent, addToParent, EZuCtrlList), iListType(EListTable), iRows(true), iImages(nullptr),
      iImagesOwned(false), iRowHeight(0), iSelRowHeight(0), iSelRowLines(0), iLinesPerRow(2), iRowSpace(0),
      iColSpace(3), iShowGridH(false), iShowGridV(false), iGridWidth(1), iTitleHeight(0),
      iGridColor(102, 102, 102), iShowSelRowBg(true), iShowSelCellBg(false), iDrawSelCellSpaceBg(true),
      iShowSelBgNoFocus(true), iShowEvenRowBg(false), iShowOddRowBg(false), iSelRowColor(0, 128, 128),
      iSelRowBorderColor(0, 128, 128), iSelTextColor(0, 0, 255), iSelCellColor(127, 127, 127),
      iShowSpecialCellBg(false), iSpecialRow(-1), iSpecialCol(-1), iSelRowFont(nullptr), iTitleFont(nullptr),
      iShowTitle(false), iTitleColor(0, 0, 255), iTitleBgColor(100, 120, 120), iShowTitleBg(false),
      iFirstColFrozen(false), iTopRow(0), iFirstCol(0), iSelRow(0), iSelCol(0), iPixelOffset(0),
      iDispRowCount(0), iDispColCount(0), iLeftAnchored(true), iRightAnchorCol(0), iClickSelMode(1),
      iKeyMode(EKeyModeFree), iOnceSelectClicked(false), iNotifySelectWhenFocus(true),
      iAutoAdjustRowHeight(true), iCellMaxCount(-1), iTurnPause(0), iTurnStep(0), iTurnPixels(0), iTimerId(0),
      iRowsLeft(0), iGesture(new CZuGestureDetector(this)), iFocusedBeforeTap(false), iDragScrolling(false),
      iWasFocused(false), iLastNotified(-1), iStatusNotify(nullptr), iPrevPgNotify(nullptr),
      iNextPgNotify(nullptr)
{
    if (CZuEnv::Static())
        iOnceSelectClicked = CZuEnv::UiSetting()->IsListOnceSelectClicked();
    iGesture->SetObserver(this);
}

CZuList::~CZuList()
{
    StopTimer();
    delete iGesture;
    SetImageList(nullptr, false);
    ReleaseFont(iTitleFont);
    ReleaseFont(iSelRowFont);
}

void CZuList::ReleaseFont(CZuFont*& font)
{
    CZuEnv::ReleaseFont(font);
    font = nullptr;
}

// Control

CZuSize CZuList::GetMinSize()
{
    int pitch = GetRowHeightByIndex(-1) + 2 * iRowSpace + iGridWidth;
    int height = (iShowTitle ? GetRowTitleHeight() : 0) + GetRowCount() * pitch + 2;
    int width = GetPredefinedSize().iWidth > 0 ? GetPredefinedSize().iWidth : 0;
    return CZuSize(width, height);
}

void CZuList::SetUiStyle(CZuUiStyleCommon* style)
{
    CZuControl::SetUiStyle(style);
    CZuUiStyleList* list = dynamic_cast<CZuUiStyleList*>(style);
    if (!list)
        return;
    iTitleColor = list->iTitleColor;
    iTitleBgColor = list->iTitleBgColor;
    iSelTextColor = list->iSelTextColor;
    iSelRowBorderColor = list->iSelRowBorderColor;
    iSelRowColor = list->iSelRowColor;
    iSelCellColor = list->iSelCellColor;
    iGridColor = list->iGridColor;
}

CZuRect CZuList::FocusRect()
{
    CZuListRow* row = GetSelectedRow();
    if (!row || row->GetDispRect().IsEmpty())
        return InnerRect();
    return row->GetDispRect();
}

void CZuList::SizeChanged()
{
    SetSelectedRow(iSelRow);
    SetTurnPg(iTurnPause, iTurnStep, iTurnPixels);
    AdjustColWidth();
}

// Rows

void CZuList::AppendRow(CZuListRow* row)
{
    if (row)
        iRows.Append(row);
}

void CZuList::InsertRow(int index, CZuListRow* row)
{
    if (!row)
        return;
    if (index < 0 || index > GetRowCount())
    {
        delete row;
        return;
    }
    iRows.Insert(index, row);
}

int CZuList::AppendRow(CZuVarient* cell)
{
    CZuListRow* row = new CZuListRow;
    if (cell)
        row->AppendCell(cell);
    iRows.Append(row);
    return GetRowCount() - 1;
}

void CZuList::InsertRow(int index, CZuVarient* cell)
{
    CZuListRow* row = new CZuListRow;
    if (cell)
        row->AppendCell(cell);
    InsertRow(index, row);
}

int CZuList::AppendCellToRowTail(int index, CZuVarient* cell)
{
    CZuListRow* row = GetRow(index);
    if (!row)
    {
        // The list took the cell: one it cannot place is not left behind.
        delete cell;
        return -1;
    }
    row->AppendCell(cell);
    return row->GetCellCount();
}

void CZuList::SetCell(int index, int col, CZuVarient* cell)
{
    CZuListRow* row = GetRow(index);
    if (!row || col < 0)
    {
        delete cell;
        return;
    }
    row->SetCell(col, cell);
}

void CZuList::DeleteCell(int index, int col)
{
    CZuListRow* row = GetRow(index);
    if (row)
        row->DeleteCell(col);
}

void CZuList::DeleteRow(int index)
{
    if (index < 0 || index >= GetRowCount())
        return;
    iRows.Delete(index);
    int count = GetRowCount();
    if (iSelRow >= count)
        iSelRow = count > 0 ? count - 1 : 0;
    if (count < RowsPerPage() + iTopRow && iTopRow > 0)
        --iTopRow;
    ClampPosition();
}

void CZuList::DeleteRow(CZuListRow* row)
{
    DeleteRow(iRows.Find(row));
}

CZuListRow* CZuList::GetRow(int index) const
{
    if (index < 0 || index >= GetRowCount())
        return nullptr;
    return static_cast<CZuListRow*>(iRows.GetAt(index));
}

void CZuList::RemoveAllData()
{
    iTopRow = 0;
    iFirstCol = 0;
    iLeftAnchored = true;
    iRightAnchorCol = 0;
    iDispRowCount = 0;
    iDispColCount = 0;
    iPixelOffset = 0;
    iRowsLeft = 0;
    iSelRow = 0;
    iSelCol = 0;
    iRows.DeleteAll();
}

void CZuList::SetRowData(int index, int data)
{
    if (CZuListRow* row = GetRow(index))
        row->SetData(data);
}

int CZuList::GetRowData(int index) const
{
    CZuListRow* row = GetRow(index);
    return row ? row->GetData() : 0;
}

void CZuList::SetRowDataPtr(int index, CZuObject* data, bool owned)
{
    if (CZuListRow* row = GetRow(index))
        row->SetDataPtr(data, owned);
}

CZuObject* CZuList::GetRowDataPtr(int index) const
{
    CZuListRow* row = GetRow(index);
    return row ? row->GetDataPtr() : nullptr;
}

void CZuList::HandleDataChanged()
{
    ClampPosition();
    NotifyPageStatus();
    Redraw();
}

void CZuList::ClampPosition()
{
    int count = GetRowCount();
    if (iTopRow >= count)
        iTopRow = count > 0 ? count - 1 : 0;
    if (iTopRow < 0)
        iTopRow = 0;
    if (count == 0)
        iPixelOffset = 0;
}

// Columns

void CZuList::SetColWidthType(CZuListRowTitle::TColWidthType type)
{
    iTitle.SetColWidthType(type);
    AdjustColWidth();
}

void CZuList::SetColCount(int count)
{
    if (count < 0)
        count = 0;
    while (iTitle.GetCellCount() > count)
        iTitle.Cells().Delete(iTitle.GetCellCount() - 1);
    while (iTitle.GetCellCount() < count)
    {
        int index = iTitle.GetCellCount();
        iTitle.Cells().Append(new CZuListCellTitle(index, CZuString(""), EZuCellText, 0));
    }
    AdjustColWidth();
}

int CZuList::GetColCount() const
{
    return std::max(0, iTitle.GetCellCount() - FrozenCols());
}

void CZuList::SetColWidth(int col, int width)
{
    CZuListCellTitle* title = iTitle.GetCell(col);
    if (!title)
        return;
    title->SetAutoWidth(width <= 0);
    title->SetWidth(width > 0 ? width : -1);
    AdjustColWidth();
}

int CZuList::GetColWidth(int col) const
{
    const CZuListCellTitle* title = iTitle.GetCell(col);
    if (!title)
        return 0;
    int inner = InnerRect().Width();
    switch (iTitle.GetColWidthType())
    {
    case CZuListRowTitle::EColWidthPixels:
        return std::max(0, title->GetWidth());
    case CZuListRowTitle::EColWidthPercent:
        return std::max(0, title->GetWidth()) * inner / 100;
    default:
        if (iTitle.GetCellCount() == 1)
            return std::max(0, inner - 2 * iColSpace);
        if (!title->IsAutoWidth() && title->GetWidth() > 0)
            return title->GetWidth();
        return AutoWidth();
    }
}

int CZuList::AutoWidth() const
{
    int inner = InnerRect().Width();
    int remaining = inner;
    int autoCount = 0;
    for (int i = 0; i < iTitle.GetCellCount(); ++i)
    {
        const CZuListCellTitle* title = iTitle.GetCell(i);
        remaining -= iGridWidth + 2 * iColSpace;
        if (!title->IsAutoWidth() && title->GetWidth() > 0)
            remaining -= title->GetWidth();
        else
            ++autoCount;
    }
    // What the fixed columns leave is shared by the automatic ones.
    if (autoCount == 0 || remaining <= 0)
        return inner / 2;
    return remaining / autoCount;
}

void CZuList::SetDispColCount(int count)
{
    iTitle.SetDispColCount(std::max(0, count));
    AdjustColWidth();
}

int CZuList::GetDispColCount() const
{
    return iTitle.GetDispColCount();
}

int CZuList::AppendCellTitle(const CZuString& text, TZuTableCellType type, int width)
{
    int index = iTitle.GetCellCount();
    iTitle.Cells().Append(new CZuListCellTitle(index, text, type, width));
    AdjustColWidth();
    return index;
}

void CZuList::SetCellTitle(int index, const CZuString& text, TZuTableCellType type, int width)
{
    CZuListCellTitle* title = iTitle.GetCell(index);
    if (!title)
        return;
    title->SetText(text);
    title->SetCellType(type);
    title->SetAutoWidth(width <= 0);
    title->SetWidth(width > 0 ? width : -1);
    AdjustColWidth();
}

void CZuList::DeleteCellTitle(int index)
{
    if (!iTitle.GetCell(index))
        return;
    iTitle.Cells().Delete(index);
    if (iSelCol >= iTitle.GetCellCount())
        iSelCol = std::max(0, iTitle.GetCellCount() - 1);
    if (iFirstCol >= iTitle.GetCellCount())
        iFirstCol = FrozenCols();
    AdjustColWidth();
}

CZuListCellTitle* CZuList::GetColTitle(int index) const
{
    return iTitle.GetCell(index);
}

void CZuList::AppendSubCol(int col, int sub)
{
    if (CZuListCellTitle* title = iTitle.GetCell(col))
        title->AppendSubCol(sub);
}

int CZuList::GetSubColCount(int col) const
{
    const CZuListCellTitle* title = iTitle.GetCell(col);
    return title ? title->GetSubColCount() : 0;
}

int CZuList::GetSubColIndex(int col, int i) const
{
    const CZuListCellTitle* title = iTitle.GetCell(col);
    return title ? title->GetSubColIndex(i) : -1;
}

void CZuList::AdjustColWidth()
{
    int count = iTitle.GetCellCount();
    int shown = iTitle.GetDispColCount() > 0 ? std::min(iTitle.GetDispColCount(), count) : count;
    int autoCount = 0;
    int fixedSum = 0;
    for (int i = 0; i < shown; ++i)
    {
        const CZuListCellTitle* title = iTitle.GetCell(i);
        if (title->IsAutoWidth())
            ++autoCount;
        else
            fixedSum += std::max(0, title->GetWidth());
    }
    // Without an automatic column there is nothing to share out.
    if (autoCount == 0)
        return;
    int width;
    switch (iTitle.GetColWidthType())
    {
    case CZuListRowTitle::EColWidthPixels:
        width = (InnerRect().Width() - shown * (iGridWidth + 2 * iColSpace) - fixedSum) / autoCount - 1;
        break;
    case CZuListRowTitle::EColWidthPercent:
        width = (100 - fixedSum) / autoCount;
        break;
    default:
        return;
    }
    for (int i = 0; i < count; ++i)
    {
        CZuListCellTitle* title = iTitle.GetCell(i);
        if (title->IsAutoWidth())
            title->SetWidth(std::max(0, width));
    }
}

void CZuList::AdjustCellWidthHeight(int rows, int cols)
{
    CZuRect inner = InnerRect();
    // A side of 0 or below is left as it is: nothing is divided by it.
    if (cols > 0)
    {
        SetColCount(cols);
        int width = std::max(0, inner.Width() / cols - 2 * iColSpace - iGridWidth);
        for (int i = 0; i < cols; ++i)
        {
            iTitle.GetCell(i)->SetAutoWidth(false);
            iTitle.GetCell(i)->SetWidth(width);
        }
    }
    if (rows > 0)
    {
        int height = inner.Height() / rows - 2 * iRowSpace - iGridWidth;
        iRowHeight = height > 0 ? height : GetFont()->HeightInPixels() + 2;
    }
}

// Geometry

int CZuList::GetRowHeight(bool fit, int height)
{
    int rowHeight = iRowHeight > 0 ? iRowHeight : GetFont()->HeightInPixels() + 2;
    if (!fit)
        return rowHeight;
    return SpreadHeight(rowHeight, height > 0 ? height : InnerRect().Height());
}

int CZuList::SpreadHeight(int rowHeight, int visible) const
{
    int pitch = rowHeight + 2 * iRowSpace + iGridWidth;
    if (pitch <= 0)
        return rowHeight;
    int rows = std::max(1, visible / pitch);
    int spare = visible - rows * pitch;
    return spare > 0 ? rowHeight + spare / rows : rowHeight;
}

int CZuList::DrawnRowHeight()
{
    int rowHeight = GetRowHeightByIndex(-1);
    // The detail view's selected row is taller: its rows keep their own heights.
    if (!iAutoAdjustRowHeight || iListType == EListDetail)
        return rowHeight;
    return SpreadHeight(rowHeight, RowsRect().Height());
}

int CZuList::GetSelectedRowHeight()
{
    switch (iListType)
    {
    case EListTable:
        return GetRowHeight(false);
    case EListDetail:
        if (iSelRowHeight > 0)
            return iSelRowHeight;
        if (iSelRowLines > 1)
            return (GetSelRowFont()->HeightInPixels() + 2) * iSelRowLines;
        return GetRowHeight(false);
    default:
        return iRowHeight > 0 ? iRowHeight : iLinesPerRow * (GetFont()->HeightInPixels() + 2);
    }
}

int CZuList::GetRowHeightByIndex(int index)
{
    if (iListType == EListDetail)
        return index == iSelRow ? GetSelectedRowHeight() : GetRowHeight(false);
    if (iListType == EListTable)
        return GetRowHeight(false);
    return GetSelectedRowHeight();
}

CZuRect CZuList::GetDispRowRect(int index) const
{
    CZuListRow* row = GetRow(index);
    bool shown = row && index >= iTopRow && index < iTopRow + iDispRowCount;
    return shown ? row->GetDispRect() : CZuRect();
}

CZuRect CZuList::GetSelectedRowRect() const
{
    return GetDispRowRect(iSelRow);
}

int CZuList::Pitch()
{
    return DrawnRowHeight() + 2 * iRowSpace + iGridWidth;
}

int CZuList::GetListviewRowCount()
{
    int rowHeight = GetRowHeightByIndex(-1);
    if (rowHeight <= 0)
        return KUnboundedRows;
    int height = RowsRect().Height();
    int pitch = iGridWidth + 2 * iRowSpace + rowHeight;
    if (iListType == EListDetail)
        return std::max(0, (height - GetSelectedRowHeight()) / pitch + 1);
    return std::max(0, height / pitch);
}

int CZuList::RowsPerPage()
{
    return std::max(1, GetListviewRowCount());
}

int CZuList::LastRowOfPage()
{
    return std::min(iTopRow + RowsPerPage(), GetRowCount()) - 1;
}

bool CZuList::AllColumnsFit() const
{
    int count = iTitle.GetCellCount();
    int right = InnerRect().iTl.iX + iColSpace;
    for (int col = 0; col < count; ++col)
        right += GetColWidth(col) + (col + 1 < count ? iGridWidth + 2 * iColSpace : 0);
    return right <= InnerRect().iBr.iX;
}

int CZuList::GetListviewColCount() const
{
    std::vector<TColumnSlot> slots;
    LayOutColumns(InnerRect(), slots);
    int fitting = 0;
    for (const TColumnSlot& slot : slots)
    {
        if (slot.iRight <= InnerRect().iBr.iX)
            ++fitting;
    }
    if (fitting == 0 && !slots.empty())
        fitting = 1;
    return std::max(0, fitting - FrozenCols());
}

int CZuList::GetRowTitleHeight()
{
    if (iTitleHeight > 0)
        return iTitleHeight;
    int fontHeight = GetTitleFont()->HeightInPixels();
    if (iListType == EListMultiLine)
        return (fontHeight + 2) * iLinesPerRow;
    return fontHeight + 4;
}

CZuRect CZuList::TitleRect()
{
    CZuRect rect = InnerRect();
    if (!iShowTitle)
    {
        rect.iBr.iY = rect.iTl.iY;
        return rect;
    }
    rect.iBr.iY = std::min(rect.iBr.iY, rect.iTl.iY + GetRowTitleHeight());
    return rect;
}

CZuRect CZuList::RowsRect()
{
    CZuRect rect = InnerRect();
    rect.iTl.iY = TitleRect().iBr.iY;
    return rect;
}

int CZuList::ColumnOrder(int i) const
{
    // A frozen first column always leads; the others follow from the first shown one.
    if (iFirstColFrozen)
        return i == 0 ? 0 : std::max(iFirstCol, 1) + i - 1;
    return iFirstCol + i;
}

void CZuList::LayOutColumns(const CZuRect& row, std::vector<TColumnSlot>& slots) const
{
    slots.clear();
    int count = iTitle.GetCellCount();
    int limit = iTitle.GetDispColCount() > 0 ? iTitle.GetDispColCount() : count;
    int x = row.iTl.iX + iColSpace;
    for (int i = 0; static_cast<int>(slots.size()) < limit; ++i)
    {
        int col = ColumnOrder(i);
        if (col >= count || x >= row.iBr.iX)
            break;
        int width = GetColWidth(col);
        slots.push_back(TColumnSlot{col, x, x + width});
        x += width + iGridWidth + 2 * iColSpace;
    }
}

int CZuList::ColumnAt(const CZuRect& row, int x) const
{
    std::vector<TColumnSlot> slots;
    LayOutColumns(row, slots);
    for (const TColumnSlot& slot : slots)
    {
        // The column spaces on either side belong to the column.
        if (x >= slot.iLeft - iColSpace && x < slot.iRight + iColSpace + iGridWidth)
            return slot.iCol;
    }
    return -1;
}

bool CZuList::ColumnFits(int col) const
{
    std::vector<TColumnSlot> slots;
    CZuRect inner = InnerRect();
    LayOutColumns(inner, slots);
    for (const TColumnSlot& slot : slots)
    {
        if (slot.iCol == col)
            return slot.iRight <= inner.iBr.iX;
    }
    return false;
}

// Settings

void CZuList::SetSelRowHeight(int height)
{
    if (height >= 0)
        iSelRowHeight = height;
}

void CZuList::SetLinesPerRow(int lines)
{
    if (lines > 0)
        iLinesPerRow = lines;
}

void CZuList::SetShowGridH(bool show)
{
    iShowGridH = show;
    iGridWidth = 1;
}

void CZuList::SetShowGridV(bool show)
{
    iShowGridV = show;
    iGridWidth = 1;
}

void CZuList::SetShowGridWidth(int width)
{
    iGridWidth = (iShowGridH || iShowGridV) ? std::max(0, width) : 0;
}

void CZuList::SetNormalEvenRowBg(const CZuRgb& color)
{
    iEvenRowBg = color;
    iShowEvenRowBg = true;
}

void CZuList::SetNormalOddRowBg(const CZuRgb& color)
{
    iOddRowBg = color;
    iShowOddRowBg = true;
}

void CZuList::SetSpecialCellBgColor(int row, int col, const CZuRgb& color)
{
    iSpecialRow = row;
    iSpecialCol = col;
    iSpecialColor = color;
}

void CZuList::SetSelRowFont(CZuFont* font)
{
    if (font == iSelRowFont)
        return;
    if (font)
        font->AddRef();
    ReleaseFont(iSelRowFont);
    iSelRowFont = font;
}

CZuFont* CZuList::GetSelRowFont()
{
    if (!iSelRowFont)
        iSelRowFont = TakeFont(EFontUi, 90);
    return iSelRowFont;
}

void CZuList::SetTitleFont(CZuFont* font)
{
    if (font == iTitleFont)
        return;
    if (font)
        font->AddRef();
    ReleaseFont(iTitleFont);
    iTitleFont = font;
}

CZuFont* CZuList::GetTitleFont()
{
    if (!iTitleFont)
        iTitleFont = TakeFont(EFontList, 100);
    return iTitleFont;
}

void CZuList::SetFirstColFrozen(bool frozen)
{
    iFirstColFrozen = frozen;
    if (frozen && iFirstCol < 1)
        iFirstCol = 1;
}

void CZuList::SetImageList(CZuObjectList* images, bool owned)
{
    if (images != iImages && iImagesOwned)
        delete iImages;
    iImages = images;
    iImagesOwned = images && owned;
}

void CZuList::SetTopRowIndex(int index)
{
    iTopRow = index;
    iPixelOffset = 0;
    ClampPosition();
}

void CZuList::SetFirstDispCol(int col)
{
    int frozen = FrozenCols();
    iFirstCol = std::max(frozen, std::min(col, std::max(frozen, iTitle.GetCellCount() - 1)));
}

void CZuList::SetSelectedRow(int index)
{
    if (index >= GetRowCount() && GetRowCount() > 0)
        return;
    iSelRow = index;
    int rows = RowsPerPage();
    int top = iTopRow;
    if (index >= iTopRow + rows)
        top = index - rows + 1;
    if (index >= 0 && index < iTopRow)
        top = index;
    if (top != iTopRow)
        SetTopRowIndex(top);
}

int CZuList::GetSelectedRowIndex() const
{
    return (iSelRow >= 0 && iSelRow < GetRowCount()) ? iSelRow : -1;
}

void CZuList::SetSelectedCol(int col)
{
    if (col >= 0 && col < iTitle.GetCellCount())
        iSelCol = col;
}

CZuListRow* CZuList::GetSelectedRow() const
{
    return GetRow(iSelRow);
}

CZuVarient* CZuList::GetSelectedRowCol() const
{
    CZuListRow* row = GetSelectedRow();
    return row ? row->GetCell(iSelCol) : nullptr;
}
