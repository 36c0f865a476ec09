#include "ZuUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const unsigned KClick = 19;
const unsigned KCommand = 24845;

// A message that counts its deletions.
class CCountedMessage : public CZuMessage
{
public:
    CCountedMessage(unsigned type, int* deletions) : CZuMessage(nullptr, type, 0, 0), iDeletions(deletions) {}
    ~CCountedMessage() override { ++*iDeletions; }

private:
    int* iDeletions;
};

// One message as a receiver got it.
struct TReceived
{
    std::string iWho;
    unsigned iType;
    unsigned iParam1;
};

// Writes one entry of the shared log; takes the message or leaves it.
void Record(std::vector<TReceived>* log, const std::string& who, const CZuMessage* message)
{
    log->push_back(TReceived{who, message->iType, static_cast<unsigned>(message->iParam1)});
}

// A receiver's part of the shared log: its name, and whether it takes what it is offered.
struct TRecorder
{
    std::string iName;
    std::vector<TReceived>* iLog;
    bool iHandles;

    bool Take(const CZuMessage* message)
    {
        Record(iLog, iName, message);
        return iHandles;
    }
};

class CRecordingReceiver : public MZuMessageWnd
{
public:
    CRecordingReceiver(const char* name, std::vector<TReceived>* log, bool handles = true)
        : iRecorder{name, log, handles}
    {
    }
    bool HandleMessage(CZuMessage* message) override { return iRecorder.Take(message); }

private:
    TRecorder iRecorder;
};

// A control of a given type that records what it is offered: a dialog, a menu bar or any other control on
// top of the display stack.
class CRecordingControl : public CZuControl
{
public:
    CRecordingControl(TZuControlType type, const char* name, std::vector<TReceived>* log, bool handles)
        : CZuControl(nullptr, false, type), iRecorder{name, log, handles}
    {
    }
    bool HandleMessage(CZuMessage* message) override { return iRecorder.Take(message); }

private:
    TRecorder iRecorder;
};

// A screen that records what it is offered while its container is on top.
class CRecordingView : public CZuView
{
public:
    CRecordingView(CZuUiManager* manager, std::vector<TReceived>* log, bool handles)
        : CZuView(manager), iRecorder{"view", log, handles}
    {
    }
    bool HandleMessage(CZuMessage* message) override { return iRecorder.Take(message); }

private:
    TRecorder iRecorder;
};

// The real UI manager, recording what reaches it before it acts.
class CLoggingUiManager : public CZuUiManager
{
public:
    explicit CLoggingUiManager(std::vector<TReceived>* log) : iLog(log) {}
    void StartL() override {}
    void Release() override {}
    bool HandleMessage(CZuMessage* message) override
    {
        Record(iLog, "ui", message);
        return CZuUiManager::HandleMessage(message);
    }

private:
    std::vector<TReceived>* iLog;
};

