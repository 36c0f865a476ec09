#include "UiTestSupport.h"
#include "ZuRootWnd.h"

#include <gtest/gtest.h>

namespace
{
// A window description with a root pane, a command bar at the bottom and "ClientLayout" above it.
class CTestWnd : public CZuRootWnd
{
public:
    explicit CTestWnd(CZuControl* parent) : CZuRootWnd(parent)
    {
        SetWndName(CZuString("TestWnd"));
        iCba = LayOutClientOverCba(20);
    }

    CZuCba* iCba;
};

// A view whose container fills the client area and which records the messages it is offered.
class CRecordingView : public CZuView
{
public:
    explicit CRecordingView(CZuUiManager* manager) : CZuView(manager) {}
    void DoActivateL() override
    {
        CZuContainer* container = new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        ++iActivations;
        CZuView::DoActivateL();
    }
    bool HandleMessage(CZuMessage* message) override
    {
        iMessages.push_back(message->iType);
        return iTakes;
    }
    std::vector<unsigned> iMessages;
    int iActivations = 0;
    bool iTakes = true;
};

// A dialog that records the pointer events it is offered.
class CRecordingDialog : public CZuDialog
{
public:
    explicit CRecordingDialog(CZuControl* parent) : CZuDialog(parent, 0, nullptr) {}
    bool HandlePointerEventL(const TZuPointerEvent& event) override
    {
        iPointers.push_back(event);
        return iConsume;
    }
    std::vector<TZuPointerEvent> iPointers;
    bool iConsume = false;
};

TZuPointerEvent Pointer(TZuPointerType type, int x, int y, CZuPoint ref = CZuPoint())
{
    TZuPointerEvent event;
    event.iType = type;
    event.iPosition = CZuPoint(x, y);
    event.iRefPoint = ref;
    return event;
}
} // namespace

class UiManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iClock = new CZuManualClock;
        iUi = new CTestUiManager;
        iRoot = new CZuControl(static_cast<CZuWindow*>(nullptr));
        iRoot->SetRect(CZuRect(0, 0, 200, 150));
        iUi->SetPlatWindow(iRoot, true);
        iUi->SetObserver(iUi);
        iWnd = new CTestWnd(iRoot);
        iUi->AppendWnd(iWnd);
        iUi->SwitchWnd(CZuString("TestWnd"));
        iWnd->SetWndRect(CZuRect(0, 0, 200, 150));
        iUi->iScreen = &iScreen;
    }
    void TearDown() override
    {
        delete iUi;
        delete iClock;
    }
    // Runs the message queue until it is empty.
    void Pump()
    {
        for (int i = 0; i < 100 && CZuEnv::MsgProcessor()->GetQueueCount() > 0; ++i)
            iClock->Advance(CZuMessageProcessor::KTickMs);
    }
    // A screen with a one-item menu, and message 1 queued to open it from an anchor control in the lower
    // right; the anchor is returned.
    CZuControl* PostMenuWithAnchor()
    {
        CRecordingView* view = new CRecordingView(iUi);
        view->SetViewId(1);
        CZuMenuData* menu = view->CreateMenu();
        menu->AddMenuItem(menu->AddMenu(), 8, CZuString("About"));
        iUi->AddViewL(view);
        iUi->ActivateViewL(1);
        CZuControl* anchor = new CZuControl(iWnd->GetWnd(), true, EZuCtrlPane);
        anchor->SetRect(CZuRect(150, 120, 190, 140));
        CZuEnv::Static()->PostMessageW(iUi, EZuMsgShowMenu, 1, CZuMessage::MakeParam(anchor));
        return anchor;
    }
    CRecordingControl* FocusedRecorder()
    {
        CRecordingControl* control = new CRecordingControl(iWnd->GetWnd());
        control->SetRect(CZuRect(0, 0, 200, 130));
        control->SetFocus(true);
        return control;
    }

    CZuManualClock* iClock = nullptr;
    CTestUiManager* iUi = nullptr;
    CZuControl* iRoot = nullptr;
    CTestWnd* iWnd = nullptr;
    CZuBitmapGc iScreen{CZuSize(200, 150)};
};

