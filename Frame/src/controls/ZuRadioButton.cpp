#include "ZuRadioButton.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuMessage.h"

CZuRadioButton::CZuRadioButton(CZuControl* parent) : CZuToggleButton(parent, EZuCtrlRadioButton) {}

CZuRadioButton::~CZuRadioButton() {}

void CZuRadioButton::StateChanged()
{
    ToggleOnRelease();
}

void CZuRadioButton::PostChoice()
{
    CZuEnv* env = CZuEnv::Static();
    if (!env)
        return;
    const uintptr_t command = static_cast<uintptr_t>(static_cast<intptr_t>(GetCommand()));
    if (GetSendMsg() != 0)
    {
        env->PostMessageW(GetMsgWnd(), GetSendMsg(), command, 0);
        return;
    }
    MZuMessageWnd* receiver = GetMsgWnd();
    const int parentType = Parent() ? Parent()->GetType() : -1;
    // A pane (or scroll pane) keeps its radio buttons one group.
    if (!receiver && (parentType == EZuCtrlPane || parentType == EZuCtrlScrollPane))
        receiver = Parent();
    env->PostMessageW(receiver, EZuMsgButtonChosen, command, 0);
}

void CZuRadioButton::DrawIndicator(CZuGc& gc, const CZuRect& square)
{
    if (square.IsEmpty())
        return;
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(InkColour());
    gc.DrawEllipse(square);
    if (HasEmphasis())
    {
        for (int grow = 1; grow <= 2; ++grow)
        {
            CZuRect ring = square;
            ring.Grow(grow, grow);
            gc.DrawEllipse(ring);
        }
    }
    if (!GetSelected())
        return;
    const int inset = GetFont()->HeightInPixels() / 5;
    CZuRect dot = square;
    dot.Grow(-inset, -inset);
    if (dot.IsEmpty())
        return;
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(BgFocusedColor());
    gc.DrawEllipse(dot);
}
