#ifndef ZUHTTPLIMITS_H
#define ZUHTTPLIMITS_H

// What a request may take: how long to reach the server and to finish, how large an answer may be, how
// many redirects it may follow.
struct TZuHttpLimits
{
    int iConnectTimeoutMs = 10000;
    int iTotalTimeoutMs = 20000;
    int iMaxAnswerBytes = 64 * 1024;
    int iMaxRedirects = 3;
};

#endif // ZUHTTPLIMITS_H
