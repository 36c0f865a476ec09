#include "ZuXmlBuilder.h"

#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuLayoutRow.h"
#include "XmlText.h"
#include "ZuXmlAttributes.h"
#include "ZuXmlKinds.h"
#include "ZuXmlNames.h"
#include "ZuXmlReport.h"

#include <algorithm>
#include <cstring>
#include <tinyxml.h>

namespace
{

const char* const KBorders[] = {"none", "line", "line2", "line3", "two-tone", "resizable", "opaque"};
const char* const KBackgrounds[] = {"none", "plain", "gradient", "gradient-horizontal"};

bool Is(const TiXmlElement& element, const char* name)
{
    return std::strcmp(element.Value(), name) == 0;
}

// The largest description file read.
const int KMaxFileSize = 1024 * 1024;

// Cell sizes: positive fixed pixels, 0 the content's natural size, negative a share of what is left.
const int KMaxCellSize = 100000;

void ReadCellSize(CZuXmlAttributes& attributes, int& width, int& height)
{
    attributes.IntIn("width", -KMaxCellSize, KMaxCellSize, width);
    attributes.IntIn("height", -KMaxCellSize, KMaxCellSize, height);
}

void ReadText(CZuXmlAttributes& attributes, CZuControl& control)
{
    CZuString text;
    int id = 0;
    bool literal = attributes.Text("text", text);
    bool byId = attributes.Int("text-id", id);
    if (literal && byId)
        attributes.Fault("\"text\" and \"text-id\" both given: the literal text is used");
    else if (byId)
        text = CZuEnv::GetString(id);
    if (literal || byId)
        control.SetText(text);
}

void ReadFont(CZuXmlAttributes& attributes, CZuControl& control)
{
    TZuFontName name = EFontUi;
    int size = 100;
    bool bold = false;
    bool given = attributes.FontName("font", name);
    given = attributes.IntIn("font-size", 10, 1000, size) || given;
    given = attributes.Bool("bold", bold) || given;
    if (!given)
        return;
    CZuFont* font = CZuEnv::AcquireFont(name, size, bold);
    control.SetFont(font);
    CZuEnv::ReleaseFont(font);
}

void ReadColours(CZuXmlAttributes& attributes, CZuControl& control)
{
    CZuRgb colour;
    if (attributes.Colour("fg", colour))
        control.SetForeground(colour);
    if (attributes.Colour("bg", colour))
        control.SetBackground(colour);
    if (attributes.Colour("bg-to", colour))
        control.SetBackgroundTo(colour);
    if (attributes.Colour("border-color", colour))
        control.SetBorderColor(colour);
    if (attributes.Colour("focus-color", colour))
        control.SetBgFocusedColor(colour);
    int background = 0;
    if (attributes.Choice("background", KBackgrounds, 4, background))
        control.SetShowBackground(background != 0, background >= 2,
                                  background == 3 ? IZuGc::EGradualHorizontal : IZuGc::EGradualVertical);
}

void ReadFrame(CZuXmlAttributes& attributes, CZuControl& control)
{
    int value = 0;
    if (attributes.Choice("border", KBorders, 7, value))
        control.SetBorderType(static_cast<TZuBorderType>(value));
    if (attributes.IntIn("border-width", 0, 100, value))
        control.SetBorderWidth(value);
    if (attributes.IntIn("corner", 0, 100, value))
        control.SetRoundCornerSize(value);
    int top = 0, bottom = 0, left = 0, right = 0;
    if (attributes.Spaces("inner", top, bottom, left, right))
        control.SetInnerSpace(top, bottom, left, right);
    int width = 0, height = 0;
    if (attributes.Pair("size", width, height))
        control.SetPredefinedSize(CZuSize(std::max(width, 0), std::max(height, 0)));
}

void ReadState(CZuXmlAttributes& attributes, CZuControl& control)
{
    bool flag = false;
    if (attributes.Bool("visible", flag))
        control.MakeVisible(flag);
    if (attributes.Bool("enabled", flag))
        control.SetDisabled(!flag);
    if (attributes.Bool("readonly", flag))
        control.SetReadOnly(flag);
}

} // namespace

CZuXmlBuilder::CZuXmlBuilder(CZuXmlReport& report, CZuXmlNames& names) : iReport(report), iNames(names) {}

