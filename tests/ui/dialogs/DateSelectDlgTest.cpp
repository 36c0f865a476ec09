// The month calendar on its own: the grid of a month, days chosen by keys and pointer, blank cells, the
// ends of the calendar and what OK writes.
#include "TestEnv.h"
#include "TestScreen.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
CZuTime TimeOf(int year, int month, int day)
{
    CZuTime time;
    TZuDate{year, month, day}.ToTime(time);
    return time;
}

std::string CellText(CZuList* list, int row, int col)
{
    CZuListRow* cells = list->GetRow(row);
    CZuVarient* cell = cells ? cells->GetCell(col) : nullptr;
    if (!cell || cell->iType != CZuVarient::EString)
        return "?";
    return cell->iString->PtrZ() ? cell->iString->PtrZ() : "";
}

class DateSelectDlgTest : public ::testing::Test
{
protected:
    DateSelectDlgTest() : iZone("UTC"), iScreen(true, 480, 360) {}
    ~DateSelectDlgTest() override { delete iDialog; }
    CZuDateSelectDlg* Show(int year, int month, int day)
    {
        iTime = TimeOf(year, month, day);
        iDialog = new CZuDateSelectDlg(0, &iTime);
        iDialog->ConstructL();
        iDialog->ShowDialog(false, &iLog);
        iScreen.Pump();
        return iDialog;
    }
    // The verdict of the last report, -1 before there is one.
    int Verdict() const
    {
        for (auto it = iLog.iGot.rbegin(); it != iLog.iGot.rend(); ++it)
            if (it->iType == CZuDialog::KMsgDialogClosed)
                return static_cast<int>(it->iParam1);
        return -1;
    }
    void ClickCell(int row, int col)
    {
        CZuList* list = iDialog->GetList();
        iScreen.Draw();
        const CZuRect rowRect = list->GetDispRowRect(row);
        const CZuRect inner = list->InnerRect();
        const int x = inner.iTl.iX + inner.Width() * (2 * col + 1) / 14;
        iScreen.Click(x, (rowRect.iTl.iY + rowRect.iBr.iY) / 2);
    }

    CScopedTimeZone iZone;
    CTestScreen iScreen;
    CMessageLog iLog;
    CZuTime iTime;
    CZuDateSelectDlg* iDialog = nullptr;
};

TEST_F(DateSelectDlgTest, AMonthStartingOnWednesdayHasItsFirstDayInTheFourthColumn)
{
    Show(2012, 2, 10);
    CZuList* list = iDialog->GetList();
    EXPECT_EQ(iDialog->FirstWeekDay(), 3);
    EXPECT_EQ(iDialog->DaysInMonth(), 29);
    ASSERT_EQ(list->GetRowCount(), 5);
    EXPECT_EQ(CellText(list, 0, 2), "");
    EXPECT_EQ(CellText(list, 0, 3), "1");
    EXPECT_EQ(CellText(list, 4, 3), "29");
    EXPECT_EQ(CellText(list, 4, 4), "");
    EXPECT_EQ(list->GetColCount(), 7);
    EXPECT_EQ(std::string(list->GetColTitle(0)->GetText().PtrZ()), "周日");
    EXPECT_EQ(std::string(list->GetColTitle(1)->GetText().PtrZ()), "周一");
    EXPECT_EQ(iDialog->SelectedDay(), 10);
    EXPECT_EQ(list->GetSelectedRowIndex(), 1);
    EXPECT_EQ(list->GetSelectedColIndex(), 5);
    EXPECT_EQ(std::string(iDialog->GetDateLabel()->GetText().PtrZ()), "2012/2/10");
    EXPECT_EQ(std::string(iDialog->GetTitleLabel()->GetText().PtrZ()), "选择日期");
    EXPECT_TRUE(list->IsFocused());
}

TEST_F(DateSelectDlgTest, MonthLengthsOfFebruaries)
{
    const int years[] = {2000, 2012, 2013, 2100};
    const int days[] = {29, 29, 28, 28};
    for (int i = 0; i < 4; ++i)
    {
        delete iDialog;
        Show(years[i], 2, 1);
        EXPECT_EQ(iDialog->DaysInMonth(), days[i]) << years[i];
        EXPECT_EQ(iDialog->FirstWeekDay(), (TZuDate{years[i], 2, 1}.WeekDay()));
    }
}

