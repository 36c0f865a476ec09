#ifndef ZULEXMAINVIEW_H
#define ZULEXMAINVIEW_H

#include "ZuView.h"

class CZuLexMainContainer;

// The main screen (view 1): the grid of the screens, the program's title and version. Its container is
// made once and kept while other screens are shown.
class CZuLexMainView : public CZuView
{
public:
    explicit CZuLexMainView(CZuUiManager* manager);

    // Sets the title row up, makes the container the first time, and shows the title and the prompt.
    void DoActivateL() override;
    // Keeps the container.
    void DoDeactivate() override;
    // An activated grid cell opens its screen; a closed message of the main screen is deleted.
    bool HandleMessage(CZuMessage* message) override;

    CZuLexMainContainer* MainContainer() const;

private:
    void SetUpTitleRow();
};

#endif // ZULEXMAINVIEW_H
