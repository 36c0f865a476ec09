#ifndef ZUUIMANAGER_H
#define ZUUIMANAGER_H

#include "ZuControlTypes.h"
#include "ZuKeyEvent.h"
#include "ZuMessageRouter.h"
#include "ZuMessageWnd.h"
#include "ZuPointerEvent.h"
#include "ZuRect.h"
#include "ZuRgb.h"
#include "ZuString.h"

class CZuBitmapGc;
class CZuCba;
class CZuCbaData;
class CZuControl;
class CZuGc;
class CZuImage;
class CZuLayout;
class CZuMenuBar;
class CZuMenuData;
class CZuView;
class CZuWelcome;
class CZuWnd;
class MZuEngineCallback;
class MZuTextInputClient;
class MZuUiManagerObserver;
struct TZuUiManagerData;

// What the application says about the system it runs on; the toolkit only keeps it.
typedef int TZuOsType;

// The spine of the user interface. It creates the environment, holds the platform window's root control,
// the window descriptions, the views, the display stack of pop-ups (view containers, dialogs, the menu bar),
// the off-screen buffers, the welcome screen and the slide between screens. All key and pointer input of
// the window enters the toolkit here. The application derives its own class and supplies its start-up.
class CZuUiManager : public MZuMessageWnd, public MZuMessageRouter
{
public:
    // Creates the environment and registers itself in it.
    CZuUiManager();
    // Takes the pop-ups off the root, deletes the windows, views, buffers and an owned root, then the
    // environment.
    ~CZuUiManager() override;

    bool HandleMessage(CZuMessage* message) override;
    // The application's start-up: the last step of Start().
    virtual void StartL() = 0;
    // Deletes the application object.
    virtual void Release() = 0;

    // Construction and start.
    // The root control of the platform window: it gets the arrow keys as focus keys, and its rectangle
    // becomes the UI rectangle.
    void SetPlatWindow(CZuControl* root, bool owned);
    void SetObserver(MZuUiManagerObserver* observer);
    MZuUiManagerObserver* GetObserver() const;
    void SetScreenRect(const CZuRect& rect);
    const CZuRect& GetScreenRect() const;
    void SetOsType(TZuOsType type);
    TZuOsType GetOsType() const;
    void SetAppName(const CZuString& name);
    const CZuString& GetAppName() const;
    // Truncates the log, loads the toolkit's strings, sets the image directory, fills the UI metrics and
    // runs the application's start-up.
    void Start();
    // Asks the window glue to close the window.
    void Stop();
    void SetEngine(MZuEngineCallback* engine);
    MZuEngineCallback* GetEngine() const;
    CZuControl* PlatWindow1() const;

    // Windows.
    // A new window description with this id and name and an empty window layout, appended to the list.
    CZuWnd* CreateMainWnd(int id, const CZuString& name);
    void AppendWnd(CZuWnd* wnd);
    // Null when the current index is outside the list.
    CZuWnd* GetCurWnd() const;
    CZuWnd* GetWnd(int id) const;
    CZuWnd* GetWnd(const CZuString& name) const;
    // Makes the named window current: its root control replaces the old one under the platform root.
    void SwitchWnd(const CZuString& name);

    // Views.
    unsigned GetNextViewId();
    void AddViewL(CZuView* view);
    // Takes the view out of the list without deleting it; the current view is deactivated first.
    void RemoveView(int id);
    CZuView* GetView(int id) const;
    CZuView* GetViewAt(int index) const;
    int GetViewCount() const;
    CZuView* GetCurView() const;
    // Deactivates the current view (its container leaves the screen) and activates the view with this
    // id (its container is pushed and fills the window's "ClientLayout"). An unknown id leaves no view.
    void ActivateViewL(int id);

    // Areas.
    void SetUiRect(const CZuRect& rect);
    // The root control's inner rectangle.
    CZuRect GetUiRect() const;
    // The current window's "ClientLayout", where the current view's container is placed; null without one.
    CZuLayout* GetClientLayout() const;
    // The rectangle of the current window's "ClientLayout", or an empty one.
    CZuRect GetClientRect() const;
    bool CanMoveUi() const;
    // Where the options menu opens from.
    CZuRect GetMenuBasePos() const;
    void SetMenuBasePos(const CZuRect& rect);

