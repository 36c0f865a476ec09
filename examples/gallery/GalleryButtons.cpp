// The gallery's buttons: every look and every content type in the normal, focused, pressed and disabled
// states; check and radio buttons in titled panes; a label showing a list's position.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <string>

namespace
{
// Buttons are shown in the colours the program gives them: the first built-in scheme.
void UseProgramColours(CGalleryScene& scene)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    scene.Ui()->UpdateUiStyle();
}

// The four states shown side by side, and how each is reached.
struct TStateColumn
{
    const char* iName;
    TZuControlState iState;
    bool iDisabled;
};
const TStateColumn KStates[] = {{"普通", EZuStateNormal, false},
                                {"焦点", EZuStateFocused, false},
                                {"按下", EZuStatePressed, false},
                                {"禁用", EZuStateNormal, true}};
const int KStateCount = 4;

const int KCaptionLeft = 12;
const int KFirstColumn = 120;
const int KColumnStep = 90;
const int KButtonWidth = 80;

// A round band from top to bottom colour, owned by the caller.
CZuImage* MakeBand(const CZuSize& size, const CZuRgb& top, const CZuRgb& bottom)
{
    return CGalleryScene::MakeTile(size, size.iHeight / 3, top, bottom, nullptr);
}

// The image look needs a picture for each state.
void GiveStatePictures(CZuButton* button, const CZuSize& size)
{
    button->SetNormalImg(MakeBand(size, CZuRgb(120, 170, 230), CZuRgb(50, 100, 180)), true);
    button->SetPressDownImg(MakeBand(size, CZuRgb(40, 80, 150), CZuRgb(70, 120, 200)), true);
    button->SetFocusedImg(MakeBand(size, CZuRgb(226, 128, 44), CZuRgb(196, 96, 22)), true);
    button->SetDisabledImg(MakeBand(size, CZuRgb(205, 210, 216), CZuRgb(180, 186, 194)), true);
}

// Puts a button in the state of a column: pressed and focused looks are shown as the button has them
// while a key or the pointer holds it.
void ShowState(CZuButton* button, const TStateColumn& column)
{
    button->SetState(column.iState);
    button->SetDisabled(column.iDisabled);
}

void AddStateHeadings(CGalleryScene& scene, int top)
{
    for (int i = 0; i < KStateCount; ++i)
    {
        const int left = KFirstColumn + i * KColumnStep;
        CGalleryCaption* caption = new CGalleryCaption(scene.Client(), KStates[i].iName,
                                                       CZuRect(left, top, left + KButtonWidth, top + 20));
        caption->SetAlign(EAlignCenter);
    }
}

// One row: a caption and the same button in the four states.
void AddStateRow(CGalleryScene& scene, const char* caption, int top, int height, TZuButtonUiStyle look,
                 TZuButtonType content, const char* text, const char* glyph)
{
    new CGalleryCaption(scene.Client(), caption, CZuRect(KCaptionLeft, top, KFirstColumn - 8, top + height));
    for (int i = 0; i < KStateCount; ++i)
    {
        const int left = KFirstColumn + i * KColumnStep;
        CZuButton* button = new CZuButton(scene.Client());
        button->SetBtnUiStyle(look);
        button->SetBtnType(content);
        CZuImage* icon =
            glyph ? CGalleryScene::MakeIcon(glyph, CZuRgb(90, 190, 120), CZuRgb(30, 130, 70), 22) : nullptr;
        button->Set(200 + i, CZuString(text), icon, true);
        if (look == EZuBtnStyleImages)
            GiveStatePictures(button, CZuSize(KButtonWidth, height));
        button->SetRect(CZuRect(left, top, left + KButtonWidth, top + height));
        ShowState(button, KStates[i]);
    }
}
} // namespace

// The six looks and the fallback, text only.
ZU_GALLERY_PAGE(buttons)
{
    UseProgramColours(scene);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550005));
    const int top = scene.ClientRect().iTl.iY + 8;
    AddStateHeadings(scene, top);
    struct TLookRow
    {
        const char* iCaption;
        int iLook;
    };
    const TLookRow looks[] = {{"0 框线", EZuBtnStyleFrame},
                              {"1 无底", EZuBtnStylePlain},
                              {"2 渐变", EZuBtnStyleGradient},
                              {"3 图片", EZuBtnStyleImages},
                              {"4 六边形", EZuBtnStyleHexagon},
                              {"5 平面", EZuBtnStyleFlat},
                              {"其他 (9)", 9}};
    int rowTop = top + 28;
    // The frame and plain looks draw nothing behind light text when idle: they stand on a dark bar, as
    // the command bar's soft keys do.
    CZuControl* bar = new CZuControl(scene.Client(), true, EZuCtrlPane);
    bar->SetReadOnly(true);
    bar->SetBackground(CZuRgb(40, 72, 120));
    bar->SetBgTransDegree(0);
    bar->SetShowBackground(true, false, IZuGc::EGradualVertical);
    bar->SetRect(CZuRect(KFirstColumn - 6, rowTop - 5, KFirstColumn + 3 * KColumnStep + KButtonWidth + 6,
                         rowTop + 75));
    for (const TLookRow& row : looks)
    {
        AddStateRow(scene, row.iCaption, rowTop, 30, static_cast<TZuButtonUiStyle>(row.iLook), EZuBtnText,
                    "开始", nullptr);
        rowTop += 40;
    }
    scene.Shot("looks");
}

