#include "ZuCba.h"

#include "ZuButton.h"
#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"

namespace
{
// An empty text equals an empty one, whether or not it has storage.
bool SameText(const CZuString& a, const CZuString& b)
{
    return (a.IsEmpty() && b.IsEmpty()) || a.Compare(b) == 0;
}
} // namespace

CZuCba::CZuCba(CZuControl* parent, bool addToParent)
    : CZuButtonGroup(parent, addToParent, EZuCtrlCba), iFiredKey(EZuKeyNone)
{
    SetReadOnly(true);
    SetShowBackground(true, true, IZuGc::EGradualVertical);
    SetBtnStyle(EZuBtnStylePlain);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iCbaBar);
    // The two soft keys sit at the two ends: the space left over goes into the gap between them.
    SetSpace(-1);
    AppendButton(EZuCmdNone, CZuString(), nullptr, false, 0, 0);
    AppendButton(EZuCmdNone, CZuString(), nullptr, false, 0, 0);
}

CZuCba::~CZuCba() {}

CZuButton* CZuCba::LeftButton() const
{
    return GetButton(0);
}

CZuButton* CZuCba::RightButton() const
{
    return GetButtonCount() >= 2 ? GetButton(GetButtonCount() - 1) : nullptr;
}

void CZuCba::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    // Every draw shows the top's soft keys again: the same ones cost no layout.
    bool leftSame = !LeftButton() || (GetLeftCommand() == leftCmd && SameText(GetLeftText(), leftText));
    bool rightSame = !RightButton() || (GetRightCommand() == rightCmd && SameText(GetRightText(), rightText));
    if (leftSame && rightSame)
        return;
    if (CZuButton* left = LeftButton())
        left->Set(leftCmd, leftText, nullptr, false);
    if (CZuButton* right = RightButton())
        right->Set(rightCmd, rightText, nullptr, false);
    // The texts set the buttons' widths.
    Relayout();
}

void CZuCba::SetCbaData(CZuCbaData* data)
{
    if (!data)
        return;
    SetCbaData(data->GetLeftItem()->GetCommandID(), data->GetLeftItem()->GetItemName(),
               data->GetRightItem()->GetCommandID(), data->GetRightItem()->GetItemName());
}

int CZuCba::GetLeftCommand() const
{
    return LeftButton() ? LeftButton()->GetCommand() : EZuCmdNone;
}

int CZuCba::GetRightCommand() const
{
    return RightButton() ? RightButton()->GetCommand() : EZuCmdNone;
}

CZuString CZuCba::GetLeftText() const
{
    return LeftButton() ? LeftButton()->GetText() : CZuString();
}

CZuString CZuCba::GetRightText() const
{
    return RightButton() ? RightButton()->GetText() : CZuString();
}

bool CZuCba::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!event.IsKey() || (event.iCode != EZuKeyF1 && event.iCode != EZuKeyF2))
        return false;
    // A new press of a soft key may act again; its release ends the press.
    if (type == EZuKeyEventDown || (type == EZuKeyEventUp && event.iCode == iFiredKey))
        iFiredKey = EZuKeyNone;
    if (type != EZuKeyEventKey)
        return false;
    // The auto-repeats of a held key.
    if (event.iCode == iFiredKey)
        return true;
    // The labels last drawn may belong to the screen below a pop-up pushed since: take the top's now.
    CZuUiManager* manager = CZuEnv::UiManager();
    if (manager)
        manager->RefreshCba();
    CZuButton* button = event.iCode == EZuKeyF1 ? LeftButton() : RightButton();
    if (!button || !Fire(button->GetCommand()))
        return false;
    iFiredKey = event.iCode;
    return true;
}

bool CZuCba::Fire(int command)
{
    CZuEnv* env = CZuEnv::Static();
    if (!env || command == EZuCmdNone)
        return false;
    if (command != EZuCmdMenu)
    {
        env->PostMessageW(nullptr, EZuMsgCommand, static_cast<uintptr_t>(static_cast<intptr_t>(command)), 0);
        return true;
    }
    CZuUiManager* manager = CZuEnv::UiManager();
    if (manager && manager->IsShowMenu())
        return false;
    env->PostMessageW(manager, EZuMsgShowMenu, EZuCmdMenu, 0);
    return true;
}
