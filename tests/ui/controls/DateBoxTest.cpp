#include "TestEnv.h"
#include "TestScreen.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const char* const KZones[] = {"UTC", "Asia/Shanghai", "America/Los_Angeles", "Pacific/Kiritimati"};

CZuTime TimeOf(int year, int month, int day)
{
    CZuTime time;
    EXPECT_TRUE((TZuDate{year, month, day}.ToTime(time))) << year << "-" << month << "-" << day;
    return time;
}

std::string Text(const CZuString& s)
{
    return s.PtrZ() ? std::string(s.PtrZ(), s.Length()) : std::string();
}

// Date boxes on a 480 x 360 test screen, in the zone given by the test (UTC unless set).
class DateBoxTest : public ::testing::Test
{
protected:
    DateBoxTest() : iZone("UTC"), iScreen(true, 480, 360) {}
    CZuDateBox* MakeBox()
    {
        CZuDateBox* box = new CZuDateBox(iScreen.Client());
        box->SetRect(CZuRect(20, 20, 260, 46));
        return box;
    }
    // Gives the box the keyboard and presses Enter on it: the calendar opens on the next tick.
    CZuDateSelectDlg* Open(CZuDateBox* box)
    {
        iScreen.Client()->SetFocusTo(box);
        iScreen.Press(EZuKeyEnter);
        return box->GetDialog();
    }

    CScopedTimeZone iZone;
    CTestScreen iScreen;
};

TEST_F(DateBoxTest, ANewBoxHoldsTodayButGivesNoText)
{
    CZuDateBox* box = MakeBox();
    EXPECT_EQ(box->GetType(), EZuCtrlDateBox);
    EXPECT_FALSE(box->IsDateSet());
    EXPECT_EQ(Text(box->GetDateText()), "");
    EXPECT_EQ(Text(box->GetText()), "");
    EXPECT_EQ(TZuDate::FromTime(box->GetDate()), TZuDate::Today());
    EXPECT_EQ(box->GetStyle(), CZuDateBox::EStylePlain);
    EXPECT_EQ(box->GetBorderType(), EZuBorderLine3);
    EXPECT_EQ(box->GetDateDispFmt(), CZuDateBox::EDispLongWithDay);
}

TEST_F(DateBoxTest, TheFifthOfMarch2012InEveryFormat)
{
    CZuDateBox* box = MakeBox();
    ASSERT_TRUE(box->SetDate(TimeOf(2012, 3, 5)));
    EXPECT_EQ(Text(box->GetDateText()), "20120305");
    box->SetRetTextFmt(CZuDateBox::ERetSlash);
    EXPECT_EQ(Text(box->GetDateText()), "2012/3/5");
    box->SetRetTextFmt(CZuDateBox::ERetDash);
    EXPECT_EQ(Text(box->GetDateText()), "2012-3-5");
    box->SetRetTextFmt(static_cast<CZuDateBox::TDateRetFormat>(0));
    EXPECT_EQ(Text(box->GetDateText()), "20120305");
    EXPECT_EQ(Text(box->GetText()), "2012年3月5日 周一");
    box->SetDateDispFmt(CZuDateBox::EDispLong);
    EXPECT_EQ(Text(box->GetText()), "2012年3月5日");
    box->SetDateDispFmt(CZuDateBox::EDispSlash);
    EXPECT_EQ(Text(box->GetText()), "2012/3/5");
    box->SetDateDispFmt(CZuDateBox::EDispDash);
    EXPECT_EQ(Text(box->GetText()), "2012-3-5");
}

