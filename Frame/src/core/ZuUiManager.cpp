#include "ZuUiManager.h"

#include "ZuBitmapGc.h"
#include "ZuButton.h"
#include "ZuCba.h"
#include "ZuContainer.h"
#include "ZuControl.h"
#include "ZuDialog.h"
#include "ZuEnv.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuKeyCode.h"
#include "ZuLayout.h"
#include "ZuLog.h"
#include "ZuMenuBar.h"
#include "ZuMenuData.h"
#include "ZuMessage.h"
#include "ZuMessageProcessorImpl.h"
#include "ZuPathUtil.h"
#include "ZuStringManager.h"
#include "ZuTitleBar.h"
#include "ZuTransform.h"
#include "ZuUiManagerObserver.h"
#include "ZuUiSetting.h"
#include "ZuView.h"
#include "ZuWelcome.h"
#include "ZuWindow.h"
#include "ZuWnd.h"

#include "ZuUiManagerData.h"

namespace
{
const char* const KClientLayout = "ClientLayout";
const char* const KTitleBar = "TitleBar";
const char* const KCba = "Cba";
// The toolkit's string table and images, under the resource directory.
const char* const KResFolder = "res/";
const char* const KUiStringTable = "ZuUi_zh.bin";
const char* const KImageFolder = "img/";
// Message 3 with this value, 11 with 4, a command EZuCmdExit and other types below 30 with 11 close the
// program.
const unsigned KShowTypeExit = 4;
const unsigned KMsgLastHandled = 30;
} // namespace

CZuUiManager::CZuUiManager()
    : iData(new TZuUiManagerData), iWelcome(nullptr), iKeyCount(0), iHeldKey(0), iCharSeenKey(0),
      iTextInputClient(nullptr)
{
    CZuEnv::CreateEnv()->SetUiManager(this);
    CZuEnv::MsgProcessor()->SetRouter(this);
}

CZuUiManager::~CZuUiManager()
{
    // Dialogs that nobody holds (they delete themselves when closed) go while the screen is still whole.
    CZuDialog::DeleteUnowned();
    CZuControl* root = CurrentRoot();
    for (int i = 0; root && i < iData->iDispStack.GetCount(); ++i)
        root->RemoveControl(static_cast<CZuControl*>(iData->iDispStack.GetAt(i)));
    // The views' containers go with the views below: none of them is on the screen any more.
    iData->iDispStack.RemoveAll();
    // Nothing may reach this object through the queue any more.
    CZuEnv::MsgProcessor()->SetRouter(nullptr);

    delete iData->iMenuBar;
    iData->iMenuBar = nullptr;
    iData->iViews.DeleteAll();
    // The current window's root hangs under the platform root: take it off before either goes.
    CZuWnd* current = GetCurWnd();
    if (current && current->GetWnd() && iData->iPlatWindow)
        iData->iPlatWindow->RemoveControl(current->GetWnd());
    if (iData->iPlatWindowOwned)
        delete iData->iPlatWindow;
    iData->iPlatWindow = nullptr;
    delete iData->iBackBuffer;
    delete iData->iOldPicture;
    delete iData->iNewPicture;
    SetBgImage(nullptr, false);
    if (current)
    {
        iData->iWnds.Remove(current);
        iData->iWnds.DeleteAll();
        delete current;
    }
    delete iData;
    delete iWelcome;
    CZuEnv::DestroyEnv();
}

// Construction and start

void CZuUiManager::SetPlatWindow(CZuControl* root, bool owned)
{
    if (iData->iPlatWindowOwned && iData->iPlatWindow != root)
        delete iData->iPlatWindow;
    iData->iPlatWindow = root;
    iData->iPlatWindowOwned = owned;
    if (!root)
        return;
    root->SetMoveFocusKey(EZuKeyLeft, EZuKeyUp, EZuKeyRight, EZuKeyDown);
    iData->iUiRect = root->Rect();
    delete iData->iBackBuffer;
    delete iData->iOldPicture;
    delete iData->iNewPicture;
    iData->iBackBuffer = new CZuBitmapGc(iData->iUiRect.Size());
    iData->iOldPicture = new CZuBitmapGc(iData->iUiRect.Size());
    iData->iNewPicture = new CZuBitmapGc(iData->iUiRect.Size());
}

