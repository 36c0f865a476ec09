#include "ZuTextReader.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"
#include "ZuScrollBar.h"
#include "ZuUiSetting.h"

#include <algorithm>

namespace
{

const TZuWChar KLineFeed = 10;
const TZuWChar KCarriageReturn = 13;
const TZuWChar KParagraphSeparator = 0x2029;
const TZuWChar KIdeographicSpace = 0x3000;
// Rows one wheel step scrolls.
const int KWheelRows = 3;

bool IsWordChar(TZuWChar c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsHighSurrogate(TZuWChar c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(TZuWChar c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The units of a row break at i: 0 when there is none. Never reads past the text.
int BreakLength(const CZuString16& text, int i)
{
    TZuWChar c = text[i];
    bool hasNext = i + 1 < text.Length();
    if (c == KLineFeed || c == KParagraphSeparator)
        return 1;
    if (c == KCarriageReturn && hasNext && text[i + 1] == KLineFeed)
        return 2;
    if (c == '\\' && hasNext && text[i + 1] == 'n')
        return 2;
    return 0;
}

// Closes rows of a text as the characters are placed one by one.
class CRowBuilder
{
public:
    CRowBuilder(std::vector<CZuTextReader::CZuRowInfo>& rows, int width) : iRows(rows), iWidth(width) {}

    void Break(int at, int length)
    {
        Close(at);
        iRowStart = at + length;
        iX = 0;
        iWordStart = -1;
    }
    // A letter or digit: part of a word that moves whole to the next row when it no longer fits.
    void WordChar(int at, int length, int width)
    {
        if (iWordStart < 0)
        {
            iWordStart = at;
            iXBeforeWord = iX;
        }
        if (iX + width > iWidth && iWordStart > iRowStart)
        {
            Close(iWordStart);
            iRowStart = iWordStart;
            iX -= iXBeforeWord;
            iXBeforeWord = 0;
        }
        // A word wider than the row is cut at the last character that fits.
        if (iX + width > iWidth && at > iRowStart)
        {
            Close(at);
            iRowStart = at;
            iWordStart = at;
            iX = 0;
            iXBeforeWord = 0;
        }
        iX += width;
        (void)length;
    }
    // Any other character: the row may end before it. A space that no longer fits ends the row and is
    // dropped, so that no wrapped row starts with a space.
    void OtherChar(int at, int width, bool space)
    {
        iWordStart = -1;
        if (iX + width > iWidth && at > iRowStart)
        {
            Close(at);
            iRowStart = space ? at + 1 : at;
            iX = space ? 0 : width;
            return;
        }
        iX += width;
    }
    void Finish(int end) { Close(end); }

private:
    // A row is added only when it holds a character; one character always goes in, fitting or not.
    void Close(int end)
    {
        if (end > iRowStart)
            iRows.push_back(CZuTextReader::CZuRowInfo{iRowStart, end});
    }

    std::vector<CZuTextReader::CZuRowInfo>& iRows;
    int iWidth;
    int iRowStart = 0;
    int iX = 0;
    int iWordStart = -1;
    int iXBeforeWord = 0;
};

} // namespace

CZuTextReader::CZuTextReader(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlWindow), iTopRow(0), iVisibleRows(0), iBar(nullptr), iVertAlign(EAlignTop),
      iRowSpace(0)
{
    SetAlign(EAlignCenter);
}

CZuTextReader::~CZuTextReader() {}

void CZuTextReader::SetText(const CZuString& text)
{
    CZuString16 units;
    if (!text.IsEmpty())
        ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
    SetText(units);
}

void CZuTextReader::SetText(const CZuString16& text)
{
    // A new text starts at its top, and an empty one leaves nothing of the old.
    iText = text;
    iTopRow = 0;
    iVisibleRows = 0;
    BuildRows();
    UpdateBar();
    DrawDeferred();
}

CZuString CZuTextReader::GetText()
{
    CZuString text;
    if (!iText.IsEmpty())
        ConvertUnicodeToUtf8(iText.PtrZ(), iText.Length(), text);
    return text;
}

CZuString16 CZuTextReader::GetRowText(int row) const
{
    if (row < 0 || row >= GetRowCount())
        return CZuString16();
    return iText.Mid(iRows[row].iStart, iRows[row].iEnd - iRows[row].iStart);
}

int CZuTextReader::RowSpace() const
{
    if (iRowSpace > 0)
        return iRowSpace;
    return CZuEnv::Static() ? CZuEnv::UiSetting()->TextRowSpace() : 0;
}

int CZuTextReader::FontHeight()
{
    return GetFont()->HeightInPixels();
}

bool CZuTextReader::BarShown() const
{
    return iBar && iBar->IsVisible();
}

int CZuTextReader::WrapWidth()
{
    // The left inner space is kept free on the right too, so that centred rows sit in the middle.
    return InnerRect().Width() - InnerMargin().iLeft - (BarShown() ? iBar->Size().iWidth : 0);
}

int CZuTextReader::CharWidth(int code)
{
    auto known = iWidths.find(code);
    if (known != iWidths.end())
        return known->second;
    int width = GetFont()->CharWidthInPixels(code);
    iWidths.emplace(code, width);
    return width;
}

void CZuTextReader::BuildRows()
{
    iRows.clear();
    int width = WrapWidth();
    int length = iText.Length();
    if (width <= 0 || length == 0)
        return;
    CRowBuilder builder(iRows, width);
    for (int i = 0; i < length;)
    {
        int breakLength = BreakLength(iText, i);
        if (breakLength > 0)
        {
            builder.Break(i, breakLength);
            i += breakLength;
            continue;
        }
        TZuWChar c = iText[i];
        // A surrogate pair is one character: never split between rows.
        bool pair = IsHighSurrogate(c) && i + 1 < length && IsLowSurrogate(iText[i + 1]);
        int code = pair ? 0x10000 + ((c - 0xD800) << 10) + (iText[i + 1] - 0xDC00) : c;
        int units = pair ? 2 : 1;
        if (IsWordChar(c))
            builder.WordChar(i, units, CharWidth(code));
        else
            builder.OtherChar(i, CharWidth(code), c == ' ' || c == KIdeographicSpace);
        i += units;
    }
    builder.Finish(length);
}

CZuSize CZuTextReader::GetMinSize()
{
    int rows = GetRowCount();
    int height = InnerMargin().iTop + InnerMargin().iBottom + rows * FontHeight();
    if (rows > 0)
        height += RowSpace() * (rows + 1);
    return CZuSize(0, height);
}

void CZuTextReader::SizeChanged()
{
    const CZuMargin& margin = InnerMargin();
    SetInnerSpace(margin.iTop, margin.iBottom, margin.iLeft, 0);
    UpdateBar();
}

void CZuTextReader::UpdateBar()
{
    if (BarShown())
        iBar->MakeVisible(false);
    BuildRows();
    if (Size().iHeight >= GetMinSize().iHeight)
    {
        iTopRow = 0;
        return;
    }
    if (!iBar)
    {
        iBar = new CZuScrollBar(this, CZuScrollBar::EVertical);
        iBar->SetMsgWnd(this, CZuScrollBar::KMsgScrolled);
    }
    int size = CZuScrollBar::GetScrollBarSize();
    CZuRect rect = Rect();
    iBar->SetRect(CZuRect(rect.iBr.iX - size, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY));
    iBar->MakeVisible(true);
    // Narrower now: the rows are wrapped again for the width the bar leaves.
    BuildRows();
    const CZuMargin& margin = InnerMargin();
    int page = (InnerRect().Height() + margin.iBottom - margin.iTop) / std::max(1, RowSpace() + FontHeight());
    iBar->SetRange(0, GetRowCount());
    iBar->SetSliderRange(std::max(1, page));
    iTopRow = std::max(0, std::min(iTopRow, GetRowCount() - std::max(1, page)));
    iBar->SetCurPos(iTopRow);
}

int CZuTextReader::FirstRowTop()
{
    CZuRect inner = InnerRect();
    int top = inner.iTl.iY + RowSpace();
    if (BarShown())
        return top;
    int spare = inner.Height() - GetMinSize().iHeight;
    if (iVertAlign == EAlignVCenter)
        top += spare / 2;
    else if (iVertAlign == EAlignBottom)
        top += spare;
    return top;
}

int CZuTextReader::FittingRows()
{
    int fontHeight = FontHeight();
    int bottom = InnerRect().iBr.iY;
    int top = FirstRowTop();
    int rows = 0;
    for (int row = iTopRow; row < GetRowCount() && top + fontHeight <= bottom; ++row)
    {
        ++rows;
        top += fontHeight + RowSpace();
    }
    return rows;
}

void CZuTextReader::Draw(CZuGc& gc, const CZuRect&)
{
    CZuRect area = InnerRect();
    if (iRows.empty() || area.Width() <= 0)
        return;
    // The rows' own width: the left inner space is kept on the right as well, and the bar's strip.
    area.iBr.iX = area.iTl.iX + std::max(0, WrapWidth());
    int fontHeight = FontHeight();
    gc.UseFont(GetFont());
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(Foreground());
    int top = FirstRowTop();
    iVisibleRows = 0;
    for (int row = iTopRow; row < GetRowCount() && top + fontHeight <= area.iBr.iY; ++row)
    {
        CZuRect band(area.iTl.iX, top, area.iBr.iX, top + fontHeight);
        if (CZuClip::Push(gc, band))
        {
            gc.DrawTextW(GetRowText(row), band, GetAlign(), 0, 0);
            CZuClip::Pop(gc);
        }
        ++iVisibleRows;
        top += fontHeight + RowSpace();
    }
    gc.DiscardFont();
}

void CZuTextReader::ScrollTo(int top)
{
    iTopRow = top;
    if (BarShown())
        iBar->SetCurPos(top);
    DrawDeferred();
}

bool CZuTextReader::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey())
        return false;
    if (event.iCode == EZuKeyUp && iTopRow >= 1)
    {
        ScrollTo(iTopRow - 1);
        return true;
    }
    // The rows a draw would show, also before the first draw.
    if (event.iCode == EZuKeyDown && iTopRow + FittingRows() < GetRowCount())
    {
        ScrollTo(iTopRow + 1);
        return true;
    }
    return false;
}

bool CZuTextReader::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (!HitTest(event.iPosition) && event.iType != EZuPointerUp && event.iType != EZuPointerDrag)
        return false;
    if (CZuControl::HandlePointerEventL(event))
        return true;
    if (event.iType != EZuPointerWheel || !HitTest(event.iPosition))
        return false;
    // Positive steps turn the wheel away from the user: back towards the start.
    int last = std::max(0, GetRowCount() - FittingRows());
    int top = std::max(0, std::min(iTopRow - event.iValue1 * KWheelRows, std::max(last, iTopRow)));
    if (top != iTopRow)
        ScrollTo(top);
    return true;
}

bool CZuTextReader::HandleMessage(CZuMessage* message)
{
    if (!message || message->iType != CZuScrollBar::KMsgScrolled || !iBar ||
        CZuMessage::ParamObject<CZuScrollBar>(message->iParam2) != iBar)
        return false;
    iTopRow = iBar->GetCurPos();
    DrawDeferred();
    return true;
}