    // Drawing.
    // Draws the whole user interface (through the back buffer, with a slide when one is pending) into gc.
    void UiDraw(CZuGc& gc, const CZuRect& rect);
    // Asks for a redraw on the next tick of the message queue (runs of requests make one redraw).
    void DrawDeffered();
    void DrawNow();
    void SetBgImage(const CZuString& file);
    void SetBgImage(CZuImage* image, bool owned);
    void SetBgColor(const CZuRgb& color);
    // The root and every pop-up below the top take their style records again.
    void UpdateUiStyle();
    // Makes a slide with this effect pending for the next draw (when slides are supported).
    void PostTransformEffectCmd(TZuTransEffect effect);
    // True while a slide is pending or running.
    bool IsTransforming() const;

    // Input from the window glue. modifiers: the EZuButtonShift and EZuButtonControl bits of the modifier
    // keys held; the modifier keys themselves are not delivered.
    void OnKeyDown(unsigned code, unsigned value, unsigned modifiers);
    void OnChar(unsigned code, unsigned value, unsigned modifiers);
    void OnKeyUp(unsigned code, unsigned value, unsigned modifiers);
    // The input method's composition (empty: none), handed to the text input client; cursor in characters.
    void OnTextEditing(const CZuString& text, int cursor);
    // The control being edited, which receives the compositions (null: none); it clears itself when done.
    void SetTextInputClient(MZuTextInputClient* client);
    MZuTextInputClient* GetTextInputClient() const { return iTextInputClient; }
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type);
    bool HandlePointerEventL(const TZuPointerEvent& event);
    // Handles one queued toolkit message now (the window's wake-up).
    void HandlePlatformMessage();
    // How many key calls arrived so far.
    int GetKeyCount() const { return iKeyCount; }
    // The key held down now (0 none).
    unsigned GetHeldKey() const { return iHeldKey; }

    // Pop-ups.
    bool ShowMenu();
    bool ShowMenu(CZuMenuData* menu);
    bool CloseMenu();
    bool IsShowMenu() const;
    CZuMenuBar* GetMenuBar() const;
    void PushToDispStack(CZuControl* control);
    void PopFromDispStack(CZuControl* control);
    CZuControl* GetTopFromDispStack() const;
    int GetDispStackCount() const;
    CZuControl* GetDispStackAt(int index) const;

    // Bars of the current window.
    CZuControl* GetTitleBar() const;
    CZuCba* GetCba() const;
    void SetAppTitle(const CZuString& title);
    // The soft keys of what is on top of the display stack: the menu bar's, the dialog's, or the view's
    // whose container is on top; null when the top has none (or the stack is empty).
    CZuCbaData* GetTopCbaData() const;
    // Shows the top's soft keys on "Cba": its data, or none when the top has none; with an empty display
    // stack the bar keeps what it has. Drawing does this, and the bar itself when a soft key arrives.
    void RefreshCba();

    // The welcome screen.
    void ShowWelcomeScreen(bool show);
    void SetWelcomeInfo(const CZuString& text);
    void SetWelcomeColor(const CZuRgb& fore, const CZuRgb& back);
    CZuWelcome* GetWelcome() const { return iWelcome; }

    MZuMessageWnd* GetUiManagerReceiver() override;
    MZuMessageWnd* GetDisplayTopReceiver() override;

protected:
    // The control that gets the keys: the current window's root, or the platform root without windows.
    CZuControl* CurrentRoot() const;

private:
    CZuUiManager(const CZuUiManager&) = delete;
    CZuUiManager& operator=(const CZuUiManager&) = delete;
    void DrawScreen(CZuGc& gc, const CZuRect& rect);
    void DrawBackground(CZuGc& gc, const CZuRect& rect);
    void DrawWelcome(CZuGc& gc, const CZuRect& rect);
    void StartTransition();
    void SetTransformRects(const CZuRect& drawn);
    void ResizeBuffers(const CZuSize& size);
    void Exit();
    void ClearState(CZuControl* control);
    void ResizeWindow(int side, int delta);
    void FitDialogsToClient();
    // The current view's container leaves the screen and the view is deactivated.
    void DeactivateCurView();

    TZuUiManagerData* iData;
    CZuWelcome* iWelcome;
    int iKeyCount;
    unsigned iHeldKey;
    // The key for which a character or an auto-repeat was seen while it was held.
    unsigned iCharSeenKey;
    TZuPointerEvent iLastPress;
    MZuTextInputClient* iTextInputClient;
};

#endif // ZUUIMANAGER_H