void CZuUiManager::SetObserver(MZuUiManagerObserver* observer)
{
    iData->iObserver = observer;
}

MZuUiManagerObserver* CZuUiManager::GetObserver() const
{
    return iData->iObserver;
}

void CZuUiManager::SetScreenRect(const CZuRect& rect)
{
    iData->iScreenRect = rect;
}

const CZuRect& CZuUiManager::GetScreenRect() const
{
    return iData->iScreenRect;
}

void CZuUiManager::SetOsType(TZuOsType type)
{
    iData->iOsType = type;
}

TZuOsType CZuUiManager::GetOsType() const
{
    return iData->iOsType;
}

void CZuUiManager::SetAppName(const CZuString& name)
{
    iData->iAppName = name;
}

const CZuString& CZuUiManager::GetAppName() const
{
    return iData->iAppName;
}

void CZuUiManager::Start()
{
    CZuLog(__FILE__, __LINE__).Clean();
    CZuString resources = CZuPathUtil::GetResourcePath();
    resources += KResFolder;
    CZuString table = resources;
    table += KUiStringTable;
    CZuEnv::StringMgr()->AddStringRes(table);
    CZuString images = resources;
    images += KImageFolder;
    CZuEnv::ImageMgr()->AddImagePath(images);
    CZuEnv::UiSetting()->Construct();
    StartL();
}

void CZuUiManager::Stop()
{
    Exit();
}

void CZuUiManager::Exit()
{
    if (iData->iObserver)
        iData->iObserver->HandleExit();
}

void CZuUiManager::SetEngine(MZuEngineCallback* engine)
{
    iData->iEngine = engine;
}

MZuEngineCallback* CZuUiManager::GetEngine() const
{
    return iData->iEngine;
}

CZuControl* CZuUiManager::PlatWindow1() const
{
    return iData->iPlatWindow;
}

// Windows

CZuWnd* CZuUiManager::CreateMainWnd(int id, const CZuString& name)
{
    CZuWnd* wnd = new CZuWnd;
    wnd->SetWndID(id);
    wnd->SetWndName(name);
    wnd->SetWndLayout(new CZuLayout);
    AppendWnd(wnd);
    return wnd;
}

void CZuUiManager::AppendWnd(CZuWnd* wnd)
{
    if (wnd)
        iData->iWnds.Append(wnd);
}

CZuWnd* CZuUiManager::GetCurWnd() const
{
    if (iData->iCurWnd < 0 || iData->iCurWnd >= iData->iWnds.GetCount())
        return nullptr;
    return static_cast<CZuWnd*>(iData->iWnds.GetAt(iData->iCurWnd));
}

CZuWnd* CZuUiManager::GetWnd(int id) const
{
    for (int i = 0; i < iData->iWnds.GetCount(); ++i)
    {
        CZuWnd* wnd = static_cast<CZuWnd*>(iData->iWnds.GetAt(i));
        if (wnd->GetWndID() == id)
            return wnd;
    }
    return nullptr;
}

CZuWnd* CZuUiManager::GetWnd(const CZuString& name) const
{
    for (int i = 0; i < iData->iWnds.GetCount(); ++i)
    {
        CZuWnd* wnd = static_cast<CZuWnd*>(iData->iWnds.GetAt(i));
        if (wnd->GetWndName().Compare(name) == 0)
            return wnd;
    }
    return nullptr;
}

void CZuUiManager::SwitchWnd(const CZuString& name)
{
    CZuWnd* target = GetWnd(name);
    if (!target)
        return;
    CZuControl* platform = iData->iPlatWindow;
    CZuWnd* current = GetCurWnd();
    if (platform && current && current->GetWnd())
        platform->RemoveControl(current->GetWnd());
    iData->iCurWnd = iData->iWnds.Find(target);
    if (platform && target->GetWnd() && platform->FindControl(target->GetWnd()) < 0)
        platform->AddControl(target->GetWnd());
}

