#ifndef ZUEDITBUFFER_H
#define ZUEDITBUFFER_H

#include "ZuString.h"
#include "ZuTypes.h"

#include <string>

// The text of an open edit box as it is edited: UTF-16 units with a caret and a selection (between the
// anchor and the caret), changed only by whole characters, so that a surrogate pair is never split. Text
// put in is one line: line breaks become spaces, other control characters are dropped. The limit counts
// UTF-16 units; 0 means no limit other than KMaxUnits.
class CZuEditBuffer
{
public:
    typedef std::u16string TUnits;

    // The most units an edit box holds.
    static constexpr int KMaxUnits = 32767;

    CZuEditBuffer();

    // Replaces the text (cut at KMaxUnits, never through a pair; not cut at the limit, so that nothing the
    // program set is lost); the caret goes to the end, nothing is selected.
    void SetText(const CZuString& utf8);
    CZuString Text() const;
    const TUnits& Units() const { return iUnits; }
    int Length() const { return static_cast<int>(iUnits.size()); }

    // 0 or less: KMaxUnits. Text already longer stays; only what is put in afterwards is held to it.
    void SetLimit(int units);
    int Limit() const { return iLimit; }

    int Caret() const { return iCaret; }
    int Anchor() const { return iAnchor; }
    bool HasSelection() const { return iCaret != iAnchor; }
    int SelectionStart() const;
    int SelectionEnd() const;
    CZuString SelectedText() const;

    // Moves the caret to the character boundary at or before index; extend keeps the anchor (selects).
    void MoveTo(int index, bool extend);
    // One character left or right; without extend, a selection collapses to its edge instead.
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void MoveHome(bool extend);
    void MoveEnd(bool extend);
    void SelectAll();

    // Each edit returns true when the text changed.
    // Replaces the selection with the text, as much of it as the limit lets in.
    bool Insert(const TUnits& units);
    bool InsertUtf8(const CZuString& utf8);
    // The selection, or else the character before (after) the caret.
    bool DeleteBackward();
    bool DeleteForward();
    bool DeleteSelection();

    // The boundary of the character before or after index (index itself at the ends).
    int PreviousBoundary(int index) const;
    int NextBoundary(int index) const;

    // UTF-8 decoded into units (bytes that are no character are dropped), at most maxUnits of them.
    static TUnits Decode(const CZuString& utf8, int maxUnits);
    // Units encoded as UTF-8 (a lone surrogate is dropped); never without storage, "" at the least.
    static CZuString Encode(const TZuWChar* units, int count);
    static bool IsHighSurrogate(TZuWChar unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
    static bool IsLowSurrogate(TZuWChar unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

private:
    // Cuts units to at most count, never between the two halves of a pair.
    static void CutAt(TUnits& units, int count);
    // One line of text: breaks as spaces (CR LF as one), other control characters and lone surrogates out.
    static TUnits OneLine(const TUnits& units);
    bool IsBoundary(int index) const;

    TUnits iUnits;
    int iLimit;
    int iCaret;
    int iAnchor;
};

#endif // ZUEDITBUFFER_H
