#include "ZuMessageProcessor.h"

#include "ZuMessage.h"
#include "ZuMessageRouter.h"
#include "ZuMessageWnd.h"
#include "ZuTimerManager.h"

namespace
{

// Taken slots at the head are reclaimed once there are this many and they are half the list.
const int KCompactThreshold = 64;

} // namespace

CZuMessageProcessor* CZuMessageProcessor::iFirstLive = nullptr;

CZuMessageProcessor::CZuMessageProcessor(CZuTimerManager* timers)
    : iQueue(true), iHead(0), iTimers(timers), iRouter(nullptr), iNextLive(iFirstLive)
{
    iFirstLive = this;
}

CZuMessageProcessor::~CZuMessageProcessor()
{
    for (CZuMessageProcessor** link = &iFirstLive; *link; link = &(*link)->iNextLive)
    {
        if (*link == this)
        {
            *link = iNextLive;
            break;
        }
    }
    // A manager that is gone has unregistered itself; one still registered must not call back into us.
    if (iTimers && IZuTimerManager::GetTimerManager() == iTimers)
        Stop();
}

void CZuMessageProcessor::Start()
{
    if (iTimers && !iTimers->IsRunning(KTimerId))
        iTimers->StartTimer(KTimerId, KTickMs, this);
}

void CZuMessageProcessor::Stop()
{
    if (iTimers && iTimers->IsRunning(KTimerId))
        iTimers->Stop(KTimerId);
}

void CZuMessageProcessor::PostMessageW(CZuMessage* message)
{
    if (!message)
        return;
    iQueue.Append(message);
    Start();
}

void CZuMessageProcessor::SendMessageW(CZuMessage* message)
{
    if (message)
        DispatchMessageW(message);
}

void CZuMessageProcessor::DispatchMessageW(CZuMessage* message)
{
    MZuMessageWnd* uiManager = iRouter ? iRouter->GetUiManagerReceiver() : nullptr;
    if (message->iType <= EZuMsgLastUiManager)
    {
        if (uiManager)
            uiManager->HandleMessage(message);
        return;
    }
    if (message->iReceiver)
    {
        message->iReceiver->HandleMessage(message);
        return;
    }
    MZuMessageWnd* top = iRouter ? iRouter->GetDisplayTopReceiver() : nullptr;
    if (top && top->HandleMessage(message))
        return;
    if (uiManager)
        uiManager->HandleMessage(message);
}

void CZuMessageProcessor::OnTimer(int id)
{
    if (id != KTimerId)
        return;
    if (GetQueueCount() == 0)
    {
        Stop();
        return;
    }
    CZuMessage* message = TakeFirst();
    if (message->iType == EZuMsgDraw)
        DropQueuedDrawRequests();
    DispatchMessageW(message);
    delete message;
    // Nothing left to do: the timer sleeps until the next message is posted.
    if (GetQueueCount() == 0)
        Stop();
}

void CZuMessageProcessor::DropMessagesFor(const MZuMessageWnd* receiver)
{
    if (!receiver)
        return;
    int kept = iHead;
    const int count = iQueue.GetCount();
    for (int i = iHead; i < count; ++i)
    {
        CZuMessage* message = static_cast<CZuMessage*>(iQueue.GetAt(i));
        if (message->iReceiver == receiver)
        {
            delete message;
            continue;
        }
        iQueue.SetAt(kept++, message);
    }
    // Removing from the end moves nothing.
    for (int i = kept; i < count; ++i)
        iQueue.Remove(iQueue.GetCount() - 1);
    if (GetQueueCount() == 0)
    {
        iQueue.RemoveAll();
        iHead = 0;
    }
}

bool CZuMessageProcessor::IsQueued(const MZuMessageWnd* receiver, unsigned type, uintptr_t param1,
                                   uintptr_t param2) const
{
    for (int i = iHead; i < iQueue.GetCount(); ++i)
    {
        const CZuMessage* message = static_cast<const CZuMessage*>(iQueue.GetAt(i));
        if (message->iReceiver == receiver && message->iType == type && message->iParam1 == param1 &&
            message->iParam2 == param2)
            return true;
    }
    return false;
}

void CZuMessageProcessor::DropMessagesForAll(const MZuMessageWnd* receiver)
{
    for (CZuMessageProcessor* processor = iFirstLive; processor; processor = processor->iNextLive)
        processor->DropMessagesFor(receiver);
}

void CZuMessageProcessor::ForgetParamObject(const void* object)
{
    if (!object)
        return;
    const uintptr_t named = CZuMessage::MakeParam(object);
    for (int i = iHead; i < iQueue.GetCount(); ++i)
    {
        CZuMessage* message = static_cast<CZuMessage*>(iQueue.GetAt(i));
        if (message->iParam2 == named)
            message->iParam2 = 0;
    }
}

void CZuMessageProcessor::ForgetParamObjectForAll(const void* object)
{
    for (CZuMessageProcessor* processor = iFirstLive; processor; processor = processor->iNextLive)
        processor->ForgetParamObject(object);
}

CZuMessage* CZuMessageProcessor::TakeFirst()
{
    CZuMessage* message = static_cast<CZuMessage*>(iQueue.GetAt(iHead));
    iQueue.SetAt(iHead, nullptr);
    ++iHead;
    CompactQueue();
    return message;
}

void CZuMessageProcessor::DropQueuedDrawRequests()
{
    while (GetQueueCount() > 0 && static_cast<CZuMessage*>(iQueue.GetAt(iHead))->iType == EZuMsgDraw)
        delete TakeFirst();
}

void CZuMessageProcessor::CompactQueue()
{
    int count = iQueue.GetCount();
    if (iHead == count)
    {
        iQueue.RemoveAll();
        iHead = 0;
        return;
    }
    if (iHead < KCompactThreshold || iHead * 2 < count)
        return;
    for (int i = iHead; i < count; ++i)
        iQueue.SetAt(i - iHead, iQueue.GetAt(i));
    // Removing from the end moves nothing.
    for (int i = 0; i < iHead; ++i)
        iQueue.Remove(iQueue.GetCount() - 1);
    iHead = 0;
}
