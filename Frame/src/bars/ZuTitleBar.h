#ifndef ZUTITLEBAR_H
#define ZUTITLEBAR_H

#include "ZuControl.h"
#include "ZuScaledImage.h"

class CZuButton;

// The input mode an editor reports, shown at the title bar's right.
enum TAknEditingState : int
{
    EStateNone = 0,
    ET9Upper = 1,
    ET9Lower = 2,
    ENumericOff = 3,
    ENumeric = 4,
    ELatinUpper = 5,
    ELatinLower = 6,
    ELatinText = 7,
    EChinese = 20,
    EPinyin = 21,
    EEnglish = 22
};

// The bar at the top of a window ("TitleBar"): the application icon, the title (text or picture) and the
// input-mode indicator, with room for a menu button and one more control at its right. Dragging it moves
// a window that is smaller than the screen (message 4 to the UI manager); the drag ends with any button
// release, or when a move without the button shows that the release went elsewhere.
class CZuTitleBar : public CZuControl
{
public:
    CZuTitleBar(CZuControl* parent, bool addToParent);
    // Releases an owned icon and title picture.
    ~CZuTitleBar() override;

    void SetShowAppIcon(bool show);
    bool IsShowAppIcon() const { return iShowAppIcon; }
    // Loads the picture file (masked by its corner colour); the bar owns it.
    void SetAppIcon(const CZuString& file);
    // owned: the bar hands the picture back to the image manager when done with it.
    void SetAppIcon(CZuImage* icon, bool owned);
    CZuImage* GetAppIcon() const { return iAppIcon; }
    void SetTitle(const CZuString& title);
    // A picture in place of the title text; owned as for the icon.
    void SetTitle(CZuImage* title, bool owned);
    // The menu button the application made for the bar (null when none); the bar places it.
    CZuButton* GetMenuNav() const { return iMenuNav; }
    // The bar takes the button as a child (the one there was goes) and places it at its right, before
    // the right-hand control.
    void SetMenuNav(CZuButton* button);
    // Another control of the application's, placed at the bar's right end; taken as the menu button is.
    void SetRightControl(CZuControl* control);
    CZuControl* GetRightControl() const { return iRightControl; }
    void SetInputMethodState(TAknEditingState state);
    const CZuString& GetInputMethodText() const { return iInputMethodText; }
    bool IsDragging() const { return iDragging; }

    void SetText(const CZuString& text) override;
    CZuString GetText() override;
    // The title picture's size when there is one.
    CZuSize GetMinSize() override;
    void SizeChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    // Makes control a child of the bar in place of old, which is deleted.
    void ReplaceChild(CZuControl* old, CZuControl* control);
    void ReleaseImage(CZuImage*& image, bool& owned);
    // Puts image in slot, releasing the picture there before when the bar owned it.
    void ReplaceImage(CZuImage*& slot, bool& slotOwned, CZuScaledImage& scaled, CZuImage* image, bool owned);
    void StartDrag(const CZuPoint& press);
    // Moves the window so that the pressed point stays under the pointer.
    void FollowPointer();
    void EndDrag();
    void DrawIndicator(CZuGc& gc, const CZuRect& textArea);

    CZuString iTitle;
    CZuImage* iAppIcon;
    bool iAppIconOwned;
    bool iShowAppIcon;
    CZuImage* iTitleImage;
    bool iTitleImageOwned;
    CZuScaledImage iScaledIcon;
    CZuScaledImage iScaledTitle;
    CZuString iInputMethodText;
    CZuButton* iMenuNav;
    CZuControl* iRightControl;
    bool iDragging;
    CZuPoint iPressPoint;
};

#endif // ZUTITLEBAR_H
