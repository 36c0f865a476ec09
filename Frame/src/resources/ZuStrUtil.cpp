#include "ZuStrUtil.h"

#include "ZuFont.h"
#include "ZuObjectList.h"
#include "ZuString16.h"
#include "ZuTextMeasure.h"

namespace
{

const TZuWChar KParagraphSeparator = 0x2029;

bool IsAsciiLetterOrDigit(TZuWChar ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// Lays a text out row by row. The current row is text[iRowStart, iWordStart), the word being collected
// text[iWordStart, i): both are contiguous, so a row is always one piece of the text.
class CRowSplitter
{
public:
    CRowSplitter(const CZuString16& text, int width, const MZuTextMeasure& measure, CZuObjectList& rows)
        : iText(text), iWidth(width), iMeasure(measure), iRows(rows)
    {
    }

    void Run()
    {
        int length = iText.Length();
        int i = 0;
        while (i < length)
        {
            int lineEnd = LineEndLength(i);
            if (lineEnd > 0)
            {
                FinishRow(i);
                i += lineEnd;
                StartRowAt(i);
                continue;
            }
            int width = iMeasure.CharWidth(iText[i]);
            if (IsWordChar(i))
                AddWordChar(i, width);
            else
                AddBreakChar(i, width);
            ++i;
        }
        FinishRow(length);
    }

private:
    int LineEndLength(int i) const
    {
        TZuWChar ch = iText[i];
        bool hasNext = i + 1 < iText.Length();
        if (ch == KParagraphSeparator || ch == '\n')
            return 1;
        if (ch == '\r' && hasNext && iText[i + 1] == '\n')
            return 2;
        if (ch == '\\' && hasNext && iText[i + 1] == 'n')
            return 2;
        return 0;
    }

    // A backslash that does not start a line end belongs to the word around it.
    bool IsWordChar(int i) const { return IsAsciiLetterOrDigit(iText[i]) || iText[i] == '\\'; }

    void StartRowAt(int i)
    {
        iRowStart = iWordStart = i;
        iRowWidth = iWordWidth = 0;
    }

    void Emit(int start, int end)
    {
        if (end > start)
            iRows.Append(new CZuString16(iText.Mid(start, end - start)));
    }

    void AddWordChar(int i, int width)
    {
        // A word that would be wider than a whole row is cut: the row is filled with its first characters.
        while (iWordStart < i && iWordWidth + width > iWidth)
        {
            int cut = iWordStart;
            int moved = 0;
            while (cut < i && iRowWidth + moved + CharWidthAt(cut) <= iWidth)
                moved += CharWidthAt(cut++);
            // A single character wider than the row still has to go somewhere: on a row of its own.
            if (cut == iWordStart && iRowStart == iWordStart)
                moved += CharWidthAt(cut++);
            Emit(iRowStart, cut);
            iRowStart = iWordStart = cut;
            iRowWidth = 0;
            iWordWidth -= moved;
        }
        iWordWidth += width;
    }

    void AddBreakChar(int i, int width)
    {
        if (iWordStart < i && iRowWidth + iWordWidth > iWidth)
            MoveWordToNextRow();
        bool fits = iRowWidth + iWordWidth + width <= iWidth;
        if (!fits && iText[i] != ' ')
        {
            Emit(iRowStart, i);
            iRowStart = i;
            iRowWidth = width;
        }
        else
        {
            iRowWidth += iWordWidth + width;
        }
        iWordStart = i + 1;
        iWordWidth = 0;
    }

    void MoveWordToNextRow()
    {
        Emit(iRowStart, iWordStart);
        iRowStart = iWordStart;
        iRowWidth = 0;
    }

    void FinishRow(int end)
    {
        if (iWordStart < end && iRowWidth + iWordWidth > iWidth)
            MoveWordToNextRow();
        Emit(iRowStart, end);
    }

    int CharWidthAt(int i) const { return iMeasure.CharWidth(iText[i]); }

    const CZuString16& iText;
    int iWidth;
    const MZuTextMeasure& iMeasure;
    CZuObjectList& iRows;
    int iRowStart = 0;
    int iWordStart = 0;
    int iRowWidth = 0;
    int iWordWidth = 0;
};

// The widths the font draws with.
class CFontWidths : public MZuTextMeasure
{
public:
    explicit CFontWidths(const CZuFont& font) : iFont(font) {}
    int CharWidth(TZuWChar ch) const override { return iFont.CharWidthInPixels(ch); }

private:
    const CZuFont& iFont;
};

} // namespace

CZuObjectList* CZuStrUtil::GetTextRowList(const CZuString16& text, int width, CZuFont* font)
{
    if (font == nullptr)
        return nullptr;
    return GetTextRowList(text, width, CFontWidths(*font));
}

int CZuStrUtil::GetTextRowCount(const CZuString16& text, int width, CZuFont* font)
{
    CZuObjectList* rows = GetTextRowList(text, width, font);
    if (rows == nullptr)
        return 0;
    int count = rows->GetCount();
    delete rows;
    return count;
}

CZuObjectList* CZuStrUtil::GetTextRowList(const CZuString16& text, int width, const MZuTextMeasure& measure)
{
    CZuObjectList* rows = new CZuObjectList(true);
    if (text.IsEmpty() || width <= 0)
        return rows;
    CRowSplitter(text, width, measure, *rows).Run();
    return rows;
}

int CZuStrUtil::GetTextRowCount(const CZuString16& text, int width, const MZuTextMeasure& measure)
{
    CZuObjectList* rows = GetTextRowList(text, width, measure);
    int count = rows->GetCount();
    delete rows;
    return count;
}
