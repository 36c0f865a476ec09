// The date box in its styles and formats, focused and read-only, and the month calendar it opens: a
// month chosen by the keys, the next month by its button, and today's mark.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <cstdlib>
#include <ctime>

namespace
{
const CZuRgb KBoxColour(255, 255, 255);
const CZuRgb KInk(34, 44, 60);

CZuTime TimeOf(int year, int month, int day)
{
    CZuTime time;
    TZuDate{year, month, day}.ToTime(time);
    return time;
}

CZuDateBox* AddBox(CGalleryScene& scene, int row, const char* caption, CZuDateBox::TStyle style,
                   CZuDateBox::TDateDispFormat format, const CZuTime& date)
{
    const CZuRect area = scene.ClientRect();
    const int top = area.iTl.iY + 16 + row * 40;
    new CGalleryCaption(scene.Client(), caption, CZuRect(24, top, 150, top + 28));
    CZuDateBox* box = new CZuDateBox(scene.Client());
    box->SetBackground(KBoxColour);
    box->SetForeground(KInk);
    box->SetStyle(style);
    box->SetDateDispFmt(format);
    box->SetDate(date);
    box->SetRect(CZuRect(150, top, 150 + 230, top + 28));
    return box;
}
} // namespace

ZU_GALLERY_PAGE(date)
{
    // Pictures that do not depend on the machine's zone.
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550006));
    const CZuTime day = TimeOf(2012, 2, 29);
    CZuDateBox* plain = AddBox(scene, 0, "日期", CZuDateBox::EStylePlain, CZuDateBox::EDispLongWithDay, day);
    AddBox(scene, 1, "带箭头", CZuDateBox::EStyleArrow, CZuDateBox::EDispLong, TimeOf(2038, 1, 19));
    AddBox(scene, 2, "斜线", CZuDateBox::EStylePlain, CZuDateBox::EDispSlash, TimeOf(1969, 12, 31));
    AddBox(scene, 3, "短横", CZuDateBox::EStyleArrow, CZuDateBox::EDispDash, TimeOf(2100, 2, 28));
    CZuDateBox* fixed =
        AddBox(scene, 4, "只读", CZuDateBox::EStylePlain, CZuDateBox::EDispLongWithDay, TimeOf(2000, 1, 1));
    fixed->SetReadOnly(true);
    // A box whose date was never set shows nothing.
    const int top = scene.ClientRect().iTl.iY + 16 + 5 * 40;
    new CGalleryCaption(scene.Client(), "未设置", CZuRect(24, top, 150, top + 28));
    CZuDateBox* unset = new CZuDateBox(scene.Client());
    unset->SetBackground(KBoxColour);
    unset->SetRect(CZuRect(150, top, 150 + 230, top + 28));
    scene.Client()->SetFocusTo(plain);
    scene.Pump();
    scene.Shot("boxes");

    // Enter opens the calendar on the box's day; Right moves to 1 March.
    scene.PressKey(EZuKeyEnter);
    scene.Shot("calendar");
    scene.PressKey(EZuKeyRight);
    scene.Shot("next-month");
    // OK takes the day; the box shows it.
    scene.PressKey(EZuKeyF1);
    scene.Shot("chosen");
    unsetenv("TZ");
    tzset();
}
