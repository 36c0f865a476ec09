#ifndef ZULAYOUTCELL_H
#define ZULAYOUTCELL_H

#include "ZuAlign.h"
#include "ZuObject.h"
#include "ZuRect.h"
#include "ZuSize.h"

class CZuControl;
class CZuLayout;

// One cell of a layout row: a control, a fixed-size spacer or a nested layout. Width and height are
// positive for fixed pixels, 0 for the content's natural size and negative for a share of the space left.
// Neither the control nor the nested layout is owned.
class CZuLayoutCell : public CZuObject
{
public:
    enum TCellKind
    {
        EKindControl = 0,
        EKindSpacer = 1,
        EKindLayout = 2
    };

    CZuLayoutCell(const CZuSize& spacer, int width, int height);
    CZuLayoutCell(CZuControl* control, int width, int height, TZuAlign vertAlign);
    CZuLayoutCell(CZuLayout* layout, int width, int height);
    ~CZuLayoutCell() override;

    // The width field when not 0; else the natural width of the content.
    int GetCellWidth() const;
    // The width a cell that does not share takes: positive widths, else the content's.
    int GetActualCellWidth() const;
    // The height field when not 0; else the natural height of the content.
    int GetCellHeight() const;
    // A control cell follows its control; spacers and layouts are always visible.
    bool IsVisible() const;
    // Places the control (by the vertical alignment) or lays the nested layout out in rect.
    void SetRect(const CZuRect& rect);
    CZuRect GetRect() const;

    void SetCellID(int id) { iId = id; }
    int GetCellID() const { return iId; }
    TCellKind GetKind() const { return iKind; }
    CZuControl* GetControl() const { return iControl; }
    CZuLayout* GetLayout() const { return iLayout; }
    int GetWidth() const { return iWidth; }
    int GetHeight() const { return iHeight; }
    TZuAlign GetVertAlign() const { return iVertAlign; }

private:
    CZuLayoutCell(const CZuLayoutCell&) = delete;
    CZuLayoutCell& operator=(const CZuLayoutCell&) = delete;

    int iId;
    TCellKind iKind;
    CZuSize* iSpacer;
    CZuControl* iControl;
    CZuLayout* iLayout;
    int iWidth;
    int iHeight;
    TZuAlign iVertAlign;
};

#endif // ZULAYOUTCELL_H
