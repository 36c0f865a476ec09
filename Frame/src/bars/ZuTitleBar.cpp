#include "ZuTitleBar.h"

#include "ZuButton.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"
#include "ZuWindow.h"

#include <algorithm>
#include <cstdint>

namespace
{
// The indicator's font size in percent, and its distance from the bar's right end.
const int KIndicatorFontSize = 80;
const int KIndicatorMargin = 5;
// Text that is not centred keeps this far from the bar's ends.
const int KTitleMargin = 2;
// The menu button keeps this far left of the control at the right end.
const int KMenuNavGap = 10;
// The right-hand control ends this many of its heights before the bar's right edge.
const double KRightControlInset = 0.6;
// The ids of the toolkit's indicator texts for Chinese and English input.
const int KStringChinese = 0x5A55000B;
const int KStringEnglish = 0x5A55000C;

// The text of an input mode's indicator.
CZuString IndicatorText(TAknEditingState state)
{
    switch (state)
    {
    case EStateNone:
    case ENumericOff:
        return CZuString();
    case ET9Upper:
        return CZuString("T9");
    case ET9Lower:
        return CZuString("t9");
    case ENumeric:
        return CZuString("123");
    case ELatinUpper:
        return CZuString("ABC");
    case ELatinLower:
        return CZuString("abc");
    case ELatinText:
        return CZuString("Abc");
    case EChinese:
        return CZuEnv::GetString(KStringChinese);
    case EPinyin:
        return CZuString("ZhY");
    case EEnglish:
        return CZuEnv::GetString(KStringEnglish);
    default:
        return CZuString("un");
    }
}

// Two 16-bit signed values in one parameter, x high and y low. They are cut to 16 bits as unsigned
// numbers, so a negative value never reaches a shift.
uintptr_t PackPoint(int x, int y)
{
    const uint32_t high = static_cast<uint16_t>(x);
    const uint32_t low = static_cast<uint16_t>(y);
    return static_cast<uintptr_t>((high << 16) | low);
}
} // namespace

CZuTitleBar::CZuTitleBar(CZuControl* parent, bool addToParent)
    : CZuControl(parent, addToParent, EZuCtrlTitleBar), iAppIcon(nullptr), iAppIconOwned(false),
      iShowAppIcon(false), iTitleImage(nullptr), iTitleImageOwned(false), iMenuNav(nullptr),
      iRightControl(nullptr), iDragging(false)
{
    SetReadOnly(true);
    SetShowBackground(true, true, IZuGc::EGradualVertical);
    if (!CZuEnv::Static())
        return;
    SetUiStyle(&CZuEnv::UiStyle()->iTitleBar);
    CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontTitle, 100, false);
    SetFont(font);
    CZuEnv::FontMgr()->ReleaseFont(font);
}

CZuTitleBar::~CZuTitleBar()
{
    // The window is not touched here: a root control deletes its window before its children.
    iDragging = false;
    iScaledIcon.Reset();
    iScaledTitle.Reset();
    ReleaseImage(iAppIcon, iAppIconOwned);
    ReleaseImage(iTitleImage, iTitleImageOwned);
}

void CZuTitleBar::ReleaseImage(CZuImage*& image, bool& owned)
{
    if (owned)
        CZuEnv::ReleaseImage(image);
    image = nullptr;
    owned = false;
}

void CZuTitleBar::ReplaceImage(CZuImage*& slot, bool& slotOwned, CZuScaledImage& scaled, CZuImage* image,
                               bool owned)
{
    if (image != slot)
    {
        scaled.Reset();
        ReleaseImage(slot, slotOwned);
    }
    slot = image;
    slotOwned = image && owned;
    DrawDeferred();
}

void CZuTitleBar::SetShowAppIcon(bool show)
{
    iShowAppIcon = show;
    DrawDeferred();
}

void CZuTitleBar::SetAppIcon(const CZuString& file)
{
    CZuImage* icon = new CZuImage;
    icon->Load(file);
    icon->CreateMask();
    SetAppIcon(icon, true);
}

void CZuTitleBar::SetAppIcon(CZuImage* icon, bool owned)
{
    ReplaceImage(iAppIcon, iAppIconOwned, iScaledIcon, icon, owned);
}

void CZuTitleBar::SetTitle(const CZuString& title)
{
    SetText(title);
}

void CZuTitleBar::SetTitle(CZuImage* title, bool owned)
{
    ReplaceImage(iTitleImage, iTitleImageOwned, iScaledTitle, title, owned);
}

void CZuTitleBar::SetText(const CZuString& text)
{
    iTitle = text;
    DrawDeferred();
}

CZuString CZuTitleBar::GetText()
{
    return iTitle;
}

void CZuTitleBar::ReplaceChild(CZuControl* old, CZuControl* control)
{
    if (old && old != control && FindControl(old) >= 0)
        DeleteControl(old);
    if (control && FindControl(control) < 0)
        AddControl(control);
}