namespace
{
// The root element when the document parsed and its root is a <rootName>; else null, with the fault.
const TiXmlElement* RootOf(TiXmlDocument& document, bool parsed, const CZuString& error, const char* rootName,
                           CZuXmlReport& report)
{
    if (!parsed)
    {
        report.Fault(0, error);
        return nullptr;
    }
    const TiXmlElement* root = document.RootElement();
    if (!Is(*root, rootName))
    {
        report.Fault(root->Row(), CZuString("the root element is <") + root->Value() + ">, not <" + rootName + ">");
        return nullptr;
    }
    return root;
}
} // namespace

const TiXmlElement* CZuXmlBuilder::OpenRoot(TiXmlDocument& document, const CZuString& path, const char* rootName,
                                            CZuXmlReport& report)
{
    report.Start(path);
    CZuString error;
    bool parsed = CXmlText::ParseFile(document, path, KMaxFileSize, &error);
    return RootOf(document, parsed, error, rootName, report);
}

const TiXmlElement* CZuXmlBuilder::OpenText(TiXmlDocument& document, const char* text, int length,
                                            const CZuString& label, const char* rootName, CZuXmlReport& report)
{
    report.Start(label);
    CZuString error;
    bool parsed = length <= KMaxFileSize && CXmlText::Parse(document, text, length, &error);
    if (length > KMaxFileSize)
        error = "larger than allowed";
    return RootOf(document, parsed, error, rootName, report);
}

int CZuXmlBuilder::NewRow(CZuLayout& layout)
{
    // The layout makes rows only with a first cell: make one with a spacer and take the spacer out.
    int row = layout.AppendRow(CZuSize(0, 0), 0, 0);
    layout.DeleteCell(row, 0, false);
    return row;
}

void CZuXmlBuilder::CheckContent(const TiXmlElement& element)
{
    for (const TiXmlNode* node = element.FirstChild(); node; node = node->NextSibling())
    {
        if (node->Type() == TiXmlNode::TINYXML_TEXT)
            iReport.Fault(node->Row(), CZuString("<") + element.Value() + ">: text is not read here");
    }
}

void CZuXmlBuilder::BuildRows(const TiXmlElement& container, CZuControl& owner, CZuLayout& layout)
{
    CheckContent(container);
    for (const TiXmlElement* child = container.FirstChildElement(); child; child = child->NextSiblingElement())
    {
        if (Is(*child, "row"))
        {
            BuildRow(*child, owner, layout);
            continue;
        }
        int row = NewRow(layout);
        if (!BuildCell(*child, owner, layout, row))
            layout.DeleteRow(row);
    }
}

