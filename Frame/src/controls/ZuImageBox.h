#ifndef ZUIMAGEBOX_H
#define ZUIMAGEBOX_H

#include "ZuControl.h"
#include "ZuScaledImage.h"

// One picture inside the box's inner rectangle: stretched, centred, fitted with its aspect ratio kept, or
// aligned left or right. A stretched or fitted picture is drawn from a scaled copy the box keeps for its
// size, so the shared picture other controls show is never changed. What does not fit is cut off at the
// inner rectangle. The box only shows: it takes no focus, keys or clicks.
class CZuImageBox : public CZuControl
{
public:
    enum TZuImageMode : int
    {
        EModeStretch = 0,
        EModeCenter = 1,
        EModeFit = 2,
        // At the inner left or right edge, centred vertically, at natural size.
        EModeLeft = 3,
        EModeRight = 4
    };

    explicit CZuImageBox(CZuControl* parent);
    ~CZuImageBox() override;

    // owned: the box hands the picture back to the image manager when it is replaced and when the box goes.
    void SetImage(CZuImage* image, bool owned);
    CZuImage* GetImage() const { return iImage.Get(); }
    // Values other than the five modes are ignored.
    void SetDisplayMode(int mode);
    int GetDisplayMode() const { return iMode; }
    // Where the picture lands for the current inner rectangle, at the size it is drawn (it may reach
    // past the inner rectangle, which cuts it); empty when nothing is drawn.
    CZuRect ImageRect() const;

    // The picture's size, 16 x 16 without one, with the inner spaces and the border around it.
    CZuSize GetMinSize() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;

private:
    CZuRect FittedRect(const CZuRect& inner, const CZuSize& natural) const;

    CZuHeldImage iImage;
    CZuScaledImage iScaled;
    int iMode;
};

#endif // ZUIMAGEBOX_H
