#include "ZuButton.h"

#include "ZuClip.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuImage.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"
#include "ZuUiStyleButton.h"

#include <algorithm>

namespace
{
const int KCornerSize = 4;
// Between the image and the text of an image-and-text button.
const int KImageTextGap = 4;

uintptr_t CommandParam(int command)
{
    return static_cast<uintptr_t>(static_cast<intptr_t>(command));
}

// The OS type 0 shows the focused looks; others draw a focused button as a normal one.
bool IsFocusLookOs()
{
    CZuUiManager* manager = CZuEnv::UiManager();
    return !manager || manager->GetOsType() == 0;
}

CZuRgb WithAlpha(CZuRgb color, int alpha)
{
    color.SetAlpha(alpha);
    return color;
}
} // namespace

CZuButton::CZuButton(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlButton), iUiStyle(EZuBtnStyleGradient), iBtnType(EZuBtnText),
      iCommand(0)
{
    SetInnerSpace(3, 3, 5, 5);
    SetAlign(EAlignCenter);
    SetBtnUiStyle(EZuBtnStyleGradient);
}

CZuButton::~CZuButton() {}

void CZuButton::PostClick(CZuControl* control, int command, uintptr_t self)
{
    CZuEnv* env = CZuEnv::Static();
    if (!env)
        return;
    if (control->GetSendMsg() != 0)
    {
        env->PostMessageW(control->GetMsgWnd(), control->GetSendMsg(), CommandParam(command), self);
        return;
    }
    if (control->GetMsgWnd())
    {
        env->PostMessageW(control->GetMsgWnd(), EZuMsgButtonClicked, CommandParam(command), 0);
        return;
    }
    const int parentType = control->Parent() ? control->Parent()->GetType() : -1;
    unsigned type = EZuMsgButtonClicked;
    MZuMessageWnd* receiver = nullptr;
    if (parentType == EZuCtrlTabGroup)
    {
        type = EZuMsgTabClicked;
    }
    else if (parentType == EZuCtrlCba)
    {
        // A soft key without a command does nothing.
        if (command == EZuCmdNone)
            return;
        type = command == EZuCmdMenu ? unsigned(EZuMsgShowMenu) : unsigned(EZuMsgCommand);
        if (command == EZuCmdMenu)
            receiver = CZuEnv::UiManager();
    }
    env->PostMessageW(receiver, type, CommandParam(command), 0);
}

CZuSize CZuButton::MeasureText(CZuFont* font, const CZuString& text)
{
    // Whole-number factors, so that the truncation does not depend on rounding.
    return CZuSize(font->TextWidthInPixels(text) * 12 / 10, font->HeightInPixels() * 13 / 10);
}

void CZuButton::SetBtnUiStyle(TZuButtonUiStyle style)
{
    iUiStyle = style;
    // A button in a command bar or a group takes that bar's or group's button colours.
    if (CZuEnv::Static())
        SetUiStyle(CZuEnv::UiStyle()->ButtonStyleForParent(Parent() ? Parent()->GetType() : -1));
    switch (style)
    {
    case EZuBtnStyleGradient:
        SetRoundCornerSize(KCornerSize);
        SetBorderType(EZuBorderLine3);
        break;
    case EZuBtnStyleFlat:
        SetInnerSpace(0);
        SetBorderType(EZuBorderNone);
        break;
    case EZuBtnStyleFrame:
    case EZuBtnStylePlain:
    case EZuBtnStyleImages:
    case EZuBtnStyleHexagon:
        SetBorderType(EZuBorderNone);
        break;
    default:
        break;
    }
}

void CZuButton::SetCommand(int command)
{
    iCommand = command;
    SetID(command);
}

void CZuButton::Set(int command, const CZuString& text, CZuImage* image, bool owned)
{
    SetCommand(command);
    SetText(text);
    if (image)
        SetImg(image, owned);
}

void CZuButton::SetImg(CZuImage* image, bool owned)
{
    iDimmedImage.Set(nullptr, false);
    iImage.Set(image, owned);
}

void CZuButton::SetImg(const CZuString& file)
{
    CZuImage* image = new CZuImage;
    image->Load(file);
    SetImg(image, true);
}

void CZuButton::SetNormalColor(const CZuRgb& first, const CZuRgb& second)
{
    iNormalColor = {first, second};
}

void CZuButton::SetOverColor(const CZuRgb& first, const CZuRgb& second)
{
    iOverColor = {first, second};
}

