#ifndef ZUSIZE_H
#define ZUSIZE_H

class CZuSize
{
public:
    CZuSize() : iWidth(0), iHeight(0) {}
    CZuSize(int width, int height) : iWidth(width), iHeight(height) {}
    CZuSize(const CZuSize& other) = default;
    CZuSize& operator=(const CZuSize& other) = default;

    void SetSize(int width, int height)
    {
        iWidth = width;
        iHeight = height;
    }

    int iWidth;
    int iHeight;
};

bool operator==(const CZuSize& a, const CZuSize& b);
bool operator!=(const CZuSize& a, const CZuSize& b);

#endif // ZUSIZE_H
