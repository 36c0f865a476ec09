#ifndef ZUCONTROL_H
#define ZUCONTROL_H

#include "ZuAlign.h"
#include "ZuControlTypes.h"
#include "ZuGc.h"
#include "ZuHeldImage.h"
#include "ZuKeyEvent.h"
#include "ZuMargin.h"
#include "ZuMessageWnd.h"
#include "ZuObjectList.h"
#include "ZuObjectRef.h"
#include "ZuPointerEvent.h"
#include "ZuRect.h"
#include "ZuRgb.h"
#include "ZuString.h"

class CZuFont;
class CZuImage;
class CZuLayout;
class CZuUiStyleCommon;
class CZuWindow;
struct TZuCtrlAppearance;

// The base of every visible element. A control has a rectangle, an appearance, children that it owns and
// draws over itself, layouts that place them, and a control state that drives focus and the pressed and
// hover looks. Keys reach it from its parent (focused children first), pointer events from the control
// under the pointer. It is a message receiver; derived controls post their message to GetMsgWnd().
class CZuControl : public CZuObjectRef, public MZuMessageWnd
{
public:
    // A child. With addToParent it appends itself to the parent's children.
    CZuControl(CZuControl* parent, bool addToParent, TZuControlType type);
    // A root on its own platform window (type 0); the window is deleted with the control.
    explicit CZuControl(CZuWindow* window);
    // Clears the focus, deletes an owned window, releases an owned background image, deletes the children
    // and the layouts.
    ~CZuControl() override;

