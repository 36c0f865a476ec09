#ifndef ZULEXWND_H
#define ZULEXWND_H

#include "ZuWnd.h"

class CZuCba;
class CZuControl;
class CZuLayout;

// The program's main window description "ZuLexWnd": the views' client area over the command bar. Built in
// code until the window is read from its form description; the names are those the toolkit looks up.
class CZuLexWnd : public CZuWnd
{
public:
    static const int KCbaHeight = 30;

    // The window's controls are children of its own root control, made under parent (not added to it).
    explicit CZuLexWnd(CZuControl* parent);
    ~CZuLexWnd() override;

    CZuControl* GetWnd() override;
    // Gives the root the rectangle and lays the window out in it.
    void SetWndRect(const CZuRect& rect) override;

private:
    CZuControl* iRoot;
    CZuCba* iCba;
    CZuLayout* iClientLayout;
};

#endif // ZULEXWND_H
