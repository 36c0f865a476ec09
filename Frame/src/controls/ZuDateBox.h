#ifndef ZUDATEBOX_H
#define ZUDATEBOX_H

#include "ZuControl.h"
#include "ZuTime.h"

class CZuDateSelectDlg;

// A one-line box that shows a date and, when Enter or a click activates it, opens a month calendar at the
// bottom of the client area to choose another (CZuDateSelectDlg). The date is an instant (CZuTime); the
// box shows its date where the program runs, and a chosen day is stored as that day at 01:02:03 local
// time, so that box, calendar and caller agree on the day in every time zone.
class CZuDateBox : public CZuControl
{
public:
    // 0 with an arrow at the right, 1 plain.
    enum TStyle
    {
        EStyleArrow = 0,
        EStylePlain = 1
    };

    // How the date is shown.
    enum TDateDispFormat
    {
        // The toolkit's date format (string 0x5A550018): "2012年3月5日".
        EDispLong = 0,
        EDispSlash = 1,
        EDispDash = 2,
        // The toolkit's date format with the day's name (0x5A550019): "2012年3月5日 周一".
        EDispLongWithDay = 3
    };

    // How GetDateText() writes the date.
    enum TDateRetFormat
    {
        // "20120305"; also for values that are no format.
        ERetDigits = 1,
        ERetSlash = 2,
        ERetDash = 3
    };

    // A child of parent (type 12): plain style, today's date not yet set, the long format with the day.
    explicit CZuDateBox(CZuControl* parent);
    // Deletes a calendar still open.
    ~CZuDateBox() override;

    // Stores the date, marks it set and shows it. False, changing nothing, for a time whose date lies
    // outside years 1 to 9999.
    bool SetDate(const CZuTime& date);
    const CZuTime& GetDate() const { return iDate; }
    bool IsDateSet() const { return iDateSet; }
    // Empty until a date was set; then the date in the return format.
    CZuString GetDateText() const;
    void SetDateDispFmt(TDateDispFormat format);
    TDateDispFormat GetDateDispFmt() const { return iDispFormat; }
    void SetRetTextFmt(TDateRetFormat format) { iRetFormat = format; }
    void SetStyle(TStyle style);
    TStyle GetStyle() const { return iStyle; }
    // The calendar while it is open, else null.
    CZuDateSelectDlg* GetDialog() const { return iDialog; }
    const CZuRect& TextRect() const { return iTextRect; }
    const CZuRect& ArrowRect() const { return iArrowRect; }

    // A day's name from the toolkit's strings (0 Sunday to 6 Saturday).
    static CZuString DayName(int weekDay);
    // The toolkit string id as a printf format for three integers when IsIntFormat, else the fallback.
    static CZuString IntFormat(int stringId, const char* fallback);
    // True when format holds exactly count conversions of one int each ("%d" or "%i", with flags and a
    // width of at most two digits) and no other conversion ("%%" aside), so that printf reads just the
    // integers passed.
    static bool IsIntFormat(const CZuString& format, int count);

    // The longest text of the display format, with the inner spaces and the arrow.
    CZuSize GetMinSize() override;
    void SizeChanged() override;
    // Released (3): the calendar opens. Every change asks for a redraw.
    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // Enter only; none while read-only or disabled.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // The calendar closing (message 17): a chosen day becomes the date.
    bool HandleMessage(CZuMessage* message) override;

private:
    void MakeText();
    CZuString DisplayText(const CZuTime& date) const;
    void OpenDialog();
    bool FocusedLook() const;

    TStyle iStyle;
    CZuRect iTextRect;
    CZuRect iArrowRect;
    CZuTime iDate;
    bool iDateSet;
    TDateDispFormat iDispFormat;
    // Kept as a number: any value that is no format writes digits.
    int iRetFormat;
    CZuDateSelectDlg* iDialog;
    // What the calendar edits; the date takes it only when a day is accepted.
    CZuTime iEdited;
};

#endif // ZUDATEBOX_H
