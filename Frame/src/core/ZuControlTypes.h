#ifndef ZUCONTROLTYPES_H
#define ZUCONTROLTYPES_H

// The kinds of control, stored in every control; the UI manager and the message queue test some of them.
// Containers, panes, tab groups, button groups, scroll bars and text readers get theirs from their creator.
enum TZuControlType
{
    // The control bound to the platform window: the root of the tree.
    EZuCtrlWindow = 0,
    EZuCtrlLabel = 1,
    EZuCtrlEdit = 2,
    EZuCtrlButton = 3,
    EZuCtrlRadioButton = 4,
    EZuCtrlCheckButton = 5,
    EZuCtrlButtonGroup = 6,
    EZuCtrlTabGroup = 7,
    EZuCtrlProgressBar = 8,
    EZuCtrlPromptBar = 9,
    EZuCtrlImageBox = 10,
    EZuCtrlComboBox = 11,
    EZuCtrlDateBox = 12,
    EZuCtrlList = 100,
    EZuCtrlScrollList = 101,
    EZuCtrlGrid = 103,
    EZuCtrlCba = 200,
    EZuCtrlTitleBar = 201,
    EZuCtrlPane = 204,
    // A pane whose content scrolls.
    EZuCtrlScrollPane = 205,
    EZuCtrlMenuBar = 300,
    EZuCtrlDialog = 301,
    // The container of a view, as the application creates it.
    EZuCtrlContainer = 302
};

// The control state: drives focus and the hover and pressed looks.
enum TZuControlState
{
    EZuStateNormal = 0,
    EZuStatePointerOver = 1,
    EZuStatePressed = 2,
    // A click has just completed.
    EZuStateReleased = 3,
    // The focus that comes back when the parent regains focus.
    EZuStateDefaultFocus = 4,
    EZuStateFocused = 5
};

// How a control's outline is drawn (see CZuControl::SetBorderType for the widths).
enum TZuBorderType
{
    EZuBorderNone = 0,
    EZuBorderLine = 1,
    EZuBorderLine2 = 2,
    EZuBorderLine3 = 3,
    // Two-tone frame: a lighter outer and a darker inner outline.
    EZuBorderTwoTone = 4,
    // An outline that also lets the user resize the platform window by dragging its edges.
    EZuBorderResizable = 5,
    // An outline drawn without the background's transparency.
    EZuBorderOpaque = 6
};

// The edge of a resizable window frame under the pointer or being dragged.
enum TZuFrameEdge
{
    EZuEdgeNone = 0,
    EZuEdgeTop = 1,
    EZuEdgeBottom = 2,
    EZuEdgeLeft = 3,
    EZuEdgeRight = 4
};

// How a new screen or pop-up enters.
enum TZuTransEffect
{
    EZuTransNone = 0,
    // The new picture slides in from the left over the old one.
    EZuTransFromLeft = 1,
    // The old picture moves away and the new one follows, from the right, top or bottom.
    EZuTransFromRight = 2,
    EZuTransFromTop = 3,
    EZuTransFromBottom = 4
};

#endif // ZUCONTROLTYPES_H
