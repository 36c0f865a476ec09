#ifndef TESTSCREEN_H
#define TESTSCREEN_H

#include "UiTestSupport.h"
#include "ZuRootWnd.h"

#include <cstdint>
#include <vector>

// Controls driven through the real UI manager: a window whose root pane holds a client pane over a command
// bar, on a clock the test advances; keys, pointer events and the message queue as the program has them.

// One message as a receiver got it.
struct TGotMessage
{
    unsigned iType;
    uintptr_t iParam1;
    uintptr_t iParam2;
};

// A receiver that records every message and takes it.
class CMessageLog : public MZuMessageWnd
{
public:
    bool HandleMessage(CZuMessage* message) override
    {
        iGot.push_back(TGotMessage{message->iType, message->iParam1, message->iParam2});
        return true;
    }
    int Count(unsigned type) const
    {
        int count = 0;
        for (const TGotMessage& got : iGot)
            count += got.iType == type ? 1 : 0;
        return count;
    }

    std::vector<TGotMessage> iGot;
};

class CTestScreen
{
public:
    static const int KCbaHeight = 24;

    // The window description: the client area ("ClientLayout") over the command bar ("Cba").
    class CWnd : public CZuRootWnd
    {
    public:
        explicit CWnd(CZuControl* parent) : CZuRootWnd(parent)
        {
            SetWndName(CZuString("TestScreen"));
            iCba = LayOutClientOverCba(KCbaHeight);
        }
        CZuCba* iCba;
    };

    // withClient: a focused pane over the client area for the test's controls; without it the window
    // holds only what the test pushes (views' containers, dialogs).
    explicit CTestScreen(bool withClient = true, int width = 240, int height = 160)
        : iScreen(CZuSize(width, height)), iClient(nullptr)
    {
        iClock = new CZuManualClock;
        iUi = new CTestUiManager;
        CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin"));
        CZuEnv::UiSetting()->Construct();
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, width, height));
        iUi->SetPlatWindow(root, true);
        iUi->SetObserver(iUi);
        iUi->iScreen = &iScreen;
        iWnd = new CWnd(root);
        iUi->AppendWnd(iWnd);
        iUi->SwitchWnd(CZuString("TestScreen"));
        iWnd->SetWndRect(CZuRect(0, 0, width, height));
        if (!withClient)
            return;
        // Not a pane: a pane would take its radio buttons' messages.
        iClient = new CZuControl(iWnd->GetWnd(), true, EZuCtrlContainer);
        iClient->SetRect(iUi->GetClientRect());
        iClient->SetFocus(true);
    }
    ~CTestScreen()
    {
        iUi->SetObserver(nullptr);
        delete iUi;
        delete iClock;
    }

    CTestUiManager& Ui() { return *iUi; }
    CWnd& Wnd() { return *iWnd; }
    CZuCba* Cba() { return iWnd->iCba; }
    // The pane over the client area, focused: the parent of a test's controls.
    CZuControl* Client() { return iClient; }
    CZuManualClock& Clock() { return *iClock; }
    CZuBitmapGc& Gc() { return iScreen; }

    // Runs the message queue until it is empty.
    void Pump()
    {
        for (int i = 0; i < 400 && CZuEnv::MsgProcessor()->GetQueueCount() > 0; ++i)
            iClock->Advance(CZuMessageProcessor::KTickMs);
    }
    void KeyDown(unsigned code) { iUi->OnKeyDown(code, 1, 0); }
    void KeyUp(unsigned code) { iUi->OnKeyUp(code, 1, 0); }
    // Down and up, then the queue run.
    void Press(unsigned code)
    {
        KeyDown(code);
        KeyUp(code);
        Pump();
    }
    void Point(TZuPointerType type, int x, int y) { iUi->HandlePointerEventL(PointerEvent(type, x, y)); }
    void Click(int x, int y)
    {
        Point(EZuPointerDown, x, y);
        Point(EZuPointerUp, x, y);
        Pump();
    }
    // The whole user interface drawn into Gc().
    void Draw() { iUi->HandleDraw(); }
    unsigned Pixel(int x, int y) { return PixelAt(iScreen, x, y); }
    // How many messages of this type the UI manager handled.
    int UiCount(unsigned type) const
    {
        int count = 0;
        for (unsigned got : iUi->iMessages)
            count += got == type ? 1 : 0;
        return count;
    }

private:
    CTestScreen(const CTestScreen&) = delete;
    CTestScreen& operator=(const CTestScreen&) = delete;

    CZuBitmapGc iScreen;
    CZuManualClock* iClock;
    CTestUiManager* iUi;
    CWnd* iWnd;
    CZuControl* iClient;
};

#endif // TESTSCREEN_H