void CZuButton::SetDownColor(const CZuRgb& first, const CZuRgb& second)
{
    iDownColor = {first, second};
}

void CZuButton::SetFocusedColor(const CZuRgb& first, const CZuRgb& second)
{
    iFocusedColor = {first, second};
}

void CZuButton::SetDefaultFocusedColor(const CZuRgb& first, const CZuRgb& second)
{
    iDefaultFocusedColor = {first, second};
}

void CZuButton::SetDisableColor(const CZuRgb& first, const CZuRgb& second)
{
    iDisabledColor = {first, second};
}

bool CZuButton::SetPrevPgStatus(CZuList*, bool isFirstPage)
{
    SetDisabled(isFirstPage);
    DrawDeferred();
    return isFirstPage;
}

bool CZuButton::SetNextPgStatus(CZuList*, bool isLastPage)
{
    SetDisabled(isLastPage);
    DrawDeferred();
    return isLastPage;
}

CZuSize CZuButton::GetMinSize()
{
    const CZuSize& predefined = GetPredefinedSize();
    if (predefined.iWidth > 0 && predefined.iHeight > 0)
        return predefined;
    CZuFont* font = GetFont();
    const CZuString text = GetText();
    const CZuSize image = iImage.Size();
    CZuSize size;
    switch (iBtnType)
    {
    case EZuBtnText:
        size = MeasureText(font, text);
        break;
    case EZuBtnImage:
        size = iNormalImg.IsLoaded() ? iNormalImg.Size() : image;
        break;
    case EZuBtnImageText:
        // As high as the taller of the text and the image, so that neither is cut.
        size = CZuSize(font->TextWidthInPixels(text) + image.iWidth + KImageTextGap,
                       std::max(MeasureText(font, text).iHeight, image.iHeight));
        break;
    case EZuBtnImageOverText:
        // As wide as the wider of the two, so that a caption longer than its image stays inside.
        size = CZuSize(std::max(image.iWidth, font->TextWidthInPixels(text)),
                       font->HeightInPixels() + image.iHeight);
        break;
    default:
        break;
    }
    const CZuMargin& inner = InnerMargin();
    size.iHeight += inner.iTop + inner.iBottom;
    size.iWidth += inner.iLeft + inner.iRight;
    if (iUiStyle == EZuBtnStyleFlat)
        size.iWidth += font->HeightInPixels() * 3 / 2;
    else if (iUiStyle == EZuBtnStyleImages && iNormalImg.IsLoaded())
        size = iNormalImg.Size();
    else if (iUiStyle == EZuBtnStyleHexagon)
        size.iWidth += size.iHeight;
    if (predefined.iWidth > 0)
        size.iWidth = predefined.iWidth;
    if (predefined.iHeight > 0)
        size.iHeight = predefined.iHeight;
    return size;
}

void CZuButton::SetUiStyle(CZuUiStyleCommon* style)
{
    CZuControl::SetUiStyle(style);
    CZuUiStyleButton* button = dynamic_cast<CZuUiStyleButton*>(style);
    if (!button)
        return;
    iNormalColor = {button->iNormalColor, button->iNormalColor2};
    iDownColor = {button->iDownColor, button->iDownColor2};
    iFocusedColor = {button->iFocusedBtnColor, button->iFocusedBtnColor2};
    iDefaultFocusedColor = {button->iDefaultFocusedColor, button->iDefaultFocusedColor2};
    iDisabledColor = {button->iDisabledColor, button->iDisabledColor2};
}

void CZuButton::StateChanged()
{
    // A disabled button posts nothing, whoever set its state.
    if (GetState() == EZuStateReleased && !IsDisabled())
        PostClick(this, iCommand, CZuMessage::MakeParam(this));
    DrawDeferred();
}

bool CZuButton::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    return HandleClickKey(event, type);
}

bool CZuButton::HandlePointerEventL(const TZuPointerEvent& event)
{
    return HandleClickPointer(event);
}

// Drawing

int CZuButton::Corner() const
{
    int tl, tr, bl, br;
    RoundCornerSize(tl, tr, bl, br);
    return tl;
}

bool CZuButton::FocusLooksShown() const
{
    return GetState() == EZuStateFocused && IsFocusLookOs();
}

void CZuButton::Draw(CZuGc& gc, const CZuRect&)
{
    // The look covers the whole button; the content keeps the inner spaces as its margins.
    const CZuRect rect = Rect();
    if (rect.IsEmpty() || (iBtnType == EZuBtnText && GetText().IsEmpty()))
        return;
    DrawLook(gc, rect);
    // Content larger than the button is cut at its edges rather than drawn over its neighbours.
    if (!CZuClip::Push(gc, rect))
        return;
    DrawContent(gc, rect);
    CZuClip::Pop(gc);
}

