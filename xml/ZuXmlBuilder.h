#ifndef ZUXMLBUILDER_H
#define ZUXMLBUILDER_H

class CZuControl;
class CZuLayout;
class CZuXmlAttributes;
class CZuXmlNames;
class CZuXmlReport;
class CZuString;
class TiXmlDocument;
class TiXmlElement;
struct TZuXmlKind;

// Builds controls and layouts from the elements of a description file. Every fault is reported and passed
// over: what can be built is built, so a screen with a slip in its file still shows.
class CZuXmlBuilder
{
public:
    CZuXmlBuilder(CZuXmlReport& report, CZuXmlNames& names);

    // Starts the report on the file at path and parses it: its root element when that is a <rootName>,
    // else null with the fault reported.
    static const TiXmlElement* OpenRoot(TiXmlDocument& document, const CZuString& path, const char* rootName,
                                        CZuXmlReport& report);
    // The same for length bytes of text followed by a zero byte; label names them in the report.
    static const TiXmlElement* OpenText(TiXmlDocument& document, const char* text, int length,
                                        const CZuString& label, const char* rootName, CZuXmlReport& report);

    // Fills layout from the child elements of container: <row>s, and cells that stand in a row of their
    // own. The controls become children of owner, nested layouts are owned by it.
    void BuildRows(const TiXmlElement& container, CZuControl& owner, CZuLayout& layout);
    // The attributes every control takes: name, id, text, font, alignment, colours, border, spaces,
    // size, visibility, enabled and read-only state.
    void ReadControl(CZuXmlAttributes& attributes, CZuControl& control);
    // The attributes of an element whose children are rows: the spaces between rows and between cells,
    // and how the focus moves among its controls.
    static void ReadContainer(CZuXmlAttributes& attributes, CZuControl& control, CZuLayout& layout);

private:
    // The index of a new row without cells at the end of layout.
    static int NewRow(CZuLayout& layout);
    void BuildRow(const TiXmlElement& element, CZuControl& owner, CZuLayout& layout);
    // A cell at the end of the row; false when the element is no cell.
    bool BuildCell(const TiXmlElement& element, CZuControl& owner, CZuLayout& layout, int row);
    void BuildSpace(CZuXmlAttributes& attributes, CZuLayout& layout, int row);
    void BuildLayout(const TiXmlElement& element, CZuXmlAttributes& attributes, CZuControl& owner,
                     CZuLayout& layout, int row);
    // The control the element declares, a child of parent, with its attributes and children.
    CZuControl* BuildControl(const TZuXmlKind& kind, const TiXmlElement& element, CZuXmlAttributes& attributes,
                             CZuControl& parent);
    void BuildChildren(const TZuXmlKind& kind, const TiXmlElement& element, CZuControl& control);
    void Name(CZuXmlAttributes& attributes, CZuControl* control, CZuLayout* layout);
    // Reports text and other non-element content of element, which nothing reads.
    void CheckContent(const TiXmlElement& element);

    CZuXmlReport& iReport;
    CZuXmlNames& iNames;
};

#endif // ZUXMLBUILDER_H
