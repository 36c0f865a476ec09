#include "ZuControl.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuKeyCode.h"
#include "ZuLayout.h"
#include "ZuMessageProcessor.h"
#include "ZuUiManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"
#include "ZuWindow.h"

#include <algorithm>

// The look of one control: its border, corners and colours.
struct TZuCtrlAppearance
{
    TZuBorderType iBorderType = EZuBorderNone;
    int iBorderWidth = 0;
    unsigned short iCornerTl = 0;
    unsigned short iCornerTr = 0;
    unsigned short iCornerBl = 0;
    unsigned short iCornerBr = 0;
    // Kept and copied; the base control does not read it.
    int iReserved = -1;
    bool iFocusLoop = false;
    CZuRgb iForeground = CZuRgb(0xFFFFFFu);
    CZuRgb iBackground = CZuRgb(0x555555u);
    CZuRgb iBackgroundTo = CZuRgb(0xAAAAAAu);
    CZuRgb iBgOver = CZuRgb(0x777777u);
    CZuRgb iBgDown = CZuRgb(0x333333u);
    CZuRgb iBgFocused = CZuRgb(245, 157, 86);
    CZuRgb iBgDisabled = CZuRgb(0x999999u);
    // Kept and copied; the base control does not read it.
    CZuRgb iFurther = CZuRgb(0u);
    CZuRgb iBorder = CZuRgb(0x555555u);
    int iReserved2 = 0;
};

CZuControl::CZuControl(CZuControl* parent, bool addToParent, TZuControlType type)
    : iWindow(parent ? parent->iWindow : nullptr), iDeleteWindow(false), iParent(parent)
{
    Init(type);
    if (parent && addToParent)
        parent->AddControl(this);
}

CZuControl::CZuControl(CZuWindow* window) : iWindow(window), iDeleteWindow(true), iParent(nullptr)
{
    Init(EZuCtrlWindow);
}

void CZuControl::Init(TZuControlType type)
{
    iType = type;
    iMinHeight = -1;
    iState = EZuStateNormal;
    iReadOnly = false;
    iDisabled = false;
    iVisible = true;
    iClip = false;
    iForeTransDegree = 0;
    iBgTransDegree = 0;
    iShowBackground = false;
    iGradientBackground = false;
    iGradualType = IZuGc::EGradualVertical;
    iFont = nullptr;
    iAlign = EAlignLeft;
    iPrevCtrlKey = EZuKeyLeft;
    iNextCtrlKey = EZuKeyRight;
    iPrevRowKey = EZuKeyUp;
    iNextRowKey = EZuKeyDown;
    iCtrlsPerRow = 1;
    iFocusIndex = 0;
    iDispLevel = 0;
    iMsgWnd = nullptr;
    iSendMsg = 0;
    iTransformEffect = EZuTransNone;
    iSavedState = EZuStateNormal;
    iDragEdge = EZuEdgeNone;
    iEnterDown = false;
    iPointerPressed = false;
    iAppearance = new TZuCtrlAppearance;
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iCommon);
}

CZuControl::~CZuControl()
{
    // A queued message may name this control as its object (a click, an anchor); it must not reach it.
    CZuMessageProcessor::ForgetParamObjectForAll(this);
    ClearAllFocus();
    if (iDeleteWindow)
        delete iWindow;
    SetBackgroundImg(nullptr, false);
    CZuEnv::ReleaseFont(iFont);
    DeleteAllControl();
    delete iAppearance;
}

void CZuControl::SetText(const CZuString& text)
{
    iText = text;
}

CZuString CZuControl::GetText()
{
    return iText;
}

CZuSize CZuControl::GetMinSize()
{
    if (iPredefinedSize.iWidth > 0 && iPredefinedSize.iHeight > 0)
        return iPredefinedSize;
    if (iBackgroundImg.Get())
        return iBackgroundImg.Get()->Size();
    CZuFont* font = GetFont();
    int width = font->TextWidthInPixels(GetText()) + iInnerSpace.iLeft + iInnerSpace.iRight + 2;
    int height = font->HeightInPixels() + iInnerSpace.iTop + iInnerSpace.iBottom + 2;
    return CZuSize(std::max(width, iPredefinedSize.iWidth), std::max(height, iPredefinedSize.iHeight));
}

void CZuControl::SetUiStyle(CZuUiStyleCommon* style)
{
    if (!style)
        return;
    iAppearance->iForeground = style->iForeground;
    iAppearance->iBackground = style->iBackground;
    iAppearance->iBackgroundTo = style->iBackgroundTo;
    iAppearance->iBorder = style->iBorderColor;
    iAppearance->iBgFocused = style->iFocusedColor;
    iForeTransDegree = style->iForeTransDegree;
    SetBgTransDegree(style->iBgTransDegree);
}

