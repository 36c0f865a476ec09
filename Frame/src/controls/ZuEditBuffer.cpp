#include "ZuEditBuffer.h"

#include "ZuString16.h"
#include "ZuUnicode.h"

#include <algorithm>

namespace
{

const TZuWChar KSpace = 0x20;
const TZuWChar KCarriageReturn = 0x0D;
const TZuWChar KLineFeed = 0x0A;
const TZuWChar KDelete = 0x7F;

} // namespace

CZuEditBuffer::CZuEditBuffer() : iLimit(KMaxUnits), iCaret(0), iAnchor(0) {}

void CZuEditBuffer::SetText(const CZuString& utf8)
{
    iUnits = OneLine(Decode(utf8, KMaxUnits + 1));
    CutAt(iUnits, KMaxUnits);
    iCaret = iAnchor = Length();
}

CZuString CZuEditBuffer::Text() const
{
    return Encode(iUnits.data(), Length());
}

void CZuEditBuffer::SetLimit(int units)
{
    iLimit = units <= 0 || units > KMaxUnits ? KMaxUnits : units;
}

int CZuEditBuffer::SelectionStart() const
{
    return std::min(iCaret, iAnchor);
}

int CZuEditBuffer::SelectionEnd() const
{
    return std::max(iCaret, iAnchor);
}

CZuString CZuEditBuffer::SelectedText() const
{
    return Encode(iUnits.data() + SelectionStart(), SelectionEnd() - SelectionStart());
}

void CZuEditBuffer::MoveTo(int index, bool extend)
{
    index = std::max(0, std::min(index, Length()));
    if (!IsBoundary(index))
        --index;
    iCaret = index;
    if (!extend)
        iAnchor = iCaret;
}

void CZuEditBuffer::MoveLeft(bool extend)
{
    if (HasSelection() && !extend)
        MoveTo(SelectionStart(), false);
    else
        MoveTo(PreviousBoundary(iCaret), extend);
}

void CZuEditBuffer::MoveRight(bool extend)
{
    if (HasSelection() && !extend)
        MoveTo(SelectionEnd(), false);
    else
        MoveTo(NextBoundary(iCaret), extend);
}

void CZuEditBuffer::MoveHome(bool extend)
{
    MoveTo(0, extend);
}

void CZuEditBuffer::MoveEnd(bool extend)
{
    MoveTo(Length(), extend);
}

void CZuEditBuffer::SelectAll()
{
    iAnchor = 0;
    iCaret = Length();
}

bool CZuEditBuffer::Insert(const TUnits& units)
{
    TUnits line = OneLine(units);
    int selected = SelectionEnd() - SelectionStart();
    int room = std::max(0, iLimit - (Length() - selected));
    CutAt(line, room);
    if (line.empty())
        return false;
    int start = SelectionStart();
    iUnits.replace(static_cast<size_t>(start), static_cast<size_t>(selected), line);
    iCaret = iAnchor = start + static_cast<int>(line.size());
    return true;
}

bool CZuEditBuffer::InsertUtf8(const CZuString& utf8)
{
    // Line breaks fold into fewer units, so one more than the buffer holds is enough to fill it.
    return Insert(Decode(utf8, 2 * KMaxUnits + 2));
}

bool CZuEditBuffer::DeleteBackward()
{
    if (HasSelection())
        return DeleteSelection();
    if (iCaret == 0)
        return false;
    iAnchor = PreviousBoundary(iCaret);
    return DeleteSelection();
}

bool CZuEditBuffer::DeleteForward()
{
    if (HasSelection())
        return DeleteSelection();
    if (iCaret == Length())
        return false;
    iAnchor = NextBoundary(iCaret);
    return DeleteSelection();
}

bool CZuEditBuffer::DeleteSelection()
{
    if (!HasSelection())
        return false;
    int start = SelectionStart();
    iUnits.erase(static_cast<size_t>(start), static_cast<size_t>(SelectionEnd() - start));
    iCaret = iAnchor = start;
    return true;
}

int CZuEditBuffer::PreviousBoundary(int index) const
{
    if (index <= 0)
        return 0;
    --index;
    return IsBoundary(index) ? index : index - 1;
}

int CZuEditBuffer::NextBoundary(int index) const
{
    if (index >= Length())
        return Length();
    ++index;
    return IsBoundary(index) ? index : index + 1;
}

CZuEditBuffer::TUnits CZuEditBuffer::Decode(const CZuString& utf8, int maxUnits)
{
    if (utf8.IsEmpty() || maxUnits <= 0)
        return TUnits();
    // No character takes more than three bytes a unit: the rest of a long text is never decoded.
    int length = CZuUnicode::Utf8CutLength(utf8.PtrZ(), utf8.Length(), 3 * maxUnits);
    CZuString16 decoded;
    ConvertUtf8ToUnicode(utf8.PtrZ(), length, decoded);
    TUnits units(decoded.PtrZ() ? decoded.PtrZ() : u"", static_cast<size_t>(decoded.Length()));
    CutAt(units, maxUnits);
    return units;
}

CZuString CZuEditBuffer::Encode(const TZuWChar* units, int count)
{
    CZuString out("");
    ConvertUnicodeToUtf8(units, count, out);
    return out;
}

CZuEditBuffer::TUnits CZuEditBuffer::OneLine(const TUnits& units)
{
    TUnits line;
    line.reserve(units.size());
    size_t count = units.size();
    for (size_t i = 0; i < count; ++i)
    {
        TZuWChar unit = units[i];
        if (unit == KCarriageReturn || unit == KLineFeed)
        {
            line += KSpace;
            if (unit == KCarriageReturn && i + 1 < count && units[i + 1] == KLineFeed)
                ++i;
            continue;
        }
        if (unit == '\t')
        {
            line += KSpace;
            continue;
        }
        if (unit < KSpace || unit == KDelete)
            continue;
        if (IsHighSurrogate(unit))
        {
            if (i + 1 < count && IsLowSurrogate(units[i + 1]))
            {
                line += unit;
                line += units[++i];
            }
            continue;
        }
        if (IsLowSurrogate(unit))
            continue;
        line += unit;
    }
    return line;
}

void CZuEditBuffer::CutAt(TUnits& units, int count)
{
    if (static_cast<int>(units.size()) <= count)
        return;
    size_t end = static_cast<size_t>(std::max(count, 0));
    if (end > 0 && IsHighSurrogate(units[end - 1]))
        --end;
    units.resize(end);
}

bool CZuEditBuffer::IsBoundary(int index) const
{
    if (index <= 0 || index >= Length())
        return true;
    return !(IsHighSurrogate(iUnits[static_cast<size_t>(index - 1)]) &&
             IsLowSurrogate(iUnits[static_cast<size_t>(index)]));
}
