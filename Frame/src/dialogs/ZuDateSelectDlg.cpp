#include "ZuDateSelectDlg.h"

#include "ZuButton.h"
#include "ZuDateBox.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuKeyCode.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuList.h"
#include "ZuListCell.h"
#include "ZuListCellTitle.h"
#include "ZuListRow.h"
#include "ZuMessage.h"
#include "ZuTime.h"
#include "ZuVarient.h"

#include <algorithm>
#include <cstdio>

namespace
{
const int KStrTitle = 0x5A55000E;
const int KStrPrevMonth = 0x5A55000F;
const int KStrNextMonth = 0x5A550010;
const int KWeek = 7;
const int KMostWeeks = 6;
const CZuRgb KDialogColour(215, 232, 248);
const CZuRgb KLabelInk(2, 6, 18);
const CZuRgb KAccent(255, 99, 61);
const CZuRgb KAccentDark(214, 70, 36);
// The chosen day: a light shade of the accent under dark ink, readable focused or not.
const CZuRgb KChosenDay(255, 200, 178);
const CZuRgb KDayInk(34, 44, 60);

// Draws a day's number centred, and today's with a ring in the accent colour.
class CCalendarCell : public CZuListCell
{
public:
    void DrawCell(IZuGc& gc, const CZuRect& rect, CZuListCellTitle* title, CZuVarient* value,
                  bool selected) override
    {
        if (value && value == iToday)
        {
            // A frame two pixels wide, on whole pixels so that it shows at full strength.
            CZuRect ring = rect;
            ring.Grow(-2, -2);
            const int t = ring.iTl.iY, b = ring.iBr.iY, l = ring.iTl.iX, r = ring.iBr.iX;
            gc.SetDrawColor(KAccent);
            gc.Clear(CZuRect(l, t, r, t + 2));
            gc.Clear(CZuRect(l, b - 2, r, b));
            gc.Clear(CZuRect(l, t, l + 2, b));
            gc.Clear(CZuRect(r - 2, t, r, b));
            gc.SetDrawStyle(IZuGc::EDrawOutline);
            gc.SetDrawColor(KDayInk);
        }
        CZuListCell::DrawCell(gc, rect, title, value, selected);
    }
    // The cell of today, or null when today is in another month.
    CZuVarient* iToday = nullptr;
};

// Every column's drawer learns which cell is today's.
void MarkToday(CZuList* list, CZuVarient* today)
{
    for (int col = 0; col < list->GetColCount(); ++col)
    {
        CZuListCellTitle* title = list->GetColTitle(col);
        if (title)
            static_cast<CCalendarCell*>(title->GetListCell())->iToday = today;
    }
}
} // namespace

CZuDateSelectDlg::CZuDateSelectDlg(int id, CZuTime* date)
    : CZuDialog(id, date), iEdited(date), iToday(TZuDate::Today()), iMonth(iToday), iDays(0),
      iFirstWeekDay(0), iDay(0), iList(nullptr), iDateLabel(nullptr), iPrevButton(nullptr),
      iNextButton(nullptr)
{
    SetBackground(KDialogColour);
}

CZuDateSelectDlg::~CZuDateSelectDlg() {}

CZuSize CZuDateSelectDlg::GetDlgMinSize()
{
    const int height = GetFont()->HeightInPixels();
    int width = 8 * static_cast<int>(1.8 * height);
    // Never so narrow that a day's name is cut: seven columns of the widest, with a little room.
    if (iList)
    {
        int widest = 0;
        for (int day = 0; day < KWeek; ++day)
            widest = std::max(widest, iList->GetTitleFont()->TextWidthInPixels(CZuDateBox::DayName(day)));
        const int frame = Rect().Width() - iList->InnerRect().Width();
        width = std::max(width, KWeek * (widest + 8) + std::max(frame, 0));
    }
    return CZuSize(width, 12 * height);
}

int CZuDateSelectDlg::SelectedDay() const
{
    // The list's selection decides: a blank cell is no day, whatever was chosen before.
    if (iList)
        return DayAt(iList->GetSelectedRowIndex(), iList->GetSelectedColIndex());
    return iDay;
}

TZuDate CZuDateSelectDlg::SelectedDate() const
{
    return TZuDate::Make(iMonth.iYear, iMonth.iMonth, SelectedDay());
}

int CZuDateSelectDlg::DayAt(int row, int col) const
{
    const int day = row * KWeek + col - iFirstWeekDay + 1;
    return row >= 0 && col >= 0 && col < KWeek && day >= 1 && day <= iDays ? day : 0;
}

