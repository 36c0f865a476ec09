#include "ZuButtonGroup.h"

#include "ZuButton.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuImageManager.h"
#include "ZuLayout.h"
#include "ZuUiStyle.h"

#include <algorithm>

namespace
{
// The placeholder buttons SetButtonCount adds.
const int KPlaceholderCommand = -1;
const char* const KPlaceholderText = "test";
} // namespace

CZuButtonGroup::CZuButtonGroup(CZuControl* parent, bool addToParent, TZuControlType type)
    : CZuControl(parent, addToParent, type), iGroupType(EGroupRow), iLayout(new CZuLayout), iBtnType(EZuBtnText),
      iBtnStyle(EZuBtnStyleGradient), iSpace(0), iButtonStyle(nullptr), iNormalImgValue(0),
      iDefaultFocusImgValue(0)
{
    AddLayout(iLayout);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iButtonGroup);
}

CZuButtonGroup::~CZuButtonGroup()
{
    // The buttons show the shared images without owning them: they go first.
    DeleteAllControl();
}

CZuButton* CZuButtonGroup::AppendButton(int command, const CZuString& text, CZuImage* image, bool owned,
                                        int width, int height)
{
    CZuButton* button = new CZuButton(this);
    button->SetPredefinedSize(iBtnSize);
    button->SetNormalImg(iNormalImg.Get(), false);
    button->SetDefaultFocusImg(iDefaultFocusImg.Get(), false);
    button->SetPressDownImg(iPressedImg.Get(), false);
    button->SetFocusedImg(iFocusedImg.Get(), false);
    button->Set(command, text, image, owned);
    button->SetBtnType(iBtnType);
    button->SetBtnUiStyle(iBtnStyle);
    if (iButtonStyle)
        button->SetUiStyle(iButtonStyle);
    button->SetBgTransDegree(GetBgTransDegree());
    button->SetInnerSpace(2, 2, 10, 10);
    PlaceButton(button, width, height, iLayout->GetRowCount() == 0 || iGroupType != EGroupRow);
    return button;
}

void CZuButtonGroup::PlaceButton(CZuButton* button, int width, int height, bool newRow)
{
    if (newRow)
    {
        iLayout->AppendRow(button, width, height);
        return;
    }
    iLayout->AppendCellToLastRow(button, width, height, EAlignVCenter);
}

void CZuButtonGroup::SetButton(int command, const CZuString& text, CZuImage* image, bool owned)
{
    SetButton(command, command, text, image, owned);
}

void CZuButtonGroup::SetButton(int command, int newCommand, const CZuString& text, CZuImage* image, bool owned)
{
    CZuButton* button = GetButtonByCmd(command);
    if (!button)
        return;
    button->Set(newCommand, text, image, owned);
}

void CZuButtonGroup::SetButtonByIndex(int index, int command, const CZuString& text, CZuImage* image, bool owned)
{
    if (CZuButton* button = GetButton(index))
        button->Set(command, text, image, owned);
}

CZuButton* CZuButtonGroup::GetButtonByCmd(int command) const
{
    for (int i = 0; i < GetButtonCount(); ++i)
    {
        if (GetButton(i)->GetCommand() == command)
            return GetButton(i);
    }
    return nullptr;
}

CZuButton* CZuButtonGroup::GetButton(int index) const
{
    return static_cast<CZuButton*>(GetControl(index));
}

void CZuButtonGroup::SetButtonCount(int count)
{
    if (count < 0)
        return;
    while (GetButtonCount() < count)
        AppendButton(KPlaceholderCommand, CZuString(KPlaceholderText), nullptr, false, 0, 0);
    while (GetButtonCount() > count)
    {
        CZuButton* last = GetButton(GetButtonCount() - 1);
        iLayout->DeleteCellsOf(last);
        DeleteControl(last);
    }
    Relayout();
}

void CZuButtonGroup::SetBtnType(TZuButtonType type)
{
    iBtnType = type;
    for (int i = 0; i < GetButtonCount(); ++i)
        GetButton(i)->SetBtnType(type);
}

void CZuButtonGroup::SetBtnStyle(TZuButtonUiStyle style)
{
    iBtnStyle = style;
    for (int i = 0; i < GetButtonCount(); ++i)
    {
        GetButton(i)->SetBtnUiStyle(style);
        if (iButtonStyle)
            GetButton(i)->SetUiStyle(iButtonStyle);
    }
}

void CZuButtonGroup::SetBtnSize(const CZuSize& size)
{
    iBtnSize = size;
    for (int i = 0; i < GetButtonCount(); ++i)
        GetButton(i)->SetPredefinedSize(size);
}

void CZuButtonGroup::SetBtnSize()
{
    CZuSize largest(0, 0);
    for (int i = 0; i < GetButtonCount(); ++i)
    {
        CZuSize size = GetButton(i)->GetMinSize();
        largest.iWidth = std::max(largest.iWidth, size.iWidth);
        largest.iHeight = std::max(largest.iHeight, size.iHeight);
    }
    SetBtnSize(largest);
}

