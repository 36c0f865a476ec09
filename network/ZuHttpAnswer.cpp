#include "ZuHttpAnswer.h"

CZuHttpAnswer::CZuHttpAnswer(TZuHttpResult result, int status, const std::string& body)
    : iResult(result), iStatus(status), iBody(body)
{
}

CZuHttpAnswer::~CZuHttpAnswer() {}
