#ifndef ZULEXWND_H
#define ZULEXWND_H

#include "ZuRootWnd.h"

// The program's main window description "ZuLexWnd": the views' client area over the command bar. Built in
// code until the window is read from its form description; the names are those the toolkit looks up.
class CZuLexWnd : public CZuRootWnd
{
public:
    static const int KCbaHeight = 30;

    // The window's controls are children of its own root control, made under parent (not added to it).
    explicit CZuLexWnd(CZuControl* parent);
};

#endif // ZULEXWND_H
