#ifndef ZUEDITLINE_H
#define ZUEDITLINE_H

#include "ZuEditBuffer.h"

#include <vector>

class CZuFont;
class IZuGc;

// One line of an edit box laid out in a font: where each character starts, and drawing of any part of it
// from a left edge and a baseline. A character the font cannot show (beyond the Basic Multilingual Plane,
// such as an emoji) is drawn as a hollow box as wide as it is counted, so the caret never steps over
// nothing.
class CZuEditLine
{
public:
    CZuEditLine();

    // Lays units out in font (the font is not owned and must outlive the layout).
    void Layout(CZuFont* font, const CZuEditBuffer::TUnits& units);
    // The font of the last layout.
    const CZuFont* Font() const { return iFont; }
    const CZuEditBuffer::TUnits& Units() const { return iUnits; }
    int Width() const { return iOffsets.back(); }
    // Distance from the left edge to the character boundary at index (0 .. length).
    int X(int index) const;
    // The character boundary nearest to x (relative to the left edge).
    int IndexAt(int x) const;
    // Draws the units from..to-1 in the context's font and colour, the line's left edge at left; of them
    // only those that reach into the columns visibleLeft..visibleRight-1.
    void Draw(IZuGc& gc, int left, int baseline, int from, int to, int visibleLeft, int visibleRight) const;

private:
    // The character boundary at or before x.
    int BoundaryBefore(int x) const;
    bool IsBoundary(int index) const;
    bool IsBox(int index) const;
    void DrawBox(IZuGc& gc, int left, int baseline, int index) const;

    const CZuFont* iFont;
    CZuEditBuffer::TUnits iUnits;
    // iOffsets[i]: where unit i starts; the low half of a pair starts where its high half does.
    std::vector<int> iOffsets;
    int iAscent;
};

#endif // ZUEDITLINE_H
