#ifndef ZUCONNECTIONOBSERVER_H
#define ZUCONNECTIONOBSERVER_H

class CZuConnection;

// Told when a connection asked to connect is ready for requests.
class MZuConnectionObserver
{
public:
    // error is 0 when the connection can carry requests, else the reason it cannot. Called on the thread
    // that asked to connect; the observer must not delete the connection here.
    virtual void HandleConnected(CZuConnection* connection, int error) = 0;
    virtual ~MZuConnectionObserver() {}
};

#endif // ZUCONNECTIONOBSERVER_H