CZuString* CZuControl::GetCurStatusData()
{
    return nullptr;
}

void CZuControl::SetCurStatusData(CZuString*) {}

void CZuControl::SetFont(CZuFont* font)
{
    if (font == iFont)
        return;
    if (font)
        font->AddRef();
    CZuEnv::ReleaseFont(iFont);
    iFont = font;
}

CZuFont* CZuControl::GetFont()
{
    if (!iFont)
        iFont = CZuEnv::AcquireFont(EFontUi, 100, false);
    return iFont;
}

bool CZuControl::HitTest(const CZuPoint& point)
{
    return Rect().Contains(point);
}

CZuRect CZuControl::FocusRect()
{
    return Rect();
}

void CZuControl::SizeChanged() {}

void CZuControl::StateChanged()
{
    if (iState == EZuStateFocused)
        ResetFocus();
    else
        ClearAllFocus();
}

void CZuControl::Draw(CZuGc&, const CZuRect&) {}

bool CZuControl::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (GetControlCount() == 0)
        return false;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        bool offered = child->GetState() != EZuStateNormal || child->GetType() == EZuCtrlCba;
        if (offered && child->HandleKeyEvent(event, type))
            return true;
    }
    if (type == EZuKeyEventKey)
        return MoveFocus(event, type);
    return false;
}

bool CZuControl::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled())
        return false;
    if (GetBorderType() == EZuBorderResizable)
        HandleFrameEvent(event);
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->IsVisible() && child->HandlePointerEventL(event))
            return true;
    }
    return false;
}

bool CZuControl::HandleMessage(CZuMessage*)
{
    return false;
}

// Children

void CZuControl::AddControl(CZuControl* control)
{
    if (!control)
        return;
    iChildren.Append(control);
    control->SetParent(this);
}

void CZuControl::InsertControl(int index, CZuControl* control)
{
    if (!control || index < 0 || index > GetControlCount())
        return;
    iChildren.Insert(index, control);
    control->SetParent(this);
}

CZuControl* CZuControl::RemoveControl(int index)
{
    if (index < 0 || index >= GetControlCount())
        return nullptr;
    CZuControl* child = static_cast<CZuControl*>(iChildren.Remove(index));
    if (child && child->iParent == this)
        child->iParent = nullptr;
    return child;
}

void CZuControl::RemoveControl(CZuControl* control)
{
    if (FindControl(control) < 0)
        return;
    iChildren.Remove(control);
    if (control->iParent == this)
        control->iParent = nullptr;
}

void CZuControl::DeleteControl(int index)
{
    if (index >= 0 && index < GetControlCount())
        iChildren.Delete(index);
}

void CZuControl::DeleteControl(CZuControl* control)
{
    DeleteControl(FindControl(control));
}

void CZuControl::DeleteAllControl()
{
    iChildren.DeleteAll();
}

int CZuControl::FindControl(CZuControl* control) const
{
    return control ? iChildren.Find(control) : -1;
}

int CZuControl::GetControlCount() const
{
    return iChildren.GetCount();
}

CZuControl* CZuControl::GetControl(int index) const
{
    if (index < 0 || index >= GetControlCount())
        return nullptr;
    return static_cast<CZuControl*>(iChildren.GetAt(index));
}

CZuControl* CZuControl::GetControlByID(int id) const
{
    for (int i = 0; i < GetControlCount(); ++i)
    {
        if (GetControl(i)->GetID() == id)
            return GetControl(i);
    }
    return nullptr;
}

CZuControl* CZuControl::GetControlBy(const CZuPoint& point)
{
    // A hidden control hides its children too.
    if (!IsVisible())
        return nullptr;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* found = GetControl(i)->GetControlBy(point);
        if (found)
            return found;
    }
    return Rect().Contains(point) ? this : nullptr;
}

CZuControl* CZuControl::GetControlBy(const CZuPoint& point, int level)
{
    if (!IsVisible())
        return nullptr;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* found = GetControl(i)->GetControlBy(point, level);
        if (found)
            return found;
    }
    return iDispLevel >= level && Rect().Contains(point) ? this : nullptr;
}

void CZuControl::SetParent(CZuControl* parent)
{
    iParent = parent;
    if (!parent)
        return;
    if (iDeleteWindow && iWindow != parent->iWindow)
        delete iWindow;
    iWindow = parent->iWindow;
    iDeleteWindow = false;
}

void CZuControl::SetSelfWindow(CZuWindow* window, bool owned)
{
    if (iDeleteWindow && iWindow != window)
        delete iWindow;
    iWindow = window;
    iDeleteWindow = owned;
}

// Layouts

