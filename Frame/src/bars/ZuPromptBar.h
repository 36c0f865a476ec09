#ifndef ZUPROMPTBAR_H
#define ZUPROMPTBAR_H

#include "ZuControl.h"
#include "ZuTimerObserver.h"

// A strip of prompt texts: shown a page (one row each) at a time and turned every two seconds, or, in
// ticker mode, scrolled up a pixel every tenth of a second. It runs on a timer of its own, which it stops
// when it goes.
class CZuPromptBar : public CZuControl, public MZuTimerObserver
{
public:
    enum TZuPromptDispMode : int
    {
        EDispPage = 0,
        EDispScroll = 1
    };

    static const int KPageMs = 2000;
    static const int KScrollMs = 100;

    explicit CZuPromptBar(CZuControl* parent);
    ~CZuPromptBar() override;

    // From two prompts on, the timer runs.
    void AppendPrompt(const CZuString& text);
    void ClearAllPrompt();
    int GetPromptCount() const { return iPrompts.GetCount(); }
    // Starts the mode from its first row and restarts the timer at the mode's pace.
    void SetDispMode(int mode);
    int GetDispMode() const { return iDispMode; }
    int GetFirstShown() const { return iFirstShown; }
    int GetScrollOffset() const { return iScrollOffset; }
    int GetTimerId() const { return iTimerId; }
    // The height of one prompt row: the font's height and the text row space.
    virtual int RowHeight();

    void Draw(CZuGc& gc, const CZuRect& rect) override;
    void OnTimer(int id) override;

private:
    // The timer, armed for the mode's interval.
    void Arm();
    const CZuString& Prompt(int index) const;

    CZuObjectList iPrompts;
    int iFirstShown;
    int iScrollOffset;
    int iDispMode;
    int iTimerId;
};

#endif // ZUPROMPTBAR_H