void CZuButton::DrawLook(CZuGc& gc, const CZuRect& rect)
{
    const int c = Corner();
    switch (iUiStyle)
    {
    case EZuBtnStyleFrame:
        if (GetState() == EZuStatePointerOver)
            CZuDrawUtil::DrawRectWithBorder(gc, rect, iNormalColor.iFirst.GetNewColor(-30, 30),
                                            GetBorderColor());
        else if (GetState() == EZuStatePressed)
            CZuDrawUtil::DrawRoundRect(gc, rect, c, iDownColor.iFirst, iFocusedColor.iFirst);
        else if (FocusLooksShown())
            CZuDrawUtil::DrawRoundRect(gc, rect, c, iFocusedColor.iFirst, iDownColor.iFirst);
        break;
    case EZuBtnStylePlain:
        break;
    case EZuBtnStyleGradient:
        DrawGradientLook(gc, rect);
        break;
    case EZuBtnStyleImages:
        DrawImageLook(gc, rect);
        break;
    case EZuBtnStyleHexagon:
    {
        const int h = rect.Height();
        const int l = rect.iTl.iX, t = rect.iTl.iY, r = rect.iBr.iX, b = rect.iBr.iY, cy = (t + b) / 2;
        const CZuPoint points[6] = {CZuPoint(l + h / 2, t), CZuPoint(l, cy), CZuPoint(l + h / 2, b),
                                    CZuPoint(r - h / 2, b), CZuPoint(r, cy), CZuPoint(r - h / 2, t)};
        CZuRgb color = iNormalColor.iFirst;
        if (IsDisabled())
            color = iDisabledColor.iFirst;
        else if (GetState() == EZuStatePressed)
            color = iDownColor.iFirst;
        else if (GetState() == EZuStateFocused)
            color = iFocusedColor.iFirst;
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(color);
        gc.DrawPolygon(points, 6);
        break;
    }
    case EZuBtnStyleFlat:
        DrawFlatLook(gc);
        break;
    default:
        DrawFallbackLook(gc, rect);
        break;
    }
}

void CZuButton::DrawGradientLook(CZuGc& gc, const CZuRect& rect)
{
    const int c = Corner();
    const IZuGc::TGradualType vertical = IZuGc::EGradualVertical;
    switch (GetState())
    {
    case EZuStateNormal:
        CZuDrawUtil::FillRoundRect(gc, rect, c, iNormalColor.iFirst, iNormalColor.iSecond, vertical);
        CZuDrawUtil::OutlineRoundRect(gc, rect, c, GetBorderColor());
        break;
    case EZuStatePointerOver:
        CZuDrawUtil::FillRoundRect(gc, rect, c - 1, iNormalColor.iSecond, iNormalColor.iFirst, vertical);
        break;
    case EZuStatePressed:
        CZuDrawUtil::FillRoundRect(gc, rect, c, iDownColor.iFirst, iDownColor.iSecond, vertical);
        break;
    case EZuStateDefaultFocus:
        CZuDrawUtil::FillRoundRect(gc, rect, c, iDefaultFocusedColor.iFirst, iDefaultFocusedColor.iSecond,
                                   vertical);
        break;
    case EZuStateFocused:
        CZuDrawUtil::FillRoundRect(gc, rect, c - 1, iFocusedColor.iFirst, iFocusedColor.iSecond, vertical);
        break;
    default:
        break;
    }
    if (!IsDisabled())
        return;
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(iDisabledColor.iFirst);
    gc.DrawRoundRect(rect, c);
}

void CZuButton::DrawImageLook(CZuGc& gc, const CZuRect& rect)
{
    CZuImage* image = nullptr;
    switch (GetState())
    {
    case EZuStatePointerOver:
        image = iOverImg.Get();
        break;
    case EZuStatePressed:
        image = iPressedImg.Get();
        break;
    case EZuStateFocused:
        image = IsFocusLookOs() ? iFocusedImg.Get() : iNormalImg.Get();
        break;
    case EZuStateNormal:
    case EZuStateDefaultFocus:
        image = iNormalImg.Get();
        break;
    default:
        break;
    }
    CZuDrawUtil::DrawCentredImage(gc, rect, image);
    if (IsDisabled())
        CZuDrawUtil::DrawCentredImage(gc, rect, iDisabledImg.Get());
}

