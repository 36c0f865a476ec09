#include "ZuDialog.h"

#include "ZuButton.h"
#include "ZuButtonGroup.h"
#include "ZuCba.h"
#include "ZuCbaButtonData.h"
#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuKeyCode.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuMessage.h"
#include "ZuPane.h"
#include "ZuUiManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"
#include "ZuWnd.h"

#include <algorithm>
#include <vector>

namespace
{
// The toolkit's strings of the OK and cancel keys.
const int KStrOk = 0x5A550004;
const int KStrCancel = 0x5A550005;
// The size of a dialog on a desktop, and its share of a smaller area.
const int KDesktopWidth = 320;
const int KDesktopHeight = 240;
// The title pane's gradient, top to bottom, and its text.
const CZuRgb KTitleTop(236, 243, 248);
const CZuRgb KTitleBottom(209, 223, 236);
const CZuRgb KTitleText(0, 0, 0);

// The modeless dialogs shown without a receiver, which delete themselves when they close.
std::vector<CZuDialog*>& Unowned()
{
    static std::vector<CZuDialog*> dialogs;
    return dialogs;
}

void ForgetUnowned(CZuDialog* dialog)
{
    std::vector<CZuDialog*>& dialogs = Unowned();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

CZuControl* CurrentRoot()
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (!manager || !manager->GetCurWnd())
        return nullptr;
    return manager->GetCurWnd()->GetWnd();
}
} // namespace

struct TZuDialogData
{
    bool iModal = false;
    CZuPane* iTitlePane = nullptr;
    CZuLabel* iTitleLabel = nullptr;
    CZuButtonGroup* iButtonGroup = nullptr;
    CZuCbaData* iCbaData = nullptr;
    CZuLayout* iContentLayout = nullptr;
    // ShowDialog ran; the dialog closed (OK, cancel, or a quit during its wait).
    bool iShown = false;
    bool iClosed = false;
    // A modeless dialog has told its receiver it closed: its receiver deletes it, so it is never shown or
    // reported again.
    bool iReported = false;
    // Shown without a receiver: it deletes itself when its own closing message arrives.
    bool iDeleteSelf = false;
};

CZuDialog::CZuDialog(CZuControl* parent, int id, void* data) : CZuContainer(parent, nullptr, EZuCtrlDialog)
{
    Init(id, data);
}

CZuDialog::CZuDialog(int id, void* data) : CZuContainer(CurrentRoot(), nullptr, EZuCtrlDialog)
{
    Init(id, data);
}

void CZuDialog::Init(int id, void* data)
{
    iDlgData = new TZuDialogData;
    iData = data;
    iVerdict = false;
    iEnterDown = false;
    SetID(id);
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(3);
    SetInnerSpace(0);
    SetShowBackground(true, false, IZuGc::EGradualVertical);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iDialog);
}

CZuDialog::~CZuDialog()
{
    ForgetUnowned(this);
    if (IsOnDisplayStack())
        CZuEnv::UiManager()->PopFromDispStack(this);
    // The container's destructor deletes the client layout, whose row held the content layout.
    delete iDlgData->iContentLayout;
    delete iDlgData->iCbaData;
    delete iDlgData;
}

bool CZuDialog::IsOnDisplayStack() const
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (!manager)
        return false;
    for (int i = 0; i < manager->GetDispStackCount(); ++i)
    {
        if (manager->GetDispStackAt(i) == this)
            return true;
    }
    return false;
}

void CZuDialog::ConstructL()
{
    CZuContainer::ConstructL();
    BuildTitlePane();
    iDlgData->iContentLayout = new CZuLayout;
    iDlgData->iContentLayout->SetPredefinedSize(CZuSize(-1, -1));
    int row = GetClientLayout()->AppendRow(iDlgData->iContentLayout, -1, -1);
    GetClientLayout()->SetRowHeight(row, -1);
    SetCbaData(KCmdOk, CZuEnv::GetString(KStrOk), KCmdCancel, CZuEnv::GetString(KStrCancel));
    InitPosition();
    InitDlgContent(iData);
}

