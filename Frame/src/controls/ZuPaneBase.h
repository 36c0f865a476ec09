#ifndef ZUPANEBASE_H
#define ZUPANEBASE_H

#include "ZuControl.h"

class CZuLayout;

// A group box: child controls placed by a layout, optionally filled, framed and titled (the title is the
// control's text, set into a gap in the frame's top line). The radio buttons among its children are one
// group: choosing one clears the others, and the screen hears of the choice as EZuMsgButtonChosen.
class CZuPaneBase : public CZuControl
{
public:
    CZuPaneBase(CZuControl* parent, bool addToParent, TZuControlType type);
    ~CZuPaneBase() override;

    // The title is drawn, and takes a band above the layout, when this is on and the text is not empty.
    void SetIsShowTitle(bool show) { iShowTitle = show; }
    bool IsShowTitle() const { return iShowTitle; }
    void SetShowPaneBorder(bool show) { iShowFrame = show; }
    void SetShowPaneBg(bool show) { iShowFill = show; }
    void SetPaneColor(const CZuRgb& color) { iPaneColor = color; }
    void SetFrameColor(const CZuRgb& color) { iFrameColor = color; }
    // Where the title was last drawn (at the inner top-left corner, empty, without a title).
    const CZuRect& TitleRect() const { return iTitleRect; }

    // The command id of the first selected radio child, or -1.
    int GetSelectRadioBtnCmdID() const;
    // Every radio child becomes selected exactly when its command id is command; nothing is posted.
    void SetSelectRadioBtnBy(int command);

    // The layout's size with the inner spaces and the title band; 0 x 0 content without a layout.
    CZuSize GetMinSize() override;
    // The layout takes the inner rectangle below the title band.
    void SizeChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // A radio child's choice (EZuMsgButtonChosen with 0 in param2): the group follows it and the screen is told.
    bool HandleMessage(CZuMessage* message) override;

protected:
    // The layout that places the children; not owned here (a derived pane owns it).
    void SetPaneLayout(CZuLayout* layout) { iLayout = layout; }
    CZuLayout* PaneLayout() const { return iLayout; }

private:
    bool HasTitle();
    // The height the title takes above the layout: the font's height and 2, or 0 without a title.
    int TitleBandHeight();
    // The title's rectangle for the inner rectangle, kept within it.
    CZuRect ComputeTitleRect(const CZuRect& inner);
    void DrawFrame(CZuGc& gc, const CZuRect& inner);
    void SelectRadioChildren(int command);

    CZuLayout* iLayout;
    bool iShowTitle;
    CZuRect iTitleRect;
    CZuRgb iFrameColor;
    CZuRgb iPaneColor;
    bool iShowFrame;
    bool iShowFill;
};

#endif // ZUPANEBASE_H