TEST_F(UiManagerTest, EnvironmentHasEveryServiceAndCountsIds)
{
    ASSERT_NE(CZuEnv::Static(), nullptr);
    EXPECT_EQ(CZuEnv::UiManager(), iUi);
    EXPECT_NE(CZuEnv::UiSetting(), nullptr);
    EXPECT_NE(CZuEnv::UiStyle(), nullptr);
    EXPECT_NE(CZuEnv::FontMgr(), nullptr);
    EXPECT_NE(CZuEnv::ImageMgr(), nullptr);
    EXPECT_NE(CZuEnv::StringMgr(), nullptr);
    EXPECT_NE(CZuEnv::TimerMgr(), nullptr);
    EXPECT_NE(CZuEnv::PrivateData(), nullptr);
    unsigned first = CZuEnv::GetNextId();
    EXPECT_EQ(CZuEnv::GetNextId(), first + 1);
    CZuEnv::SetPathType(1);
    CZuEnv::SetPrivatePath(CZuString("/tmp/x/"));
    EXPECT_EQ(CZuEnv::GetPathType(), 1);
    EXPECT_STREQ(CZuEnv::GetPrivatePath().PtrZ(), "/tmp/x/");
}

TEST_F(UiManagerTest, RegisteredDataFindsAndRemovesTheFirstRecordOfAKey)
{
    int a = 1, b = 2;
    CZuEnv* env = CZuEnv::Static();
    EXPECT_TRUE(env->RegisterData(7, &a));
    EXPECT_TRUE(env->RegisterData(7, &b));
    EXPECT_EQ(env->GetData(7), &a);
    env->UnRegisterData(7);
    EXPECT_EQ(env->GetData(7), &b);
    env->UnRegisterData(7);
    EXPECT_EQ(env->GetData(7), nullptr);
    env->UnRegisterData(7);
    EXPECT_EQ(env->GetData(8), nullptr);
}

TEST_F(UiManagerTest, HeldArrowKeyGivesKeyDownThenRepeatsThenKeyUpOnly)
{
    CRecordingControl* control = FocusedRecorder();
    iUi->OnKeyDown(39, 1, 0);
    iUi->OnKeyDown(39, 1, 0);
    iUi->OnKeyDown(39, 1, 0);
    iUi->OnKeyUp(39, 1, 0);
    std::vector<TSeenKey> expected{{39, 3}, {39, 1}, {39, 1}, {39, 2}};
    EXPECT_EQ(control->iKeys, expected);
    EXPECT_EQ(iUi->GetKeyCount(), 4);
    EXPECT_EQ(iUi->GetHeldKey(), 0u);
}

TEST_F(UiManagerTest, QuickPressGivesKeyDownKeyThenKeyUp)
{
    CRecordingControl* control = FocusedRecorder();
    iUi->OnKeyDown(37, 1, 0);
    iUi->OnKeyUp(37, 1, 0);
    std::vector<TSeenKey> expected{{37, 3}, {37, 1}, {37, 2}};
    EXPECT_EQ(control->iKeys, expected);
}

TEST_F(UiManagerTest, SecondKeyWhileOneIsHeldIsIgnored)
{
    CRecordingControl* control = FocusedRecorder();
    iUi->OnKeyDown(40, 1, 0);
    iUi->OnKeyDown(38, 1, 0);
    iUi->OnKeyUp(38, 1, 0);
    iUi->OnKeyUp(40, 1, 0);
    std::vector<TSeenKey> expected{{40, 3}, {40, 1}, {40, 2}};
    EXPECT_EQ(control->iKeys, expected);
    // After the release the next key is taken again.
    iUi->OnKeyDown(38, 1, 0);
    EXPECT_EQ(control->iKeys.back(), (TSeenKey{38, 3}));
}

