#include "ZuXmlKinds.h"

#include "ZuButton.h"
#include "ZuCba.h"
#include "ZuCheckButton.h"
#include "ZuComboBox.h"
#include "ZuEdit.h"
#include "ZuEnv.h"
#include "ZuImageBox.h"
#include "ZuImageManager.h"
#include "ZuLabel.h"
#include "ZuList.h"
#include "ZuPane.h"
#include "ZuProgressBar.h"
#include "ZuPromptBar.h"
#include "ZuRadioButton.h"
#include "ZuScrollList.h"
#include "ZuTextReader.h"
#include "ZuTitleBar.h"
#include "ZuXmlAttributes.h"

#include <cstdio>
#include <cstring>

namespace
{

// An image of the image manager's directory, with one reference for the caller; null without one.
CZuImage* SharedImage(const CZuString& name)
{
    if (!CZuEnv::Static() || name.IsEmpty())
        return nullptr;
    return CZuEnv::ImageMgr()->GetImage(name, false, nullptr, 0);
}

// --- Buttons ---

const char* const KButtonLooks[] = {"frame", "plain", "gradient", "images", "hexagon", "flat"};
const char* const KButtonContents[] = {"text", "image", "image-text", "image-over-text"};

CZuControl* CreateButton(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuButton(&parent);
}

void ApplyButton(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuButton& button = static_cast<CZuButton&>(control);
    int value = 0;
    if (attributes.Int("command", value))
        button.SetCommand(value);
    if (attributes.Choice("look", KButtonLooks, 6, value))
        button.SetBtnUiStyle(static_cast<TZuButtonUiStyle>(value));
    if (attributes.Choice("content", KButtonContents, 4, value))
        button.SetBtnType(static_cast<TZuButtonType>(value));
    CZuString image;
    if (attributes.Text("image", image))
    {
        CZuImage* shared = SharedImage(image);
        if (shared)
            button.SetImg(shared, true);
        else
            attributes.Fault(CZuString("<button> image \"") + image + "\" cannot be loaded");
    }
}

CZuControl* CreateCheck(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuCheckButton(&parent);
}

CZuControl* CreateRadio(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuRadioButton(&parent);
}

void ApplyToggle(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuToggleButton& toggle = static_cast<CZuToggleButton&>(control);
    int command = 0;
    if (attributes.Int("command", command))
        toggle.SetCommand(command);
    bool checked = false;
    if (attributes.Bool("checked", checked))
        toggle.SetSelected(checked);
}

// --- Text and panes ---

CZuControl* CreateLabel(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuLabel(&parent);
}

CZuControl* CreatePane(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuPane(&parent);
}

void ApplyPane(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuPane& pane = static_cast<CZuPane&>(control);
    bool flag = false;
    if (attributes.Bool("show-title", flag))
        pane.SetIsShowTitle(flag);
    if (attributes.Bool("frame", flag))
        pane.SetShowPaneBorder(flag);
    if (attributes.Bool("fill", flag))
        pane.SetShowPaneBg(flag);
    CZuRgb colour;
    if (attributes.Colour("pane-color", colour))
        pane.SetPaneColor(colour);
    if (attributes.Colour("frame-color", colour))
        pane.SetFrameColor(colour);
}

CZuLayout* PaneRows(CZuControl& control)
{
    return static_cast<CZuPane&>(control).GetLayout();
}

// --- Lists and long text ---

// The list's own attributes: for a <list>, and for the list inside a <scrolllist>.
void ApplyListAttributes(CZuList& list, CZuXmlAttributes& attributes)
{
    int value = 0;
    if (attributes.IntIn("columns", 1, 100, value))
        list.SetColCount(value);
    if (attributes.IntIn("shown-columns", 1, 100, value))
        list.SetDispColCount(value);
    if (attributes.IntIn("list-type", 0, 3, value))
        list.SetListType(static_cast<CZuList::TZuListType>(value));
    if (attributes.IntIn("row-height", 1, 1000, value))
        list.SetRowHeight(value);
    if (attributes.IntIn("row-space", 0, 1000, value))
        list.SetRowSpace(value);
    if (attributes.IntIn("col-space", 0, 1000, value))
        list.SetColSpace(value);
    bool show = false;
    if (attributes.Bool("show-title", show))
        list.SetShowTitle(show);
}

CZuControl* CreateList(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuList(&parent);
}

void ApplyList(CZuControl& control, CZuXmlAttributes& attributes)
{
    ApplyListAttributes(static_cast<CZuList&>(control), attributes);
}

CZuControl* CreateScrollList(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuScrollList(&parent);
}

void ApplyScrollList(CZuControl& control, CZuXmlAttributes& attributes)
{
    if (CZuList* list = static_cast<CZuScrollList&>(control).GetList())
        ApplyListAttributes(*list, attributes);
}

CZuControl* CreateTextReader(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuTextReader(&parent);
}

void ApplyTextReader(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuTextReader& reader = static_cast<CZuTextReader&>(control);
    TZuAlign align = EAlignTop;
    if (attributes.VertAlign("valign", align))
        reader.SetVertAlign(align);
    int space = 0;
    if (attributes.IntIn("row-space", 0, 1000, space))
        reader.SetRowSpace(space);
}

// --- Entry and progress ---

const char* const KComboReturns[] = {"id", "name"};

CZuControl* CreateCombo(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuComboBox(&parent);
}

void ApplyCombo(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuComboBox& combo = static_cast<CZuComboBox&>(control);
    int value = 0;
    if (attributes.IntIn("style", 0, 2, value))
        combo.SetStyle(static_cast<CZuComboBox::TStyle>(value));
    CZuString prompt;
    if (attributes.Text("prompt", prompt))
        combo.SetDefaultPrompt(prompt);
    if (attributes.Choice("returns", KComboReturns, 2, value))
        combo.SetSelRetType(value == 0 ? CZuComboBox::KReturnId : CZuComboBox::KReturnName);
    bool search = false;
    if (attributes.Bool("search", search))
        combo.SetPyIndex(search);
}

// One choice: its id (the item's place when not given), its text, a name (the id's digits when not given)
// and an extra text the search looks in.
void ComboItem(CZuControl& control, CZuXmlAttributes& item)
{
    CZuComboBox& combo = static_cast<CZuComboBox&>(control);
    int id = combo.GetItemCount();
    item.Int("id", id);
    CZuString text;
    bool hasText = item.Text("text", text);
    int textId = 0;
    if (item.Int("text-id", textId))
    {
        if (hasText)
            item.Fault("<item> has both text and text-id");
        text = CZuEnv::GetString(textId);
    }
    CZuString name;
    if (!item.Text("name", name))
    {
        char digits[16];
        std::snprintf(digits, sizeof(digits), "%d", id);
        name = CZuString(digits);
    }
    CZuString extra;
    item.Text("extra", extra);
    combo.AppendItem(id, name, text, extra, nullptr);
}

CZuControl* CreateEdit(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuEdit(&parent);
}

void ApplyEdit(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuEdit& edit = static_cast<CZuEdit&>(control);
    CZuString prompt;
    if (attributes.Text("prompt", prompt))
        edit.SetDefaultPrompt(prompt);
    int id = 0;
    if (attributes.Int("prompt-id", id))
        edit.SetDefaultPrompt(CZuEnv::GetString(id));
    int length = 0;
    if (attributes.IntIn("max-length", 1, 1 << 20, length))
        edit.SetTextMaxNum(length);
}

const char* const KDirections[] = {"horizontal", "vertical"};
const char* const KProgressStyles[] = {"bar", "none", "slider", "images"};

CZuControl* CreateProgress(CZuControl& parent, CZuXmlAttributes& attributes)
{
    int direction = 0;
    attributes.Choice("direction", KDirections, 2, direction);
    return new CZuProgressBar(&parent,
                              direction == 1 ? CZuProgressBar::EVertical : CZuProgressBar::EHorizontal);
}

void ApplyProgress(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuProgressBar& bar = static_cast<CZuProgressBar&>(control);
    int style = 0;
    if (attributes.Choice("style", KProgressStyles, 4, style))
        bar.SetStyle(style);
    int position = 0;
    int total = 0;
    if (attributes.Pair("position", position, total))
        bar.SetCurPos(position, total);
}

// --- Pictures ---

const char* const KImageModes[] = {"stretch", "center", "fit", "left", "right"};

CZuControl* CreateImageBox(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuImageBox(&parent);
}

void ApplyImageBox(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuImageBox& box = static_cast<CZuImageBox&>(control);
    int mode = 0;
    if (attributes.Choice("mode", KImageModes, 5, mode))
        box.SetDisplayMode(mode);
    CZuString file;
    if (!attributes.Text("file", file))
        return;
    CZuImage* shared = SharedImage(file);
    if (shared)
        box.SetImage(shared, true);
    else
        attributes.Fault(CZuString("<image> file \"") + file + "\" cannot be loaded");
}

// --- Bars ---

CZuControl* CreateTitleBar(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuTitleBar(&parent, true);
}

void ApplyTitleBar(CZuControl& control, CZuXmlAttributes& attributes)
{
    CZuTitleBar& bar = static_cast<CZuTitleBar&>(control);
    bool show = false;
    if (attributes.Bool("app-icon", show))
        bar.SetShowAppIcon(show);
    CZuString icon;
    if (attributes.Text("icon", icon))
    {
        CZuImage* shared = SharedImage(icon);
        if (shared)
            bar.SetAppIcon(shared, true);
        else
            attributes.Fault(CZuString("<titlebar> icon \"") + icon + "\" cannot be loaded");
    }
}

// The title bar places one button of its own: its menu button.
bool TakeTitleBarChild(CZuControl& control, CZuControl& child)
{
    CZuButton* button = dynamic_cast<CZuButton*>(&child);
    CZuTitleBar& bar = static_cast<CZuTitleBar&>(control);
    if (!button || bar.GetMenuNav())
        return false;
    bar.SetMenuNav(button);
    return true;
}

const char* const KPromptModes[] = {"page", "scroll"};

CZuControl* CreatePromptBar(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuPromptBar(&parent);
}

void ApplyPromptBar(CZuControl& control, CZuXmlAttributes& attributes)
{
    int mode = 0;
    if (attributes.Choice("mode", KPromptModes, 2, mode))
        static_cast<CZuPromptBar&>(control).SetDispMode(mode);
}

CZuControl* CreateCba(CZuControl& parent, CZuXmlAttributes&)
{
    return new CZuCba(&parent, true);
}

const TZuXmlKind KKinds[] = {
    {"label", CreateLabel, nullptr, nullptr, nullptr, nullptr},
    {"pane", CreatePane, ApplyPane, PaneRows, nullptr, nullptr},
    {"list", CreateList, ApplyList, nullptr, nullptr, nullptr},
    {"scrolllist", CreateScrollList, ApplyScrollList, nullptr, nullptr, nullptr},
    {"textreader", CreateTextReader, ApplyTextReader, nullptr, nullptr, nullptr},
    {"button", CreateButton, ApplyButton, nullptr, nullptr, nullptr},
    {"check", CreateCheck, ApplyToggle, nullptr, nullptr, nullptr},
    {"radio", CreateRadio, ApplyToggle, nullptr, nullptr, nullptr},
    {"combo", CreateCombo, ApplyCombo, nullptr, ComboItem, nullptr},
    {"edit", CreateEdit, ApplyEdit, nullptr, nullptr, nullptr},
    {"progress", CreateProgress, ApplyProgress, nullptr, nullptr, nullptr},
    {"image", CreateImageBox, ApplyImageBox, nullptr, nullptr, nullptr},
    {"titlebar", CreateTitleBar, ApplyTitleBar, nullptr, nullptr, TakeTitleBarChild},
    {"promptbar", CreatePromptBar, ApplyPromptBar, nullptr, nullptr, nullptr},
    {"cba", CreateCba, nullptr, nullptr, nullptr, nullptr},
};

} // namespace

const TZuXmlKind* FindXmlKind(const char* element)
{
    if (!element)
        return nullptr;
    for (const TZuXmlKind& kind : KKinds)
    {
        if (std::strcmp(kind.iElement, element) == 0)
            return &kind;
    }
    return nullptr;
}
