// Focus, keys and pointer states of CZuControl.
#include "ZuControl.h"

#include <algorithm>

#include "ZuKeyCode.h"

void CZuControl::SetFocus(bool focus)
{
    if (!focus)
    {
        if (iState != EZuStateNormal)
            iState = EZuStateNormal;
        return;
    }
    ChangeState(EZuStateFocused);
    UpdateFocusTree();
}

void CZuControl::SetDefaultFocus(bool focus)
{
    if (focus)
        iState = EZuStateDefaultFocus;
    else if (iState == EZuStateDefaultFocus)
        iState = EZuStateNormal;
}

void CZuControl::UpdateFocusTree()
{
    CZuControl* child = this;
    for (CZuControl* parent = iParent; parent; parent = parent->iParent)
    {
        // The branch above is already focused: nothing more to tell.
        if (parent->IsFocused() && child->IsFocused() && child != this)
            break;
        parent->SetFocusTo(child);
        child = parent;
    }
}

void CZuControl::SetFocusTo(CZuControl* child)
{
    int index = FindControl(child);
    if (index < 0)
        return;
    iFocusIndex = index;
    if (!child->IsFocused())
    {
        child->iState = EZuStateFocused;
        child->StateChanged();
        child->UpdateFocusTree();
    }
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* other = GetControl(i);
        if (other != child)
            other->ChangeState(EZuStateNormal);
    }
}

void CZuControl::SetFocusToIndex(int index)
{
    ClearAllFocus();
    int count = GetControlCount();
    if (count == 0)
        return;
    if (index < 0 || index >= count)
        index = count - 1;
    SetFocusTo(GetControl(index));
}

void CZuControl::SetDefaultFocusIndex(int index)
{
    iFocusIndex = index;
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->iState = i == index ? EZuStateDefaultFocus : EZuStateNormal;
}

void CZuControl::ClearAllFocus()
{
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CZuControl* child = GetControl(i);
        if (child->iState == EZuStateFocused)
            child->ChangeState(EZuStateDefaultFocus);
        else if (child->iState != EZuStateNormal && child->iState != EZuStateDefaultFocus)
            child->ChangeState(EZuStateNormal);
    }
}

void CZuControl::ResetFocus()
{
    CZuControl* current = GetControl(iFocusIndex);
    if (current)
    {
        if (!current->IsReadOnly())
        {
            current->SetFocus(true);
            return;
        }
    }
    // An index without a child, or a read-only child: the first child that can take the focus.
    iFocusIndex = -1;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        if (!GetControl(i)->IsReadOnly())
        {
            iFocusIndex = i;
            GetControl(i)->SetFocus(true);
            return;
        }
    }
}

CZuControl* CZuControl::GetFocusCtrl()
{
    if (GetControlCount() == 0)
        return this;
    return GetControl(iFocusIndex);
}

CZuControl* CZuControl::GetLastFocusCtrl()
{
    CZuControl* control = this;
    while (control && control->GetControlCount() > 0)
        control = control->GetFocusCtrl();
    return control;
}

bool CZuControl::IsFocusable(const CZuControl* child, bool testVisible) const
{
    if (child->IsReadOnly() || child->IsDisabled())
        return false;
    return !testVisible || child->IsVisible();
}

void CZuControl::MoveFocusTo(int index)
{
    CZuControl* target = GetControl(index);
    CZuControl* old = GetControl(iFocusIndex);
    if (old && old != target)
        old->ChangeState(EZuStateNormal);
    iFocusIndex = index;
    target->ChangeState(EZuStateFocused);
    target->UpdateFocusTree();
}

bool CZuControl::MoveFocusFrom(int start, int step, bool testVisible)
{
    int count = GetControlCount();
    int found = -1;
    for (int i = start; i >= 0 && i < count && found < 0; i += step)
    {
        if (IsFocusable(GetControl(i), testVisible))
            found = i;
    }
    for (int i = step > 0 ? 0 : count - 1; i >= 0 && i < count && found < 0 && IsFocusLoop(); i += step)
    {
        if (IsFocusable(GetControl(i), testVisible))
            found = i;
    }
    if (found < 0)
        return false;
    MoveFocusTo(found);
    return true;
}