void CZuControl::AddLayout(CZuLayout* layout)
{
    if (layout)
        iLayouts.Append(layout);
}

void CZuControl::DeleteAllLayout()
{
    iLayouts.DeleteAll();
}

int CZuControl::GetLayoutCount() const
{
    return iLayouts.GetCount();
}

CZuLayout* CZuControl::GetLayout(int index) const
{
    if (index < 0 || index >= iLayouts.GetCount())
        return nullptr;
    return static_cast<CZuLayout*>(iLayouts.GetAt(index));
}

// Geometry

void CZuControl::SetRect(const CZuRect& rect)
{
    iPosition = rect.iTl;
    iSize = rect.Size();
    SizeChanged();
}

void CZuControl::SetPosition(const CZuPoint& position)
{
    iPosition = position;
}

void CZuControl::SetExtent(const CZuPoint& position, const CZuSize& size)
{
    SetRect(CZuRect(position, size));
}

void CZuControl::SetSize(const CZuSize& size)
{
    iSize = size;
    SizeChanged();
}

CZuRect CZuControl::Rect() const
{
    return CZuRect(iPosition, iSize);
}

void CZuControl::SetInnerSpace(int top, int bottom, int left, int right)
{
    iInnerSpace.Set(top, bottom, left, right);
}

void CZuControl::SetInnerSpace(int all)
{
    iInnerSpace.Set(all, all, all, all);
}

CZuRect CZuControl::InnerRect() const
{
    int border = iAppearance->iBorderWidth;
    CZuPoint topLeft(iPosition.iX + iInnerSpace.iLeft + border, iPosition.iY + iInnerSpace.iTop + border);
    return CZuRect(topLeft, InnerSize());
}

CZuSize CZuControl::InnerSize() const
{
    int border = 2 * iAppearance->iBorderWidth;
    return CZuSize(iSize.iWidth - iInnerSpace.iLeft - iInnerSpace.iRight - border,
                   iSize.iHeight - iInnerSpace.iTop - iInnerSpace.iBottom - border);
}

int CZuControl::GetMinHeight()
{
    if (iPredefinedSize.iHeight > 0)
        return iPredefinedSize.iHeight;
    return GetMinSize().iHeight;
}

void CZuControl::SetMinSize(const CZuSize&) {}

void CZuControl::SetRoundCornerSize(int all)
{
    SetRoundCornerSize(all, all, all, all);
}

void CZuControl::SetRoundCornerSize(int topLeft, int topRight, int bottomLeft, int bottomRight)
{
    iAppearance->iCornerTl = static_cast<unsigned short>(topLeft);
    iAppearance->iCornerTr = static_cast<unsigned short>(topRight);
    iAppearance->iCornerBl = static_cast<unsigned short>(bottomLeft);
    iAppearance->iCornerBr = static_cast<unsigned short>(bottomRight);
}

void CZuControl::RoundCornerSize(int& topLeft, int& topRight, int& bottomLeft, int& bottomRight) const
{
    topLeft = iAppearance->iCornerTl;
    topRight = iAppearance->iCornerTr;
    bottomLeft = iAppearance->iCornerBl;
    bottomRight = iAppearance->iCornerBr;
}

int CZuControl::RoundCornerSizeTr() const
{
    return iAppearance->iCornerTr;
}

// State

bool CZuControl::IsReadOnly() const
{
    if (iReadOnly)
        return true;
    if (GetControlCount() == 0)
        return false;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        if (!GetControl(i)->IsReadOnly())
            return false;
    }
    return true;
}

bool CZuControl::IsDisabled() const
{
    if (iDisabled)
        return true;
    if (GetControlCount() == 0)
        return false;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        if (!GetControl(i)->IsDisabled())
            return false;
    }
    return true;
}

void CZuControl::SetBgTransDegree(int degree)
{
    iBgTransDegree = degree;
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->SetBgTransDegree(degree);
}

void CZuControl::SetShowBackground(bool show, bool gradient, IZuGc::TGradualType type)
{
    iShowBackground = show;
    iGradientBackground = gradient;
    iGradualType = type;
}

void CZuControl::SetBackgroundImg(CZuImage* image, bool owned)
{
    iBackgroundImg.Set(image, owned);
}

