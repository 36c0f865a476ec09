#ifndef ZULEXVIEW_H
#define ZULEXVIEW_H

#include "ZuView.h"

class CZuControl;
class CZuLexApp;

// A screen of the program: a view whose container is made when it is activated without one, that shows
// its title and the program's prompt, and that goes back to the main screen on the back command (5).
// Each screen supplies its container; the application gives it its soft keys and menu.
class CZuLexView : public CZuView
{
public:
    CZuLexView(CZuUiManager* manager, int titleId);

    // Makes the container when there is none, then shows the title and the prompt.
    void DoActivateL() override;
    // The back command (message 18 with 5) returns to the main screen.
    bool HandleMessage(CZuMessage* message) override;

protected:
    // Makes the screen's container on parent (the current window's root), registered with this view.
    virtual void CreateContainerL(CZuControl* parent) = 0;
    // The application the view belongs to.
    CZuLexApp* App() const;
    int TitleId() const { return iTitleId; }

private:
    int iTitleId;
};

#endif // ZULEXVIEW_H