void CZuButtonGroup::SetBtnsize(int command, const CZuSize& size)
{
    if (CZuButton* button = GetButtonByCmd(command))
        button->SetPredefinedSize(size);
}

void CZuButtonGroup::SetSpace(int space)
{
    iSpace = space;
    if (iGroupType == EGroupRow)
        iLayout->SetColSpace(space);
    else
        iLayout->SetRowspace(space);
}

void CZuButtonGroup::SetBtnGroupType(TZuButtonGroupType type)
{
    iGroupType = type;
    RebuildLayout();
    Relayout();
}

void CZuButtonGroup::RebuildLayout()
{
    iLayout->DeleteAllRow();
    if (iGroupType == EGroupRow)
    {
        iLayout->SetColSpace(iSpace);
        iLayout->SetRowspace(0);
    }
    else
    {
        iLayout->SetColSpace(0);
        iLayout->SetRowspace(iSpace);
    }
    for (int i = 0; i < GetButtonCount(); ++i)
        PlaceButton(GetButton(i), 0, 0, i == 0 || iGroupType != EGroupRow);
    if (iGroupType == EGroupRow && iLayout->GetRowCount() > 0)
        iLayout->SetAlign(0, EAlignLeft);
}

CZuImage* CZuButtonGroup::SharedImage(const CZuString& file)
{
    CZuImageManager* images = CZuEnv::ImageMgr();
    return images ? images->GetImage(file, false, nullptr, 0) : nullptr;
}

void CZuButtonGroup::SetNormalImg(const CZuString& file, int value)
{
    iNormalImg.Set(SharedImage(file), true);
    iNormalImgValue = value;
}

void CZuButtonGroup::SetPressDownImg(const CZuString& file)
{
    iPressedImg.Set(SharedImage(file), true);
}

void CZuButtonGroup::SetFocusedImg(const CZuString& file)
{
    iFocusedImg.Set(SharedImage(file), true);
}

void CZuButtonGroup::SetDefaultFocusImg(const CZuString& file, int value)
{
    iDefaultFocusImg.Set(SharedImage(file), true);
    iDefaultFocusImgValue = value;
}

CZuSize CZuButtonGroup::GetMinSize()
{
    CZuSize size(0, 0);
    for (int i = 0; i < GetButtonCount(); ++i)
    {
        CZuSize button = GetButton(i)->GetMinSize();
        if (iGroupType == EGroupRow)
        {
            size.iWidth += button.iWidth;
            size.iHeight = std::max(size.iHeight, button.iHeight);
        }
        else
        {
            size.iHeight += button.iHeight;
            size.iWidth = std::max(size.iWidth, button.iWidth);
        }
    }
    // Automatic gaps (a negative space) take only what is left over.
    const int gaps = GetButtonCount() > 1 ? (GetButtonCount() - 1) * std::max(iSpace, 0) : 0;
    if (iGroupType == EGroupRow)
        size.iWidth += gaps;
    else
        size.iHeight += gaps;
    const CZuMargin& inner = InnerMargin();
    const int border = 2 * GetBorderWidth();
    size.iWidth += inner.iLeft + inner.iRight + border;
    size.iHeight += inner.iTop + inner.iBottom + border;
    return size;
}

void CZuButtonGroup::SetUiStyle(CZuUiStyleCommon* style)
{
    CZuControl::SetUiStyle(style);
    if (CZuUiStyleButtonGroup* group = dynamic_cast<CZuUiStyleButtonGroup*>(style))
        iButtonStyle = &group->iButtonStyle;
    else if (CZuUiStyleCbaBar* bar = dynamic_cast<CZuUiStyleCbaBar*>(style))
        iButtonStyle = &bar->iButtonStyle;
    if (!iButtonStyle)
        return;
    for (int i = 0; i < GetButtonCount(); ++i)
        GetButton(i)->SetUiStyle(iButtonStyle);
}

void CZuButtonGroup::SizeChanged()
{
    Relayout();
}

void CZuButtonGroup::Relayout()
{
    iLayout->SetRect(InnerRect());
    iLayout->DoLayout();
}

void CZuButtonGroup::StateChanged()
{
    CZuControl::StateChanged();
    DrawDeferred();
}

void CZuButtonGroup::Draw(CZuGc& gc, const CZuRect& rect)
{
    const CZuString text = GetText();
    if (text.IsEmpty())
        return;
    gc.SetDrawColor(Foreground());
    gc.UseFont(GetFont());
    gc.DrawTextW(text, rect, EAlignCenter, 0, 0);
    gc.DiscardFont();
}

bool CZuButtonGroup::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!CZuControl::HandleKeyEvent(event, type))
        return false;
    DrawDeferred();
    return true;
}
