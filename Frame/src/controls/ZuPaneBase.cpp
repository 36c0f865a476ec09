#include "ZuPaneBase.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuLayout.h"
#include "ZuMessage.h"
#include "ZuRadioButton.h"

#include <algorithm>

namespace
{
// The fill's corner size.
const int KFillCorner = 3;
// Room on each side of the title text inside its gap in the frame.
const int KTitlePadding = 2;
} // namespace

CZuPaneBase::CZuPaneBase(CZuControl* parent, bool addToParent, TZuControlType type)
    : CZuControl(parent, addToParent, type), iLayout(nullptr), iShowTitle(false), iShowFrame(false),
      iShowFill(false)
{
}

CZuPaneBase::~CZuPaneBase() {}

int CZuPaneBase::GetSelectRadioBtnCmdID() const
{
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->GetType() == EZuCtrlRadioButton && static_cast<CZuRadioButton*>(child)->GetSelected())
            return static_cast<CZuRadioButton*>(child)->GetCommand();
    }
    return -1;
}

void CZuPaneBase::SetSelectRadioBtnBy(int command)
{
    SelectRadioChildren(command);
}

void CZuPaneBase::SelectRadioChildren(int command)
{
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->GetType() != EZuCtrlRadioButton)
            continue;
        CZuRadioButton* radio = static_cast<CZuRadioButton*>(child);
        radio->SetSelected(radio->GetCommand() == command);
    }
}

bool CZuPaneBase::HandleMessage(CZuMessage* message)
{
    if (message->iType != EZuMsgButtonChosen)
        return CZuControl::HandleMessage(message);
    // A non-zero param2 is the group's own report on its way to the screen, or another pane's.
    if (message->iParam2 != 0)
        return true;
    const int command = static_cast<int>(static_cast<intptr_t>(message->iParam1));
    SelectRadioChildren(command);
    DrawDeferred();
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(nullptr, EZuMsgButtonChosen, message->iParam1, 0);
    return true;
}

bool CZuPaneBase::HasTitle()
{
    return iShowTitle && !GetText().IsEmpty();
}

int CZuPaneBase::TitleBandHeight()
{
    return HasTitle() ? GetFont()->HeightInPixels() + KTitlePadding : 0;
}

CZuSize CZuPaneBase::GetMinSize()
{
    const CZuSize content = iLayout ? iLayout->GetActSize() : CZuSize(0, 0);
    const CZuMargin& inner = InnerMargin();
    return CZuSize(content.iWidth + inner.iLeft + inner.iRight,
                   content.iHeight + inner.iTop + inner.iBottom + TitleBandHeight());
}

void CZuPaneBase::SizeChanged()
{
    if (iLayout)
    {
        CZuRect area = InnerRect();
        area.iTl.iY = std::min(area.iTl.iY + TitleBandHeight(), area.iBr.iY);
        iLayout->SetRect(area);
        iLayout->DoLayout();
    }
    DrawDeferred();
}

CZuRect CZuPaneBase::ComputeTitleRect(const CZuRect& inner)
{
    if (!HasTitle())
        return CZuRect(inner.iTl, inner.iTl);
    CZuFont* font = GetFont();
    const int h = font->HeightInPixels();
    const int width = font->TextWidthInPixels(GetText()) + 2 * KTitlePadding;
    int left = inner.iTl.iX + (inner.Width() - width) / 2;
    if (GetAlign() == EAlignLeft)
        left = inner.iTl.iX + h;
    else if (GetAlign() == EAlignRight)
        left = inner.iBr.iX - h - width;
    int right = left + width;
    // A title wider than the pane is cut to it rather than drawn over the frame's sides.
    left = std::max(left, inner.iTl.iX);
    right = std::min(right, inner.iBr.iX);
    if (right < left)
        right = left;
    return CZuRect(left, inner.iTl.iY, right, std::min(inner.iTl.iY + h + KTitlePadding, inner.iBr.iY));
}

void CZuPaneBase::Draw(CZuGc& gc, const CZuRect&)
{
    const CZuRect inner = InnerRect();
    iTitleRect = ComputeTitleRect(inner);
    if (iShowFill)
    {
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(iPaneColor);
        gc.DrawRoundRect(inner, KFillCorner);
    }
    if (iShowFrame)
        DrawFrame(gc, inner);
    if (!HasTitle() || iTitleRect.IsEmpty())
        return;
    // The title stands on the fill or in the frame's gap: the foreground colour reads on both.
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(Foreground());
    // Cut at the title's sides; its descenders may reach below the title band, not below the pane.
    if (!CZuClip::Push(gc, CZuRect(iTitleRect.iTl.iX, inner.iTl.iY, iTitleRect.iBr.iX, inner.iBr.iY)))
        return;
    gc.UseFont(GetFont());
    gc.DrawTextW(GetText(), iTitleRect, EAlignCenter, 0, 0);
    gc.DiscardFont();
    CZuClip::Pop(gc);
}

void CZuPaneBase::DrawFrame(CZuGc& gc, const CZuRect& inner)
{
    const CZuMargin& space = InnerMargin();
    // The frame runs through the middle of the inner spaces, its top through the middle of the title.
    const int left = inner.iTl.iX - space.iLeft / 2;
    // Right and bottom edges are exclusive: the frame's last column and row are one pixel inside them.
    const int right = inner.iBr.iX - 1 + space.iRight / 2;
    const int bottom = inner.iBr.iY - 1 + space.iBottom / 2;
    const int top = (iTitleRect.iTl.iY + iTitleRect.iBr.iY) / 2;
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(iFrameColor);
    // A line leaves out its end pixel, so each one ends where the next begins and the top pieces end at
    // the title's gap.
    gc.DrawLine(CZuPoint(left, top), CZuPoint(left, bottom));
    gc.DrawLine(CZuPoint(left, bottom), CZuPoint(right, bottom));
    gc.DrawLine(CZuPoint(right, bottom), CZuPoint(right, top));
    gc.DrawLine(CZuPoint(right, top), CZuPoint(iTitleRect.iBr.iX - 1, top));
    gc.DrawLine(CZuPoint(left, top), CZuPoint(iTitleRect.iTl.iX, top));
}