void CZuButton::DrawFlatLook(CZuGc& gc)
{
    const CZuRect inner = InnerRect();
    CZuRgb fill(127, 127, 127);
    CZuRgb outline(127, 127, 127);
    if (IsDisabled())
    {
        CZuDrawUtil::DrawRectWithBorder(gc, inner, iDisabledColor.iFirst, iDisabledColor.iFirst);
        return;
    }
    switch (GetState())
    {
    case EZuStatePointerOver:
        fill = iNormalColor.iFirst.GetNewColor(-10, 50);
        outline = GetBorderColor();
        break;
    case EZuStateNormal:
        fill = outline = iNormalColor.iFirst;
        break;
    case EZuStatePressed:
        fill = outline = iDownColor.iFirst;
        break;
    case EZuStateDefaultFocus:
        fill = outline = iDefaultFocusedColor.iFirst;
        break;
    case EZuStateFocused:
        fill = outline = iFocusedColor.iFirst;
        break;
    default:
        break;
    }
    CZuDrawUtil::DrawRectWithBorder(gc, inner, fill, outline);
}

void CZuButton::DrawFallbackLook(CZuGc& gc, const CZuRect& rect)
{
    if (IsDisabled())
    {
        CZuDrawUtil::DrawRectWithBorder(gc, rect, iDisabledColor.iFirst, iDisabledColor.iFirst);
        return;
    }
    switch (GetState())
    {
    case EZuStateNormal:
    {
        const CZuRgb color = WithAlpha(iNormalColor.iFirst, 130);
        CZuDrawUtil::DrawRectWithBorder(gc, rect, color, color);
        break;
    }
    case EZuStatePointerOver:
    {
        const CZuRgb color = iNormalColor.iFirst.GetNewColor(30, -30);
        CZuDrawUtil::DrawRectWithBorder(gc, rect, color, color);
        break;
    }
    case EZuStatePressed:
        CZuDrawUtil::DrawRectWithBorder(gc, rect, iDownColor.iFirst, iDownColor.iFirst);
        break;
    case EZuStateDefaultFocus:
    {
        const CZuRgb color = WithAlpha(iDefaultFocusedColor.iFirst, 50);
        CZuDrawUtil::DrawRectWithBorder(gc, rect, color, color);
        break;
    }
    case EZuStateFocused:
    {
        CZuDrawUtil::DrawRectWithBorder(gc, rect, iFocusedColor.iFirst, iFocusedColor.iFirst);
        CZuRect inside = rect;
        inside.Grow(-1, -1);
        CZuDrawUtil::DrawRectWithBorder(gc, inside, iFocusedColor.iFirst, BgFocusedColor());
        break;
    }
    default:
        break;
    }
}

void CZuButton::DrawContent(CZuGc& gc, const CZuRect& rect)
{
    switch (iBtnType)
    {
    case EZuBtnText:
        DrawCaption(gc, rect);
        break;
    case EZuBtnImage:
        CZuDrawUtil::DrawCentredImage(gc, rect, ContentImage());
        break;
    case EZuBtnImageText:
    {
        // Image and text side by side, placed together by the alignment, so that they never overlap.
        CZuFont* font = GetFont();
        const CZuSize image = iImage.Size();
        const int gap = image.iWidth > 0 ? KImageTextGap : 0;
        const int width = image.iWidth + gap + font->TextWidthInPixels(GetText());
        const CZuMargin& inner = InnerMargin();
        int left = rect.iTl.iX + (rect.Width() - width) / 2;
        if (GetAlign() == EAlignLeft)
            left = rect.iTl.iX + inner.iLeft;
        else if (GetAlign() == EAlignRight)
            left = rect.iBr.iX - inner.iRight - width;
        CZuRect imageRect(left, rect.iTl.iY, left + image.iWidth, rect.iBr.iY);
        CZuDrawUtil::DrawCentredImage(gc, imageRect, ContentImage());
        CZuRect textRect(left + image.iWidth + gap, rect.iTl.iY, rect.iBr.iX, rect.iBr.iY);
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetDrawColor(CaptionColour());
        gc.UseFont(font);
        gc.DrawTextW(GetText(), textRect, EAlignLeft, 0, 0);
        gc.DiscardFont();
        break;
    }
    case EZuBtnImageOverText:
    {
        CZuRect inside = rect;
        const int shrink = rect.Height() / 12;
        inside.Grow(-shrink, -shrink);
        const int textHeight = GetFont()->HeightInPixels() + 2;
        CZuRect textRect(inside.iTl.iX, inside.iBr.iY - textHeight, inside.iBr.iX, inside.iBr.iY);
        CZuRect imageRect(inside.iTl.iX, inside.iTl.iY, inside.iBr.iX, textRect.iTl.iY);
        CZuDrawUtil::DrawCentredImage(gc, imageRect, ContentImage());
        DrawCaption(gc, textRect);
        break;
    }
    default:
        break;
    }
}

