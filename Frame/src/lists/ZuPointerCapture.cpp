#include "ZuPointerCapture.h"

#include "ZuControl.h"
#include "ZuWindow.h"

CZuPointerCapture::CZuPointerCapture() : iWindow(nullptr), iTaken(false) {}

CZuPointerCapture::~CZuPointerCapture()
{
    Release();
}

void CZuPointerCapture::Take(CZuControl* control)
{
    if (iTaken || !control)
        return;
    iTaken = true;
    iWindow = control->SelfWindow();
    if (iWindow)
        iWindow->SetCapture();
}

void CZuPointerCapture::Release()
{
    if (!iTaken)
        return;
    iTaken = false;
    if (iWindow)
        iWindow->ReleaseCapture();
    iWindow = nullptr;
}
