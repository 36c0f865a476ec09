#include "ZuDateBox.h"

#include "ZuCba.h"
#include "ZuDate.h"
#include "ZuDateSelectDlg.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
const int KStrLongDate = 0x5A550018;
const int KStrLongDateWithDay = 0x5A550019;
const int KStrMonday = 0x5A550011;
const int KStrSunday = 0x5A550017;
const char* const KDayNames[7] = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
// The box asks itself to open the calendar once the key or click that activated it is over, so that the
// focus the calendar takes is not given back to the box by the rest of that event.
const unsigned KMsgOpenCalendar = 0x5A5512;
// A format longer than this is not a date format.
const int KMaxFormat = 200;

// The length of a printf conversion at format[at] (just after a '%') that takes one int: flags, width and
// 'd' or 'i'; 0 for anything else.
int IntConversionLength(const char* format, int at)
{
    int i = at;
    while (format[i] == '-' || format[i] == '0' || format[i] == '+' || format[i] == ' ')
        ++i;
    for (int digits = 0; format[i] >= '0' && format[i] <= '9'; ++i)
        if (++digits > 2)
            return 0;
    return format[i] == 'd' || format[i] == 'i' ? i - at + 1 : 0;
}

CZuString Printed(const CZuString& format, int a, int b, int c)
{
    std::vector<char> text(static_cast<size_t>(format.Length()) + 64);
    std::snprintf(text.data(), text.size(), format.PtrZ(), a, b, c);
    return CZuString(text.data());
}
} // namespace

CZuDateBox::CZuDateBox(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlDateBox), iStyle(EStylePlain), iDateSet(false),
      iDispFormat(EDispLongWithDay), iRetFormat(ERetDigits), iDialog(nullptr)
{
    SetAlign(EAlignLeft);
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(2);
    // The text keeps clear of the frame.
    SetInnerSpace(0, 0, 4, 4);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iCommon);
    iDate.HomeTime();
}

CZuDateBox::~CZuDateBox()
{
    delete iDialog;
}

// The date and its texts

bool CZuDateBox::SetDate(const CZuTime& date)
{
    if (!TZuDate::FromTime(date).IsValid())
        return false;
    iDate = date;
    iDateSet = true;
    MakeText();
    return true;
}

CZuString CZuDateBox::GetDateText() const
{
    if (!iDateSet)
        return CZuString("");
    const TZuDate date = TZuDate::FromTime(iDate);
    switch (iRetFormat)
    {
    case ERetSlash:
        return Printed(CZuString("%d/%d/%d"), date.iYear, date.iMonth, date.iDay);
    case ERetDash:
        return Printed(CZuString("%d-%d-%d"), date.iYear, date.iMonth, date.iDay);
    default:
        return Printed(CZuString("%04d%02d%02d"), date.iYear, date.iMonth, date.iDay);
    }
}

void CZuDateBox::SetDateDispFmt(TDateDispFormat format)
{
    iDispFormat = format;
    if (iDateSet)
        MakeText();
}

CZuString CZuDateBox::DisplayText(const CZuTime& time) const
{
    const TZuDate date = TZuDate::FromTime(time);
    switch (iDispFormat)
    {
    case EDispLong:
        return Printed(IntFormat(KStrLongDate, "%d年%d月%d日"), date.iYear, date.iMonth, date.iDay);
    case EDispSlash:
        return Printed(CZuString("%d/%d/%d"), date.iYear, date.iMonth, date.iDay);
    case EDispDash:
        return Printed(CZuString("%d-%d-%d"), date.iYear, date.iMonth, date.iDay);
    default:
        return Printed(IntFormat(KStrLongDateWithDay, "%d年%d月%d日 "), date.iYear, date.iMonth, date.iDay) +
               DayName(date.WeekDay());
    }
}

void CZuDateBox::MakeText()
{
    SetText(DisplayText(iDate));
    DrawDeferred();
}

CZuString CZuDateBox::DayName(int weekDay)
{
    if (weekDay < 0 || weekDay > 6)
        return CZuString("");
    const int id = weekDay == 0 ? KStrSunday : KStrMonday + weekDay - 1;
    return CZuEnv::GetString(id, KDayNames[weekDay]);
}

CZuString CZuDateBox::IntFormat(int stringId, const char* fallback)
{
    const CZuString format = CZuEnv::GetString(stringId);
    return IsIntFormat(format, 3) ? format : CZuString(fallback);
}

bool CZuDateBox::IsIntFormat(const CZuString& format, int count)
{
    const char* text = format.PtrZ();
    if (!text || format.Length() > KMaxFormat)
        return false;
    int conversions = 0;
    for (int i = 0; i < format.Length(); ++i)
    {
        if (text[i] != '%')
            continue;
        if (text[i + 1] == '%')
        {
            ++i;
            continue;
        }
        const int length = IntConversionLength(text, i + 1);
        if (length == 0)
            return false;
        ++conversions;
        i += length;
    }
    return conversions == count;
}

void CZuDateBox::SetStyle(TStyle style)
{
    iStyle = style;
    if (style == EStylePlain)
    {
        SetBorderType(EZuBorderLine3);
        SetRoundCornerSize(2);
    }
    else
    {
        SetBorderType(EZuBorderNone);
        SetRoundCornerSize(0);
    }
    SizeChanged();
    DrawDeferred();
}

// Geometry