TEST_F(UiManagerTest, CharacterReplacesTheKeyEventOfItsKey)
{
    CRecordingControl* control = FocusedRecorder();
    iUi->OnKeyDown(65, 1, 0);
    iUi->OnChar(97, 1, 0);
    iUi->OnKeyUp(65, 1, 0);
    std::vector<TSeenKey> expected{{65, 3}, {97, 1}, {65, 2}};
    EXPECT_EQ(control->iKeys, expected);
}

TEST_F(UiManagerTest, TypedCharactersAreMarkedAndNeverActAsKeys)
{
    // "p" and "q" have the codes of F1 and F2, "&" and "(" those of Up and Down.
    CZuControl* root = iWnd->GetWnd();
    CRecordingControl* first = new CRecordingControl(root);
    new CRecordingControl(root);
    first->SetFocus(true);
    iWnd->iCba->SetCbaData(11, CZuString("Left"), 6, CZuString("Exit"));
    for (unsigned character : {112u, 113u, 38u, 40u, 39u, 13u})
        iUi->OnChar(character, 1, 0);
    Pump();
    EXPECT_EQ(0, iUi->iExits);
    EXPECT_TRUE(first->IsFocused());
    ASSERT_EQ(6u, first->iKeys.size());
    EXPECT_EQ(first->iKeys[0], (TSeenKey{112, 1}));

    // The key F2 itself still works.
    iUi->OnKeyDown(113, 1, 0);
    iUi->OnKeyUp(113, 1, 0);
    Pump();
    EXPECT_EQ(1, iUi->iExits);
}

TEST_F(UiManagerTest, EnterTypedByItsKeyArrivesAsTheKeyAndCtrlMAsText)
{
    class CKindRecorder : public CZuControl
    {
    public:
        explicit CKindRecorder(CZuControl* parent) : CZuControl(parent, true, EZuCtrlPane) {}
        bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override
        {
            if (type == EZuKeyEventKey)
                iKinds.push_back(event.IsKey() ? 'k' : 'c');
            return false;
        }
        std::string iKinds;
    };
    CKindRecorder* control = new CKindRecorder(iWnd->GetWnd());
    control->SetFocus(true);
    // The window sends Enter as key-down, the character 13, key-up: one type 1 event, the key itself.
    iUi->OnKeyDown(13, 1, 0);
    iUi->OnChar(13, 1, 0);
    iUi->OnKeyUp(13, 1, 0);
    // Ctrl+M types 13 too, but its key is M: text.
    iUi->OnKeyDown(77, 1, 0);
    iUi->OnChar(13, 1, 0);
    iUi->OnKeyUp(77, 1, 0);
    EXPECT_EQ("kc", control->iKinds);
}

TEST_F(UiManagerTest, ShowMenuMessageTakesItsAnchorControl)
{
    CZuControl* anchor = PostMenuWithAnchor();
    Pump();
    // The menu opens above the anchor (in the lower right, right edges aligned), not above the command
    // bar's left soft key.
    ASSERT_NE(iUi->GetMenuBar(), nullptr);
    EXPECT_EQ(iUi->GetMenuBar()->Rect().iBr.iX, 190);
    EXPECT_LT(iUi->GetMenuBar()->Rect().iBr.iY, 120);
    // Opened without an anchor, the menu stands on the left soft key.
    iUi->CloseMenu();
    CZuEnv::Static()->PostMessageW(iUi, EZuMsgShowMenu, 1, 0);
    Pump();
    ASSERT_NE(iUi->GetMenuBar(), nullptr);
    EXPECT_EQ(iUi->GetMenuBasePos().iTl.iX, iWnd->iCba->GetButton(0)->Rect().iTl.iX);
    EXPECT_EQ(iUi->GetMenuBar()->Rect().iTl.iX, iWnd->iCba->GetButton(0)->Rect().iTl.iX);
}

TEST_F(UiManagerTest, AnAnchorDeletedBeforeItsMenuMessageIsHandledIsNotTouched)
{
    CZuControl* anchor = PostMenuWithAnchor();
    // The title row is rebuilt before the queue runs: under AddressSanitizer reading the anchor's
    // rectangle now would be a use after free.
    iWnd->GetWnd()->DeleteControl(anchor);
    Pump();
    ASSERT_NE(iUi->GetMenuBar(), nullptr);
    EXPECT_EQ(iUi->GetMenuBar()->Rect().iTl.iX, iWnd->iCba->GetButton(0)->Rect().iTl.iX);
}

