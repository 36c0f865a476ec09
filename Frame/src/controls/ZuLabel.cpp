#include "ZuLabel.h"

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
    // The inner rectangle already keeps the inner spaces clear, so the text needs no margin of its own.
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(Foreground());
    gc.UseFont(GetFont());
    gc.DrawTextW(text, InnerRect(), align, 0, 0);
    gc.DiscardFont();
}
