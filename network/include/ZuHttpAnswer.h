#ifndef ZUHTTPANSWER_H
#define ZUHTTPANSWER_H

#include "ZuObject.h"

#include <string>

// How a request ended.
enum TZuHttpResult
{
    // Status 200 and the whole body.
    EZuHttpOk = 0,
    // The server's name could not be resolved or nothing answered at its address.
    EZuHttpNoServer = 1,
    EZuHttpTimeout = 2,
    // An answer with a status other than 200.
    EZuHttpBadStatus = 3,
    // A body over the connection's limit.
    EZuHttpTooLarge = 4,
    EZuHttpTooManyRedirects = 5,
    // Not an http or https address.
    EZuHttpBadAddress = 6,
    // The transfer broke off for another reason (a bad certificate, a connection closed early).
    EZuHttpFailed = 7
};

// The answer to a request, carried to the receiver in message 29; the receiver that handles the message
// deletes it. The body is followed by a zero byte, so that it can be parsed as text.
class CZuHttpAnswer : public CZuObject
{
public:
    CZuHttpAnswer(TZuHttpResult result, int status, const std::string& body);
    ~CZuHttpAnswer() override;

    TZuHttpResult Result() const { return iResult; }
    int Status() const { return iStatus; }
    // Empty unless the result is EZuHttpOk.
    const char* Body() const { return iBody.c_str(); }
    int Length() const { return static_cast<int>(iBody.size()); }

private:
    TZuHttpResult iResult;
    int iStatus;
    std::string iBody;
};

#endif // ZUHTTPANSWER_H
