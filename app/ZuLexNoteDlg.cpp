#include "ZuLexNoteDlg.h"

#include "ZuCba.h"
#include "ZuDrawUtil.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuLexIds.h"
#include "ZuMessage.h"
#include "ZuStrUtil.h"
#include "ZuString16.h"
#include "ZuUiManager.h"
#include "ZuUiSetting.h"

#include <algorithm>

namespace
{
// The dialogs' size on a desktop, and the title band's colours.
const int KWidth = 320;
const int KHeight = 240;
const CZuRgb KTitleTop(236, 243, 248);
const CZuRgb KTitleBottom(209, 223, 236);
const unsigned KTitleText = 0x000000;
const int KTextSpace = 8;

CZuString16 Utf16(const CZuString& text)
{
    CZuString16 wide;
    ConvertUtf8ToUnicode(text.PtrZ() ? text.PtrZ() : "", text.Length(), wide);
    return wide;
}
} // namespace

CZuLexNoteDlg::CZuLexNoteDlg(int id, const CZuString& title, const CZuString& text)
    : CZuDialog(id, nullptr), iTitle(title), iText(text), iVertAlign(EAlignTop), iEnterDown(false),
      iClosed(false)
{
    SetCbaData(KCmdClose, CZuEnv::GetString(EZuLexUiStrCancel), EZuCmdNone, CZuString(""));
    SetTransformEffect(EZuTransFromBottom);
}

CZuLexNoteDlg::~CZuLexNoteDlg()
{
    if (CZuUiManager* manager = CZuEnv::UiManager())
    {
        for (int i = 0; i < manager->GetDispStackCount(); ++i)
        {
            if (manager->GetDispStackAt(i) == this)
            {
                manager->PopFromDispStack(this);
                break;
            }
        }
    }
}

void CZuLexNoteDlg::Show(MZuMessageWnd* receiver, const CZuRect& rect)
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (!manager)
        return;
    CZuRect place = rect;
    if (place.Width() <= 0 || place.Height() <= 0)
    {
        CZuRect area = manager->GetUiRect();
        if (CZuCba* cba = manager->GetCba())
            area.iBr.iY = cba->Rect().iTl.iY;
        int width = std::min(KWidth, area.Width() * 8 / 10);
        int height = std::min(KHeight, area.Height() * 8 / 10);
        CZuPoint topLeft(area.iTl.iX + (area.Width() - width) / 2, area.iTl.iY + (area.Height() - height) / 2);
        place = CZuRect(topLeft, CZuSize(width, height));
    }
    SetRect(place);
    SetMsgWnd(receiver, EZuLexMsgDialogClosed);
    manager->CloseMenu();
    manager->PushToDispStack(this);
    if (CZuControl* root = Parent())
        root->SetFocusTo(this);
    if (CZuEnv::UiSetting()->IsSupportTransformEffect())
        manager->PostTransformEffectCmd(GetTransformEffect());
    manager->DrawDeffered();
}

CZuRect CZuLexNoteDlg::TitleRect() const
{
    CZuRect inner = InnerRect();
    inner.iBr.iY = std::min(inner.iBr.iY, inner.iTl.iY + 2 * CZuFont::GetNormalHeight());
    return inner;
}

void CZuLexNoteDlg::Draw(CZuGc& gc, const CZuRect&)
{
    CZuRect title = TitleRect();
    CZuDrawUtil::FillRoundRect(gc, title, 0, KTitleTop, KTitleBottom, IZuGc::EGradualVertical);
    CZuFont* font = GetFont();
    gc.UseFont(font);
    gc.SetDrawColor(CZuRgb(KTitleText));
    CZuRect titleText(title.iTl.iX + KTextSpace, title.iTl.iY, title.iBr.iX - KTextSpace, title.iBr.iY);
    CZuDrawUtil::DrawTextW(gc, Utf16(iTitle), titleText, EAlignLeft, font);

    CZuRect inner = InnerRect();
    CZuRect area(inner.iTl.iX + KTextSpace, title.iBr.iY + KTextSpace / 2, inner.iBr.iX - KTextSpace,
                 inner.iBr.iY - KTextSpace / 2);
    CZuString16 text = Utf16(iText);
    int space = CZuEnv::UiSetting()->TextRowSpace();
    int rows = CZuStrUtil::GetTextRowCount(text, area.Width(), font);
    int height = rows * (font->HeightInPixels() + space) - space;
    if (iVertAlign != EAlignTop && height < area.Height())
        area.iTl.iY += iVertAlign == EAlignBottom ? area.Height() - height : (area.Height() - height) / 2;
    gc.SetDrawColor(Foreground());
    CZuDrawUtil::DrawWrapText(gc, text, area, 0, 0, space, font);
}

bool CZuLexNoteDlg::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!event.IsKey())
        return true;
    if (type == EZuKeyEventDown && event.iCode == EZuKeyEnter)
        iEnterDown = true;
    else if (type == EZuKeyEventUp)
        iEnterDown = false;
    else if (type == EZuKeyEventKey && event.iCode == EZuKeyEnter && iEnterDown)
        Close();
    return true;
}

bool CZuLexNoteDlg::HandleMessage(CZuMessage* message)
{
    if (message->iType != EZuMsgCommand && message->iType != EZuMsgButtonClicked)
        return false;
    if (message->iParam1 != EZuCmdNone)
        Close();
    return true;
}

void CZuLexNoteDlg::Close()
{
    // One report only: the receiver deletes the note when it hears of it.
    if (iClosed)
        return;
    iClosed = true;
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(GetMsgWnd(), EZuLexMsgDialogClosed, 0, CZuMessage::MakeParam(this));
}