void CZuTitleBar::SetMenuNav(CZuButton* button)
{
    ReplaceChild(iMenuNav, button);
    iMenuNav = button;
    SizeChanged();
}

void CZuTitleBar::SetRightControl(CZuControl* control)
{
    ReplaceChild(iRightControl, control);
    iRightControl = control;
    SizeChanged();
}

void CZuTitleBar::SetInputMethodState(TAknEditingState state)
{
    iInputMethodText = IndicatorText(state);
    DrawDeferred();
}

CZuSize CZuTitleBar::GetMinSize()
{
    return iTitleImage ? iTitleImage->Size() : CZuControl::GetMinSize();
}

void CZuTitleBar::SizeChanged()
{
    const CZuRect inner = InnerRect();
    int right = inner.iBr.iX;
    if (iRightControl)
    {
        // The right-hand control keeps its natural size, centred on the bar's height.
        const CZuSize size = iRightControl->GetMinSize();
        const int end = inner.iBr.iX - static_cast<int>(KRightControlInset * size.iHeight);
        const int top = inner.iTl.iY + (inner.Height() - size.iHeight) / 2;
        iRightControl->SetRect(CZuRect(CZuPoint(end - size.iWidth, top), size));
        right = end - size.iWidth;
    }
    if (iMenuNav)
    {
        const CZuSize size = iMenuNav->GetMinSize();
        iMenuNav->SetRect(CZuRect(CZuPoint(right - KMenuNavGap - size.iWidth, inner.iTl.iY), size));
    }
}

void CZuTitleBar::Draw(CZuGc& gc, const CZuRect& rect)
{
    CZuRect textArea = rect;
    // The title and the indicator end where the bar's own controls begin, so nothing overlaps them.
    for (CZuControl* control : {static_cast<CZuControl*>(iMenuNav), iRightControl})
    {
        if (control && control->IsVisible())
            textArea.iBr.iX = std::min(textArea.iBr.iX, control->Position().iX);
    }
    if (iShowAppIcon && iAppIcon)
    {
        const CZuSize square(rect.Height(), rect.Height());
        if (CZuImage* icon = iScaledIcon.Get(iAppIcon, square))
            gc.DrawImage(rect.iTl, icon);
        textArea.iTl.iX += square.iWidth + CZuFont::GetNormalHeight() / 2;
    }
    if (iTitleImage)
    {
        if (CZuImage* title = iScaledTitle.Get(iTitleImage, textArea.Size()))
            gc.DrawImage(textArea.iTl, title);
    }
    if (!iTitle.IsEmpty())
    {
        gc.UseFont(GetFont());
        gc.SetDrawColor(Foreground());
        gc.DrawTextW(iTitle, textArea, GetAlign(), 0, GetAlign() == EAlignCenter ? 0 : KTitleMargin);
        gc.DiscardFont();
    }
    DrawIndicator(gc, textArea);
}

void CZuTitleBar::DrawIndicator(CZuGc& gc, const CZuRect& textArea)
{
    if (iInputMethodText.IsEmpty() || !CZuEnv::Static())
        return;
    CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontUi, KIndicatorFontSize, false);
    const int top = textArea.iBr.iY - font->HeightInPixels() - 1;
    gc.UseFont(font);
    gc.SetDrawColor(Foreground());
    gc.DrawTextW(iInputMethodText, CZuRect(textArea.iTl.iX, top, textArea.iBr.iX, textArea.iBr.iY),
                 EAlignRight, 0, KIndicatorMargin);
    gc.DiscardFont();
    CZuEnv::FontMgr()->ReleaseFont(font);
}

bool CZuTitleBar::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (iDragging)
    {
        switch (event.iType)
        {
        case EZuPointerDrag:
            FollowPointer();
            return true;
        case EZuPointerUp:
            FollowPointer();
            EndDrag();
            return true;
        default:
            // A move without the button, or a new press: the release went where the bar never saw it.
            EndDrag();
            break;
        }
    }
    if (CZuControl::HandlePointerEventL(event))
        return true;
    CZuUiManager* manager = CZuEnv::UiManager();
    if (event.iType != EZuPointerDown || !IsVisible() || !HitTest(event.iPosition) || !manager ||
        !manager->CanMoveUi())
        return false;
    StartDrag(event.iPosition);
    return true;
}

void CZuTitleBar::StartDrag(const CZuPoint& press)
{
    iDragging = true;
    iPressPoint = press;
    if (SelfWindow())
        SelfWindow()->SetCapture();
}

void CZuTitleBar::FollowPointer()
{
    CZuEnv* env = CZuEnv::Static();
    if (!env || !SelfWindow())
        return;
    const CZuPoint cursor = SelfWindow()->GetScreenCursorPos();
    env->SendMessageW(nullptr, EZuMsgMoveWindow, 0,
                      PackPoint(cursor.iX - iPressPoint.iX, cursor.iY - iPressPoint.iY));
}

void CZuTitleBar::EndDrag()
{
    if (!iDragging)
        return;
    iDragging = false;
    if (SelfWindow())
        SelfWindow()->ReleaseCapture();
}
