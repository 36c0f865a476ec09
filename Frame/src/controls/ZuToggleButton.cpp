#include "ZuToggleButton.h"

#include "ZuButton.h"
#include "ZuDrawUtil.h"
#include "ZuFont.h"
#include "ZuObjectList.h"
#include "ZuStrUtil.h"
#include "ZuString16.h"

#include <memory>

namespace
{
CZuString16 Utf16(const CZuString& text)
{
    CZuString16 units;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
    return units;
}
} // namespace

CZuToggleButton::CZuToggleButton(CZuControl* parent, TZuControlType type)
    : CZuControl(parent, true, type), iType(ETypeText), iCommand(0), iSelected(false)
{
    SetAlign(EAlignCenter);
}

CZuToggleButton::~CZuToggleButton() {}

void CZuToggleButton::Set(int command, const CZuString& text, CZuImage* image, bool owned)
{
    SetCommand(command);
    SetText(text);
    if (image)
        SetImg(image, owned);
}

int CZuToggleButton::LineSpace()
{
    return GetFont()->HeightInPixels() / 5;
}

int CZuToggleButton::TextWidthFor(int width)
{
    // The text starts 1.5 font heights in and ends at the inner right edge, as drawn.
    return width - GetFont()->HeightInPixels() * 3 / 2 - InnerMargin().iRight - GetBorderWidth();
}

CZuSize CZuToggleButton::GetMinSize()
{
    const CZuSize& predefined = GetPredefinedSize();
    if (predefined.iWidth > 0 && predefined.iHeight > 0)
        return predefined;
    CZuFont* font = GetFont();
    const int a = font->HeightInPixels();
    const CZuMargin& inner = InnerMargin();
    CZuSize content = iType == ETypeText ? CZuButton::MeasureText(font, GetText()) : iImage.Size();
    CZuSize size(content.iWidth + inner.iLeft + inner.iRight + a * 3 / 2,
                 content.iHeight + inner.iTop + inner.iBottom);
    if (predefined.iWidth > 0)
    {
        const int lines =
            CZuStrUtil::GetTextRowCount(Utf16(GetText()), TextWidthFor(predefined.iWidth), font);
        size = CZuSize(predefined.iWidth, lines * a + a * (lines + 2) / 5);
    }
    if (predefined.iHeight > 0)
        size.iHeight = predefined.iHeight;
    return size;
}

void CZuToggleButton::Draw(CZuGc& gc, const CZuRect& rect)
{
    if (iType == ETypeText && GetText().IsEmpty())
        return;
    const int a = GetFont()->HeightInPixels();
    const CZuRect whole = Rect();
    const int top = whole.iTl.iY + (whole.Height() - a) / 2;
    CZuRect square(whole.iTl.iX + a / 4, top, whole.iTl.iX + a / 4 + a, top + a);
    square.Grow(-2, -2);
    DrawIndicator(gc, square);

    CZuRect content(whole.iTl.iX + a * 3 / 2, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
    if (iType == ETypeText)
        DrawText(gc, content);
    else
        CZuDrawUtil::DrawCentredImage(gc, content, iImage.Get());
}

void CZuToggleButton::DrawText(CZuGc& gc, const CZuRect& rect)
{
    CZuFont* font = GetFont();
    const CZuString16 text = Utf16(GetText());
    const int a = font->HeightInPixels();
    const int space = LineSpace();
    // The lines are centred on the indicator's height as a block, rather than hung from the top. Each
    // line's baseline lies a tenth of the font height above the bottom of its line, as in text placed in
    // a rectangle, so that a single line lines up with the indicator beside it.
    const int lines = CZuStrUtil::GetTextRowCount(text, rect.Width(), font);
    const int block = lines * a + (lines - 1) * space;
    CZuRect placed = rect;
    if (block < rect.Height())
        placed.iTl.iY += (rect.Height() - block) / 2 - space - (a - a * 9 / 10);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(InkColour());
    gc.UseFont(font);
    CZuDrawUtil::DrawWrapText(gc, text, placed, 0, 0, space, font);
    gc.DiscardFont();
}

CZuRgb CZuToggleButton::InkColour() const
{
    return IsDisabled() ? CZuDrawUtil::Dimmed(Foreground()) : Foreground();
}

bool CZuToggleButton::HasEmphasis() const
{
    const TZuControlState state = GetState();
    return state == EZuStatePointerOver || state == EZuStatePressed || state == EZuStateReleased ||
           state == EZuStateFocused;
}

bool CZuToggleButton::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    return HandleClickKey(event, type);
}

bool CZuToggleButton::HandlePointerEventL(const TZuPointerEvent& event)
{
    return HandleClickPointer(event);
}

void CZuToggleButton::ToggleOnRelease()
{
    if (GetState() == EZuStateReleased && !IsDisabled())
    {
        iSelected = !iSelected;
        PostChoice();
    }
    DrawDeferred();
}
