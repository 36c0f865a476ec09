#ifndef LISTTESTSUPPORT_H
#define LISTTESTSUPPORT_H

#include "UiTestSupport.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

// What the list rooms' tests share: a UI manager on a test clock with a root control, a receiver of the
// controls' messages and a list observer that records what it is told.

// Records the messages a control sends to it.
class CMessageLog : public MZuMessageWnd
{
public:
    bool HandleMessage(CZuMessage* message) override
    {
        iTypes.push_back(message->iType);
        iParams.push_back(static_cast<int>(message->iParam1));
        iSenders.push_back(message->iParam2);
        return true;
    }
    // param1 of the messages of one type.
    std::vector<int> ParamsOf(unsigned type) const
    {
        std::vector<int> params;
        for (std::size_t i = 0; i < iTypes.size(); ++i)
        {
            if (iTypes[i] == type)
                params.push_back(iParams[i]);
        }
        return params;
    }
    void Clear()
    {
        iTypes.clear();
        iParams.clear();
        iSenders.clear();
    }

    std::vector<unsigned> iTypes;
    std::vector<int> iParams;
    std::vector<uintptr_t> iSenders;
};

// Records what a list tells its status and page observers.
class CListStatusLog : public MZuListStatusNotify, public MZuListPrevPgStatusNotify, public MZuListNextPgStatusNotify
{
public:
    void ListStatusChanged(int page, int pageCount) override { iPages.push_back(std::make_pair(page, pageCount)); }
    void ListDragScrolled() override { ++iDrags; }
    bool SetPrevPgStatus(CZuList*, bool firstPage) override
    {
        iFirstPage = firstPage;
        return firstPage;
    }
    bool SetNextPgStatus(CZuList*, bool lastPage) override
    {
        iLastPage = lastPage;
        return lastPage;
    }

    std::vector<std::pair<int, int>> iPages;
    int iDrags = 0;
    bool iFirstPage = false;
    bool iLastPage = false;
};

// A UI manager on a manual clock with a 480 x 360 root control; controls under test are its children.
class CListRoomTest : public ::testing::Test
{
protected:
    CListRoomTest()
    {
        iRoot = new CZuControl(static_cast<CZuWindow*>(nullptr));
        iRoot->SetRect(CZuRect(0, 0, 480, 360));
        iUi.SetPlatWindow(iRoot, true);
        iUi.SetObserver(&iUi);
        iUi.iScreen = &iScreen;
    }
    ~CListRoomTest() override { iUi.SetObserver(nullptr); }

    // Runs the message queue until it is empty.
    void Pump()
    {
        for (int i = 0; i < 1000 && CZuEnv::MsgProcessor()->GetQueueCount() > 0; ++i)
            iClock.Advance(CZuMessageProcessor::KTickMs);
    }
    static bool Key(CZuControl* control, unsigned code)
    {
        return control->HandleKeyEvent(KeyEvent(code), EZuKeyEventKey);
    }
    static bool Pointer(CZuControl* control, TZuPointerType type, int x, int y, int value = 0)
    {
        return control->HandlePointerEventL(PointerEvent(type, x, y, value));
    }
    static void Click(CZuControl* control, int x, int y)
    {
        Pointer(control, EZuPointerDown, x, y);
        Pointer(control, EZuPointerUp, x, y);
    }
    // Draws the control alone into the screen picture, on a white ground.
    void DrawAlone(CZuControl* control)
    {
        iScreen.SetDrawColor(CZuRgb(255, 255, 255));
        iScreen.Clear();
        control->DrawCtrl(iScreen, control->Rect());
    }

    CZuManualClock iClock;
    CTestUiManager iUi;
    CZuControl* iRoot = nullptr;
    CZuBitmapGc iScreen{CZuSize(480, 360)};
    CMessageLog iLog;
};

#endif // LISTTESTSUPPORT_H