void CZuButton::DrawCaption(CZuGc& gc, const CZuRect& rect)
{
    const CZuString text = GetText();
    const TZuAlign align = GetAlign();
    if (text.IsEmpty() || (align != EAlignLeft && align != EAlignCenter && align != EAlignRight))
        return;
    const CZuMargin& inner = InnerMargin();
    const int margin = align == EAlignLeft ? inner.iLeft : (align == EAlignRight ? inner.iRight : 0);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(CaptionColour());
    gc.UseFont(GetFont());
    gc.DrawTextW(text, rect, align, 0, margin);
    gc.DiscardFont();
}

bool CZuButton::LookFill(CZuRgb& fill) const
{
    const TZuControlState state = GetState();
    const bool disabled = IsDisabled();
    switch (iUiStyle)
    {
    case EZuBtnStyleFrame:
        if (state == EZuStatePointerOver)
            fill = iNormalColor.iFirst.GetNewColor(-30, 30);
        else if (state == EZuStatePressed)
            fill = iDownColor.iFirst;
        else if (FocusLooksShown())
            fill = iFocusedColor.iFirst;
        else
            return false;
        return true;
    case EZuBtnStyleGradient:
    {
        const TColorPair* pair = &iNormalColor;
        if (disabled)
            pair = &iDisabledColor;
        else if (state == EZuStatePressed)
            pair = &iDownColor;
        else if (state == EZuStateDefaultFocus)
            pair = &iDefaultFocusedColor;
        else if (state == EZuStateFocused)
            pair = &iFocusedColor;
        else if (state != EZuStateNormal && state != EZuStatePointerOver)
            return false;
        fill = CZuDrawUtil::MixColour(pair->iFirst, pair->iSecond, 50);
        return true;
    }
    case EZuBtnStyleHexagon:
        fill = disabled                   ? iDisabledColor.iFirst
               : state == EZuStatePressed ? iDownColor.iFirst
               : state == EZuStateFocused ? iFocusedColor.iFirst
                                          : iNormalColor.iFirst;
        return true;
    case EZuBtnStylePlain:
    case EZuBtnStyleImages:
        return false;
    default:
        break;
    }
    // The flat look and the fallback.
    if (disabled)
    {
        fill = iDisabledColor.iFirst;
        return true;
    }
    switch (state)
    {
    case EZuStateNormal:
        fill = iNormalColor.iFirst;
        return true;
    case EZuStatePointerOver:
        fill = iUiStyle == EZuBtnStyleFlat ? iNormalColor.iFirst.GetNewColor(-10, 50)
                                           : iNormalColor.iFirst.GetNewColor(30, -30);
        return true;
    case EZuStatePressed:
        fill = iDownColor.iFirst;
        return true;
    case EZuStateDefaultFocus:
        fill = iDefaultFocusedColor.iFirst;
        return true;
    case EZuStateFocused:
        fill = iFocusedColor.iFirst;
        return true;
    default:
        return false;
    }
}

CZuImage* CZuButton::ContentImage()
{
    if (!IsDisabled() || !iImage.IsLoaded())
        return iImage.Get();
    CZuRgb fill;
    const bool known = LookFill(fill);
    if (!iDimmedImage.Get() || !(iDimmedFill == fill))
    {
        iDimmedImage.Set(known ? CZuDrawUtil::DimmedImageOn(*iImage.Get(), fill)
                               : CZuDrawUtil::DimmedImage(*iImage.Get()),
                         true);
        iDimmedFill = fill;
    }
    return iDimmedImage.Get() ? iDimmedImage.Get() : iImage.Get();
}

CZuRgb CZuButton::CaptionColour() const
{
    CZuRgb fill;
    const bool known = LookFill(fill);
    if (IsDisabled())
        return known ? CZuDrawUtil::DimmedOn(Foreground(), fill) : CZuDrawUtil::Dimmed(Foreground());
    return known ? CZuDrawUtil::ReadableOn(Foreground(), fill) : Foreground();
}
