#ifndef ZUPROGRESSDLGOBSERVER_H
#define ZUPROGRESSDLGOBSERVER_H

class CZuProgressDlg;

// Told of the commands of a progress dialog: its cancel soft key (4) asks the work to stop.
class MZuProgressDlgObserver
{
public:
    virtual void HandleProgressDlgCommand(CZuProgressDlg* dialog, int command) = 0;
    virtual ~MZuProgressDlgObserver() {}
};

#endif // ZUPROGRESSDLGOBSERVER_H