// The four content types in the gradient look.
ZU_GALLERY_PAGE(buttons_content)
{
    UseProgramColours(scene);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550005));
    const int top = scene.ClientRect().iTl.iY + 8;
    AddStateHeadings(scene, top);
    int rowTop = top + 28;
    AddStateRow(scene, "0 文字", rowTop, 34, EZuBtnStyleGradient, EZuBtnText, "学习", nullptr);
    rowTop += 48;
    AddStateRow(scene, "1 图片", rowTop, 34, EZuBtnStyleGradient, EZuBtnImage, "", "学");
    rowTop += 48;
    AddStateRow(scene, "2 图片和文字", rowTop, 34, EZuBtnStyleGradient, EZuBtnImageText, "学习", "学");
    rowTop += 48;
    AddStateRow(scene, "3 图片在上", rowTop, 58, EZuBtnStyleGradient, EZuBtnImageOverText, "学习", "学");
    scene.Shot("content");
}

namespace
{
CZuPane* AddTitledPane(CGalleryScene& scene, const char* title, const CZuRect& rect)
{
    CZuPane* pane = new CZuPane(scene.Client());
    pane->SetText(CZuString(title));
    pane->SetIsShowTitle(true);
    pane->SetShowPaneBorder(true);
    pane->SetFrameColor(CZuRgb(150, 165, 185));
    pane->SetForeground(CZuRgb(40, 48, 64));
    pane->SetInnerSpace(6, 8, 10, 10);
    pane->GetLayout()->SetRowspace(2);
    pane->SetRect(rect);
    return pane;
}

template <typename TButton> TButton* AddToggle(CZuPane* pane, int command, const char* text, bool selected)
{
    TButton* button = new TButton(pane);
    button->Set(command, CZuString(text), nullptr, false);
    button->SetSelected(selected);
    button->SetAlign(EAlignLeft);
    button->SetForeground(CZuRgb(40, 48, 64));
    pane->GetLayout()->AppendRow(button, -1, 28);
    return button;
}
} // namespace

// Check and radio buttons grouped in titled panes, and a label telling a list's position.
ZU_GALLERY_PAGE(buttons_toggles)
{
    UseProgramColours(scene);
    scene.Cba()->SetCbaData(0, CZuEnv::GetString(0x5A550004), 0, CZuEnv::GetString(0x5A550005));
    const CZuRect area = scene.ClientRect();
    const int middle = area.Center().iX;

    CZuPane* speech =
        AddTitledPane(scene, "朗读", CZuRect(12, area.iTl.iY + 10, middle - 6, area.iTl.iY + 170));
    AddToggle<CZuCheckButton>(speech, 301, "自动朗读", true);
    CZuCheckButton* loop = AddToggle<CZuCheckButton>(speech, 302, "循环播放", false);
    AddToggle<CZuCheckButton>(speech, 303, "慢速朗读", true);
    CZuCheckButton* off = AddToggle<CZuCheckButton>(speech, 304, "显示音标（不可用）", false);
    off->SetDisabled(true);
    speech->SizeChanged();

    CZuPane* group = AddTitledPane(
        scene, "每组词数", CZuRect(middle + 6, area.iTl.iY + 10, area.iBr.iX - 12, area.iTl.iY + 170));
    AddToggle<CZuRadioButton>(group, 310, "10 个", false);
    CZuRadioButton* twenty = AddToggle<CZuRadioButton>(group, 320, "20 个", true);
    AddToggle<CZuRadioButton>(group, 330, "30 个", false);
    AddToggle<CZuRadioButton>(group, 340, "50 个", false);
    group->SizeChanged();

    new CGalleryCaption(scene.Client(), "列表位置", CZuRect(12, area.iTl.iY + 186, 120, area.iTl.iY + 214));
    // Labels on the light screen take dark ink, as the program's do.
    const CZuRgb ink(40, 48, 64);
    CZuLabel* position = new CZuLabel(scene.Client());
    position->SetForeground(ink);
    position->SetRect(CZuRect(120, area.iTl.iY + 186, 220, area.iTl.iY + 214));
    position->ListStatusChanged(3, 20);
    new CGalleryCaption(scene.Client(), "左对齐", CZuRect(12, area.iTl.iY + 222, 120, area.iTl.iY + 250));
    CZuLabel* left = new CZuLabel(scene.Client());
    left->SetForeground(ink);
    left->SetAlign(EAlignLeft);
    left->SetInnerSpace(0, 0, 6, 6);
    left->SetText(CZuString("第 3 组，共 20 组"));
    left->SetRect(CZuRect(120, area.iTl.iY + 222, 340, area.iTl.iY + 250));

    // The focus on the loop switch, then on the radio group's second choice.
    speech->SetFocus(true);
    speech->SetFocusTo(loop);
    scene.Shot("toggles");

    // Choosing 30 by the pointer: the pane's group leaves it alone selected.
    CZuRadioButton* thirty = static_cast<CZuRadioButton*>(group->GetControl(2));
    const CZuPoint centre = thirty->Rect().Center();
    scene.Click(centre.iX, centre.iY);
    scene.Click(loop->Rect().Center().iX, loop->Rect().Center().iY);
    (void)twenty;
    scene.Shot("chosen");
}