// The environment's queue on a test clock, routed by the real UI manager and its display stack.
class MessageProcessorTest : public ::testing::Test
{
protected:
    MessageProcessorTest() : iUi(new CLoggingUiManager(&iLog)), iView("view", &iLog)
    {
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, 240, 160));
        iUi->SetPlatWindow(root, true);
        iProcessor = CZuEnv::MsgProcessor();
    }
    ~MessageProcessorTest() override
    {
        for (auto it = iPushed.rbegin(); it != iPushed.rend(); ++it)
        {
            iUi->PopFromDispStack(*it);
            delete *it;
        }
        delete iScreen;
        delete iUi;
    }

    // A control of this type on top of the display stack.
    CZuControl* Push(TZuControlType type, const char* name, bool handles)
    {
        CZuControl* control = new CRecordingControl(type, name, &iLog, handles);
        iUi->PushToDispStack(control);
        iPushed.push_back(control);
        Settle();
        return control;
    }
    // A view's container on top of the display stack; the view records what it is offered.
    void PushScreen(bool handles)
    {
        iScreen = new CRecordingView(iUi, &iLog, handles);
        auto* container = new CZuContainer(iUi->PlatWindow1(), iScreen, EZuCtrlContainer);
        iUi->PushToDispStack(container);
        Settle();
    }
    // The redraw a change of the display stack asks for is answered and forgotten.
    void Settle()
    {
        while (iProcessor->GetQueueCount() > 0)
            Tick();
        iLog.clear();
    }

    void Post(MZuMessageWnd* receiver, unsigned type, unsigned param1 = 0)
    {
        iProcessor->PostMessageW(new CZuMessage(receiver, type, param1, 0));
    }
    void Tick() { iClock.Advance(CZuMessageProcessor::KTickMs); }
    bool PumpRunning() const { return CZuEnv::TimerMgr()->IsRunning(CZuMessageProcessor::KTimerId); }

    std::vector<TReceived> iLog;
    CZuManualClock iClock;
    CLoggingUiManager* iUi;
    CRecordingReceiver iView;
    CZuMessageProcessor* iProcessor;
    CRecordingView* iScreen = nullptr;
    std::vector<CZuControl*> iPushed;
};

TEST_F(MessageProcessorTest, FiveDrawRequestsAndAClickTakeTwoTicks)
{
    for (int i = 0; i < 5; ++i)
        Post(nullptr, EZuMsgDraw);
    Post(&iView, KClick, KCommand);

    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("ui", iLog[0].iWho);
    EXPECT_EQ(unsigned(EZuMsgDraw), iLog[0].iType);
    EXPECT_EQ(1, iProcessor->GetQueueCount());

    Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("view", iLog[1].iWho);
    EXPECT_EQ(KClick, iLog[1].iType);
    EXPECT_EQ(KCommand, iLog[1].iParam1);
    EXPECT_EQ(0, iProcessor->GetQueueCount());
}

TEST_F(MessageProcessorTest, DrawClickDrawTakeThreeTicksAndBothDrawsAreHandled)
{
    Post(nullptr, EZuMsgDraw);
    Post(&iView, KClick);
    Post(nullptr, EZuMsgDraw);

    Tick();
    Tick();
    EXPECT_EQ(2u, iLog.size());
    Tick();
    ASSERT_EQ(3u, iLog.size());
    EXPECT_EQ(unsigned(EZuMsgDraw), iLog[0].iType);
    EXPECT_EQ(KClick, iLog[1].iType);
    EXPECT_EQ(unsigned(EZuMsgDraw), iLog[2].iType);
}

TEST_F(MessageProcessorTest, NothingIsHandledBeforeTheFirstTick)
{
    Post(&iView, KClick);
    iClock.Advance(CZuMessageProcessor::KTickMs - 1);
    EXPECT_TRUE(iLog.empty());
    iClock.Advance(1);
    EXPECT_EQ(1u, iLog.size());
}

TEST_F(MessageProcessorTest, ToolkitTypesGoToTheUiManagerEvenWithAReceiver)
{
    CZuControl* dialog = Push(EZuCtrlDialog, "dialog", true);
    Post(dialog, 0);
    Post(dialog, EZuMsgSetCursor);
    Tick();
    Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("ui", iLog[0].iWho);
    EXPECT_EQ("ui", iLog[1].iWho);
}

TEST_F(MessageProcessorTest, ANamedReceiverGetsTheMessageEvenWhenItDoesNotHandleIt)
{
    CRecordingReceiver refuses("refuses", &iLog, false);
    Push(EZuCtrlDialog, "dialog", true);
    Post(&refuses, 16);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("refuses", iLog[0].iWho);
}

TEST_F(MessageProcessorTest, WithoutReceiverTheDialogOnTopComesFirst)
{
    PushScreen(true);
    Push(EZuCtrlDialog, "dialog", true);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("dialog", iLog[0].iWho);
}