CZuControl* CZuUiManager::CurrentRoot() const
{
    CZuWnd* wnd = GetCurWnd();
    if (wnd && wnd->GetWnd())
        return wnd->GetWnd();
    return iData->iPlatWindow;
}

// Views

unsigned CZuUiManager::GetNextViewId()
{
    return iData->iNextViewId++;
}

void CZuUiManager::AddViewL(CZuView* view)
{
    if (!view)
        return;
    view->SetUiManager(this);
    iData->iViews.Append(view);
}

void CZuUiManager::RemoveView(int id)
{
    CZuView* view = GetView(id);
    if (!view)
        return;
    // The caller may delete it: its container must not stay on the screen.
    if (iData->iCurView == view)
        DeactivateCurView();
    iData->iViews.Remove(view);
}

CZuView* CZuUiManager::GetView(int id) const
{
    for (int i = 0; i < GetViewCount(); ++i)
    {
        if (GetViewAt(i)->GetViewId() == id)
            return GetViewAt(i);
    }
    return nullptr;
}

CZuView* CZuUiManager::GetViewAt(int index) const
{
    if (index < 0 || index >= GetViewCount())
        return nullptr;
    return static_cast<CZuView*>(iData->iViews.GetAt(index));
}

int CZuUiManager::GetViewCount() const
{
    return iData->iViews.GetCount();
}

CZuView* CZuUiManager::GetCurView() const
{
    return iData->iCurView;
}

void CZuUiManager::ActivateViewL(int id)
{
    CZuView* view = GetView(id);
    iData->iActivatingView = view;
    CZuLayout* client = GetClientLayout();
    DeactivateCurView();
    if (view)
    {
        view->DoActivateL();
        CZuContainer* container = view->GetContainer();
        if (container)
        {
            PushToDispStack(container);
            if (client)
            {
                int row = client->AppendRow(container, -1, -1);
                client->SetRowHeight(row, -1);
                // The container is placed now; it lays its own controls out when its size changes.
                client->DoLayout();
            }
        }
        iData->iCurView = view;
    }
    iData->iActivatingView = nullptr;
    if (iData->iCurView && CZuEnv::UiSetting()->IsSupportTransformEffect())
        PostTransformEffectCmd(iData->iCurView->GetTransformEffect());
}

void CZuUiManager::DeactivateCurView()
{
    CZuView* old = iData->iCurView;
    if (!old)
        return;
    if (CZuLayout* client = GetClientLayout())
        client->DeleteCellsOf(old->GetContainer());
    PopFromDispStack(old->GetContainer());
    old->DoDeactivate();
    iData->iCurView = nullptr;
}

// Areas

void CZuUiManager::SetUiRect(const CZuRect& rect)
{
    iData->iUiRect = rect;
    ResizeBuffers(rect.Size());
    if (iData->iPlatWindow)
        iData->iPlatWindow->SetRect(rect);
    if (!rect.IsEmpty())
    {
        if (CZuWnd* wnd = GetCurWnd())
            wnd->SetWndRect(CZuRect(CZuPoint(0, 0), rect.Size()));
        DrawDeffered();
    }
    FitDialogsToClient();
}

void CZuUiManager::FitDialogsToClient()
{
    CZuRect client = GetClientRect();
    for (int i = 0; i < iData->iDispStack.GetCount(); ++i)
    {
        CZuControl* control = static_cast<CZuControl*>(iData->iDispStack.GetAt(i));
        if (control->GetType() != EZuCtrlDialog)
            continue;
        CZuRect dialog = control->Rect();
        bool fullWidth = client.Width() - dialog.Width() < 3;
        if (!fullWidth || dialog.iBr.iY == client.iBr.iY)
            continue;
        dialog.Move(0, client.iBr.iY - dialog.iBr.iY);
        control->SetRect(dialog);
    }
}