TEST_F(DateSelectDlgTest, TheGridAndTheDayTakenAreTheSameInEveryTimeZone)
{
    // East of Greenwich (Shanghai, Kiritimati) a calendar worked out from a time broken down as UTC would
    // start a column late and store the day before the one taken.
    for (const char* zone : {"UTC", "Asia/Shanghai", "America/Los_Angeles", "Pacific/Kiritimati"})
    {
        ASSERT_TRUE(CScopedTimeZone::Known(zone)) << zone;
        CScopedTimeZone in(zone);
        for (int year : {2000, 2012, 2013, 2100})
        {
            delete iDialog;
            iDialog = nullptr;
            iLog.iGot.clear();
            Show(year, 2, 1);
            CZuList* list = iDialog->GetList();
            const int first = TZuDate{year, 2, 1}.WeekDay();
            const int last = TZuDate::DaysInMonth(year, 2);
            const int lastCell = first + last - 1;
            EXPECT_EQ(CellText(list, 0, first), "1") << zone << " " << year;
            if (first > 0)
                EXPECT_EQ(CellText(list, 0, first - 1), "") << zone << " " << year;
            EXPECT_EQ(CellText(list, lastCell / 7, lastCell % 7), std::to_string(last))
                << zone << " " << year;
            // The last day of the month, walked to and taken.
            for (int day = 1; day < last; ++day)
                iScreen.Press(EZuKeyRight);
            iScreen.Press(EZuKeyF1);
            EXPECT_EQ(Verdict(), 1) << zone << " " << year;
            EXPECT_EQ(TZuDate::FromTime(iTime), (TZuDate{year, 2, last})) << zone << " " << year;
        }
    }
}

TEST_F(DateSelectDlgTest, ArrowKeysWalkDaysAndWeeksIntoOtherMonths)
{
    Show(2012, 3, 1);
    iScreen.Press(EZuKeyLeft);
    EXPECT_EQ(iDialog->ShownMonth(), 2);
    EXPECT_EQ(iDialog->SelectedDay(), 29);
    iScreen.Press(EZuKeyDown);
    EXPECT_EQ(iDialog->ShownMonth(), 3);
    EXPECT_EQ(iDialog->SelectedDay(), 7);
    iScreen.Press(EZuKeyUp);
    iScreen.Press(EZuKeyUp);
    EXPECT_EQ(iDialog->ShownMonth(), 2);
    EXPECT_EQ(iDialog->SelectedDay(), 22);
    iScreen.Press(EZuKeyPageDown);
    EXPECT_EQ(iDialog->ShownMonth(), 3);
    EXPECT_EQ(iDialog->SelectedDay(), 22);
    iScreen.Press(EZuKeyEnd);
    EXPECT_EQ(iDialog->SelectedDay(), 31);
    iScreen.Press(EZuKeyHome);
    EXPECT_EQ(iDialog->SelectedDay(), 1);
    EXPECT_EQ(std::string(iDialog->GetDateLabel()->GetText().PtrZ()), "2012/3/1");
    // Across the year's end both ways.
    for (int i = 0; i < 10; ++i)
        iScreen.Press(EZuKeyPageDown);
    EXPECT_EQ(iDialog->ShownYear(), 2013);
    EXPECT_EQ(iDialog->ShownMonth(), 1);
    iScreen.Press(EZuKeyLeft);
    EXPECT_EQ(iDialog->ShownYear(), 2012);
    EXPECT_EQ(iDialog->ShownMonth(), 12);
    EXPECT_EQ(iDialog->SelectedDay(), 31);
    EXPECT_EQ(Verdict(), -1);
}

TEST_F(DateSelectDlgTest, TheCalendarStopsAtItsEnds)
{
    Show(9999, 12, 31);
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyPageDown);
    iScreen.Press(EZuKeyF2);
    delete iDialog;
    iDialog = nullptr;
    iDialog = new CZuDateSelectDlg(0, nullptr);
    iDialog->ConstructL();
    iDialog->ShowDate(TZuDate{1, 1, 1});
    iDialog->ShowDialog(false, &iLog);
    EXPECT_TRUE(iDialog->HandleKeyEvent(KeyEvent(EZuKeyLeft), EZuKeyEventKey));
    EXPECT_EQ(iDialog->ShownYear(), 1);
    EXPECT_EQ(iDialog->SelectedDay(), 1);
    EXPECT_FALSE(iDialog->HandleDlgCommand(CZuDateSelectDlg::KCmdPrevMonth));
    EXPECT_EQ(iDialog->ShownMonth(), 1);
}