TEST_F(MessageProcessorTest, WhatTheDialogOnTopDoesNotHandleGoesToTheUiManagerNotTheScreenBelow)
{
    PushScreen(true);
    Push(EZuCtrlDialog, "dialog", false);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("dialog", iLog[0].iWho);
    EXPECT_EQ("ui", iLog[1].iWho);
}

TEST_F(MessageProcessorTest, WhatTheMenuBarOnTopDoesNotHandleGoesToTheUiManager)
{
    Push(EZuCtrlMenuBar, "menu", false);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("menu", iLog[0].iWho);
    EXPECT_EQ("ui", iLog[1].iWho);
}

TEST_F(MessageProcessorTest, AViewContainerOnTopHandsTheMessageToItsView)
{
    PushScreen(true);
    Post(nullptr, KClick, KCommand);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    EXPECT_EQ(KCommand, iLog[0].iParam1);
}

TEST_F(MessageProcessorTest, WhatTheViewDoesNotHandleGoesToTheUiManager)
{
    PushScreen(false);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    EXPECT_EQ("ui", iLog[1].iWho);
}

TEST_F(MessageProcessorTest, AContainerWithoutAViewOnTopLeavesItToTheUiManager)
{
    auto* container = new CZuContainer(iUi->PlatWindow1(), nullptr, EZuCtrlContainer);
    iUi->PushToDispStack(container);
    iPushed.push_back(container);
    Settle();
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("ui", iLog[0].iWho);
}

TEST_F(MessageProcessorTest, OtherControlsOnTopAndAnEmptyStackLeaveItToTheUiManager)
{
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("ui", iLog[0].iWho);
    Push(EZuCtrlLabel, "label", true);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("ui", iLog[0].iWho);
}

TEST_F(MessageProcessorTest, OnlyTheTopOfTheStackIsAsked)
{
    Push(EZuCtrlDialog, "lower", true);
    CZuControl* upper = Push(EZuCtrlDialog, "upper", true);
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("upper", iLog[0].iWho);
    // Once the upper dialog is gone, the lower one is the top again.
    iUi->PopFromDispStack(upper);
    Settle();
    Post(nullptr, KClick);
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("lower", iLog[0].iWho);
}

TEST_F(MessageProcessorTest, WithoutRouterMessagesForNobodyAreDropped)
{
    iProcessor->SetRouter(nullptr);
    Post(nullptr, EZuMsgDraw);
    Post(nullptr, KClick);
    Post(&iView, KClick);
    Tick();
    Tick();
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    iProcessor->SetRouter(iUi);
}

TEST_F(MessageProcessorTest, SendDeliversAtOnceAndLeavesTheMessageToTheCaller)
{
    Post(nullptr, EZuMsgDraw);
    CZuMessage message(&iView, KClick, 7, 0);
    iProcessor->SendMessageW(&message);
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    EXPECT_EQ(7u, iLog[0].iParam1);
    EXPECT_EQ(1, iProcessor->GetQueueCount());
}

TEST_F(MessageProcessorTest, TheTimerStopsWhenTheQueueRunsEmptyAndAPostStartsIt)
{
    EXPECT_FALSE(PumpRunning());
    EXPECT_EQ(0, iClock.TimerCount());
    Post(&iView, KClick);
    EXPECT_TRUE(PumpRunning());
    Tick();
    EXPECT_FALSE(PumpRunning());
    // Idle: no timer left to wake the program.
    EXPECT_EQ(0, iClock.TimerCount());
    iClock.Advance(10000);
    EXPECT_EQ(1u, iLog.size());

    Post(&iView, KClick);
    EXPECT_TRUE(PumpRunning());
    Tick();
    EXPECT_EQ(2u, iLog.size());
    EXPECT_FALSE(PumpRunning());
}

// Posts one more message while handling the first.
class CPostingReceiver : public MZuMessageWnd
{
public:
    CPostingReceiver(CZuMessageProcessor* processor, MZuMessageWnd* next) : iProcessor(processor), iNext(next)
    {
    }
    bool HandleMessage(CZuMessage*) override
    {
        iProcessor->PostMessageW(new CZuMessage(iNext, KClick, 2, 0));
        return true;
    }

private:
    CZuMessageProcessor* iProcessor;
    MZuMessageWnd* iNext;
};

