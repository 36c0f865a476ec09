#ifndef ZULISTPREVPGSTATUSNOTIFY_H
#define ZULISTPREVPGSTATUSNOTIFY_H

class CZuList;

// Told by a list whether its first page is shown, so that a previous-page control can disable itself.
class MZuListPrevPgStatusNotify
{
public:
    // The result is the flag as the receiver took it.
    virtual bool SetPrevPgStatus(CZuList* list, bool isFirstPage) = 0;
    virtual ~MZuListPrevPgStatusNotify() {}
};

#endif // ZULISTPREVPGSTATUSNOTIFY_H