CZuSize CZuDateBox::GetMinSize()
{
    const CZuSize predefined = GetPredefinedSize();
    if (predefined.iWidth > 0 && predefined.iHeight > 0)
        return predefined;
    CZuFont* font = GetFont();
    // Wide enough for two-digit months and days: 28 December 2000.
    CZuTime sample;
    TZuDate{2000, 12, 28}.ToTime(sample);
    const int textWidth = font->TextWidthInPixels(DisplayText(sample)) + 2;
    const int height = font->HeightInPixels() + 6;
    const CZuMargin& space = InnerMargin();
    const int border = 2 * GetBorderWidth();
    const int arrow = iStyle == EStyleArrow ? height : 0;
    return CZuSize(textWidth + arrow + space.iLeft + space.iRight + border,
                   height + space.iTop + space.iBottom + border);
}

void CZuDateBox::SizeChanged()
{
    iTextRect = InnerRect();
    iArrowRect = iTextRect;
    // The arrow takes a square at the right, as a combo box's does.
    if (iStyle == EStyleArrow)
    {
        const int side = std::min(Rect().Height(), iTextRect.Width() / 2);
        iArrowRect = CZuRect(Rect().iBr.iX - side, Rect().iTl.iY, Rect().iBr.iX, Rect().iBr.iY);
        iTextRect.iBr.iX = std::max(iTextRect.iTl.iX, std::min(iTextRect.iBr.iX, iArrowRect.iTl.iX - 2));
    }
    else
    {
        iArrowRect.iTl.iX = iTextRect.iBr.iX;
    }
}

// States and input

void CZuDateBox::StateChanged()
{
    CZuControl::StateChanged();
    if (GetState() == EZuStateReleased && !iDialog)
    {
        if (CZuEnv* env = CZuEnv::Static())
            env->PostMessageW(this, KMsgOpenCalendar, 0, CZuMessage::MakeParam(this), CZuPoint(0, 0));
    }
    DrawDeferred();
}

bool CZuDateBox::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (IsReadOnly() || IsDisabled())
        return false;
    return HandleClickKey(event, type);
}

bool CZuDateBox::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsReadOnly() || IsDisabled())
        return false;
    return HandleClickPointer(event);
}

void CZuDateBox::OpenDialog()
{
    CZuUiManager* ui = CZuEnv::UiManager();
    if (iDialog || !ui || IsReadOnly() || IsDisabled())
        return;
    iEdited = iDate;
    iDialog = new CZuDateSelectDlg(0, &iEdited);
    iDialog->ConstructL();
    CZuRect client = ui->GetClientRect();
    if (client.IsEmpty())
    {
        client = ui->GetUiRect();
        if (CZuCba* cba = ui->GetCba())
            client.iBr.iY = std::max(client.iTl.iY, cba->Rect().iTl.iY);
    }
    // Centred at the bottom of the client area, never larger than it.
    const CZuSize wanted = iDialog->GetDlgMinSize();
    const int width = std::min(wanted.iWidth, client.Width());
    const int height = std::min(wanted.iHeight, client.Height());
    const int left = client.iTl.iX + (client.Width() - width) / 2;
    iDialog->SetRect(CZuRect(left, client.iBr.iY - height, left + width, client.iBr.iY));
    iDialog->Relayout();
    iDialog->ShowDialog(false, this);
    DrawDeferred();
}

bool CZuDateBox::HandleMessage(CZuMessage* message)
{
    if (message->iType == KMsgOpenCalendar && message->iReceiver == this)
    {
        OpenDialog();
        return true;
    }
    if (message->iType != CZuDialog::KMsgDialogClosed || !iDialog ||
        CZuMessage::ParamObject<CZuDateSelectDlg>(message->iParam2) != iDialog)
        return CZuControl::HandleMessage(message);
    delete iDialog;
    iDialog = nullptr;
    if (message->iParam1 != 0)
        SetDate(iEdited);
    // The keyboard comes back to the box.
    if (IsVisible())
        SetFocus(true);
    DrawDeferred();
    return true;
}

// Drawing

bool CZuDateBox::FocusedLook() const
{
    return (IsFocused() || iDialog) && !IsReadOnly();
}

void CZuDateBox::Draw(CZuGc& gc, const CZuRect&)
{
    int corner = 0, unused = 0;
    RoundCornerSize(corner, unused, unused, unused);
    const CZuRect whole = Rect();
    if (iStyle == EStyleArrow)
    {
        if (FocusedLook())
            CZuDrawUtil::DrawRoundRect(gc, whole, corner, BgFocusedColor(), BgFocusedColor());
        else
            CZuDrawUtil::DrawRoundRect(gc, whole, corner, Background(), Background());
    }
    else
    {
        const CZuRgb fill = FocusedLook() ? BgFocusedColor() : Background();
        CZuDrawUtil::DrawRoundRect(gc, whole, corner, fill, fill);
    }
    const CZuString text = GetText();
    if (!text.IsEmpty())
    {
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetDrawColor(Foreground());
        gc.UseFont(GetFont());
        gc.DrawTextW(text, iTextRect, GetAlign(), 0, 0);
        gc.DiscardFont();
    }
    if (iStyle == EStyleArrow && !iArrowRect.IsEmpty())
    {
        // A paler shade of the background; a background without colour to pale is darkened instead. The
        // arrow takes the text's colour, which stands out on the background whatever it is.
        CZuRgb arrowFill = Background().GetNewColor(-60, 0);
        if (arrowFill == Background())
            arrowFill = Background().GetNewColor(0, -25);
        CZuDrawUtil::DrawRectWithBorder(gc, iArrowRect, arrowFill, arrowFill);
        CZuDrawUtil::DrawTrangle(gc, CZuDrawUtil::EDirDown, iArrowRect, Foreground());
    }
}
