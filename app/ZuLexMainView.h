#ifndef ZULEXMAINVIEW_H
#define ZULEXMAINVIEW_H

#include "ZuView.h"

// The main screen (view 1). For now its container is empty; the menu grid of the five screens goes here.
class CZuLexMainView : public CZuView
{
public:
    explicit CZuLexMainView(CZuUiManager* manager);
    ~CZuLexMainView() override;

    // Makes the container on the current window's root.
    void DoActivateL() override;
};

#endif // ZULEXMAINVIEW_H
