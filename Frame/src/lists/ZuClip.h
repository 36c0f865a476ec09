#ifndef ZUCLIP_H
#define ZUCLIP_H

class CZuGc;
class CZuRect;

// Clipping a drawing to a rectangle inside the clip already in force (a control in a clipped pane stays
// inside the pane), with the rectangle's right and bottom edges exclusive as everywhere in the toolkit.
class CZuClip
{
public:
    // Pushes the part of rect inside the current clip. False, with nothing pushed, when no pixel is left.
    static bool Push(CZuGc& gc, const CZuRect& rect);
    // Undoes a successful Push.
    static void Pop(CZuGc& gc);
};

#endif // ZUCLIP_H
