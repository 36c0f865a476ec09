#ifndef ZUBUTTONGROUP_H
#define ZUBUTTONGROUP_H

#include "ZuButtonTypes.h"
#include "ZuControl.h"

class CZuButton;
class CZuUiStyleButton;

// A row of push buttons that share their size, images, look and content type, laid out by the group's
// own layout (a column of them with any group type but 0). The buttons are the group's children. The
// command bar is one.
class CZuButtonGroup : public CZuControl
{
public:
    enum TZuButtonGroupType
    {
        EGroupRow = 0,
        EGroupColumn = 1
    };

    // The control base with these arguments, the environment's button-group colours and an empty layout.
    CZuButtonGroup(CZuControl* parent, bool addToParent, TZuControlType type);
    ~CZuButtonGroup() override;

    // A new button at the end: the group's size, images, content type and look, the given command, text
    // and main image, placed in the layout with width and height (0 natural size).
    CZuButton* AppendButton(int command, const CZuString& text, CZuImage* image, bool owned, int width,
                            int height);
    // The first button with command gets text and, when given, the image.
    void SetButton(int command, const CZuString& text, CZuImage* image, bool owned);
    // The first button with command gets newCommand, text and, when given, the image.
    void SetButton(int command, int newCommand, const CZuString& text, CZuImage* image, bool owned);
    // The same for the button at index; nothing for an index outside the buttons.
    void SetButtonByIndex(int index, int command, const CZuString& text, CZuImage* image, bool owned);
    CZuButton* GetButtonByCmd(int command) const;
    CZuButton* GetButton(int index) const;
    int GetButtonCount() const { return GetControlCount(); }
    // Appends buttons (command -1, "test") or deletes them from the end until there are count, then lays
    // the group out; a negative count changes nothing.
    void SetButtonCount(int count);

    // Stored for new buttons and applied to every button.
    void SetBtnType(TZuButtonType type);
    void SetBtnStyle(TZuButtonUiStyle style);
    void SetBtnSize(const CZuSize& size);
    // Every button as large as the largest of their minimum sizes.
    void SetBtnSize();
    // The predefined size of the first button with command.
    void SetBtnsize(int command, const CZuSize& size);
    // Between buttons: the column space of a row, the row space of a column; negative spreads the space
    // left over into the gaps.
    void SetSpace(int space);
    int GetSpace() const { return iSpace; }
    // Places every button again, in one row or in a column.
    void SetBtnGroupType(TZuButtonGroupType type);
    TZuButtonGroupType GetBtnGroupType() const { return iGroupType; }

    // Shared images for buttons appended later, from the image manager; the group hands them back when
    // they are replaced and when it goes.
    void SetNormalImg(const CZuString& file, int value);
    void SetPressDownImg(const CZuString& file);
    void SetFocusedImg(const CZuString& file);
    void SetDefaultFocusImg(const CZuString& file, int value);

    CZuLayout* GetLayout() const { return iLayout; }
    using CZuControl::GetLayout;

    // The buttons side by side (or stacked), the spaces between them, the inner spaces and the border.
    CZuSize GetMinSize() override;
    // Copies the record and gives its button part to every button (and to buttons appended later).
    void SetUiStyle(CZuUiStyleCommon* style) override;
    void SizeChanged() override;
    void StateChanged() override;
    // The group's own text, centred.
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // The base handling, redrawn when a key was taken.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;

protected:
    // Lays the buttons out in the inner rectangle.
    void Relayout();

private:
    void PlaceButton(CZuButton* button, int width, int height, bool newRow);
    void RebuildLayout();
    CZuImage* SharedImage(const CZuString& file);

    TZuButtonGroupType iGroupType;
    CZuLayout* iLayout;
    CZuSize iBtnSize;
    TZuButtonType iBtnType;
    TZuButtonUiStyle iBtnStyle;
    int iSpace;
    CZuUiStyleButton* iButtonStyle;
    CZuHeldImage iNormalImg;
    CZuHeldImage iPressedImg;
    CZuHeldImage iFocusedImg;
    CZuHeldImage iDefaultFocusImg;
    int iNormalImgValue;
    int iDefaultFocusImgValue;
};

#endif // ZUBUTTONGROUP_H
