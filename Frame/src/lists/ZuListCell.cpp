#include "ZuListCell.h"

#include "ZuDrawUtil.h"
#include "ZuFont.h"
#include "ZuGc.h"
#include "ZuImage.h"
#include "ZuList.h"
#include "ZuListCellTitle.h"
#include "ZuObjectList.h"
#include "ZuRect.h"
#include "ZuString16.h"
#include "ZuVarient.h"

#include <cstdio>

namespace
{

// Draws an image vertically centred at x; returns the x after it.
int DrawImageAt(IZuGc& gc, CZuImage* image, int x, const CZuRect& rect)
{
    if (!image)
        return x;
    CZuSize size = image->Size();
    gc.DrawImage(CZuPoint(x, rect.iTl.iY + (rect.Height() - size.iHeight) / 2), image);
    return x + size.iWidth + 2;
}

} // namespace

CZuListCell::CZuListCell() : iImages(nullptr) {}

CZuListCell::~CZuListCell() {}

CZuString CZuListCell::CellText(const CZuListCellTitle& title, const CZuVarient& value)
{
    switch (title.GetCellType())
    {
    case EZuCellInteger:
        if (value.iType == CZuVarient::EInteger)
            return CZuString(value.iInteger);
        if (value.iType == CZuVarient::EFloat)
            return CZuString(static_cast<int>(value.iFloat));
        return CZuString();
    case EZuCellReal:
    {
        double number = 0;
        if (value.iType == CZuVarient::EFloat)
            number = value.iFloat;
        else if (value.iType == CZuVarient::EInteger)
            number = value.iInteger;
        else
            return CZuString();
        char text[64];
        int decimals = title.GetDecimals() < 0 ? 0 : (title.GetDecimals() > 9 ? 9 : title.GetDecimals());
        std::snprintf(text, sizeof text, "%.*f", decimals, number);
        return CZuString(text);
    }
    default:
        if (value.iType == CZuVarient::EString && value.iString)
            return *value.iString;
        return CZuString();
    }
}

void CZuListCell::DrawCell(IZuGc& gc, const CZuRect& rect, CZuListCellTitle* title, CZuVarient* value,
                           bool selected)
{
    if (!title || !value)
        return;
    if (title->GetCellType() == EZuCellImage)
    {
        bool indexed = value->iType == CZuVarient::EInteger && iImages && value->iInteger >= 0 &&
                       value->iInteger < iImages->GetCount();
        if (!indexed)
            return;
        CZuImage* image = static_cast<CZuImage*>(iImages->GetAt(value->iInteger));
        int width = image ? image->Size().iWidth : 0;
        DrawImageAt(gc, image, rect.iTl.iX + (rect.Width() - width) / 2, rect);
        return;
    }
    if (title->GetCellType() == EZuCellData)
    {
        bool isObject = value->iType == CZuVarient::EObject || value->iType == CZuVarient::EOwnedObject;
        CZuList::CZuCellData* data = isObject ? dynamic_cast<CZuList::CZuCellData*>(value->iObject) : nullptr;
        if (!data)
            return;
        // The second image, when there is one, is the selected look.
        CZuImage* image = selected && data->iImage2 ? data->iImage2 : data->iImage;
        int x = DrawImageAt(gc, image, rect.iTl.iX, rect);
        CZuRect textRect(x, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
        gc.DrawTextW(data->iText, textRect, title->GetAlign(), 0, 0);
        return;
    }
    CZuString text = CellText(*title, *value);
    if (text.IsEmpty())
        return;
    bool number = title->GetCellType() == EZuCellInteger || title->GetCellType() == EZuCellReal;
    // A text longer than its cell ends in an ellipsis, so that a cut row never reads as a whole one.
    CZuFont* font = gc.Font();
    if (!number && font && font->TextWidthInPixels(text) > rect.Width())
    {
        gc.DrawTextW(CZuDrawUtil::ElidedText(text, *font, rect.Width()), rect, title->GetAlign(), 0, 0);
        return;
    }
    gc.DrawTextW(text, rect, number ? EAlignRight : title->GetAlign(), 0, 0);
}
