#ifndef ZUWELCOME_H
#define ZUWELCOME_H

#include "ZuRect.h"
#include "ZuRgb.h"
#include "ZuString.h"

class CZuGc;
class CZuImage;
class CZuUiManager;

// The screen shown while the application loads: a text on a plain colour, or a background picture with a
// progress bar. While it is shown it takes the whole drawing and swallows all input. The images are not
// owned.
class CZuWelcome
{
public:
    explicit CZuWelcome(CZuUiManager* owner);
    ~CZuWelcome();

    // Spelled so by its callers.
    void SetWelcomInfo(const CZuString& text);
    const CZuString& GetWelcomInfo() const { return iText; }
    void SetWelcomeColor(const CZuRgb& fore, const CZuRgb& back);
    // Also asks for a deferred draw.
    void SetWelcomeBg(CZuImage* image);
    void SetWelcomeProgressBg(CZuImage* image);
    void SetWelcomeProgress(CZuImage* image);
    // Also asks for a deferred draw.
    void SetWelcomeProgress(int value, int total);
    int ProgressValue() const { return iProgressValue; }
    int ProgressTotal() const { return iProgressTotal; }
    const CZuRgb& Foreground() const { return iForeground; }
    const CZuRgb& Background() const { return iBackground; }

    // Draws the screen over rect; corners: the round corner sizes of the window (top-left, top-right,
    // bottom-left, bottom-right).
    void Draw(CZuGc& gc, const CZuRect& rect, const int corners[4]);
    // Where the progress bar goes in rect; empty without a progress background image.
    CZuRect ProgressRect(const CZuRect& rect) const;

private:
    CZuWelcome(const CZuWelcome&) = delete;
    CZuWelcome& operator=(const CZuWelcome&) = delete;
    void DrawText(CZuGc& gc, const CZuRect& rect);
    void DrawProgress(CZuGc& gc, const CZuRect& rect);
    void RequestDraw();

    CZuUiManager* iOwner;
    CZuRgb iForeground;
    CZuRgb iBackground;
    CZuImage* iBgImage;
    CZuImage* iProgressImage;
    CZuImage* iProgressBgImage;
    int iProgressValue;
    int iProgressTotal;
    CZuString iText;
};

#endif // ZUWELCOME_H
