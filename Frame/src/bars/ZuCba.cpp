#include "ZuCba.h"

#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"

namespace
{
const unsigned KLeftSoftKey = 112;
const unsigned KRightSoftKey = 113;
// A command that opens the options menu rather than going to the screen.
const int KMenuCommand = 1;
// The message a soft key sends with its command.
const unsigned KCommandMessage = 18;
// Space between a label and the bar's end.
const int KLabelMargin = 8;
} // namespace

CZuCba::CZuCba(CZuControl* parent, bool addToParent)
    : CZuControl(parent, addToParent, EZuCtrlCba), iLeftCmd(0), iRightCmd(0)
{
    SetReadOnly(true);
    SetShowBackground(true, true, IZuGc::EGradualVertical);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iCbaBar);
}

CZuCba::~CZuCba() {}

void CZuCba::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    iLeftCmd = leftCmd;
    iLeftText = leftText;
    iRightCmd = rightCmd;
    iRightText = rightText;
}

void CZuCba::SetCbaData(CZuCbaData* data)
{
    if (!data)
        return;
    SetCbaData(data->GetLeftItem()->GetCommandID(), data->GetLeftItem()->GetItemName(),
               data->GetRightItem()->GetCommandID(), data->GetRightItem()->GetItemName());
}

bool CZuCba::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey())
        return false;
    int command;
    if (event.iCode == KLeftSoftKey)
        command = iLeftCmd;
    else if (event.iCode == KRightSoftKey)
        command = iRightCmd;
    else
        return false;
    CZuEnv* env = CZuEnv::Static();
    if (!env)
        return false;
    if (command != KMenuCommand)
    {
        env->PostMessageW(nullptr, KCommandMessage, static_cast<unsigned>(command), 0);
        return true;
    }
    CZuUiManager* manager = CZuEnv::UiManager();
    if (manager && manager->IsShowMenu())
        return false;
    env->PostMessageW(manager, EZuMsgShowMenu, 1, 0);
    return true;
}

void CZuCba::Draw(CZuGc& gc, const CZuRect& rect)
{
    gc.UseFont(GetFont());
    gc.SetDrawColor(Foreground());
    if (!iLeftText.IsEmpty())
        gc.DrawTextW(iLeftText, rect, EAlignLeft, 0, KLabelMargin);
    if (!iRightText.IsEmpty())
        gc.DrawTextW(iRightText, rect, EAlignRight, 0, KLabelMargin);
    gc.DiscardFont();
}
