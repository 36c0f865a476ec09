#ifndef ZUVIEW_H
#define ZUVIEW_H

#include "ZuControlTypes.h"
#include "ZuMessageWnd.h"
#include "ZuObject.h"
#include "ZuString.h"

class CZuCbaData;
class CZuContainer;
class CZuMenuData;
class CZuUiManager;
struct TZuViewData;

// A screen of the application. While active it owns one container, the control that holds the screen's
// controls. It also carries the labels and commands of the two soft keys and an options menu. Views are
// registered with the UI manager and switched by CZuUiManager::ActivateViewL.
class CZuView : public CZuObject, public MZuMessageWnd
{
public:
    explicit CZuView(CZuUiManager* manager);
    ~CZuView() override;

    // Sets activated; an application's view creates its container first.
    virtual void DoActivateL();
    // Clears activated and deletes the container.
    virtual void DoDeactivate();
    // Called just before the options menu opens, to show or hide items.
    virtual void DynInitMenuData(CZuMenuData* menu);
    bool HandleMessage(CZuMessage* message) override;

    void ConstructL(unsigned value);
    unsigned GetConstructValue() const;
    void SetUiManager(CZuUiManager* manager) { iUiManager = manager; }
    CZuUiManager* GetUiManager() const { return iUiManager; }
    // A deferred draw while the view has a container.
    void DrawDeferred();

    bool IsActivated() const;
    void SetViewId(int id);
    int GetViewId() const;
    void SetRetViewId(int id);
    int GetRetViewId() const;
    void SetTransformEffect(TZuTransEffect effect);
    TZuTransEffect GetTransformEffect() const;
    // The container is owned; a previous one is deleted.
    void SetContainer(CZuContainer* container);
    CZuContainer* GetContainer() const;
    // Forgets the container without deleting it: the caller owns it now (a view that keeps its screen
    // while another is shown takes it before the base deactivation and gives it back after).
    CZuContainer* TakeContainer();
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    CZuCbaData* GetCbaData() const;
    bool IsHaveCba() const;
    // Deletes an existing menu data and returns a new empty one.
    CZuMenuData* CreateMenu();
    CZuMenuData* GetMenuData() const;
    bool IsHaveMenu() const;
    // Also shown by the current window's title bar.
    void SetTitle(const CZuString& title);
    const CZuString& GetTitle() const;

protected:
    CZuUiManager* iUiManager;

private:
    CZuView(const CZuView&) = delete;
    CZuView& operator=(const CZuView&) = delete;

    TZuViewData* iData;
};

#endif // ZUVIEW_H
