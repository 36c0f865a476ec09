#ifndef ZUSTRUTIL_H
#define ZUSTRUTIL_H

class CZuFont;
class CZuObjectList;
class CZuString16;
class MZuTextMeasure;

// Splits a text into the rows it takes at a given width. Hard line ends: U+2029, U+000A, U+000D U+000A
// and the two characters '\' 'n' as typed in resource texts; they end a row and appear in none, and no
// empty row is made for them. A run of ASCII letters, digits and backslashes is a word and stays on one
// row when it fits; any other character (blank, punctuation, CJK) may end a row after it. A blank at the
// end of a row stays on that row; a word wider than the row is cut where the row is full.
class CZuStrUtil
{
public:
    // A new owning list of CZuString16 rows (the caller deletes it), measured with the font's character
    // widths: empty for an empty text or a width of 0 or less, null without a font.
    static CZuObjectList* GetTextRowList(const CZuString16& text, int width, CZuFont* font);
    // The number of those rows; 0 when there is no list.
    static int GetTextRowCount(const CZuString16& text, int width, CZuFont* font);

    // The same with any source of character widths (never null).
    static CZuObjectList* GetTextRowList(const CZuString16& text, int width, const MZuTextMeasure& measure);
    static int GetTextRowCount(const CZuString16& text, int width, const MZuTextMeasure& measure);
};

#endif // ZUSTRUTIL_H
