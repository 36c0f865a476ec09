#include "UpdateCheck.h"

#include "UpdateAnswer.h"
#include "ZuConnection.h"
#include "ZuHttp.h"
#include "ZuHttpAnswer.h"
#include "ZuLexOptions.h"
#include "ZuMessage.h"

#ifndef ZU_UPDATE_URL
#define ZU_UPDATE_URL "http://update.zulex.invalid/update/ZuLexUpdate.xml"
#endif

const char* const CUpdateCheck::KProgramVersion = "1.0.4";

namespace
{

CZuString& AddressForThisRun()
{
    static CZuString address;
    return address;
}

TUpdateVerdict Failure(TUpdateVerdict::TKind kind)
{
    TUpdateVerdict verdict;
    verdict.iKind = kind;
    return verdict;
}

} // namespace

CUpdateCheck::CUpdateCheck(MUpdateCheckObserver* observer)
    : iObserver(observer), iConnection(nullptr), iRequest(nullptr), iRunning(false)
{
}

CUpdateCheck::~CUpdateCheck()
{
    // The request goes first: it may not outlive its connection.
    delete iRequest;
    delete iConnection;
}

CZuString CUpdateCheck::Address()
{
    const CZuString& address = AddressForThisRun();
    return address.IsEmpty() ? CZuString(ZU_UPDATE_URL) : address;
}

void CUpdateCheck::SetAddress(const CZuString& url)
{
    AddressForThisRun() = url;
}

bool CUpdateCheck::Start()
{
    if (iRunning)
        return false;
    iRunning = true;
    if (iConnection && iConnection->IsConnected())
    {
        Request();
        return true;
    }
    delete iConnection;
    iConnection = new CZuConnection(this);
    iConnection->Connect(0);
    return true;
}

void CUpdateCheck::Cancel()
{
    if (iRequest)
        iRequest->Cancel();
    iRunning = false;
}

void CUpdateCheck::HandleConnected(CZuConnection* /*connection*/, int error)
{
    if (!iRunning)
        return;
    if (error != CZuConnection::ENone)
    {
        Finish(Failure(TUpdateVerdict::ENoServer));
        return;
    }
    Request();
}

void CUpdateCheck::Request()
{
    CZuString address = Address();
    if (!CZuLexOptions::IsUpdateUrl(address))
    {
        Finish(Failure(TUpdateVerdict::ENoServer));
        return;
    }
    iConnection->SetLimits(iLimits);
    if (!iRequest)
        iRequest = new CZuHttp(iConnection, this);
    if (!iRequest->Get(Str(address), address.Length()))
        Finish(Failure(TUpdateVerdict::ENoServer));
}

bool CUpdateCheck::HandleMessage(CZuMessage* message)
{
    if (message->iType != CZuHttp::KAnswerMessage)
        return false;
    CZuHttpAnswer* answer = CZuMessage::ParamObject<CZuHttpAnswer>(message->iParam2);
    TUpdateVerdict verdict = answer ? CUpdateAnswer::Judge(*answer, CZuString(KProgramVersion))
                                    : Failure(TUpdateVerdict::EBadAnswer);
    delete answer;
    Finish(verdict);
    return true;
}

void CUpdateCheck::Finish(const TUpdateVerdict& verdict)
{
    iRunning = false;
    // The observer may delete this check: nothing of it is used after.
    if (iObserver)
        iObserver->HandleUpdateVerdict(verdict);
}
