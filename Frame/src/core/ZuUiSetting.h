#ifndef ZUUISETTING_H
#define ZUUISETTING_H

// The toolkit's switches and the metrics derived from the normal font height.
class CZuUiSetting
{
public:
    CZuUiSetting();
    ~CZuUiSetting();

    // Fills the metrics from the platform's normal font height.
    void Construct();

    void EnableTransSupport(bool enable) { iTransSupport = enable; }
    bool IsSupportTrans() const { return iTransSupport; }
    void EnableGradientSupport(bool enable) { iGradientSupport = enable; }
    bool IsSupportGradient() const { return iGradientSupport; }
    // Slide transitions between screens and pop-ups.
    void EnableTransformEffectSupport(bool enable) { iTransformEffectSupport = enable; }
    bool IsSupportTransformEffect() const { return iTransformEffectSupport; }
    void SetListOnceSelectClicked(bool once) { iListOnceSelectClicked = once; }
    bool IsListOnceSelectClicked() const { return iListOnceSelectClicked; }

    int NormalFontHeight() const { return iNormalFontHeight; }
    int TextRowSpace() const { return iTextRowSpace; }
    int SmallIconSize() const { return iSmallIconSize; }
    int MidIconSize() const { return iMidIconSize; }
    int BigIconSize() const { return iBigIconSize; }
    // The width of a vertical scroll bar and the height of a horizontal one, in pixels.
    int ScrollBarSize() const { return iScrollBarSize; }
    void SetScrollBarSize(int size) { iScrollBarSize = size; }

private:
    bool iTransSupport;
    bool iGradientSupport;
    bool iTransformEffectSupport;
    int iNormalFontHeight;
    int iTextRowSpace;
    int iSmallIconSize;
    int iMidIconSize;
    int iBigIconSize;
    int iScrollBarSize;
    bool iListOnceSelectClicked;
};

#endif // ZUUISETTING_H
