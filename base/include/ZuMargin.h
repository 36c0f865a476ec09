#ifndef ZUMARGIN_H
#define ZUMARGIN_H

// Inner space of a control: the inside starts at x + left, y + top and is width - left - right wide and
// height - top - bottom high.
class CZuMargin
{
public:
    CZuMargin() : iTop(0), iBottom(0), iLeft(0), iRight(0) {}
    CZuMargin(int top, int bottom, int left, int right)
        : iTop(top), iBottom(bottom), iLeft(left), iRight(right)
    {
    }

    void Set(int top, int bottom, int left, int right)
    {
        iTop = top;
        iBottom = bottom;
        iLeft = left;
        iRight = right;
    }

    int iTop;
    int iBottom;
    int iLeft;
    int iRight;
};

#endif // ZUMARGIN_H
