#ifndef ZUTIMEROBSERVER_H
#define ZUTIMEROBSERVER_H

// Told when a timer expires, on the UI thread.
class MZuTimerObserver
{
public:
    // id: the caller's id of the timer that expired.
    virtual void OnTimer(int id) = 0;
    virtual ~MZuTimerObserver() {}
};

#endif // ZUTIMEROBSERVER_H
