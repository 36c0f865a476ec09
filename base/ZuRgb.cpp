#include "ZuRgb.h"

namespace
{

unsigned int Pack(int red, int green, int blue, int alpha)
{
    return (static_cast<unsigned int>(red) & 0xFF) | ((static_cast<unsigned int>(green) & 0xFF) << 8) |
           ((static_cast<unsigned int>(blue) & 0xFF) << 16) |
           ((static_cast<unsigned int>(alpha) & 0xFF) << 24);
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

struct THsv
{
    float iHue;        // degrees, 0 to below 360
    float iSaturation; // 0 to 1
    float iValue;      // 0 to 255
};

THsv ToHsv(int red, int green, int blue)
{
    float r = static_cast<float>(red);
    float g = static_cast<float>(green);
    float b = static_cast<float>(blue);
    float max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    float min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    THsv hsv = {0.0f, 0.0f, max};
    if (max == 0.0f)
        return hsv;
    hsv.iSaturation = (max - min) / max;
    // A grey has no hue of its own; it takes hue 0.
    if (max == min)
        return hsv;
    float delta = max - min;
    if (r == max)
        hsv.iHue = 60.0f * ((g - b) / delta);
    else if (g == max)
        hsv.iHue = 60.0f * (2.0f + (b - r) / delta);
    else
        hsv.iHue = 60.0f * (4.0f + (r - g) / delta);
    if (hsv.iHue < 0.0f)
        hsv.iHue += 360.0f;
    return hsv;
}

CZuRgb FromHsv(const THsv& hsv)
{
    float v = hsv.iValue;
    float s = hsv.iSaturation;
    if (s == 0.0f)
        return CZuRgb(static_cast<int>(v), static_cast<int>(v), static_cast<int>(v));
    float sector = hsv.iHue / 60.0f;
    int i = static_cast<int>(sector);
    float f = sector - static_cast<float>(i);
    float p = v * (1.0f - s);
    float q = v * (1.0f - s * f);
    float t = v * (1.0f - s * (1.0f - f));
    float r, g, b;
    switch (i)
    {
    case 0:
        r = v, g = t, b = p;
        break;
    case 1:
        r = q, g = v, b = p;
        break;
    case 2:
        r = p, g = v, b = t;
        break;
    case 3:
        r = p, g = q, b = v;
        break;
    case 4:
        r = t, g = p, b = v;
        break;
    default:
        r = v, g = p, b = q;
        break;
    }
    return CZuRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
}

// Moves a quantity towards full (positive percent) or towards none (negative percent).
float Shift(float value, float full, int percent)
{
    if (percent >= 0)
        return value + (full - value) * static_cast<float>(percent) / 100.0f;
    return value + value * static_cast<float>(percent) / 100.0f;
}

CZuRgb Derive(const CZuRgb& colour, bool shiftHue, int dHue, int dSat, int dVal)
{
    dSat = Clamp(dSat, -100, 100);
    dVal = Clamp(dVal, -100, 100);
    THsv hsv = ToHsv(colour.Red(), colour.Green(), colour.Blue());
    if (shiftHue)
    {
        // Negative shifts wrap round the circle as well.
        int hue = static_cast<int>(hsv.iHue + static_cast<float>(dHue % 360)) % 360;
        hsv.iHue = static_cast<float>(hue < 0 ? hue + 360 : hue);
    }
    hsv.iSaturation = Shift(hsv.iSaturation, 1.0f, dSat);
    hsv.iValue = Shift(hsv.iValue, 255.0f, dVal);
    return FromHsv(hsv);
}

} // namespace

CZuRgb::CZuRgb() : iValue(0x007F7F7F) {}

CZuRgb::CZuRgb(unsigned int rgb) : iValue(Pack((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, 0)) {}

CZuRgb::CZuRgb(unsigned int value, int alpha)
    : iValue((value & 0x00FFFFFF) | ((static_cast<unsigned int>(alpha) & 0xFF) << 24))
{
}

CZuRgb::CZuRgb(int red, int green, int blue) : iValue(Pack(red, green, blue, 0)) {}

CZuRgb::CZuRgb(int red, int green, int blue, int alpha) : iValue(Pack(red, green, blue, alpha)) {}

void CZuRgb::SetRed(int red)
{
    iValue = Pack(red, Green(), Blue(), 0);
}

void CZuRgb::SetGreen(int green)
{
    iValue = Pack(Red(), green, Blue(), 0);
}

void CZuRgb::SetBlue(int blue)
{
    iValue = Pack(Red(), Green(), blue, 0);
}

void CZuRgb::SetAlpha(int alpha)
{
    iValue = Pack(Red(), Green(), Blue(), alpha);
}

CZuRgb CZuRgb::GetNewColor(int dSat, int dVal) const
{
    return Derive(*this, false, 0, dSat, dVal);
}

CZuRgb CZuRgb::GetNewColor2(int dHue, int dSat, int dVal) const
{
    return Derive(*this, true, dHue, dSat, dVal);
}

bool operator==(const CZuRgb& a, const CZuRgb& b)
{
    return a.Value() == b.Value();
}

bool operator!=(const CZuRgb& a, const CZuRgb& b)
{
    return a.Value() != b.Value();
}