void CZuUiManager::ResizeBuffers(const CZuSize& size)
{
    if (iData->iBackBuffer)
        iData->iBackBuffer->SetBitmapGcSize(size);
    if (iData->iOldPicture)
        iData->iOldPicture->SetBitmapGcSize(size);
    if (iData->iNewPicture)
        iData->iNewPicture->SetBitmapGcSize(size);
}

CZuRect CZuUiManager::GetUiRect() const
{
    return iData->iPlatWindow ? iData->iPlatWindow->InnerRect() : iData->iUiRect;
}

CZuRect CZuUiManager::GetClientRect() const
{
    CZuLayout* client = GetClientLayout();
    return client ? client->GetRect() : CZuRect();
}

CZuLayout* CZuUiManager::GetClientLayout() const
{
    CZuWnd* wnd = GetCurWnd();
    return wnd ? wnd->GetLayout(CZuString(KClientLayout)) : nullptr;
}

bool CZuUiManager::CanMoveUi() const
{
    return iData->iScreenRect != iData->iUiRect;
}

CZuRect CZuUiManager::GetMenuBasePos() const
{
    if (iData->iMenuAnchor)
        return iData->iMenuBasePos;
    if (CZuCba* cba = GetCba())
    {
        for (int i = 0; i < cba->GetControlCount(); ++i)
        {
            if (cba->GetControl(i)->GetAlign() == EAlignCenter)
                return cba->GetControl(i)->Rect();
        }
    }
    CZuControl* titleBar = GetTitleBar();
    if (titleBar && titleBar->GetType() == EZuCtrlTitleBar)
    {
        CZuButton* menuNav = static_cast<CZuTitleBar*>(titleBar)->GetMenuNav();
        if (menuNav && menuNav->GetAlign() == EAlignCenter)
            return menuNav->Rect();
    }
    return iData->iMenuBasePos;
}

void CZuUiManager::SetMenuBasePos(const CZuRect& rect)
{
    iData->iMenuBasePos = rect;
}

// Bars

CZuControl* CZuUiManager::GetTitleBar() const
{
    CZuWnd* wnd = GetCurWnd();
    return wnd ? wnd->GetControl(CZuString(KTitleBar)) : nullptr;
}

CZuCba* CZuUiManager::GetCba() const
{
    CZuWnd* wnd = GetCurWnd();
    CZuControl* control = wnd ? wnd->GetControl(CZuString(KCba)) : nullptr;
    return control && control->GetType() == EZuCtrlCba ? static_cast<CZuCba*>(control) : nullptr;
}

void CZuUiManager::SetAppTitle(const CZuString& title)
{
    if (CZuControl* titleBar = GetTitleBar())
        titleBar->SetText(title);
}

// Pop-ups

void CZuUiManager::ClearState(CZuControl* control)
{
    if (control->GetState() == EZuStateNormal)
        return;
    control->SetState(EZuStateNormal);
    control->StateChanged();
}

void CZuUiManager::PushToDispStack(CZuControl* control)
{
    CZuControl* root = CurrentRoot();
    if (!control || !root)
        return;
    iData->iSavedFocus = root->GetFocusIndex();
    if (CZuControl* previous = GetTopFromDispStack())
    {
        ClearState(previous);
        root->RemoveControl(previous);
    }
    iData->iDispStack.Append(control);
    root->AddControl(control);
    control->SetDispOrder(iData->iDispStack.GetCount() - 1);

    int& saved = iData->iSavedFocus;
    if (saved < 0)
    {
        root->SetFocusTo(control);
    }
    else if (CZuControl* child = root->GetControl(saved))
    {
        if (child->IsReadOnly() || child->IsDisabled())
        {
            root->SetFocusTo(control);
            saved = root->GetFocusIndex();
        }
    }
    root->ClearAllFocus();
    root->SetFocusToIndex(saved);
    DrawDeffered();
}