TEST_F(UiManagerTest, ReleasedArrowMovesTheFocusOfTheWindowRoot)
{
    CZuControl* root = iWnd->GetWnd();
    CRecordingControl* first = new CRecordingControl(root);
    CRecordingControl* second = new CRecordingControl(root);
    first->SetFocus(true);
    iUi->OnKeyDown(39, 1, 0);
    EXPECT_TRUE(first->IsFocused());
    iUi->OnKeyUp(39, 1, 0);
    EXPECT_TRUE(second->IsFocused());
    EXPECT_FALSE(first->IsFocused());
}

TEST_F(UiManagerTest, WelcomeScreenSwallowsInputAndIsMadeOnce)
{
    CRecordingControl* control = FocusedRecorder();
    iUi->ShowWelcomeScreen(true);
    CZuWelcome* welcome = iUi->GetWelcome();
    ASSERT_NE(welcome, nullptr);
    EXPECT_STREQ(welcome->GetWelcomInfo().PtrZ(), "Welcoming ZUUI");
    iUi->ShowWelcomeScreen(true);
    EXPECT_EQ(iUi->GetWelcome(), welcome);
    EXPECT_TRUE(iUi->HandleKeyEvent(TZuKeyEvent{39, 0}, EZuKeyEventKey));
    iUi->OnKeyDown(39, 1, 0);
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 10, 10));
    EXPECT_TRUE(control->iKeys.empty());
    EXPECT_TRUE(control->iPointers.empty());
    iUi->ShowWelcomeScreen(false);
    EXPECT_EQ(iUi->GetWelcome(), nullptr);
}

TEST_F(UiManagerTest, WelcomeScreenDrawsItsColourAndProgressIsClamped)
{
    iUi->ShowWelcomeScreen(true);
    iUi->SetWelcomeColor(CZuRgb(255, 255, 255), CZuRgb(10, 20, 30));
    iUi->SetWelcomeInfo(CZuString(""));
    EXPECT_EQ(PixelAt(iScreen, 100, 20), 0x0A141Eu);
    // A bar over a background picture: 25 % of it in the foreground colour.
    CZuBitmapGc bg(CZuSize(200, 150)), track(CZuSize(4, 6)), done(CZuSize(4, 6));
    for (CZuBitmapGc* gc : {&bg, &track, &done})
        gc->SetDrawColor(gc == &bg ? CZuRgb(0, 0, 64) : gc == &track ? CZuRgb(0, 0, 0) : CZuRgb(255, 128, 0));
    bg.Clear();
    track.Clear();
    done.Clear();
    CZuWelcome* welcome = iUi->GetWelcome();
    welcome->SetWelcomeBg(bg.EndDraw());
    welcome->SetWelcomeProgressBg(track.EndDraw());
    welcome->SetWelcomeProgress(done.EndDraw());
    welcome->SetWelcomeProgress(1, 4);
    iUi->HandleDraw();
    CZuRect bar = welcome->ProgressRect(CZuRect(0, 0, 200, 150));
    EXPECT_EQ(bar, CZuRect(25, 112, 175, 118));
    EXPECT_EQ(PixelAt(iScreen, 25, 114), 0xFF8000u);
    EXPECT_EQ(PixelAt(iScreen, 25 + 36, 114), 0xFF8000u);
    EXPECT_EQ(PixelAt(iScreen, 25 + 38, 114), 0x000000u);
    EXPECT_EQ(PixelAt(iScreen, 100, 50), 0x000040u);
    // More than the total fills the bar and no further.
    welcome->SetWelcomeProgress(9, 4);
    iUi->HandleDraw();
    EXPECT_EQ(PixelAt(iScreen, 174, 114), 0xFF8000u);
    EXPECT_EQ(PixelAt(iScreen, 176, 114), 0x000040u);
    iUi->ShowWelcomeScreen(false);
}

