#ifndef UITESTSUPPORT_H
#define UITESTSUPPORT_H

#include "ZuUi.h"

#include <string>
#include <vector>

// Helpers for driving the toolkit directly: a UI manager on a test clock, a control that records what it
// receives, and pixel reads from a bitmap drawing context.

// One key event as a control saw it.
struct TSeenKey
{
    unsigned iCode;
    int iType;
    bool operator==(const TSeenKey& other) const { return iCode == other.iCode && iType == other.iType; }
};

// A leaf control that records keys and pointer events and may consume them.
class CRecordingControl : public CZuControl
{
public:
    CRecordingControl(CZuControl* parent, bool addToParent = true, TZuControlType type = EZuCtrlPane)
        : CZuControl(parent, addToParent, type)
    {
    }
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override
    {
        iKeys.push_back(TSeenKey{event.iCode, type});
        return iConsumeKeys;
    }
    bool HandlePointerEventL(const TZuPointerEvent& event) override
    {
        iPointers.push_back(event);
        return iConsumePointer && HitTest(event.iPosition);
    }
    void StateChanged() override
    {
        iStates.push_back(GetState());
        CZuControl::StateChanged();
    }

    std::vector<TSeenKey> iKeys;
    std::vector<TZuPointerEvent> iPointers;
    std::vector<int> iStates;
    bool iConsumeKeys = false;
    bool iConsumePointer = true;
};

// The UI manager under test: records the messages it handles.
class CTestUiManager : public CZuUiManager, public MZuUiManagerObserver
{
public:
    CTestUiManager() {}
    void StartL() override {}
    void Release() override {}
    bool HandleMessage(CZuMessage* message) override
    {
        iMessages.push_back(message->iType);
        iParams.push_back(message->iParam1);
        return CZuUiManager::HandleMessage(message);
    }
    void HandleExit() override { ++iExits; }
    void HandleDraw() override
    {
        ++iDraws;
        if (iScreen)
            UiDraw(*iScreen, GetUiRect());
    }

    std::vector<unsigned> iMessages;
    std::vector<unsigned> iParams;
    int iExits = 0;
    int iDraws = 0;
    CZuBitmapGc* iScreen = nullptr;
};

// A key event of a key code, or of a typed character.
inline TZuKeyEvent KeyEvent(unsigned code, bool isChar = false)
{
    return TZuKeyEvent{code, 0, isChar};
}

// A pointer event at (x, y) of the window, the left button held for presses and drags; value: the wheel's
// steps.
inline TZuPointerEvent PointerEvent(TZuPointerType type, int x, int y, int value = 0)
{
    TZuPointerEvent event;
    event.iType = type;
    event.iFlags = (type == EZuPointerDown || type == EZuPointerDrag) ? EZuButtonLeft : 0;
    event.iPosition = CZuPoint(x, y);
    event.iValue1 = value;
    return event;
}

// The pixel at (x, y) of a bitmap context's picture as 0xRRGGBB.
inline unsigned PixelAt(CZuBitmapGc& gc, int x, int y)
{
    CZuImage* image = gc.EndDraw();
    const unsigned char* p = image->GetImgBuf() + (y * image->Size().iWidth + x) * 4;
    return (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}

inline unsigned Rgb(const CZuRgb& color)
{
    return (unsigned(color.Red()) << 16) | (unsigned(color.Green()) << 8) | unsigned(color.Blue());
}

// An opaque picture of one colour (0xRRGGBB), made with the image's own pixels; the caller releases it.
inline CZuImage* SolidImage(int width, int height, unsigned rgb)
{
    CZuImage* image = new CZuImage;
    image->CreateEmptyImage(CZuSize(width, height));
    unsigned char* p = image->GetImgBuf();
    for (int i = 0; p && i < width * height; ++i, p += 4)
    {
        p[0] = rgb & 0xFF;
        p[1] = (rgb >> 8) & 0xFF;
        p[2] = (rgb >> 16) & 0xFF;
        p[3] = 255;
    }
    return image;
}

// The bytes of a 2 x 1 BMP file of 24 bits: a red and a green pixel.
inline const std::vector<char>& RedGreenBmp()
{
    static const unsigned char bytes[] = {
        'B', 'M', 62,  0, 0,   0, 0, 0, 0, 0, 54, 0, 0, 0,        // file header
        40,  0,   0,   0, 2,   0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0, // size, width, height, planes, bits
        0,   0,   0,   0, 8,   0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, // compression, image size, resolution
        0,   0,   0,   0, 0,   0, 0, 0,                           // colours
        0,   0,   255, 0, 255, 0, 0, 0};                          // red, green, row padding
    static const std::vector<char> bmp(bytes, bytes + sizeof(bytes));
    return bmp;
}

#endif // UITESTSUPPORT_H
