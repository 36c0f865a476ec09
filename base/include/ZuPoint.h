#ifndef ZUPOINT_H
#define ZUPOINT_H

// A point in pixels; x grows to the right, y downwards.
class CZuPoint
{
public:
    CZuPoint() : iX(0), iY(0) {}
    CZuPoint(int x, int y) : iX(x), iY(y) {}
    CZuPoint(const CZuPoint& other) = default;
    CZuPoint& operator=(const CZuPoint& other) = default;
    virtual ~CZuPoint() {}

    // Euclidean distance truncated towards zero.
    static int Distance(const CZuPoint& a, const CZuPoint& b);

    int iX;
    int iY;
};

CZuPoint operator-(const CZuPoint& a, const CZuPoint& b);
bool operator==(const CZuPoint& a, const CZuPoint& b);
bool operator!=(const CZuPoint& a, const CZuPoint& b);

#endif // ZUPOINT_H