TEST_F(UiManagerTest, WelcomeTextAndColoursSetBeforeTheScreenIsShownAreKept)
{
    int drawsBefore = iUi->iDraws;
    iUi->SetWelcomeInfo(CZuString("Loading data"));
    iUi->SetWelcomeColor(CZuRgb(250, 240, 230), CZuRgb(40, 50, 60));
    // Nothing is shown yet, so nothing is drawn.
    EXPECT_EQ(iUi->GetWelcome(), nullptr);
    EXPECT_EQ(iUi->iDraws, drawsBefore);
    iUi->ShowWelcomeScreen(true);
    ASSERT_NE(iUi->GetWelcome(), nullptr);
    EXPECT_STREQ(iUi->GetWelcome()->GetWelcomInfo().PtrZ(), "Loading data");
    EXPECT_EQ(iUi->GetWelcome()->Foreground(), CZuRgb(250, 240, 230));
    EXPECT_EQ(iUi->GetWelcome()->Background(), CZuRgb(40, 50, 60));
    EXPECT_EQ(PixelAt(iScreen, 5, 5), 0x28323Cu);
    // Changed while shown, and shown again later: the last values stay.
    iUi->SetWelcomeInfo(CZuString("Loading data ."));
    iUi->ShowWelcomeScreen(false);
    iUi->ShowWelcomeScreen(true);
    EXPECT_STREQ(iUi->GetWelcome()->GetWelcomInfo().PtrZ(), "Loading data .");
    EXPECT_EQ(iUi->GetWelcome()->Background(), CZuRgb(40, 50, 60));
    iUi->ShowWelcomeScreen(false);
}

TEST_F(UiManagerTest, PressOutsideAnOpenMenuClosesItAndGoesNowhereElse)
{
    CRecordingControl* under = FocusedRecorder();
    CZuMenuData menu;
    int entry = menu.AddMenu();
    menu.AddMenuItem(entry, 8, CZuString("About"));
    menu.AddMenuItem(entry, 6, CZuString("Exit"));
    iUi->SetMenuBasePos(CZuRect(10, 120, 60, 140));
    EXPECT_TRUE(iUi->ShowMenu(&menu));
    ASSERT_TRUE(iUi->IsShowMenu());
    CZuRect bar = iUi->GetMenuBar()->Rect();
    EXPECT_EQ(iUi->GetTopFromDispStack(), iUi->GetMenuBar());

    // Inside: the menu keeps it, nothing beneath sees it.
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, bar.iTl.iX + 5, bar.iTl.iY + 5));
    EXPECT_TRUE(iUi->IsShowMenu());
    // A move outside still goes to the menu.
    iUi->HandlePointerEventL(Pointer(EZuPointerMove, 190, 5));
    EXPECT_TRUE(iUi->IsShowMenu());
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 190, 5));
    EXPECT_FALSE(iUi->IsShowMenu());
    EXPECT_EQ(iUi->GetDispStackCount(), 0);
    EXPECT_TRUE(under->iPointers.empty());
    // Closed: the next press reaches the control.
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 190, 5));
    EXPECT_EQ(under->iPointers.size(), 1u);
    EXPECT_TRUE(iUi->CloseMenu());
}

TEST_F(UiManagerTest, DialogOnTopGetsThePointerBeforeTheWindow)
{
    CRecordingControl* under = FocusedRecorder();
    CRecordingDialog* dialog = new CRecordingDialog(iWnd->GetWnd());
    dialog->SetRect(CZuRect(20, 20, 180, 100));
    iUi->PushToDispStack(dialog);
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 30, 30));
    EXPECT_EQ(dialog->iPointers.size(), 1u);
    EXPECT_TRUE(under->iPointers.empty());
    iUi->PopFromDispStack(dialog);
    delete dialog;
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 30, 30));
    EXPECT_EQ(under->iPointers.size(), 1u);
}