bool CZuControl::FocusToNextCtrl()
{
    return MoveFocusFrom(std::max(iFocusIndex + 1, 0), 1, true);
}

bool CZuControl::FocusToPrevCtrl()
{
    return MoveFocusFrom(std::min(iFocusIndex - 1, GetControlCount() - 1), -1, true);
}

bool CZuControl::FocusToNextRow()
{
    return MoveFocusFrom(std::max(iFocusIndex + iCtrlsPerRow, 0), 1, false);
}

bool CZuControl::FocusToPrevRow()
{
    return MoveFocusFrom(std::min(iFocusIndex - iCtrlsPerRow, GetControlCount() - 1), -1, false);
}

void CZuControl::SetMoveFocusKey(unsigned prevCtrl, unsigned prevRow, unsigned nextCtrl, unsigned nextRow)
{
    iPrevCtrlKey = prevCtrl;
    iPrevRowKey = prevRow;
    iNextCtrlKey = nextCtrl;
    iNextRowKey = nextRow;
}

bool CZuControl::MoveFocus(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey())
        return false;
    if (event.iCode == iPrevCtrlKey)
        return FocusToPrevCtrl();
    if (event.iCode == iNextCtrlKey)
        return FocusToNextCtrl();
    if (event.iCode == iPrevRowKey)
        return FocusToPrevRow();
    if (event.iCode == iNextRowKey)
        return FocusToNextRow();
    return false;
}

bool CZuControl::ProcessKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!event.IsKey() || event.iCode != EZuKeyEnter || IsDisabled())
        return false;
    if (type == EZuKeyEventDown)
    {
        iEnterDown = true;
        ChangeState(EZuStatePressed);
    }
    else if (type == EZuKeyEventUp)
    {
        // Only the release of an Enter pressed here clicks: a key-up whose key-down went elsewhere (it
        // opened this screen, or moved the focus here) does nothing.
        bool pressedHere = iEnterDown && iState == EZuStatePressed;
        iEnterDown = false;
        if (!pressedHere)
            return false;
        ChangeState(EZuStateReleased);
        ChangeState(EZuStateFocused);
    }
    return false;
}

bool CZuControl::SetStateByPointerEvent(const TZuPointerEvent& event)
{
    if (HitTest(event.iPosition))
    {
        switch (event.iType)
        {
        case EZuPointerDown:
            iPointerPressed = true;
            iState = EZuStatePressed;
            return true;
        case EZuPointerDrag:
            // A drag that began elsewhere does not press this control.
            if (!iPointerPressed || iState == EZuStatePressed)
                return false;
            iState = EZuStatePressed;
            return true;
        case EZuPointerMove:
            iPointerPressed = false;
            if (iState == EZuStatePointerOver)
                return false;
            iSavedState = iState;
            iState = EZuStatePointerOver;
            return true;
        case EZuPointerUp:
            // A click completes only from a press this control received itself: the release that follows
            // a press which closed a menu, or began on another control, clicks nothing.
            if (!iPointerPressed)
                return false;
            iPointerPressed = false;
            ChangeState(EZuStateReleased);
            ChangeState(EZuStateFocused);
            return true;
        default:
            return false;
        }
    }
    if (event.iType == EZuPointerUp || event.iType == EZuPointerMove)
        iPointerPressed = false;
    bool leftHover = event.iType == EZuPointerMove && iState == EZuStatePointerOver;
    if (leftHover || iState == EZuStatePressed)
    {
        iState = iSavedState;
        return true;
    }
    return false;
}

bool CZuControl::HandleClickKey(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (!event.IsKey() || event.iCode != EZuKeyEnter || IsDisabled())
        return false;
    if (type != EZuKeyEventDown && type != EZuKeyEventUp)
        return false;
    ProcessKeyEvent(event, type);
    return true;
}

bool CZuControl::HandleClickPointer(const TZuPointerEvent& event)
{
    if (IsDisabled() || !SetStateByPointerEvent(event))
        return false;
    if (iState == EZuStateFocused)
    {
        if (iParent && iParent->IsReadOnly())
            ChangeState(EZuStateNormal);
        else
            UpdateFocusTree();
    }
    DrawDeferred();
    return true;
}
