#ifndef ZUPOINTERCAPTURE_H
#define ZUPOINTERCAPTURE_H

class CZuControl;
class CZuWindow;

// The platform window's pointer capture held for one drag: while a control drags, the pointer's moves and
// its release come back to it even when they happen outside the window. Released when it goes.
class CZuPointerCapture
{
public:
    CZuPointerCapture();
    ~CZuPointerCapture();

    // Captures through the control's window (nothing without one).
    void Take(CZuControl* control);
    void Release();
    bool IsTaken() const { return iTaken; }

private:
    CZuPointerCapture(const CZuPointerCapture&) = delete;
    CZuPointerCapture& operator=(const CZuPointerCapture&) = delete;

    CZuWindow* iWindow;
    bool iTaken;
};

#endif // ZUPOINTERCAPTURE_H