TEST_F(UiManagerTest, DragPositionsFollowTheWindowMovedSinceThePress)
{
    CRecordingControl* under = FocusedRecorder();
    iUi->HandlePointerEventL(Pointer(EZuPointerDown, 10, 10, CZuPoint(100, 100)));
    iUi->HandlePointerEventL(Pointer(EZuPointerDrag, 30, 10, CZuPoint(90, 104)));
    iUi->HandlePointerEventL(Pointer(EZuPointerUp, 30, 10, CZuPoint(90, 104)));
    // A move without a button is where it is.
    iUi->HandlePointerEventL(Pointer(EZuPointerMove, 30, 10, CZuPoint(90, 104)));
    ASSERT_EQ(under->iPointers.size(), 4u);
    EXPECT_EQ(under->iPointers[0].iPosition, CZuPoint(10, 10));
    EXPECT_EQ(under->iPointers[1].iPosition, CZuPoint(20, 14));
    EXPECT_EQ(under->iPointers[2].iPosition, CZuPoint(20, 14));
    EXPECT_EQ(under->iPointers[3].iPosition, CZuPoint(30, 10));
}

TEST_F(UiManagerTest, PushOverADisabledFocusFocusesThePushedControl)
{
    CZuControl* root = iWnd->GetWnd();
    CRecordingControl* disabled = new CRecordingControl(root);
    disabled->SetDisabled(true);
    root->SetDefaultFocusIndex(root->FindControl(disabled));
    CRecordingControl* popup = new CRecordingControl(root, false);
    iUi->PushToDispStack(popup);
    EXPECT_TRUE(popup->IsFocused());
    EXPECT_EQ(root->GetFocusIndex(), root->FindControl(popup));
    EXPECT_EQ(popup->GetDispOrder(), 0);
    iUi->PopFromDispStack(popup);
    EXPECT_EQ(root->FindControl(popup), -1);
    EXPECT_EQ(popup->GetState(), EZuStateNormal);
    delete popup;
}

TEST_F(UiManagerTest, PushOverAValidFocusKeepsItAndPopRestoresTheLowerPopup)
{
    CZuControl* root = iWnd->GetWnd();
    CRecordingControl* button = new CRecordingControl(root);
    root->SetFocusTo(button);
    CRecordingControl* first = new CRecordingControl(root, false);
    CRecordingControl* second = new CRecordingControl(root, false);
    iUi->PushToDispStack(first);
    EXPECT_TRUE(button->IsFocused());
    EXPECT_FALSE(first->IsFocused());
    iUi->PushToDispStack(second);
    EXPECT_EQ(root->FindControl(first), -1);
    EXPECT_NE(root->FindControl(second), -1);
    EXPECT_EQ(second->GetDispOrder(), 1);
    iUi->PopFromDispStack(second);
    EXPECT_NE(root->FindControl(first), -1);
    EXPECT_EQ(iUi->GetTopFromDispStack(), first);
    iUi->PopFromDispStack(nullptr);
    iUi->PopFromDispStack(first);
    delete first;
    delete second;
}

TEST_F(UiManagerTest, SetUiRectKeepsFullWidthDialogsOnTheClientBottom)
{
    CZuDialog* wide = new CZuDialog(iWnd->GetWnd(), 1, nullptr);
    wide->SetRect(CZuRect(0, 40, 198, 90));
    CZuDialog* narrow = new CZuDialog(iWnd->GetWnd(), 2, nullptr);
    narrow->SetRect(CZuRect(0, 40, 197, 90));
    iUi->PushToDispStack(wide);
    iUi->PushToDispStack(narrow);
    iUi->SetUiRect(CZuRect(0, 0, 200, 150));
    EXPECT_EQ(iUi->GetClientRect(), CZuRect(0, 0, 200, 130));
    EXPECT_EQ(wide->Rect(), CZuRect(0, 80, 198, 130));
    EXPECT_EQ(narrow->Rect(), CZuRect(0, 40, 197, 90));
    EXPECT_EQ(iRoot->Rect(), CZuRect(0, 0, 200, 150));
    iUi->PopFromDispStack(narrow);
    iUi->PopFromDispStack(wide);
    delete wide;
    delete narrow;
}

