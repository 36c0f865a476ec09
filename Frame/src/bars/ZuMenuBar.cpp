#include "ZuMenuBar.h"

#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuMenuData.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"

#include <algorithm>

namespace
{
const int KRowHeight = 24;
const int KLevelWidth = 160;
} // namespace

CZuMenuBar::CZuMenuBar(CZuControl* parent)
    : CZuControl(parent, false, EZuCtrlMenuBar), iMenuData(nullptr), iCbaData(nullptr)
{
    SetShowBackground(true, false, IZuGc::EGradualVertical);
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(3);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iMenuBar);
}

CZuMenuBar::~CZuMenuBar()
{
    delete iCbaData;
}

void CZuMenuBar::ConstructL()
{
    SetCbaData(3, CZuEnv::GetString(0x5A550003), 4, CZuEnv::GetString(0x5A550005));
}

void CZuMenuBar::SetMenuData(CZuMenuData* menu)
{
    iMenuData = menu;
    CZuMenuItem* first = menu ? menu->GetMenu(0) : nullptr;
    int rows = first ? std::max(first->GetSubmenuItemCount(), 1) : 1;
    CZuUiManager* manager = CZuEnv::UiManager();
    CZuRect anchor = manager ? manager->GetMenuBasePos() : CZuRect();
    int height = rows * KRowHeight + 2;
    // Above the anchor, left edges aligned: the left soft key sits in the lower left corner.
    SetRect(
        CZuRect(anchor.iTl.iX, anchor.iTl.iY - 1 - height, anchor.iTl.iX + KLevelWidth, anchor.iTl.iY - 1));
}

void CZuMenuBar::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    if (!iCbaData)
        iCbaData = new CZuCbaData;
    iCbaData->SetCba(leftCmd, leftText, rightCmd, rightText);
}

int CZuMenuBar::GetSubmenuLevel() const
{
    return iMenuData && iMenuData->GetMenu(0) ? 1 : 0;
}

CZuRect CZuMenuBar::GetLastLevelRect() const
{
    return Rect();
}

bool CZuMenuBar::HandleMessage(CZuMessage* message)
{
    // The right soft key closes the menu.
    if (message->iType == 18 && message->iParam1 == 4 && CZuEnv::Static())
    {
        CZuEnv::Static()->PostMessageW(CZuEnv::UiManager(), EZuMsgCloseMenu, 0, 0);
        return true;
    }
    return false;
}

void CZuMenuBar::Draw(CZuGc& gc, const CZuRect& rect)
{
    CZuMenuItem* first = iMenuData ? iMenuData->GetMenu(0) : nullptr;
    if (!first)
        return;
    gc.UseFont(GetFont());
    gc.SetDrawColor(Foreground());
    int top = rect.iTl.iY + 1;
    for (int i = 0; i < first->GetSubmenuItemCount(); ++i)
    {
        CZuMenuItem* item = first->GetSubmenuItem(i);
        if (!item->IsVisible())
            continue;
        gc.DrawTextW(item->GetItemName(), CZuRect(rect.iTl.iX, top, rect.iBr.iX, top + KRowHeight),
                     EAlignLeft, 0, 8);
        top += KRowHeight;
    }
    gc.DiscardFont();
}