    // The control's text: a button's caption, a label's line, a pane's title.
    virtual void SetText(const CZuString& text);
    virtual CZuString GetText();
    // The predefined size when both its sides are positive, else the background image's size, else the
    // size of the text with the inner spaces and one pixel around it.
    virtual CZuSize GetMinSize();
    // Copies the colours and transparency degrees of a style record.
    virtual void SetUiStyle(CZuUiStyleCommon* style);
    virtual CZuString* GetCurStatusData();
    virtual void SetCurStatusData(CZuString* data);
    // The font is shared: the control takes a reference from the font manager's font it is given.
    virtual void SetFont(CZuFont* font);
    virtual bool HitTest(const CZuPoint& point);
    virtual CZuRect FocusRect();
    virtual void SizeChanged();
    // Focused: ResetFocus(); any other state: ClearAllFocus().
    virtual void StateChanged();
    // Draws the control's own content into its inner rectangle; the base draws nothing.
    virtual void Draw(CZuGc& gc, const CZuRect& rect);
    // Offers the event to the children that are not in state 0 (and to the command bar), then moves the
    // focus with the focus keys.
    virtual bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type);
    virtual bool HandlePointerEventL(const TZuPointerEvent& event);
    bool HandleMessage(CZuMessage* message) override;

    // Children (owned).
    void AddControl(CZuControl* control);
    void InsertControl(int index, CZuControl* control);
    // Takes the child out without deleting it (it forgets its parent); null for an invalid index.
    CZuControl* RemoveControl(int index);
    void RemoveControl(CZuControl* control);
    void DeleteControl(int index);
    void DeleteControl(CZuControl* control);
    void DeleteAllControl();
    int FindControl(CZuControl* control) const;
    int GetControlCount() const;
    CZuControl* GetControl(int index) const;
    CZuControl* GetControlByID(int id) const;
    // The deepest visible control under the point, children in child order before the control itself.
    CZuControl* GetControlBy(const CZuPoint& point);
    // The same, counting only controls whose display level is at least level.
    CZuControl* GetControlBy(const CZuPoint& point, int level);
    // Takes the parent's window without owning it.
    void SetParent(CZuControl* parent);
    CZuControl* Parent() const { return iParent; }
    // With owned the control takes the window and deletes it when it goes or gets another one.
    void SetSelfWindow(CZuWindow* window, bool owned);
    CZuWindow* SelfWindow() const { return iWindow; }
    // True when the control deletes its window: a root built on it, or SetSelfWindow with owned.
    bool IsOwnedWindow() const { return iDeleteWindow; }
    void SetType(TZuControlType type) { iType = type; }
    TZuControlType GetType() const { return iType; }

    // Layouts (owned).
    void AddLayout(CZuLayout* layout);
    void DeleteAllLayout();
    int GetLayoutCount() const;
    CZuLayout* GetLayout(int index) const;

    // Geometry.
    void SetRect(const CZuRect& rect);
    void SetPosition(const CZuPoint& position);
    void SetExtent(const CZuPoint& position, const CZuSize& size);
    void SetSize(const CZuSize& size);
    const CZuPoint& Position() const { return iPosition; }
    const CZuSize& Size() const { return iSize; }
    CZuRect Rect() const;
    void SetInnerSpace(int top, int bottom, int left, int right);
    void SetInnerSpace(int all);
    const CZuMargin& InnerMargin() const { return iInnerSpace; }
    // The rectangle inside the inner spaces and the border.
    CZuRect InnerRect() const;
    CZuSize InnerSize() const;
    void SetPredefinedSize(const CZuSize& size) { iPredefinedSize = size; }
    const CZuSize& GetPredefinedSize() const { return iPredefinedSize; }
    // Kept for callers; the measures do not read it.
    void SetMinHeight(int height) { iMinHeight = height; }
    // The predefined height when positive, else the height of GetMinSize().
    int GetMinHeight();
    // Changes nothing; kept for callers.
    void SetMinSize(const CZuSize& size);
    void SetRoundCornerSize(int all);
    void SetRoundCornerSize(int topLeft, int topRight, int bottomLeft, int bottomRight);
    void RoundCornerSize(int& topLeft, int& topRight, int& bottomLeft, int& bottomRight) const;
    // The top-right corner size.
    int RoundCornerSizeTr() const;
    void SetAlign(TZuAlign align) { iAlign = align; }
    TZuAlign GetAlign() const { return iAlign; }

    // State.
    void SetState(TZuControlState state) { iState = state; }
    TZuControlState GetState() const { return iState; }
    void SetFocus(bool focus);
    bool IsFocused() const { return iState == EZuStateFocused; }
    void SetDefaultFocus(bool focus);
    bool IsDefaultFocus() const { return iState == EZuStateDefaultFocus; }
    void SetReadOnly(bool readOnly) { iReadOnly = readOnly; }
    // Its own flag, or: it has children and all of them are read-only.
    bool IsReadOnly() const;
    void SetDisabled(bool disabled) { iDisabled = disabled; }
    // Its own flag, or: it has children and all of them are disabled.
    bool IsDisabled() const;
    void MakeVisible(bool visible) { iVisible = visible; }
    bool IsVisible() const { return iVisible; }
    void SetClip(bool clip) { iClip = clip; }
    bool IsClip() const { return iClip; }
    // Also on every descendant.
    void SetBgTransDegree(int degree);
    int GetBgTransDegree() const { return iBgTransDegree; }
    void SetForeTransDegree(int degree) { iForeTransDegree = degree; }
    int GetForeTransDegree() const { return iForeTransDegree; }
    void SetShowBackground(bool show, bool gradient, IZuGc::TGradualType type);
    bool IsShowBackground() const { return iShowBackground; }
    // owned: the image is handed back to the image manager when replaced or when the control goes.
    void SetBackgroundImg(CZuImage* image, bool owned);
    CZuImage* BackgroundImg() const { return iBackgroundImg.Get(); }
    // The font; the environment's interface font on first need.
    CZuFont* GetFont();
    // Takes the style record of its control type, and so does every descendant.
    void UpdateUiStyle();

    // Appearance.
    void SetBorderType(TZuBorderType type);
    TZuBorderType GetBorderType() const;
    void SetBorderWidth(int width);
    int GetBorderWidth() const;
    bool HasBorder() const;
    void SetFocusLoop(bool loop);
    bool IsFocusLoop() const;
    // Also on every child.
    void SetForeground(const CZuRgb& color);
    const CZuRgb& Foreground() const;
    void SetBackground(const CZuRgb& color);
    const CZuRgb& Background() const;
    void SetBackgroundTo(const CZuRgb& color);
    const CZuRgb& BackgroundTo() const;
    void SetBgOverColor(const CZuRgb& color);
    const CZuRgb& BgOverColor() const;
    void SetBgDownColor(const CZuRgb& color);
    const CZuRgb& BgDownColor() const;
    void SetBgFocusedColor(const CZuRgb& color);
    const CZuRgb& BgFocusedColor() const;
    // The focused colour a little lighter and less saturated.
    CZuRgb BgDefaultFocusedColor() const;
    void SetBgDisableColor(const CZuRgb& color);
    const CZuRgb& BgDisableColor() const;
    void SetBorderColor(const CZuRgb& color);
    const CZuRgb& GetBorderColor() const;

    // Focus.
    // Focused children become default focus (4); children in state 0 or 4 stay; all others become 0.
    void ClearAllFocus();
    // Focuses the child at the focus index, or the first child that is not read-only.
    void ResetFocus();
    void SetFocusTo(CZuControl* child);
    // An index outside the children selects the last child.
    void SetFocusToIndex(int index);
    void SetDefaultFocusIndex(int index);
    int GetFocusIndex() const { return iFocusIndex; }
    // The control itself without children; else the child at the focus index (null when invalid).
    CZuControl* GetFocusCtrl();
    // GetFocusCtrl() followed down the tree.
    CZuControl* GetLastFocusCtrl();
    // Every parent up the tree focuses the branch that holds this control.
    void UpdateFocusTree();
    bool FocusToPrevCtrl();
    bool FocusToNextCtrl();
    bool FocusToPrevRow();
    bool FocusToNextRow();
    // Note the order: previous control, previous row, next control, next row.
    void SetMoveFocusKey(unsigned prevCtrl, unsigned prevRow, unsigned nextCtrl, unsigned nextRow);
    void SetCtrlCountPerRow(int count) { iCtrlsPerRow = count; }
    int GetCtrlCountPerRow() const { return iCtrlsPerRow; }
    // Type 1 events of the four focus keys.
    bool MoveFocus(const TZuKeyEvent& event, TZuKeyEventType type);
    // The Enter key presses (2) and releases (3, then 5) an activatable control; always false. The
    // release counts only after a press of Enter on this control; a disabled control takes neither.
    bool ProcessKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type);
    // Hover, press and release looks of an activatable control; true when the state changed. A release
    // completes a click only after a press on this control.
    bool SetStateByPointerEvent(const TZuPointerEvent& event);

    // Display levels: pop-ups are drawn above the controls of lower levels.
    void SetDispOrder(int level);
    int GetDispOrder() const { return iDispLevel; }
    int GetTopDispLevel() const;

    // Messages that derived controls post when they are activated.
    void SetMsgWnd(MZuMessageWnd* receiver, unsigned type);
    MZuMessageWnd* GetMsgWnd() const { return iMsgWnd; }
    unsigned GetSendMsg() const { return iSendMsg; }
    void SetTransformEffect(TZuTransEffect effect) { iTransformEffect = effect; }
    TZuTransEffect GetTransformEffect() const { return iTransformEffect; }

    // Drawing.
    // Background, own content, children of the same and of higher display levels, border.
    void DrawCtrl(CZuGc& gc, const CZuRect& rect);
    void DrawBackground(CZuGc& gc);
    void DrawBorder(CZuGc& gc, TZuBorderType type);
    // Draws the whole user interface at once through the UI manager.
    void DrawNow();
    void DrawNow(const CZuRect& rect);
    // Asks the UI manager for a redraw on the next tick of the message queue.
    void DrawDeferred();