void CZuDateSelectDlg::InitDlgContent(void*)
{
    SetTitle(CZuEnv::GetString(KStrTitle, "选择日期"));
    CZuLayout* layout = GetDlgLayout();
    layout->SetInnerSpace(2);
    layout->SetColSpace(2);
    layout->SetRowspace(2);

    iPrevButton = new CZuButton(this);
    iPrevButton->Set(KCmdPrevMonth, CZuEnv::GetString(KStrPrevMonth, "上月"), nullptr, false);
    iDateLabel = new CZuLabel(this);
    iDateLabel->SetForeground(KLabelInk);
    iDateLabel->SetReadOnly(true);
    CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontUi, 90, false);
    iDateLabel->SetFont(font);
    CZuEnv::FontMgr()->ReleaseFont(font);
    iNextButton = new CZuButton(this);
    iNextButton->Set(KCmdNextMonth, CZuEnv::GetString(KStrNextMonth, "下月"), nullptr, false);
    for (CZuButton* button : {iPrevButton, iNextButton})
    {
        button->SetNormalColor(KAccent, KAccentDark);
        button->SetForeground(CZuRgb(255, 255, 255));
    }
    layout->AppendRow(iPrevButton, 0, 0);
    layout->AppendCellToLastRow(iDateLabel, -1, 0, EAlignVCenter);
    layout->AppendCellToLastRow(iNextButton, 0, 0, EAlignVCenter);

    iList = new CZuList(this);
    iList->SetMsgWnd(this, 0);
    for (int day = 0; day < KWeek; ++day)
    {
        iList->AppendCellTitle(CZuDateBox::DayName(day), EZuCellText, 0);
        iList->GetColTitle(day)->SetAlign(EAlignCenter);
        iList->GetColTitle(day)->SetListCell(new CCalendarCell);
    }
    iList->SetShowTitle(true);
    // The day names in a smaller face, so that two characters fit a narrow column.
    CZuFont* titleFont = CZuEnv::FontMgr()->GetFont(EFontUi, 80, false);
    iList->SetTitleFont(titleFont);
    CZuEnv::FontMgr()->ReleaseFont(titleFont);
    iList->SetRowTitleHeight(iList->GetFont()->HeightInPixels() * 3 / 2);
    iList->SetClickSelMode(2);
    iList->SetHandleKeyMode(CZuList::EKeyModeFree);
    iList->SetShowSelectedRowBG(false);
    iList->SetShowSelectedCellBG(true);
    iList->SetShowSelBgNoFocus(true);
    iList->SetSelectedCellColor(KChosenDay);
    iList->SetSelectedForeColor(KDayInk);
    iList->SetForeground(KDayInk);
    iList->SetShowGridH(true);
    iList->SetShowGridV(true);
    const int row = layout->AppendRow(iList, -1, -1);
    layout->SetRowHeight(row, -1);

    TZuDate shown = iEdited ? TZuDate::FromTime(*iEdited) : iToday;
    if (!shown.IsValid())
        shown = iToday;
    GoTo(shown);
    Relayout();
    SetFocusTo(iList);
}

bool CZuDateSelectDlg::ShowDate(const TZuDate& date)
{
    return GoTo(date);
}

bool CZuDateSelectDlg::GoTo(const TZuDate& date)
{
    if (!date.IsValid())
        return false;
    const bool newMonth =
        date.iYear != iMonth.iYear || date.iMonth != iMonth.iMonth || !iList || iList->GetRowCount() == 0;
    iMonth = TZuDate{date.iYear, date.iMonth, 1};
    iDays = iMonth.DaysInMonth();
    iFirstWeekDay = iMonth.WeekDay();
    if (newMonth)
        FillGrid();
    SelectDay(date.iDay);
    return true;
}

void CZuDateSelectDlg::SizeChanged()
{
    CZuDialog::SizeChanged();
    FitRows();
}

void CZuDateSelectDlg::FitRows()
{
    if (!iList)
        return;
    // Six weeks always fit: a month never needs scrolling.
    const int available = iList->InnerRect().Height() - iList->GetRowTitleHeight();
    const int least = iList->GetFont()->HeightInPixels() + 2;
    iList->SetRowHeight(std::max(least, available / KMostWeeks - iList->GetGridLineWidth()));
    iList->SetTopRowIndex(0);
}

void CZuDateSelectDlg::FillGrid()
{
    if (!iList)
        return;
    iList->RemoveAllData();
    iList->SetTopRowIndex(0);
    iList->SetSelectedRow(-1);
    CZuVarient* todayCell = nullptr;
    const bool todayShown = iToday.iYear == iMonth.iYear && iToday.iMonth == iMonth.iMonth;
    const int rows = (iFirstWeekDay + iDays + KWeek - 1) / KWeek;
    for (int row = 0; row < rows; ++row)
    {
        CZuListRow* cells = new CZuListRow;
        for (int col = 0; col < KWeek; ++col)
        {
            const int day = DayAt(row, col);
            CZuVarient* cell = new CZuVarient(day > 0 ? CZuString(day) : CZuString(""));
            if (todayShown && day == iToday.iDay)
                todayCell = cell;
            cells->AppendCell(cell);
        }
        iList->AppendRow(cells);
    }
    MarkToday(iList, todayCell);
    FitRows();
    iList->HandleDataChanged();
}

