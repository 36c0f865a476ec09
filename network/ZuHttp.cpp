#include "ZuHttp.h"

#include "ZuConnection.h"
#include "ZuHttpHandOver.h"
#include "ZuHttpTransfer.h"
#include "ZuMessage.h"
#include "ZuMessageWnd.h"

#include <string>

CZuHttp::CZuHttp(CZuConnection* connection, MZuMessageWnd* receiver)
    : iConnection(connection), iReceiver(receiver)
{
}

CZuHttp::~CZuHttp()
{
    Cancel();
}

bool CZuHttp::IsBusy() const
{
    return iTransfer != nullptr;
}

bool CZuHttp::Get(const char* url, int length)
{
    if (IsBusy() || !iConnection || !iConnection->IsConnected() || !url || length < 0)
        return false;
    std::string address(url, static_cast<size_t>(length));
    uint64_t id = CZuHttpHandOver::Register(this);
    iTransfer.reset(new TZuHttpTransfer(id, address, iConnection->Limits()));
    iTransfer->Start();
    return true;
}

void CZuHttp::Cancel()
{
    if (!iTransfer)
        return;
    CZuHttpHandOver::Unregister(iTransfer->iId);
    iTransfer.reset();
}

void CZuHttp::Deliver()
{
    if (!iTransfer)
        return;
    iTransfer->Join();
    CZuHttpHandOver::Unregister(iTransfer->iId);
    CZuHttpAnswer* answer = new CZuHttpAnswer(iTransfer->iResult, iTransfer->iStatus, iTransfer->iBody);
    iTransfer.reset();
    // The receiver may delete this request while it handles the answer: nothing of it is used after.
    MZuMessageWnd* receiver = iReceiver;
    CZuMessage message(receiver, KAnswerMessage, static_cast<uintptr_t>(answer->Result()),
                       CZuMessage::MakeParam(answer));
    if (!receiver || !receiver->HandleMessage(&message))
        delete answer;
}