void CZuXmlBuilder::BuildRow(const TiXmlElement& element, CZuControl& owner, CZuLayout& layout)
{
    CheckContent(element);
    CZuXmlAttributes attributes(element, iReport);
    int row = NewRow(layout);
    int height = 0;
    if (attributes.IntIn("height", -KMaxCellSize, KMaxCellSize, height))
        layout.SetRowHeight(row, height);
    TZuAlign align = EAlignLeft;
    if (attributes.HorizAlign("align", align))
        layout.SetAlign(row, align);
    int space = 0;
    if (attributes.IntIn("space", -1, 1000, space))
        layout.GetRow(row)->SetColSpace(space);
    attributes.Finish();
    for (const TiXmlElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        BuildCell(*child, owner, layout, row);
}

bool CZuXmlBuilder::BuildCell(const TiXmlElement& element, CZuControl& owner, CZuLayout& layout, int row)
{
    CZuXmlAttributes attributes(element, iReport);
    if (Is(element, "space"))
    {
        BuildSpace(attributes, layout, row);
        return true;
    }
    if (Is(element, "layout"))
    {
        BuildLayout(element, attributes, owner, layout, row);
        return true;
    }
    const TZuXmlKind* kind = FindXmlKind(element.Value());
    if (!kind)
    {
        const TiXmlElement* parent = element.Parent() ? element.Parent()->ToElement() : nullptr;
        iReport.Fault(element.Row(), CZuString("unknown element <") + element.Value() + "> in <" +
                                         (parent ? parent->Value() : "") + ">");
        return false;
    }
    int width = 0;
    int height = 0;
    ReadCellSize(attributes, width, height);
    TZuAlign place = EAlignVCenter;
    attributes.VertAlign("place", place);
    CZuControl* control = BuildControl(*kind, element, attributes, owner);
    layout.GetRow(row)->AppendCell(control, width, height, place);
    return true;
}

void CZuXmlBuilder::BuildSpace(CZuXmlAttributes& attributes, CZuLayout& layout, int row)
{
    int width = 0;
    int height = 0;
    ReadCellSize(attributes, width, height);
    attributes.Finish();
    CheckContent(attributes.Element());
    if (attributes.Element().FirstChildElement())
        attributes.Fault("<space> holds nothing");
    layout.GetRow(row)->AppendCell(CZuSize(std::max(width, 0), std::max(height, 0)), width, height);
}

void CZuXmlBuilder::BuildLayout(const TiXmlElement& element, CZuXmlAttributes& attributes, CZuControl& owner,
                                CZuLayout& layout, int row)
{
    int width = 0;
    int height = 0;
    ReadCellSize(attributes, width, height);
    CZuLayout* nested = new CZuLayout;
    owner.AddLayout(nested);
    Name(attributes, nullptr, nested);
    int top = 0, bottom = 0, left = 0, right = 0;
    if (attributes.Spaces("inner", top, bottom, left, right))
        nested->SetInnerSpace(top, bottom, left, right);
    int space = 0;
    if (attributes.IntIn("row-space", 0, 1000, space))
        nested->SetRowspace(space);
    if (attributes.IntIn("col-space", -1, 1000, space))
        nested->SetColSpace(space);
    attributes.Finish();
    layout.GetRow(row)->AppendCell(nested, width, height);
    BuildRows(element, owner, *nested);
}

CZuControl* CZuXmlBuilder::BuildControl(const TZuXmlKind& kind, const TiXmlElement& element,
                                        CZuXmlAttributes& attributes, CZuControl& parent)
{
    CZuControl* control = kind.iCreate(parent, attributes);
    ReadControl(attributes, *control);
    if (kind.iApply)
        kind.iApply(*control, attributes);
    if (kind.iRows)
        ReadContainer(attributes, *control, *kind.iRows(*control));
    attributes.Finish();
    BuildChildren(kind, element, *control);
    return control;
}

void CZuXmlBuilder::BuildChildren(const TZuXmlKind& kind, const TiXmlElement& element, CZuControl& control)
{
    if (kind.iRows)
    {
        BuildRows(element, control, *kind.iRows(control));
        return;
    }
    CheckContent(element);
    for (const TiXmlElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
    {
        CZuXmlAttributes attributes(*child, iReport);
        const TZuXmlKind* childKind = FindXmlKind(child->Value());
        if (kind.iItem && Is(*child, "item"))
        {
            kind.iItem(control, attributes);
            attributes.Finish();
            CheckContent(*child);
            continue;
        }
        if (kind.iChild && childKind)
        {
            CZuControl* made = BuildControl(*childKind, *child, attributes, control);
            if (!kind.iChild(control, *made))
            {
                iReport.Fault(child->Row(), CZuString("<") + element.Value() + "> cannot use this <" +
                                                child->Value() + ">");
            }
            continue;
        }
        iReport.Fault(child->Row(), CZuString("<") + element.Value() + "> cannot hold <" + child->Value() + ">");
    }
}

void CZuXmlBuilder::Name(CZuXmlAttributes& attributes, CZuControl* control, CZuLayout* layout)
{
    CZuString name;
    if (!attributes.Text("name", name))
        return;
    bool added = control ? iNames.AddControl(name, control) : iNames.AddLayout(name, layout);
    if (!added)
        attributes.Fault(name.IsEmpty() ? CZuString("an empty name")
                                        : CZuString("the name \"") + name + "\" is taken: this one is left unnamed");
}

void CZuXmlBuilder::ReadControl(CZuXmlAttributes& attributes, CZuControl& control)
{
    Name(attributes, &control, nullptr);
    int id = 0;
    if (attributes.Int("id", id))
        control.SetID(id);
    ReadText(attributes, control);
    ReadFont(attributes, control);
    TZuAlign align = EAlignLeft;
    if (attributes.HorizAlign("align", align))
        control.SetAlign(align);
    ReadColours(attributes, control);
    ReadFrame(attributes, control);
    ReadState(attributes, control);
}

void CZuXmlBuilder::ReadContainer(CZuXmlAttributes& attributes, CZuControl& control, CZuLayout& layout)
{
    int space = 0;
    if (attributes.IntIn("row-space", 0, 1000, space))
        layout.SetRowspace(space);
    if (attributes.IntIn("col-space", -1, 1000, space))
        layout.SetColSpace(space);
    int perRow = 0;
    if (attributes.IntIn("per-row", 1, 1000, perRow))
        control.SetCtrlCountPerRow(perRow);
    bool loop = false;
    if (attributes.Bool("focus-loop", loop))
        control.SetFocusLoop(loop);
}