TEST_F(MessageProcessorTest, AMessagePostedWhileHandlingTheLastOneIsNotLost)
{
    CPostingReceiver poster(iProcessor, &iView);
    Post(&poster, KClick);
    Tick();
    EXPECT_TRUE(PumpRunning());
    EXPECT_TRUE(iLog.empty());
    Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ(2u, iLog[0].iParam1);
}

TEST_F(MessageProcessorTest, OnlyTimerOneDrivesTheQueue)
{
    Post(&iView, KClick);
    iProcessor->OnTimer(2);
    EXPECT_TRUE(iLog.empty());
    // A wake-up handles one message at once, as a tick does.
    iProcessor->OnTimer(CZuMessageProcessor::KTimerId);
    EXPECT_EQ(1u, iLog.size());
    EXPECT_FALSE(PumpRunning());
}

TEST_F(MessageProcessorTest, ALongQueueKeepsItsOrder)
{
    const int count = 1000;
    for (int i = 0; i < count; ++i)
        iProcessor->PostMessageW(new CZuMessage(&iView, KClick, static_cast<unsigned>(i), 0));
    for (int i = 0; i < count / 2; ++i)
        Tick();
    // Posting in the middle of draining goes behind what is queued.
    iProcessor->PostMessageW(new CZuMessage(&iView, KClick, count, 0));
    for (int i = 0; i <= count / 2; ++i)
        Tick();
    ASSERT_EQ(static_cast<size_t>(count + 1), iLog.size());
    for (int i = 0; i <= count; ++i)
        ASSERT_EQ(static_cast<unsigned>(i), iLog[i].iParam1);
    EXPECT_FALSE(PumpRunning());
}

TEST(MessageProcessor, DestructionDeletesQueuedMessagesAndStopsTheTimer)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    int deletions = 0;
    {
        CZuMessageProcessorImpl processor(&timers);
        processor.PostMessageW(new CCountedMessage(KClick, &deletions));
        processor.PostMessageW(new CCountedMessage(EZuMsgDraw, &deletions));
        EXPECT_TRUE(timers.IsRunning(CZuMessageProcessor::KTimerId));
    }
    EXPECT_EQ(2, deletions);
    EXPECT_FALSE(timers.IsRunning(CZuMessageProcessor::KTimerId));
    clock.Advance(100);
}

TEST(MessageProcessor, CollapsedDrawRequestsAreDeleted)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    CZuMessageProcessorImpl processor(&timers);
    int deletions = 0;
    for (int i = 0; i < 3; ++i)
        processor.PostMessageW(new CCountedMessage(EZuMsgDraw, &deletions));
    clock.Advance(CZuMessageProcessor::KTickMs);
    EXPECT_EQ(3, deletions);
    EXPECT_EQ(0, processor.GetQueueCount());
}

TEST(MessageProcessor, TheTimerManagerMayGoFirst)
{
    CZuManualClock clock;
    auto* timers = new CZuTimerManager();
    CZuMessageProcessorImpl processor(timers);
    processor.PostMessageW(new CZuMessage(nullptr, KClick, 0, 0));
    // The environment deletes the timer manager before the message processor.
    delete timers;
    EXPECT_EQ(0, clock.TimerCount());
}

