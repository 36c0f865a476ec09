#ifndef ZURGB_H
#define ZURGB_H

// A colour stored as one 32-bit value: bits 0-7 red, 8-15 green, 16-23 blue, 24-31 alpha.
class CZuRgb
{
public:
    // Grey (127, 127, 127), alpha 0.
    CZuRgb();
    // rgb read as 0xRRGGBB; alpha 0.
    CZuRgb(unsigned int rgb);
    // value in the stored order (0xBBGGRR); alpha as given.
    CZuRgb(unsigned int value, int alpha);
    CZuRgb(int red, int green, int blue);
    CZuRgb(int red, int green, int blue, int alpha);
    CZuRgb(const CZuRgb& other) = default;
    CZuRgb& operator=(const CZuRgb& other) = default;
    virtual ~CZuRgb() {}

    int Red() const { return iValue & 0xFF; }
    int Green() const { return (iValue >> 8) & 0xFF; }
    int Blue() const { return (iValue >> 16) & 0xFF; }
    int Alpha() const { return (iValue >> 24) & 0xFF; }
    unsigned int Value() const { return iValue; }

    // Replace one channel and set alpha to 0.
    void SetRed(int red);
    void SetGreen(int green);
    void SetBlue(int blue);
    // Keeps the colour channels.
    void SetAlpha(int alpha);

    // The colour moved in HSV space: saturation and value changes in -100..100 (percent of the way to full
    // or to none). Positive value changes lighten, negative ones darken; the result has alpha 0.
    CZuRgb GetNewColor(int dSat, int dVal) const;
    // The same after shifting the hue by dHue degrees.
    CZuRgb GetNewColor2(int dHue, int dSat, int dVal) const;

private:
    unsigned int iValue;
};

bool operator==(const CZuRgb& a, const CZuRgb& b);
bool operator!=(const CZuRgb& a, const CZuRgb& b);

#endif // ZURGB_H
