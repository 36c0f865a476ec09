#ifndef ZUROOTWND_H
#define ZUROOTWND_H

#include "ZuWnd.h"

class CZuCba;
class CZuControl;

// A window description built in code. Its controls are children of a root pane of its own, made under the
// platform window's root control but not added to it; the window layout is laid out inside that pane.
// Subclasses add their controls and rows.
class CZuRootWnd : public CZuWnd
{
public:
    explicit CZuRootWnd(CZuControl* parent);
    // Takes the root pane, and every control on it, off its parent and deletes it.
    ~CZuRootWnd() override;

    CZuControl* GetWnd() override;
    // Gives the root pane the rectangle and lays the window out inside its border and inner spaces.
    void SetWndRect(const CZuRect& rect) override;

protected:
    // Makes the window layout the views' client area ("ClientLayout") over a command bar ("Cba") of
    // cbaHeight pixels on the root pane; returns the bar.
    CZuCba* LayOutClientOverCba(int cbaHeight);

private:
    CZuControl* iRoot;
};

#endif // ZUROOTWND_H