TEST_F(DateBoxTest, OnlyFormatsOfExactlyTheIntegersPassedAreUsed)
{
    EXPECT_TRUE(CZuDateBox::IsIntFormat(CZuString("%d年%d月%d日"), 3));
    EXPECT_TRUE(CZuDateBox::IsIntFormat(CZuString("%04d-%02i-%-2d 100%%"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%d年%d月"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%d%d%d%d"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%s年%d月%d日"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%d%d%n"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%d%d%ld"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%1$d%d%d"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%*d%d%d"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%999999d%d%d"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString("%d%d%d%"), 3));
    EXPECT_FALSE(CZuDateBox::IsIntFormat(CZuString(), 3));
    // The toolkit's own formats pass; an id that is no format falls back.
    EXPECT_EQ(Text(CZuDateBox::IntFormat(0x5A550018, "x")), "%d年%d月%d日");
    EXPECT_EQ(Text(CZuDateBox::IntFormat(0x5A550011, "%d.%d.%d")), "%d.%d.%d");
    EXPECT_EQ(Text(CZuDateBox::DayName(0)), "周日");
    EXPECT_EQ(Text(CZuDateBox::DayName(6)), "周六");
    EXPECT_EQ(Text(CZuDateBox::DayName(7)), "");
}

TEST_F(DateBoxTest, FebruariesAndTheEdgesOfTimeInEveryZone)
{
    struct TCase
    {
        int iYear, iMonth, iDay;
        const char* iText;
        const char* iDigits;
    };
    const TCase cases[] = {
        {2000, 2, 29, "2000年2月29日 周二", "20000229"},   {2012, 2, 29, "2012年2月29日 周三", "20120229"},
        {2013, 2, 28, "2013年2月28日 周四", "20130228"},   {2100, 2, 28, "2100年2月28日 周日", "21000228"},
        {2100, 3, 1, "2100年3月1日 周一", "21000301"},     {1970, 1, 1, "1970年1月1日 周四", "19700101"},
        {1969, 12, 31, "1969年12月31日 周三", "19691231"}, {2038, 1, 19, "2038年1月19日 周二", "20380119"},
        {2038, 1, 20, "2038年1月20日 周三", "20380120"},   {2200, 6, 15, "2200年6月15日 周日", "22000615"},
    };
    for (const char* zone : KZones)
    {
        CScopedTimeZone in(zone);
        CZuDateBox* box = MakeBox();
        for (const TCase& item : cases)
        {
            ASSERT_TRUE(box->SetDate(TimeOf(item.iYear, item.iMonth, item.iDay))) << zone;
            EXPECT_EQ(Text(box->GetText()), item.iText) << zone;
            EXPECT_EQ(Text(box->GetDateText()), item.iDigits) << zone;
        }
        iScreen.Client()->DeleteControl(box);
    }
}

TEST_F(DateBoxTest, ATimeWithoutADateInTheCalendarIsRefused)
{
    CZuDateBox* box = MakeBox();
    ASSERT_TRUE(box->SetDate(TimeOf(2012, 3, 5)));
    EXPECT_FALSE(box->SetDate(CZuTime(0x7FFFFFFFu, 0u)));
    EXPECT_EQ(Text(box->GetDateText()), "20120305");
}

TEST_F(DateBoxTest, EnterOpensTheCalendarAtTheBottomOfTheClientArea)
{
    CZuDateBox* box = MakeBox();
    box->SetDate(TimeOf(2012, 2, 14));
    CZuDateSelectDlg* dialog = Open(box);
    ASSERT_NE(dialog, nullptr);
    const CZuRect client = iScreen.Ui().GetClientRect();
    const CZuSize wanted = dialog->GetDlgMinSize();
    const int height = dialog->GetFont()->HeightInPixels();
    EXPECT_GE(wanted.iWidth, 8 * static_cast<int>(1.8 * height));
    EXPECT_EQ(wanted.iHeight, 12 * height);
    // Wide enough that no day's name is cut.
    CZuList* list = dialog->GetList();
    for (int day = 0; day < 7; ++day)
        EXPECT_GE(list->InnerRect().Width() / 7,
                  list->GetTitleFont()->TextWidthInPixels(CZuDateBox::DayName(day)));
    EXPECT_EQ(dialog->Rect().iBr.iY, client.iBr.iY);
    EXPECT_EQ(dialog->Rect().Width(), std::min(wanted.iWidth, client.Width()));
    EXPECT_LE(std::abs((dialog->Rect().iTl.iX - client.iTl.iX) - (client.iBr.iX - dialog->Rect().iBr.iX)), 1);
    EXPECT_EQ(iScreen.Ui().GetTopFromDispStack(), dialog);
    EXPECT_EQ(dialog->ShownYear(), 2012);
    EXPECT_EQ(dialog->ShownMonth(), 2);
    EXPECT_EQ(dialog->SelectedDay(), 14);
    // Enter again on the calendar accepts the day.
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(box->GetDialog(), nullptr);
    EXPECT_EQ(Text(box->GetDateText()), "20120215");
    EXPECT_TRUE(box->IsFocused());
    iScreen.Draw();
}

TEST_F(DateBoxTest, ADayChosenInChinaIsTheDayStored)
{
    CScopedTimeZone china("Asia/Shanghai");
    CZuDateBox* box = MakeBox();
    box->SetDate(TimeOf(2013, 12, 30));
    CZuDateSelectDlg* dialog = Open(box);
    ASSERT_NE(dialog, nullptr);
    // The grid starts on the right weekday: 1 December 2013 was a Sunday.
    EXPECT_EQ(dialog->FirstWeekDay(), 0);
    EXPECT_EQ(dialog->DayAt(0, 0), 1);
    iScreen.Press(EZuKeyRight);
    iScreen.Press(EZuKeyRight);
    EXPECT_EQ(dialog->ShownYear(), 2014);
    EXPECT_EQ(dialog->ShownMonth(), 1);
    EXPECT_EQ(dialog->SelectedDay(), 1);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Text(box->GetDateText()), "20140101");
    EXPECT_EQ(TZuDate::FromTime(box->GetDate()), (TZuDate{2014, 1, 1}));
}