void CZuUiManager::PopFromDispStack(CZuControl* control)
{
    CZuControl* root = CurrentRoot();
    if (!control || !root)
        return;
    iData->iDispStack.Remove(control);
    ClearState(control);
    root->RemoveControl(control);
    if (CZuControl* top = GetTopFromDispStack())
    {
        root->AddControl(top);
        root->SetFocusToIndex(iData->iSavedFocus);
    }
    else if (CZuCba* cba = GetCba())
    {
        // The last pop-up is gone and no screen owns the soft keys: its labels must not stay active.
        cba->SetCbaData(EZuCmdNone, CZuString(), EZuCmdNone, CZuString());
    }
    DrawDeffered();
}

CZuControl* CZuUiManager::GetTopFromDispStack() const
{
    int count = iData->iDispStack.GetCount();
    return count > 0 ? static_cast<CZuControl*>(iData->iDispStack.GetAt(count - 1)) : nullptr;
}

int CZuUiManager::GetDispStackCount() const
{
    return iData->iDispStack.GetCount();
}

CZuControl* CZuUiManager::GetDispStackAt(int index) const
{
    if (index < 0 || index >= GetDispStackCount())
        return nullptr;
    return static_cast<CZuControl*>(iData->iDispStack.GetAt(index));
}

bool CZuUiManager::ShowMenu()
{
    CZuView* view = iData->iCurView;
    if (!view || iData->iMenuBar)
        return false;
    CZuControl* top = GetTopFromDispStack();
    if (top && !top->IsFocused())
        top->SetFocus(true);
    view->DynInitMenuData(view->GetMenuData());
    ShowMenu(view->GetMenuData());
    if (CZuEnv::UiSetting()->IsSupportTransformEffect())
        PostTransformEffectCmd(EZuTransFromLeft);
    return true;
}

bool CZuUiManager::ShowMenu(CZuMenuData* menu)
{
    if (!iData->iMenuBar)
    {
        iData->iMenuBar = new CZuMenuBar(CurrentRoot());
        iData->iMenuBar->ConstructL();
        iData->iMenuBar->SetMenuData(menu);
    }
    iData->iMenuBar->MakeVisible(true);
    PushToDispStack(iData->iMenuBar);
    DrawDeffered();
    return true;
}

bool CZuUiManager::CloseMenu()
{
    CZuMenuBar* bar = iData->iMenuBar;
    if (!bar)
        return true;
    ClearState(bar);
    bar->MakeVisible(false);
    PopFromDispStack(bar);
    iData->iMenuBar = nullptr;
    delete bar;
    DrawDeffered();
    return true;
}

bool CZuUiManager::IsShowMenu() const
{
    return iData->iMenuBar != nullptr;
}

CZuMenuBar* CZuUiManager::GetMenuBar() const
{
    return iData->iMenuBar;
}

// The welcome screen

void CZuUiManager::ShowWelcomeScreen(bool show)
{
    if (show && !iWelcome)
    {
        iWelcome = new CZuWelcome(this);
        // What was set before the screen was shown is what it shows.
        if (iData->iWelcomeInfoSet)
            iWelcome->SetWelcomInfo(iData->iWelcomeInfo);
        if (iData->iWelcomeColorSet)
            iWelcome->SetWelcomeColor(iData->iWelcomeFore, iData->iWelcomeBack);
    }
    if (!show)
    {
        delete iWelcome;
        iWelcome = nullptr;
    }
    if (iData->iObserver)
        iData->iObserver->HandleDraw();
}

void CZuUiManager::SetWelcomeInfo(const CZuString& text)
{
    iData->iWelcomeInfo = text;
    iData->iWelcomeInfoSet = true;
    if (!iWelcome)
        return;
    iWelcome->SetWelcomInfo(text);
    if (iData->iObserver)
        iData->iObserver->HandleDraw();
}

