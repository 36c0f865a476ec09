#ifndef ZUGRID_H
#define ZUGRID_H

#include "ZuControl.h"

class CZuGridCell;
struct TZuGridData;

// Icon cells flowed left to right and top to bottom, one of them selected, moved through with the arrow
// keys, tapped, dragged and wheeled to scroll. A changed selection posts message 23 with param1 0, an
// activation (Enter, or a tap on the selected cell) message 23 with param1 1; param2 is the grid. Both go
// to whatever takes messages without a receiver (the current view).
class CZuGrid : public CZuControl
{
public:
    typedef int TGridType;

    static const unsigned KMsgGrid = 23;
    static const int KMsgSelectionChanged = 0;
    static const int KMsgActivated = 1;

    explicit CZuGrid(CZuControl* parent);
    ~CZuGrid() override;

    // Kept for the creator; the grid itself does not read it.
    void SetGridType(TGridType type);
    TGridType GetGridType() const;
    // With fit, the cells are stretched so that whole columns and rows fill the grid; without, they keep
    // this size.
    void SetGridCellSize(int width, int height, bool fit);
    // The grid owns the cell from now on.
    void AppendCell(CZuGridCell* cell);
    int GetCellCount() const;
    CZuGridCell* GetCell(int index) const;
    // -1 (or any negative index) clears the selection; an index past the cells changes nothing.
    void SetSelectedItem(int index);
    // -1 when nothing valid is selected.
    int GetSelectedIndex() const;
    int GetSelectedCellID() const;
    // The side of a cell's square icon.
    int GetCellIconSize() const;
    CZuSize GetCellSize() const;
    int GetColumnCount() const;
    int GetRowCount() const;
    // Where cell index is drawn now (it moves as the grid scrolls).
    CZuRect CellRect(int index) const;
    // The top-left corner of the first cell.
    const CZuPoint& Origin() const;

    void SizeChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    void Fit();
    void PostGridMessage(int action);
    // Moves the selection as a key does, then brings the cell into sight.
    void MoveSelectionTo(int index);
    bool IsWhollyShown(int index) const;
    // Scrolls a row towards cell index when it is not wholly shown, then, if need be, as far as shows it
    // whole (or its top, when it is taller than the grid).
    void ScrollToShow(int index);
    // Scrolls by dy, never past the first row's top or the last row's bottom.
    void ScrollBy(int dy);
    int ContentHeight() const;
    bool TapAt(const CZuPoint& point);

    TZuGridData* iData;
};

#endif // ZUGRID_H
