#ifndef ZUHORIZLAYOUT_H
#define ZUHORIZLAYOUT_H

#include "ZuLayout.h"

// A layout whose controls are always centred vertically in their cells; otherwise the same engine.
class CZuHorizLayout : public CZuLayout
{
public:
    CZuHorizLayout();
    ~CZuHorizLayout() override;

    using CZuLayout::AppendCellToLastRow;
    // A control cell with vertical alignment 64 (centred).
    void AppendCellToLastRow(CZuControl* control, int width, int height);
};

#endif // ZUHORIZLAYOUT_H