TEST_F(MessageProcessorTest, AReceiverDeletedWithMessagesQueuedGetsNoneOfThem)
{
    auto* doomed = new CRecordingReceiver("doomed", &iLog);
    Post(doomed, KClick, 1);
    Post(&iView, KClick, 2);
    Post(doomed, KClick, 3);
    Post(nullptr, EZuMsgDraw);
    Post(doomed, KClick, 4);
    delete doomed;
    EXPECT_EQ(2, iProcessor->GetQueueCount());

    // Under AddressSanitizer a message reaching the deleted receiver would be a use after free.
    for (int i = 0; i < 5; ++i)
        Tick();
    ASSERT_EQ(2u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    EXPECT_EQ(2u, iLog[0].iParam1);
    EXPECT_EQ(unsigned(EZuMsgDraw), iLog[1].iType);
    EXPECT_FALSE(PumpRunning());
}

TEST_F(MessageProcessorTest, AReceiverDeletedWhileItsOwnMessageIsHandledLosesTheRest)
{
    // The handler of one message deletes the receiver of the next ones, as a view switch deletes the old
    // screen's controls.
    class CDeleter : public MZuMessageWnd
    {
    public:
        explicit CDeleter(MZuMessageWnd* victim) : iVictim(victim) {}
        bool HandleMessage(CZuMessage*) override
        {
            delete iVictim;
            iVictim = nullptr;
            return true;
        }
        MZuMessageWnd* iVictim;
    };
    auto* victim = new CRecordingReceiver("victim", &iLog);
    CDeleter deleter(victim);
    Post(&deleter, KClick);
    for (int i = 0; i < 40; ++i)
        Post(victim, KClick, static_cast<unsigned>(i));
    Post(&iView, KClick, 99);
    for (int i = 0; i < 5; ++i)
        Tick();
    ASSERT_EQ(1u, iLog.size());
    EXPECT_EQ("view", iLog[0].iWho);
    EXPECT_EQ(0, iProcessor->GetQueueCount());
}

TEST_F(MessageProcessorTest, AControlNamedInAQueuedMessageIsForgottenWhenDeleted)
{
    // A button posts its click with itself as the second parameter; the screen that holds it may go
    // before the click is handled.
    class CParamReceiver : public MZuMessageWnd
    {
    public:
        bool HandleMessage(CZuMessage* message) override
        {
            iSeen.push_back(message->iParam2);
            return true;
        }
        std::vector<uintptr_t> iSeen;
    };
    CParamReceiver receiver;
    auto* doomed = new CZuControl(static_cast<CZuWindow*>(nullptr));
    CZuControl kept(static_cast<CZuWindow*>(nullptr));
    iProcessor->PostMessageW(new CZuMessage(&receiver, KClick, 1, CZuMessage::MakeParam(doomed)));
    iProcessor->PostMessageW(new CZuMessage(&receiver, KClick, 2, CZuMessage::MakeParam(&kept)));
    iProcessor->PostMessageW(new CZuMessage(&receiver, KClick, 3, 77));
    delete doomed;
    // The messages still arrive, in order; only the name of the deleted control is gone.
    EXPECT_EQ(3, iProcessor->GetQueueCount());
    for (int i = 0; i < 3; ++i)
        Tick();
    ASSERT_EQ(3u, receiver.iSeen.size());
    EXPECT_EQ(0u, receiver.iSeen[0]);
    EXPECT_EQ(CZuMessage::MakeParam(&kept), receiver.iSeen[1]);
    EXPECT_EQ(77u, receiver.iSeen[2]);
}

TEST(MessageProcessor, ParametersCarryPointersWhole)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    CZuMessageProcessorImpl processor(&timers);
    class CPointerReceiver : public MZuMessageWnd
    {
    public:
        bool HandleMessage(CZuMessage* message) override
        {
            iSeen = CZuMessage::ParamObject<int>(message->iParam2);
            return true;
        }
        int* iSeen = nullptr;
    };
    CPointerReceiver receiver;
    // A heap address on 64-bit Linux does not fit 32 bits.
    static int onStack = 0;
    int* address = &onStack;
    processor.PostMessageW(new CZuMessage(&receiver, KClick, 0, CZuMessage::MakeParam(address)));
    clock.Advance(CZuMessageProcessor::KTickMs);
    EXPECT_EQ(address, receiver.iSeen);
    EXPECT_EQ(sizeof(void*), sizeof(CZuMessage().iParam1));
}

} // namespace