void CZuDateSelectDlg::SelectDay(int day)
{
    iDay = day >= 1 && day <= iDays ? day : 0;
    if (iList && iDay > 0)
    {
        const int cell = iFirstWeekDay + iDay - 1;
        iList->SetSelectedCol(cell % KWeek);
        iList->SetSelectedRow(cell / KWeek);
        iList->SetTopRowIndex(0);
    }
    UpdateLabel();
    DrawDeferred();
}

void CZuDateSelectDlg::UpdateLabel()
{
    if (!iDateLabel)
        return;
    char text[40];
    const int day = SelectedDay();
    if (day > 0)
        std::snprintf(text, sizeof(text), "%d/%d/%d", iMonth.iYear, iMonth.iMonth, day);
    else
        std::snprintf(text, sizeof(text), "%d/%d", iMonth.iYear, iMonth.iMonth);
    iDateLabel->SetText(CZuString(text));
}

void CZuDateSelectDlg::HandleCellSelected()
{
    const int row = iList->GetSelectedRowIndex();
    const int col = iList->GetSelectedColIndex();
    const int day = DayAt(row, col);
    if (day > 0)
    {
        SelectDay(day);
        return;
    }
    // A blank cell: the month before or after it, or (outside the grid) the day chosen stays.
    const int cell = row * KWeek + col;
    if (row >= 0 && cell < iFirstWeekDay)
    {
        if (GoTo(iMonth.AddDays(-1)))
            return;
    }
    else if (row >= 0 && cell >= iFirstWeekDay + iDays)
    {
        if (GoTo(iMonth.AddMonths(1)))
            return;
    }
    SelectDay(iDay);
}

bool CZuDateSelectDlg::HandleDlgCommand(int command)
{
    const TZuDate chosen = SelectedDate();
    switch (command)
    {
    case KCmdOk:
        if (!chosen.IsValid())
            return false;
        return !iEdited || chosen.ToTime(*iEdited);
    case KCmdPrevMonth:
    case KCmdNextMonth:
    {
        const TZuDate from = chosen.IsValid() ? chosen : iMonth;
        GoTo(from.AddMonths(command == KCmdPrevMonth ? -1 : 1));
        return false;
    }
    default:
        return false;
    }
}

bool CZuDateSelectDlg::HandleMessage(CZuMessage* message)
{
    if (message->iType == CZuList::KMsgListNotify && iList &&
        CZuMessage::ParamObject<CZuList>(message->iParam2) == iList)
    {
        if (IsClosed())
            return true;
        if (message->iParam1 == CZuList::ENotifyCellChanged)
            HandleCellSelected();
        else if (message->iParam1 == CZuList::ENotifyCellActivated)
            RunCommand(KCmdOk);
        return true;
    }
    return CZuDialog::HandleMessage(message);
}

bool CZuDateSelectDlg::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    const bool calendarKey = event.IsKey() && iList && iList->IsFocused() && !IsClosed();
    if (!calendarKey || type != EZuKeyEventKey)
        return CZuDialog::HandleKeyEvent(event, type);
    const TZuDate chosen = SelectedDate().IsValid() ? SelectedDate() : iMonth;
    TZuDate target = {0, 0, 0};
    switch (event.iCode)
    {
    case EZuKeyLeft:
        target = chosen.AddDays(-1);
        break;
    case EZuKeyRight:
        target = chosen.AddDays(1);
        break;
    case EZuKeyUp:
        target = chosen.AddDays(-KWeek);
        break;
    case EZuKeyDown:
        target = chosen.AddDays(KWeek);
        break;
    case EZuKeyPageUp:
        target = chosen.AddMonths(-1);
        break;
    case EZuKeyPageDown:
        target = chosen.AddMonths(1);
        break;
    case EZuKeyHome:
        target = TZuDate::Make(iMonth.iYear, iMonth.iMonth, 1);
        break;
    case EZuKeyEnd:
        target = TZuDate::Make(iMonth.iYear, iMonth.iMonth, iDays);
        break;
    default:
        return CZuDialog::HandleKeyEvent(event, type);
    }
    // At the ends of the calendar the key does nothing, and goes nowhere else either.
    GoTo(target);
    return true;
}
