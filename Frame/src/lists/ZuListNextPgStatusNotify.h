#ifndef ZULISTNEXTPGSTATUSNOTIFY_H
#define ZULISTNEXTPGSTATUSNOTIFY_H

class CZuList;

// Told by a list whether its last page is shown, so that a next-page control can disable itself.
class MZuListNextPgStatusNotify
{
public:
    // The result is the flag as the receiver took it.
    virtual bool SetNextPgStatus(CZuList* list, bool isLastPage) = 0;
    virtual ~MZuListNextPgStatusNotify() {}
};

#endif // ZULISTNEXTPGSTATUSNOTIFY_H