void CZuUiManager::SetWelcomeColor(const CZuRgb& fore, const CZuRgb& back)
{
    iData->iWelcomeFore = fore;
    iData->iWelcomeBack = back;
    iData->iWelcomeColorSet = true;
    if (!iWelcome)
        return;
    iWelcome->SetWelcomeColor(fore, back);
    if (iData->iObserver)
        iData->iObserver->HandleDraw();
}

// Messages

MZuMessageWnd* CZuUiManager::GetUiManagerReceiver()
{
    return this;
}

MZuMessageWnd* CZuUiManager::GetDisplayTopReceiver()
{
    CZuControl* top = GetTopFromDispStack();
    if (!top)
        return nullptr;
    switch (top->GetType())
    {
    case EZuCtrlMenuBar:
    case EZuCtrlDialog:
        return top;
    case EZuCtrlContainer:
    {
        CZuContainer* container = dynamic_cast<CZuContainer*>(top);
        return container ? container->GetView() : nullptr;
    }
    default:
        return nullptr;
    }
}

void CZuUiManager::HandlePlatformMessage()
{
    CZuEnv::MsgProcessor()->OnTimer(CZuMessageProcessor::KTimerId);
}

void CZuUiManager::ResizeWindow(int side, int delta)
{
    CZuWindow* window = iData->iPlatWindow ? iData->iPlatWindow->SelfWindow() : nullptr;
    if (!window)
        return;
    CZuRect rect = window->GetRect();
    switch (side)
    {
    case EZuEdgeTop:
        rect.iTl.iY += delta;
        break;
    case EZuEdgeBottom:
        rect.iBr.iY += delta;
        break;
    case EZuEdgeLeft:
        rect.iTl.iX += delta;
        break;
    case EZuEdgeRight:
        rect.iBr.iX += delta;
        break;
    default:
        return;
    }
    window->SetRect(rect);
    SetUiRect(CZuRect(CZuPoint(0, 0), rect.Size()));
}

bool CZuUiManager::HandleMessage(CZuMessage* message)
{
    CZuWindow* window = iData->iPlatWindow ? iData->iPlatWindow->SelfWindow() : nullptr;
    const unsigned param1 = static_cast<unsigned>(message->iParam1);
    switch (message->iType)
    {
    case EZuMsgShowMenu:
        // param2 may name the control the menu opens from.
        if (CZuControl* anchor = CZuMessage::ParamObject<CZuControl>(message->iParam2))
            SetMenuBasePos(anchor->Rect());
        iData->iMenuAnchor = CZuMessage::ParamObject<CZuControl>(message->iParam2);
        ShowMenu();
        iData->iMenuAnchor = nullptr;
        break;
    case EZuMsgCloseMenu:
        CloseMenu();
        break;
    case EZuMsgShowWindow:
        if (param1 == KShowTypeExit)
            Exit();
        else if (window)
            window->ShowWindow(static_cast<TShowUiWndType>(param1));
        break;
    case EZuMsgMoveWindow:
        if (window)
        {
            short x = static_cast<short>(message->iParam2 >> 16);
            short y = static_cast<short>(message->iParam2 & 0xFFFF);
            window->SetWndPos(CZuPoint(x, y));
        }
        break;
    case EZuMsgResizeWindow:
        ResizeWindow(static_cast<int>(param1), static_cast<int>(message->iParam2));
        break;
    case EZuMsgDraw:
        if (iData->iObserver)
            iData->iObserver->HandleDraw();
        break;
    case EZuMsgExit:
        if (param1 == 4)
            Exit();
        break;
    case EZuMsgKeyDown:
        OnKeyDown(param1, 0, 0);
        break;
    case EZuMsgChar:
        OnChar(param1, 0, 0);
        break;
    case EZuMsgKeyUp:
        OnKeyUp(param1, 0, 0);
        break;
    case EZuMsgSetCursor:
        if (window)
            window->SetCursor(static_cast<TZuCursorType>(param1));
        break;
    case EZuMsgCommand:
        if (param1 == EZuCmdExit)
            Exit();
        break;
    default:
        if (message->iType < KMsgLastHandled && param1 == 11)
            Exit();
        break;
    }
    return false;
}
