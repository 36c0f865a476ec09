#ifndef ZUDATESELECTDLG_H
#define ZUDATESELECTDLG_H

#include "ZuDate.h"
#include "ZuDialog.h"

class CZuButton;
class CZuLabel;
class CZuList;
class CZuTime;

// One month as a calendar: a row with the previous-month button, the date chosen and the next-month
// button, and below it the days in seven columns from Sunday to Saturday, today's cell marked. The arrow
// keys walk day by day and week by week, into the months before and after; Page Up and Page Down turn
// months, Home and End go to the month's first and last day. Enter (or a double click) on a day, or OK,
// accepts it: the edited time becomes that day at 01:02:03 local time. The month buttons only turn months.
// A blank cell is no day: choosing one before the first moves to the month before, one after the last to
// the month after; OK without a day chosen gives false and leaves the time as it was.
class CZuDateSelectDlg : public CZuDialog
{
public:
    static constexpr int KCmdPrevMonth = 10;
    static constexpr int KCmdNextMonth = 11;

    // date: the time edited (not owned); the month shown is its date's, or today's when it is null or has
    // no date in years 1 to 9999.
    CZuDateSelectDlg(int id, CZuTime* date);
    ~CZuDateSelectDlg() override;

    // 8 columns of 1.8 font heights wide (wider when a day's name would not fit its column), 12 font
    // heights high.
    CZuSize GetDlgMinSize();

    // The month shown and the day chosen in it (0: none).
    int ShownYear() const { return iMonth.iYear; }
    int ShownMonth() const { return iMonth.iMonth; }
    int SelectedDay() const;
    int DaysInMonth() const { return iDays; }
    // 0 Sunday to 6 Saturday.
    int FirstWeekDay() const { return iFirstWeekDay; }
    // Shows the date's month with the date chosen; false, changing nothing, for an invalid date.
    bool ShowDate(const TZuDate& date);
    // The date chosen, or an invalid date.
    TZuDate SelectedDate() const;
    // The day a cell holds, 0 for a blank one.
    int DayAt(int row, int col) const;
    CZuList* GetList() const { return iList; }
    CZuLabel* GetDateLabel() const { return iDateLabel; }
    CZuButton* GetPrevButton() const { return iPrevButton; }
    CZuButton* GetNextButton() const { return iNextButton; }

    void InitDlgContent(void* data) override;
    // The rows share the list's height: six weeks always show.
    void SizeChanged() override;
    // OK: the chosen day into the edited time, true; without a day, false. Months for 10 and 11.
    bool HandleDlgCommand(int command) override;
    // The list's selections (message 22), then the frame's commands.
    bool HandleMessage(CZuMessage* message) override;
    // Day keys while the calendar has the focus; the rest as in every dialog.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;

private:
    void FillGrid();
    void FitRows();
    void SelectDay(int day);
    void UpdateLabel();
    // Moves to the date (any month); false when it is outside years 1 to 9999.
    bool GoTo(const TZuDate& date);
    void HandleCellSelected();

    CZuTime* iEdited;
    TZuDate iToday;
    // The month shown (iDay unused) and what follows from it.
    TZuDate iMonth;
    int iDays;
    int iFirstWeekDay;
    // The day chosen, kept apart from the list's selection so that a blank cell never becomes a day.
    int iDay;
    CZuList* iList;
    CZuLabel* iDateLabel;
    CZuButton* iPrevButton;
    CZuButton* iNextButton;
};

#endif // ZUDATESELECTDLG_H
