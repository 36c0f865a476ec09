// Key and pointer input of CZuUiManager.
#include "ZuUiManager.h"

#include "ZuCba.h"
#include "ZuControl.h"
#include "ZuMenuBar.h"

void CZuUiManager::OnKeyDown(unsigned code, unsigned value, unsigned)
{
    ++iKeyCount;
    TZuKeyEvent event{code, value};
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
        HandleKeyEvent(event, EZuKeyEventKey);
    }
}

void CZuUiManager::OnChar(unsigned code, unsigned value, unsigned)
{
    ++iKeyCount;
    iCharSeenKey = iHeldKey != 0 ? iHeldKey : code;
    HandleKeyEvent(TZuKeyEvent{code, value, true}, EZuKeyEventKey);
}

void CZuUiManager::OnKeyUp(unsigned code, unsigned value, unsigned)
{
    ++iKeyCount;
    // The release of a key whose press was ignored (another key was held) is ignored too.
    if (code != iHeldKey)
        return;
    TZuKeyEvent event{code, value};
    if (iCharSeenKey == 0)
        HandleKeyEvent(event, EZuKeyEventKey);
    HandleKeyEvent(event, EZuKeyEventUp);
    iHeldKey = 0;
    iCharSeenKey = 0;
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
