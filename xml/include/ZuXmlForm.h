#ifndef ZUXMLFORM_H
#define ZUXMLFORM_H

#include "ZuControl.h"

class TiXmlElement;
struct TZuXmlFormData;

// A screen's controls as a form file describes them (the syntax is in docs/forms.md). The form is a
// transparent control that the screen's container holds as a cell of its client layout; it owns the
// controls it loads and lays them out over its own rectangle.
class CZuXmlForm : public CZuControl
{
public:
    // A child of parent, added to its children, with nothing on it yet.
    explicit CZuXmlForm(CZuControl* parent);
    ~CZuXmlForm() override;

    // Kept for callers: the form neither places itself through these nor keeps them in use.
    void SetContainer(CZuControl* container, CZuLayout* layout);
    // Builds the form described in the file at path, in place of what an earlier load built. False when
    // the file cannot be read, is no form, or holds faults; each fault is logged with the file and line,
    // and what could be built is built all the same.
    bool LoadForm(const CZuString& path);
    // The same from length bytes of form text followed by a zero byte; label names the text in the faults.
    bool LoadFormText(const char* text, int length, const CZuString& label);

    // The control of that name, null when the form has none.
    CZuControl* GetControl(const CZuString& name) const;
    // The same when the control is a T (or derives from one); null for a control of another kind.
    template <class T> T* GetControlAs(const CZuString& name) const { return dynamic_cast<T*>(GetControl(name)); }
    using CZuControl::GetControl;
    // A named nested layout of the form, null when there is none.
    CZuLayout* GetLayout(const CZuString& name) const;
    using CZuControl::GetLayout;
    // The layout of the form's rows.
    CZuLayout* GetFormLayout() const;

    // True when the loader makes controls of the element's kind ("button", "combo").
    static bool KnowsKind(const char* element);

    // The faults of the last load, each as "<file>:<line>: <what>".
    int GetFaultCount() const;
    const CZuString& GetFault(int index) const;

    // The natural size of the rows, with the inner spaces.
    CZuSize GetMinSize() override;
    // The rows are laid out inside the inner rectangle.
    void SizeChanged() override;

private:
    CZuXmlForm(const CZuXmlForm&) = delete;
    CZuXmlForm& operator=(const CZuXmlForm&) = delete;
    void Clear();
    // Builds the form under its root element (null: nothing to build); false when there were faults.
    bool Build(const TiXmlElement* root);

    TZuXmlFormData* iData;
};

#endif // ZUXMLFORM_H