TEST_F(DateBoxTest, CancellingLeavesDateAndTextAsTheyWere)
{
    CZuDateBox* box = MakeBox();
    box->SetDate(TimeOf(2012, 3, 5));
    const unsigned before = box->GetDate().GetTimeLow();
    for (unsigned key : {unsigned(EZuKeyF2), unsigned(EZuKeyEscape)})
    {
        ASSERT_NE(Open(box), nullptr);
        iScreen.Press(EZuKeyRight);
        iScreen.Press(key);
        EXPECT_EQ(box->GetDialog(), nullptr);
        EXPECT_EQ(box->GetDate().GetTimeLow(), before);
        EXPECT_EQ(Text(box->GetText()), "2012年3月5日 周一");
    }
}

TEST_F(DateBoxTest, AClickOpensTheCalendarAndTheMonthButtonsKeepItOpen)
{
    CZuDateBox* box = MakeBox();
    box->SetDate(TimeOf(2012, 12, 31));
    iScreen.Click(100, 30);
    CZuDateSelectDlg* dialog = box->GetDialog();
    ASSERT_NE(dialog, nullptr);
    const CZuPoint next = dialog->GetNextButton()->Rect().Center();
    iScreen.Click(next.iX, next.iY);
    ASSERT_EQ(box->GetDialog(), dialog);
    EXPECT_EQ(dialog->ShownYear(), 2013);
    EXPECT_EQ(dialog->ShownMonth(), 1);
    EXPECT_EQ(dialog->SelectedDay(), 31);
    iScreen.Click(next.iX, next.iY);
    // 31 January: February has no 31st, its last day is chosen.
    EXPECT_EQ(dialog->ShownMonth(), 2);
    EXPECT_EQ(dialog->SelectedDay(), 28);
    const CZuPoint previous = dialog->GetPrevButton()->Rect().Center();
    for (int i = 0; i < 2; ++i)
        iScreen.Click(previous.iX, previous.iY);
    EXPECT_EQ(dialog->ShownYear(), 2012);
    EXPECT_EQ(dialog->ShownMonth(), 12);
    EXPECT_EQ(dialog->SelectedDay(), 28);
    EXPECT_EQ(box->GetDialog(), dialog);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Text(box->GetDateText()), "20121228");
}

TEST_F(DateBoxTest, AReadOnlyOrDisabledBoxDoesNotOpen)
{
    CZuDateBox* box = MakeBox();
    box->SetReadOnly(true);
    EXPECT_FALSE(box->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    iScreen.Click(100, 30);
    EXPECT_EQ(box->GetDialog(), nullptr);
    box->SetReadOnly(false);
    box->SetDisabled(true);
    EXPECT_FALSE(box->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    iScreen.Click(100, 30);
    EXPECT_EQ(box->GetDialog(), nullptr);
    box->SetDisabled(false);
    // Only Enter counts.
    EXPECT_FALSE(box->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventDown));
    EXPECT_TRUE(box->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    EXPECT_EQ(box->GetState(), EZuStatePressed);
}

TEST_F(DateBoxTest, TheArrowStyleKeepsASquareAtTheRight)
{
    CZuDateBox* box = MakeBox();
    box->SetStyle(CZuDateBox::EStyleArrow);
    EXPECT_EQ(box->GetBorderType(), EZuBorderNone);
    EXPECT_EQ(box->ArrowRect(), CZuRect(260 - 26, 20, 260, 46));
    EXPECT_LE(box->TextRect().iBr.iX, box->ArrowRect().iTl.iX);
    EXPECT_GT(box->GetMinSize().iWidth, box->GetFont()->TextWidthInPixels(CZuString("2000年12月28日 周四")));
    box->SetStyle(CZuDateBox::EStylePlain);
    EXPECT_EQ(box->ArrowRect().Width(), 0);
    EXPECT_EQ(box->GetBorderType(), EZuBorderLine3);
}

TEST_F(DateBoxTest, ABoxDeletedWithItsCalendarOpenTakesItAlong)
{
    CZuDateBox* box = MakeBox();
    ASSERT_NE(Open(box), nullptr);
    iScreen.Client()->DeleteControl(box);
    EXPECT_EQ(iScreen.Ui().GetDispStackCount(), 0);
    iScreen.Draw();
}
} // namespace
