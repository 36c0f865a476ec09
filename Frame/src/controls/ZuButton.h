#ifndef ZUBUTTON_H
#define ZUBUTTON_H

#include <cstdint>

#include "ZuButtonTypes.h"
#include "ZuControl.h"
#include "ZuListNextPgStatusNotify.h"
#include "ZuListPrevPgStatusNotify.h"

class CZuUiStyleButton;

// A push button: text, an image or both on one of six looks, posting its command when a click completes
// (Enter pressed and released on it, or the pointer pressed and released on it). A list may tell it to
// disable itself on its first or last page.
class CZuButton : public CZuControl, public MZuListPrevPgStatusNotify, public MZuListNextPgStatusNotify
{
public:
    // A child of parent (EZuCtrlButton), centred content, inner spaces 3, 3, 5, 5 and the gradient look.
    explicit CZuButton(CZuControl* parent);
    ~CZuButton() override;

    // Posts what a click on control sends: its message type to its receiver (param2 = self), else
    // EZuMsgButtonClicked to its receiver, else by its parent: EZuMsgTabClicked in a tab group, in the
    // command bar EZuMsgCommand or, for the menu command, EZuMsgShowMenu to the UI manager, else
    // EZuMsgButtonClicked.
    static void PostClick(CZuControl* control, int command, uintptr_t self);
    // The room a button gives its text: 1.2 times its width, 1.3 times the font's height.
    static CZuSize MeasureText(CZuFont* font, const CZuString& text);

    // Applies the environment's button style record, then the corners and border of the look.
    void SetBtnUiStyle(TZuButtonUiStyle style);
    TZuButtonUiStyle GetBtnUiStyle() const { return iUiStyle; }
    void SetBtnType(TZuButtonType type) { iBtnType = type; }
    TZuButtonType GetBtnType() const { return iBtnType; }
    // Also the object identifier.
    void SetCommand(int command);
    int GetCommand() const { return iCommand; }
    // Command and identifier, text, and the main image when one is given.
    void Set(int command, const CZuString& text, CZuImage* image, bool owned);

    // The images take ownership when owned is true: an owned image is handed back when replaced and
    // when the button goes.
    void SetImg(CZuImage* image, bool owned);
    // A new image of the button's own, loaded from the file.
    void SetImg(const CZuString& file);
    CZuImage* GetImg() const { return iImage.Get(); }
    void SetNormalImg(CZuImage* image, bool owned) { iNormalImg.Set(image, owned); }
    void SetOverImg(CZuImage* image, bool owned) { iOverImg.Set(image, owned); }
    void SetPressDownImg(CZuImage* image, bool owned) { iPressedImg.Set(image, owned); }
    void SetFocusedImg(CZuImage* image, bool owned) { iFocusedImg.Set(image, owned); }
    void SetDisabledImg(CZuImage* image, bool owned) { iDisabledImg.Set(image, owned); }
    void SetDefaultFocusImg(CZuImage* image, bool owned) { iDefaultFocusImg.Set(image, owned); }

    // The colour pairs of the looks: the first colour at the top of a gradient, the second at its bottom.
    void SetNormalColor(const CZuRgb& first, const CZuRgb& second);
    void SetOverColor(const CZuRgb& first, const CZuRgb& second);
    void SetDownColor(const CZuRgb& first, const CZuRgb& second);
    void SetFocusedColor(const CZuRgb& first, const CZuRgb& second);
    void SetDefaultFocusedColor(const CZuRgb& first, const CZuRgb& second);
    void SetDisableColor(const CZuRgb& first, const CZuRgb& second);

    // Disabled on the first page of a list (previous-page button) or on its last (next-page button).
    bool SetPrevPgStatus(CZuList* list, bool isFirstPage) override;
    bool SetNextPgStatus(CZuList* list, bool isLastPage) override;

    CZuSize GetMinSize() override;
    // The base copy, then the button's colour pairs (all but the hover pair) when it is a button record.
    void SetUiStyle(CZuUiStyleCommon* style) override;
    // A completed click (state 3) posts the command; every change asks for a redraw.
    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    // A colour for the top and one for the bottom of a gradient.
    struct TColorPair
    {
        CZuRgb iFirst;
        CZuRgb iSecond;
    };

    void DrawLook(CZuGc& gc, const CZuRect& rect);
    void DrawGradientLook(CZuGc& gc, const CZuRect& rect);
    void DrawImageLook(CZuGc& gc, const CZuRect& rect);
    void DrawFlatLook(CZuGc& gc);
    void DrawFallbackLook(CZuGc& gc, const CZuRect& rect);
    void DrawContent(CZuGc& gc, const CZuRect& rect);
    void DrawCaption(CZuGc& gc, const CZuRect& rect);
    // The one colour the look fills behind the content in the present state; false when it leaves what
    // is beneath showing (or shows pictures).
    bool LookFill(CZuRgb& fill) const;
    // The text colour: the foreground, kept readable on the look's fill, dimmed when disabled.
    CZuRgb CaptionColour() const;
    // The content image as drawn: the image itself, or while the button is disabled a dimmed copy of it
    // (made once for the image and the fill behind it).
    CZuImage* ContentImage();
    // The corner size of the looks.
    int Corner() const;
    bool FocusLooksShown() const;

    TZuButtonUiStyle iUiStyle;
    TZuButtonType iBtnType;
    int iCommand;
    CZuHeldImage iImage;
    TColorPair iNormalColor;
    TColorPair iOverColor;
    TColorPair iDownColor;
    TColorPair iFocusedColor;
    TColorPair iDisabledColor;
    TColorPair iDefaultFocusedColor;
    CZuHeldImage iNormalImg;
    CZuHeldImage iOverImg;
    CZuHeldImage iPressedImg;
    CZuHeldImage iFocusedImg;
    CZuHeldImage iDisabledImg;
    CZuHeldImage iDefaultFocusImg;
    // The dimmed copy of the content image and the fill it was dimmed towards.
    CZuHeldImage iDimmedImage;
    CZuRgb iDimmedFill;
};

#endif // ZUBUTTON_H