TEST_F(UiManagerTest, DrawRequestsAreAnsweredByOneRedraw)
{
    iUi->DrawDeffered();
    iUi->DrawDeffered();
    iUi->DrawDeffered();
    Pump();
    EXPECT_EQ(iUi->iDraws, 1);
}

TEST_F(UiManagerTest, ExitMessagesAndKeyMessages)
{
    CZuEnv* env = CZuEnv::Static();
    env->PostMessageW(nullptr, 18, 6, 0);
    env->PostMessageW(nullptr, 11, 4, 0);
    env->PostMessageW(nullptr, 3, 4, 0);
    env->PostMessageW(nullptr, 25, 11, 0);
    env->PostMessageW(nullptr, 18, 5, 0);
    env->PostMessageW(nullptr, 30, 11, 0);
    Pump();
    EXPECT_EQ(iUi->iExits, 4);
    CRecordingControl* control = FocusedRecorder();
    env->PostMessageW(nullptr, 12, 13, 0);
    env->PostMessageW(nullptr, 14, 13, 0);
    Pump();
    std::vector<TSeenKey> expected{{13, 3}, {13, 1}, {13, 2}};
    EXPECT_EQ(control->iKeys, expected);
}

TEST_F(UiManagerTest, BackgroundColourFillsTheScreen)
{
    iUi->SetBgColor(CZuRgb(12, 34, 56));
    iUi->HandleDraw();
    EXPECT_EQ(PixelAt(iScreen, 100, 70), 0x0C2238u);
}

TEST_F(UiManagerTest, ActivatedViewFillsTheClientAreaAndGetsUnaddressedMessages)
{
    CRecordingView* view = new CRecordingView(iUi);
    view->SetViewId(int(iUi->GetNextViewId()));
    view->SetCbaData(1, CZuString("Menu"), 6, CZuString("Exit"));
    iUi->AddViewL(view);
    iUi->ActivateViewL(view->GetViewId());
    ASSERT_EQ(iUi->GetCurView(), view);
    CZuContainer* container = view->GetContainer();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(iUi->GetTopFromDispStack(), container);
    EXPECT_EQ(container->Rect(), CZuRect(0, 0, 200, 130));
    // The command bar is read-only, so the container takes the focus.
    EXPECT_TRUE(container->IsFocused());

    CZuEnv::Static()->PostMessageW(nullptr, 20, 0, 0);
    Pump();
    EXPECT_EQ(view->iMessages, std::vector<unsigned>{20});
    // Drawing shows the view's soft keys.
    iUi->HandleDraw();
    EXPECT_STREQ(iWnd->iCba->GetRightText().PtrZ(), "Exit");

    // The right soft key sends command 6: the program closes.
    view->iTakes = false;
    iUi->OnKeyDown(113, 1, 0);
    iUi->OnKeyUp(113, 1, 0);
    Pump();
    EXPECT_EQ(iUi->iExits, 1);

    // Activated again: a new container; an unknown id leaves no view.
    iUi->ActivateViewL(view->GetViewId());
    EXPECT_EQ(view->iActivations, 2);
    iUi->ActivateViewL(99);
    EXPECT_EQ(iUi->GetCurView(), nullptr);
    EXPECT_EQ(view->GetContainer(), nullptr);
    EXPECT_EQ(iUi->GetDispStackCount(), 0);
}

TEST_F(UiManagerTest, ViewChangeSlidesInEightStepsAndEndsOnTheNewPicture)
{
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);
    iUi->SetBgColor(CZuRgb(255, 0, 0));
    iUi->HandleDraw();
    CRecordingView* view = new CRecordingView(iUi);
    view->SetViewId(1);
    view->SetTransformEffect(EZuTransFromLeft);
    iUi->AddViewL(view);
    iUi->ActivateViewL(1);
    ASSERT_TRUE(iUi->IsTransforming());
    iUi->SetBgColor(CZuRgb(0, 0, 255));
    int steps = 0;
    while (iUi->IsTransforming() && steps < 100)
    {
        iUi->HandleDraw();
        ++steps;
        if (steps == 4)
        {
            // Half way: the new picture covers the left half only.
            EXPECT_EQ(PixelAt(iScreen, 90, 70), 0x0000FFu);
            EXPECT_EQ(PixelAt(iScreen, 110, 70), 0xFF0000u);
        }
    }
    EXPECT_EQ(steps, 8);
    EXPECT_EQ(PixelAt(iScreen, 199, 70), 0x0000FFu);
}

