#ifndef ZUTOGGLEBUTTON_H
#define ZUTOGGLEBUTTON_H

#include "ZuControl.h"

// What check and radio buttons share: an indicator at the left, text (wrapped) or an image to its right, a
// command, and a selected flag that a completed click inverts. The indicator and what a click posts are
// each kind's own.
class CZuToggleButton : public CZuControl
{
public:
    // Text, or an image in its place.
    enum TZuType
    {
        ETypeText = 0,
        ETypeImage = 1
    };

    ~CZuToggleButton() override;

    // Command and text, and the image when one is given.
    void Set(int command, const CZuString& text, CZuImage* image, bool owned);
    // Takes ownership of the image when owned is true.
    void SetImg(CZuImage* image, bool owned) { iImage.Set(image, owned); }
    void SetSelected(bool selected) { iSelected = selected; }
    bool GetSelected() const { return iSelected; }
    void SetCommand(int command) { iCommand = command; }
    int GetCommand() const { return iCommand; }
    void SetType(int type) { iType = type; }
    int GetContentType() const { return iType; }

    // The indicator's room (1.5 font heights) beside the content; with a predefined width, as many wrapped
    // lines as the text needs in it.
    CZuSize GetMinSize() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

protected:
    CZuToggleButton(CZuControl* parent, TZuControlType type);
    // The indicator in its square (a font height a side, already shrunk by 2 on every side).
    virtual void DrawIndicator(CZuGc& gc, const CZuRect& square) = 0;
    // The colour of the indicator and the text: the foreground, dimmed while disabled.
    CZuRgb InkColour() const;
    // Hovered, pressed and focused buttons draw their indicator thicker.
    bool HasEmphasis() const;
    // A completed click: the flag is inverted and the kind posts its message.
    void ToggleOnRelease();
    virtual void PostChoice() = 0;

private:
    void DrawText(CZuGc& gc, const CZuRect& rect);
    // The width the text is wrapped to when the button is width pixels wide.
    int TextWidthFor(int width);
    // Between wrapped lines.
    int LineSpace();

    int iType;
    int iCommand;
    CZuHeldImage iImage;
    bool iSelected;
};

#endif // ZUTOGGLEBUTTON_H
