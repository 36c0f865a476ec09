// Key and pointer input of CZuUiManager.
#include "ZuUiManager.h"

#include "ZuCba.h"
#include "ZuControl.h"
#include "ZuKeyCode.h"
#include "ZuMenuBar.h"
#include "ZuTextInputClient.h"

namespace
{

// Shift, Ctrl and Alt only change the key pressed with them: held, they must not make the key they change
// count as a second key, and no control reacts to them alone.
bool IsModifierKey(unsigned code)
{
    return code == EZuKeyShift || code == EZuKeyControl || code == EZuKeyAlt;
}

} // namespace

void CZuUiManager::OnKeyDown(unsigned code, unsigned value, unsigned modifiers)
{
    ++iKeyCount;
    if (IsModifierKey(code))
        return;
    TZuKeyEvent event{code, value, false, modifiers};
    if (iHeldKey == 0)
    {
        iHeldKey = code;
        iCharSeenKey = 0;
        HandleKeyEvent(event, EZuKeyEventDown);
    }
    else if (iHeldKey == code)
    {
        // Auto-repeat: every repeat is one key event, so a held arrow key keeps moving the focus.
        iCharSeenKey = code;
        event.iIsRepeat = true;
        HandleKeyEvent(event, EZuKeyEventKey);
    }
}

void CZuUiManager::OnChar(unsigned code, unsigned value, unsigned modifiers)
{
    ++iKeyCount;
    iCharSeenKey = iHeldKey != 0 ? iHeldKey : code;
    // Enter, Backspace, Tab and Escape type their own key code: that is the key itself, not text, so
    // controls see Enter as a key, never as a character. Ctrl+M, which types 13 while M is held, is text.
    bool typedByItsKey = code < 32 && code == iHeldKey;
    HandleKeyEvent(TZuKeyEvent{code, value, !typedByItsKey, modifiers}, EZuKeyEventKey);
}

void CZuUiManager::OnKeyUp(unsigned code, unsigned value, unsigned modifiers)
{
    ++iKeyCount;
    // The release of a key whose press was ignored (another key was held) is ignored too.
    if (code != iHeldKey)
        return;
    TZuKeyEvent event{code, value, false, modifiers};
    if (iCharSeenKey == 0)
        HandleKeyEvent(event, EZuKeyEventKey);
    HandleKeyEvent(event, EZuKeyEventUp);
    iHeldKey = 0;
    iCharSeenKey = 0;
}

void CZuUiManager::OnTextEditing(const CZuString& text, int cursor)
{
    if (iWelcome || !iTextInputClient)
        return;
    iTextInputClient->HandleTextComposition(text, cursor);
}

void CZuUiManager::SetTextInputClient(MZuTextInputClient* client)
{
    iTextInputClient = client;
}

bool CZuUiManager::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (iWelcome)
        return true;
    CZuControl* root = CurrentRoot();
    return root && root->HandleKeyEvent(event, type);
}

bool CZuUiManager::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (iWelcome)
        return false;
    TZuPointerEvent shifted = event;
    if (event.iType == EZuPointerDown)
    {
        iLastPress = event;
    }
    else if ((event.iType == EZuPointerUp || event.iType == EZuPointerDrag) &&
             event.iRefPoint != iLastPress.iRefPoint)
    {
        // While the button is held, positions stay in the window's place at the press, so a drag that
        // moves the window sees the pointer move by the distance it really travelled.
        shifted.iPosition.iX += event.iRefPoint.iX - iLastPress.iRefPoint.iX;
        shifted.iPosition.iY += event.iRefPoint.iY - iLastPress.iRefPoint.iY;
    }

    CZuMenuBar* menu = GetMenuBar();
    if (menu)
    {
        if (shifted.iType != EZuPointerDown || menu->HitTest(shifted.iPosition))
            return menu->HandlePointerEventL(shifted);
        // A press outside the open menu closes it and goes nowhere else.
        CloseMenu();
        return true;
    }
    CZuControl* top = GetTopFromDispStack();
    if (top && top->GetType() == EZuCtrlDialog)
    {
        if (top->HandlePointerEventL(shifted))
            return true;
        CZuCba* cba = GetCba();
        return cba && cba->HandlePointerEventL(shifted);
    }
    CZuControl* root = PlatWindow1() ? PlatWindow1() : CurrentRoot();
    return root && root->HandlePointerEventL(shifted);
}