protected:
    // Which edge band of a resizable frame the point is on.
    TZuFrameEdge FrameEdgeAt(const CZuPoint& point) const;
    bool HandleFrameEvent(const TZuPointerEvent& event);
    // Sets a new state and calls StateChanged() when it differs.
    void ChangeState(TZuControlState state);
    // The keys of a clickable control: Enter pressed and released (ProcessKeyEvent); true for those two
    // events of Enter, false for every other key and for a disabled control.
    bool HandleClickKey(const TZuKeyEvent& event, TZuKeyEventType type);
    // The pointer on a clickable control: hover, press and release looks (SetStateByPointerEvent), a
    // focus tree updated after a click and a redraw; false for a disabled control. A control whose
    // parent is read-only (the command bar's buttons) goes back to normal after a click instead of taking
    // the focus.
    bool HandleClickPointer(const TZuPointerEvent& event);

private:
    CZuControl(const CZuControl&) = delete;
    CZuControl& operator=(const CZuControl&) = delete;
    void Init(TZuControlType type);
    bool IsFocusable(const CZuControl* child, bool testVisible) const;
    // Moves the focus from the current child to the child at index.
    void MoveFocusTo(int index);
    // Moves the focus to the first child that can take it from start on, in the direction of step (1 or
    // -1), then with the focus loop from the other end; false when no child can take it.
    bool MoveFocusFrom(int start, int step, bool testVisible);
    void DrawOutline(CZuGc& gc, const CZuRect& rect, const CZuRgb& color, int width);
    // What lies inside the inner rectangle: the own content and the children.
    void DrawContent(CZuGc& gc);

    CZuWindow* iWindow;
    bool iDeleteWindow;
    TZuControlType iType;
    CZuControl* iParent;
    CZuPoint iPosition;
    CZuSize iSize;
    CZuMargin iInnerSpace;
    CZuSize iPredefinedSize;
    int iMinHeight;
    TZuControlState iState;
    bool iReadOnly;
    bool iDisabled;
    bool iVisible;
    bool iClip;
    int iForeTransDegree;
    int iBgTransDegree;
    bool iShowBackground;
    bool iGradientBackground;
    IZuGc::TGradualType iGradualType;
    CZuHeldImage iBackgroundImg;
    CZuFont* iFont;
    TZuAlign iAlign;
    CZuString iText;
    unsigned iPrevCtrlKey;
    unsigned iNextCtrlKey;
    unsigned iPrevRowKey;
    unsigned iNextRowKey;
    int iCtrlsPerRow;
    int iFocusIndex;
    CZuObjectList iChildren;
    CZuObjectList iLayouts;
    int iDispLevel;
    MZuMessageWnd* iMsgWnd;
    unsigned iSendMsg;
    TZuTransEffect iTransformEffect;
    // The frame of a resizable window: the state to return to when the pointer leaves, the last pointer
    // position and the edge being dragged.
    TZuControlState iSavedState;
    CZuPoint iLastPointerPos;
    TZuFrameEdge iDragEdge;
    // An activatable control's own press: Enter went down on it, the pointer was pressed on it.
    bool iEnterDown;
    bool iPointerPressed;
    TZuCtrlAppearance* iAppearance;
};

#endif // ZUCONTROL_H