void CZuDialog::BuildTitlePane()
{
    CZuPane* pane = new CZuPane(this);
    pane->SetInnerSpace(2);
    pane->SetShowBackground(true, true, IZuGc::EGradualVertical);
    pane->SetBackground(KTitleTop);
    pane->SetBackgroundTo(KTitleBottom);
    pane->SetBorderType(EZuBorderLine3);
    // Its buttons answer clicks; the keyboard has Enter, Escape and the soft keys.
    pane->SetReadOnly(true);
    GetClientLayout()->AppendRow(pane, -1, 2 * CZuFont::GetNormalHeight());

    CZuButton* cancel = new CZuButton(pane);
    cancel->Set(KCmdCancel, CZuEnv::GetString(KStrCancel), nullptr, false);
    CZuLabel* label = new CZuLabel(pane);
    label->SetForeground(KTitleText);
    label->SetReadOnly(true);
    CZuButton* ok = new CZuButton(pane);
    ok->Set(KCmdOk, CZuEnv::GetString(KStrOk), nullptr, false);
    CZuLayout* layout = pane->GetLayout();
    layout->AppendCellToLastRow(cancel, 0, 0, EAlignVCenter);
    layout->AppendCellToLastRow(label, -1, 0, EAlignVCenter);
    layout->AppendCellToLastRow(ok, 0, 0, EAlignVCenter);
    iDlgData->iTitlePane = pane;
    iDlgData->iTitleLabel = label;
}

void CZuDialog::InitPosition()
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (!manager)
        return;
    CZuRect area = manager->GetUiRect();
    if (CZuCba* cba = manager->GetCba())
        area.iBr.iY = cba->Rect().iTl.iY;
    // A command bar above the UI's top leaves no area, never a negative one.
    area.iBr.iY = std::max(area.iBr.iY, area.iTl.iY);
    area.iBr.iX = std::max(area.iBr.iX, area.iTl.iX);
    const int areaWidth = area.Width();
    const int areaHeight = area.Height();
    CZuRect place;
    if (CZuEnv::UiSetting()->IsSupportTrans())
    {
        int width = KDesktopWidth;
        int height = KDesktopHeight;
        if (width >= areaWidth)
        {
            width = static_cast<int>(0.8 * areaWidth);
            height = static_cast<int>(0.75 * width);
        }
        if (height >= areaHeight)
            height = static_cast<int>(0.8 * areaHeight);
        int left = area.iTl.iX + (areaWidth - width) / 2;
        int top = area.iTl.iY + (areaHeight - height) / 2;
        place = CZuRect(left, top, left + width, top + height);
    }
    else
    {
        int top = area.iBr.iY - std::min(areaWidth, areaHeight) * 7 / 10;
        place = CZuRect(area.iTl.iX, top, area.iBr.iX, area.iBr.iY);
    }
    SetRect(place);
    if (CZuLayout* layout = GetClientLayout())
        layout->DoLayout();
}

void CZuDialog::InitDlgContent(void*) {}

bool CZuDialog::HandleDlgCommand(int command)
{
    return command == KCmdOk;
}

bool CZuDialog::ShowDialog(bool modal, MZuMessageWnd* receiver)
{
    CZuUiManager* manager = CZuEnv::UiManager();
    // Its receiver deletes a dialog that reported; a dialog already waiting is shown.
    if (!manager || iDlgData->iReported || IsWaiting())
        return false;
    SetMsgWnd(receiver, KMsgDialogClosed);
    iVerdict = false;
    iEnterDown = false;
    iDlgData->iClosed = false;
    iDlgData->iModal = modal;
    iDlgData->iShown = true;
    ForgetUnowned(this);
    if (!modal && !receiver)
        Unowned().push_back(this);
    manager->CloseMenu();
    if (!IsOnDisplayStack())
    {
        manager->PushToDispStack(this);
        if (CZuControl* root = Parent(); root && !IsFocused() && root->FindControl(this) >= 0)
            root->SetFocusTo(this);
    }
    manager->DrawDeffered();
    if (CZuEnv::UiSetting()->IsSupportTransformEffect())
        manager->PostTransformEffectCmd(GetTransformEffect());
    if (!modal)
        return true;
    StartWait();
    // The wait ended without OK or cancel: the window was closed.
    if (!iDlgData->iClosed)
    {
        iDlgData->iClosed = true;
        iVerdict = false;
    }
    return iVerdict;
}

bool CZuDialog::IsModel() const
{
    return iDlgData->iModal;
}

void CZuDialog::SetTitle(const CZuString& title)
{
    if (iDlgData->iTitleLabel)
        iDlgData->iTitleLabel->SetText(title);
    if (iDlgData->iButtonGroup)
        iDlgData->iButtonGroup->SetText(title);
    DrawDeferred();
}

void CZuDialog::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    if (!iDlgData->iCbaData)
        iDlgData->iCbaData = new CZuCbaData;
    iDlgData->iCbaData->SetCba(leftCmd, leftText, rightCmd, rightText);
}

CZuCbaData* CZuDialog::GetCbaData() const
{
    return iDlgData->iCbaData;
}

CZuLayout* CZuDialog::GetDlgLayout() const
{
    return iDlgData->iContentLayout;
}

