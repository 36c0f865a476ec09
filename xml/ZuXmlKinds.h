#ifndef ZUXMLKINDS_H
#define ZUXMLKINDS_H

class CZuControl;
class CZuLayout;
class CZuXmlAttributes;

// One control kind of the description files: the element that declares it, how the control is made and
// what else the element may say. The common attributes (name, text, colours, ...) are read by the builder.
struct TZuXmlKind
{
    const char* iElement;
    // A new control of the kind, a child of parent; it may read attributes that fix how it is made.
    CZuControl* (*iCreate)(CZuControl& parent, CZuXmlAttributes& attributes);
    // Reads the kind's own attributes; null when it has none.
    void (*iApply)(CZuControl& control, CZuXmlAttributes& attributes);
    // The layout that the element's rows fill; null when the kind holds no rows.
    CZuLayout* (*iRows)(CZuControl& control);
    // Takes one <item> child element; null when the kind has no items.
    void (*iItem)(CZuControl& control, CZuXmlAttributes& item);
    // Takes a control declared inside the element (made as its child); false when it cannot use it. Null
    // when the kind holds no controls.
    bool (*iChild)(CZuControl& control, CZuControl& child);
};

// The kind declared by the element name; null for an unknown element.
const TZuXmlKind* FindXmlKind(const char* element);

#endif // ZUXMLKINDS_H