TEST_F(DateSelectDlgTest, OkWritesTheDayAtOneTwoThreeLocalTime)
{
    Show(2012, 2, 10);
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(iTime.GetTimeLow(), TimeOf(2012, 2, 11).GetTimeLow());
    EXPECT_EQ(iTime.GetTimeLow() % 86400, 3723u);
}

TEST_F(DateSelectDlgTest, ABlankCellIsNoDayAndOkOnItIsNoSuccess)
{
    Show(2012, 2, 10);
    const unsigned before = iTime.GetTimeLow();
    // The list's selection on a blank cell, as a stray selection would leave it.
    iDialog->GetList()->SetSelectedRow(0);
    iDialog->GetList()->SetSelectedCol(0);
    EXPECT_EQ(iDialog->SelectedDay(), 0);
    EXPECT_FALSE(iDialog->SelectedDate().IsValid());
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Verdict(), 0);
    EXPECT_EQ(iTime.GetTimeLow(), before);
}

TEST_F(DateSelectDlgTest, ClicksChooseDaysAndBlankCellsTurnTheMonth)
{
    Show(2012, 2, 10);
    ClickCell(2, 2);
    EXPECT_EQ(iDialog->SelectedDay(), 14);
    EXPECT_EQ(std::string(iDialog->GetDateLabel()->GetText().PtrZ()), "2012/2/14");
    // After the last day: the month after, its first day.
    ClickCell(4, 5);
    EXPECT_EQ(iDialog->ShownMonth(), 3);
    EXPECT_EQ(iDialog->SelectedDay(), 1);
    // Before the first day of March 2012 (a Thursday): the month before, its last day.
    ClickCell(0, 0);
    EXPECT_EQ(iDialog->ShownMonth(), 2);
    EXPECT_EQ(iDialog->SelectedDay(), 29);
    EXPECT_EQ(Verdict(), -1);
    // A second click on the chosen day accepts it.
    ClickCell(4, 3);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(iTime.GetTimeLow(), TimeOf(2012, 2, 29).GetTimeLow());
}

TEST_F(DateSelectDlgTest, WithoutATimeTheCalendarShowsToday)
{
    iDialog = new CZuDateSelectDlg(0, nullptr);
    iDialog->ConstructL();
    const TZuDate today = TZuDate::Today();
    EXPECT_EQ(iDialog->ShownYear(), today.iYear);
    EXPECT_EQ(iDialog->ShownMonth(), today.iMonth);
    EXPECT_EQ(iDialog->SelectedDay(), today.iDay);
    EXPECT_TRUE(iDialog->HandleDlgCommand(CZuDialog::KCmdOk));
    EXPECT_FALSE(iDialog->HandleDlgCommand(CZuDialog::KCmdCancel));
}
} // namespace

namespace
{
// Pixels of the accent colour (strong red-orange) in the band of rows top..bottom.
int AccentPixels(CTestScreen& screen, int top, int bottom, int left, int right)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
        {
            const unsigned pixel = screen.Pixel(x, y);
            count += (pixel >> 16) >= 0xF0 && ((pixel >> 8) & 0xFF) < 0x80 && (pixel & 0xFF) < 0x60 ? 1 : 0;
        }
    return count;
}

TEST_F(DateSelectDlgTest, TodaysCellIsRingedAndOnlyInItsMonth)
{
    const TZuDate today = TZuDate::Today();
    Show(today.iYear, today.iMonth, today.iDay);
    CZuList* list = iDialog->GetList();
    // Another day chosen, so that the ring is not under the selection's colour alone.
    iScreen.Press(today.iDay > 1 ? EZuKeyLeft : EZuKeyRight);
    iScreen.Draw();
    const int cell = iDialog->FirstWeekDay() + today.iDay - 1;
    const CZuRect inner = list->InnerRect();
    for (int row = 0; row < list->GetRowCount(); ++row)
    {
        const CZuRect band = list->GetDispRowRect(row);
        const int pixels = AccentPixels(iScreen, band.iTl.iY, band.iBr.iY, inner.iTl.iX, inner.iBr.iX);
        if (row == cell / 7)
            EXPECT_GT(pixels, 20) << row;
        else
            EXPECT_EQ(pixels, 0) << row;
    }
    iScreen.Press(EZuKeyPageDown);
    iScreen.Draw();
    EXPECT_EQ(AccentPixels(iScreen, inner.iTl.iY + list->GetRowTitleHeight(), inner.iBr.iY, inner.iTl.iX,
                           inner.iBr.iX),
              0);
}
} // namespace
