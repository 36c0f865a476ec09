#ifndef ZUMENUBAR_H
#define ZUMENUBAR_H

#include "ZuControl.h"

class CZuCbaData;
class CZuMenuData;

// The pop-up options menu the UI manager opens over the current view.
//
// To be completed with the menu levels: this minimal bar shows the items of the first top-level entry as
// one plain box and answers the right soft key (close). The full bar opens a stack of scrolling lists,
// one per level, and reports the chosen command.
class CZuMenuBar : public CZuControl
{
public:
    // Does not add itself to the parent's children.
    explicit CZuMenuBar(CZuControl* parent);
    ~CZuMenuBar() override;

    // Command-bar data: left command 3 with the toolkit's "choose" text, right command 4 with "cancel".
    void ConstructL();
    // Stores the menu data (not owned) and places the first level.
    void SetMenuData(CZuMenuData* menu);
    CZuMenuData* GetMenuData() const { return iMenuData; }
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    CZuCbaData* GetCbaData() const { return iCbaData; }
    // The number of open levels.
    int GetSubmenuLevel() const;
    // The rectangle of the last open level.
    CZuRect GetLastLevelRect() const;

    bool HandleMessage(CZuMessage* message) override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;

private:
    CZuMenuData* iMenuData;
    CZuCbaData* iCbaData;
};

#endif // ZUMENUBAR_H