TEST_F(UiManagerTest, FontsAndImagesAreSharedByTheirKeys)
{
    CZuFontManager* fonts = CZuEnv::FontMgr();
    int before = fonts->GetFontCount();
    // Sizes nothing on the screen uses yet.
    CZuFont* a = fonts->GetFont(EFontUi, 130, false);
    CZuFont* b = fonts->GetFont(EFontUi, 130, false);
    CZuFont* c = fonts->GetFont(EFontUi, 150, false);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(fonts->GetFontCount(), before + 2);
    fonts->ReleaseFont(a);
    EXPECT_EQ(fonts->GetFontCount(), before + 2);
    fonts->ReleaseFont(b);
    fonts->ReleaseFont(c);
    EXPECT_EQ(fonts->GetFontCount(), before);

    const std::vector<char>& bmp = RedGreenBmp();
    const char* data = bmp.data();
    CZuImageManager* images = CZuEnv::ImageMgr();
    EXPECT_EQ(images->GetImage(CZuString("missing.png"), false, nullptr, 0), nullptr);
    CZuImage* first = images->GetImage(CZuString("dot.bmp"), false, data, int(bmp.size()));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Size(), CZuSize(2, 1));
    CZuImage* again = images->GetImage(CZuString("dot.bmp"), true, nullptr, 0);
    EXPECT_EQ(again, first);
    EXPECT_TRUE(first->HaveMask());
    CZuImage* scaled = images->GetImage(CZuString("dot.bmp"), 4, 2, false, data, int(bmp.size()));
    ASSERT_NE(scaled, nullptr);
    EXPECT_NE(scaled, first);
    EXPECT_EQ(scaled->Size(), CZuSize(4, 2));
    EXPECT_EQ(images->GetImageCount(), 2);
    images->ReleaseImage(first);
    images->ReleaseImage(again);
    images->ReleaseImage(scaled);
    EXPECT_EQ(images->GetImageCount(), 0);
}

TEST_F(UiManagerTest, WindowsAreFoundAndSwitched)
{
    CZuWnd* other = iUi->CreateMainWnd(5, CZuString("Other"));
    EXPECT_EQ(iUi->GetWnd(5), other);
    EXPECT_EQ(iUi->GetWnd(CZuString("Other")), other);
    EXPECT_NE(other->GetWndLayout(), nullptr);
    EXPECT_EQ(iUi->GetCurWnd(), iWnd);
    EXPECT_EQ(iRoot->FindControl(iWnd->GetWnd()), 0);
    EXPECT_EQ(iUi->GetCba(), iWnd->iCba);
    EXPECT_EQ(iUi->GetTitleBar(), nullptr);
    EXPECT_TRUE(iUi->CanMoveUi());
    iUi->SetScreenRect(CZuRect(0, 0, 200, 150));
    EXPECT_FALSE(iUi->CanMoveUi());
}

TEST_F(UiManagerTest, ResourcePackagesTakeTheirImagesFromTheImageManager)
{
    const std::vector<char>& bmp = RedGreenBmp();
    CZuImageManager* images = CZuEnv::ImageMgr();
    CZuImage* cached = images->GetImage(CZuString("logo.bmp"), false, bmp.data(), int(bmp.size()));
    ASSERT_NE(cached, nullptr);
    CZuMfpExtract package;
    CZuImage* found = package.GetImage("LOGO.BMP", false);
    EXPECT_EQ(found, cached);
    EXPECT_EQ(package.GetImage("nothing.png", false), nullptr);
    images->ReleaseImage(found);
    images->ReleaseImage(cached);
    EXPECT_EQ(images->GetImageCount(), 0);
}
