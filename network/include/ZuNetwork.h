#ifndef ZUNETWORK_H
#define ZUNETWORK_H

// ZuNetwork: the connection and the HTTP requests of the update check, over libcurl on worker threads.
#include "ZuConnection.h"
#include "ZuConnectionObserver.h"
#include "ZuHttp.h"
#include "ZuHttpAnswer.h"
#include "ZuHttpLimits.h"

#endif // ZUNETWORK_H