CZuButtonGroup* CZuDialog::GetButtonGroup() const
{
    return iDlgData->iButtonGroup;
}

CZuLabel* CZuDialog::GetTitleLabel() const
{
    return iDlgData->iTitleLabel;
}

CZuPane* CZuDialog::GetTitlePane() const
{
    return iDlgData->iTitlePane;
}

void* CZuDialog::GetData() const
{
    return iData;
}

bool CZuDialog::GetVerdict() const
{
    return iVerdict;
}

bool CZuDialog::IsClosed() const
{
    return iDlgData->iClosed;
}

void CZuDialog::DeleteUnowned()
{
    while (!Unowned().empty())
        delete Unowned().back();
}

void CZuDialog::SetButtonGroup(CZuButtonGroup* group)
{
    iDlgData->iButtonGroup = group;
    if (group && iDlgData->iTitleLabel)
        group->SetText(iDlgData->iTitleLabel->GetText());
}

int CZuDialog::FiveRowHeight()
{
    return 5 * GetFont()->HeightInPixels();
}

int CZuDialog::LeftCommand() const
{
    CZuCbaData* data = iDlgData->iCbaData;
    return data ? data->GetLeftItem()->GetCommandID() : EZuCmdNone;
}

int CZuDialog::RightCommand() const
{
    CZuCbaData* data = iDlgData->iCbaData;
    return data ? data->GetRightItem()->GetCommandID() : EZuCmdNone;
}

void CZuDialog::SetUiStyle(CZuUiStyleCommon* style)
{
    CZuContainer::SetUiStyle(style);
    if (iDlgData && iDlgData->iTitleLabel)
        iDlgData->iTitleLabel->SetForeground(KTitleText);
}

void CZuDialog::SizeChanged()
{
    CZuContainer::SizeChanged();
}

void CZuDialog::RunCommand(int command)
{
    if (command == EZuCmdNone || iDlgData->iClosed)
        return;
    bool verdict = HandleDlgCommand(command);
    // Other commands are the dialog's own business (a calendar's month buttons): it stays open.
    if (command == KCmdOk || command == KCmdCancel)
        Close(verdict);
}

void CZuDialog::Close(bool verdict)
{
    if (iDlgData->iClosed)
        return;
    iDlgData->iClosed = true;
    iVerdict = verdict;
    DrawDeferred();
    if (!iDlgData->iShown)
        return;
    if (iDlgData->iModal)
    {
        StopWait();
        return;
    }
    CZuEnv* env = CZuEnv::Static();
    if (!env)
        return;
    iDlgData->iReported = true;
    MZuMessageWnd* receiver = GetMsgWnd();
    if (!receiver)
    {
        // Nobody holds it: it goes when its own message comes back, after the event being handled.
        iDlgData->iDeleteSelf = true;
        receiver = this;
    }
    env->PostMessageW(receiver, KMsgDialogClosed, verdict ? 1 : 0, CZuMessage::MakeParam(this),
                      CZuPoint(0, 0));
}

bool CZuDialog::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    // A closed dialog waits for its owner to delete it.
    if (iDlgData->iClosed)
        return true;
    if (CZuControl::HandleKeyEvent(event, type))
        return true;
    if (!event.IsKey())
        return true;
    if (type == EZuKeyEventDown && event.iCode == EZuKeyEnter)
    {
        iEnterDown = true;
    }
    else if (type == EZuKeyEventUp && event.iCode == EZuKeyEnter)
    {
        iEnterDown = false;
    }
    else if (type == EZuKeyEventKey && event.iCode == EZuKeyEnter && iEnterDown)
    {
        RunCommand(LeftCommand());
    }
    else if (type == EZuKeyEventKey && event.iCode == EZuKeyEscape && !event.iIsRepeat)
    {
        // A dialog without a right soft key is still left by Escape: as by its title's cancel button.
        int command = RightCommand();
        RunCommand(command != EZuCmdNone ? command : KCmdCancel);
    }
    return true;
}

bool CZuDialog::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (iDlgData->iClosed)
        return true;
    if (CZuControl::HandlePointerEventL(event))
        return true;
    return HitTest(event.iPosition);
}

bool CZuDialog::HandleMessage(CZuMessage* message)
{
    if (message->iType == KMsgDialogClosed && message->iReceiver == this &&
        CZuMessage::ParamObject<CZuDialog>(message->iParam2) == this)
    {
        if (iDlgData->iDeleteSelf)
            delete this;
        return true;
    }
    if (message->iType != EZuMsgCommand && message->iType != EZuMsgButtonClicked)
        return false;
    RunCommand(static_cast<int>(message->iParam1));
    return true;
}
