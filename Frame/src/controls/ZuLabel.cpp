#include "ZuLabel.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuUiStyle.h"

#include <cstdio>

CZuLabel::CZuLabel(CZuControl* parent) : CZuControl(parent, true, EZuCtrlLabel)
{
    SetAlign(EAlignCenter);
    SetRoundCornerSize(0);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iLabel);
}

CZuLabel::~CZuLabel() {}

void CZuLabel::ListStatusChanged(int page, int pageCount)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%d/%d", page, pageCount);
    SetText(CZuString(text));
    DrawDeferred();
}

void CZuLabel::ListDragScrolled() {}

void CZuLabel::Draw(CZuGc& gc, const CZuRect&)
{
    const CZuString text = GetText();
    const TZuAlign align = GetAlign();
    if (text.IsEmpty() || (align != EAlignLeft && align != EAlignCenter && align != EAlignRight))
        return;
    // A text longer than the label is cut at its edges rather than drawn over its neighbours.
    if (!CZuClip::Push(gc, Rect()))
        return;
    // The inner rectangle already keeps the inner spaces clear, so the text needs no margin of its own.
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(Foreground());
    gc.UseFont(GetFont());
    gc.DrawTextW(text, InnerRect(), align, 0, 0);
    gc.DiscardFont();
    CZuClip::Pop(gc);
}