void CZuControl::UpdateUiStyle()
{
    if (CZuEnv::Static())
    {
        CZuUiStyle* styles = CZuEnv::UiStyle();
        switch (iType)
        {
        case EZuCtrlButton:
            // The command bar's and the groups' buttons keep the button part of their parent's record.
            SetUiStyle(styles->ButtonStyleForParent(iParent ? iParent->GetType() : -1));
            break;
        case EZuCtrlLabel:
        case EZuCtrlButtonGroup:
        case EZuCtrlTabGroup:
        case EZuCtrlPromptBar:
        case EZuCtrlList:
        case EZuCtrlScrollList:
        case EZuCtrlCba:
        case EZuCtrlTitleBar:
        case EZuCtrlMenuBar:
        case EZuCtrlDialog:
            SetUiStyle(styles->StyleForControlType(iType));
            break;
        case EZuCtrlEdit:
        case EZuCtrlProgressBar:
        case EZuCtrlImageBox:
        case EZuCtrlDateBox:
        case EZuCtrlPane:
        case EZuCtrlContainer:
            SetUiStyle(&styles->iCommon);
            break;
        default:
            break;
        }
    }
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->UpdateUiStyle();
}

// Appearance

void CZuControl::SetBorderType(TZuBorderType type)
{
    static const int KWidths[] = {0, 1, 1, 1, 2, 2, 1};
    iAppearance->iBorderType = type;
    if (type >= EZuBorderNone && type <= EZuBorderOpaque)
        iAppearance->iBorderWidth = KWidths[type];
}

TZuBorderType CZuControl::GetBorderType() const
{
    return iAppearance->iBorderType;
}

void CZuControl::SetBorderWidth(int width)
{
    iAppearance->iBorderWidth = width;
}

int CZuControl::GetBorderWidth() const
{
    return iAppearance->iBorderWidth;
}

bool CZuControl::HasBorder() const
{
    return iAppearance->iBorderType != EZuBorderNone;
}

void CZuControl::SetFocusLoop(bool loop)
{
    iAppearance->iFocusLoop = loop;
}

bool CZuControl::IsFocusLoop() const
{
    return iAppearance->iFocusLoop;
}

void CZuControl::SetForeground(const CZuRgb& color)
{
    iAppearance->iForeground = color;
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->SetForeground(color);
}

const CZuRgb& CZuControl::Foreground() const
{
    return iAppearance->iForeground;
}

void CZuControl::SetBackground(const CZuRgb& color)
{
    iAppearance->iBackground = color;
}

const CZuRgb& CZuControl::Background() const
{
    return iAppearance->iBackground;
}

void CZuControl::SetBackgroundTo(const CZuRgb& color)
{
    iAppearance->iBackgroundTo = color;
}

const CZuRgb& CZuControl::BackgroundTo() const
{
    return iAppearance->iBackgroundTo;
}

void CZuControl::SetBgOverColor(const CZuRgb& color)
{
    iAppearance->iBgOver = color;
}

const CZuRgb& CZuControl::BgOverColor() const
{
    return iAppearance->iBgOver;
}

void CZuControl::SetBgDownColor(const CZuRgb& color)
{
    iAppearance->iBgDown = color;
}

const CZuRgb& CZuControl::BgDownColor() const
{
    return iAppearance->iBgDown;
}

void CZuControl::SetBgFocusedColor(const CZuRgb& color)
{
    iAppearance->iBgFocused = color;
}

const CZuRgb& CZuControl::BgFocusedColor() const
{
    return iAppearance->iBgFocused;
}

CZuRgb CZuControl::BgDefaultFocusedColor() const
{
    return iAppearance->iBgFocused.GetNewColor(-30, 0);
}

void CZuControl::SetBgDisableColor(const CZuRgb& color)
{
    iAppearance->iBgDisabled = color;
}

const CZuRgb& CZuControl::BgDisableColor() const
{
    return iAppearance->iBgDisabled;
}

void CZuControl::SetBorderColor(const CZuRgb& color)
{
    iAppearance->iBorder = color;
}

const CZuRgb& CZuControl::GetBorderColor() const
{
    return iAppearance->iBorder;
}

// Display levels and messages

void CZuControl::SetDispOrder(int level)
{
    iDispLevel = level;
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->SetDispOrder(level);
}

int CZuControl::GetTopDispLevel() const
{
    int top = std::max(iDispLevel, 0);
    for (int i = 0; i < GetControlCount(); ++i)
        top = std::max(top, GetControl(i)->GetTopDispLevel());
    return top;
}

void CZuControl::SetMsgWnd(MZuMessageWnd* receiver, unsigned type)
{
    iMsgWnd = receiver;
    iSendMsg = type;
}

// Drawing requests

void CZuControl::DrawNow()
{
    if (CZuEnv::UiManager())
        CZuEnv::UiManager()->DrawNow();
}

void CZuControl::DrawNow(const CZuRect&)
{
    DrawNow();
}

void CZuControl::DrawDeferred()
{
    if (CZuEnv::UiManager())
        CZuEnv::UiManager()->DrawDeffered();
}

void CZuControl::ChangeState(TZuControlState state)
{
    if (iState == state)
        return;
    iState = state;
    StateChanged();
}
