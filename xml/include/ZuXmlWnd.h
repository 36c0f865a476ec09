#ifndef ZUXMLWND_H
#define ZUXMLWND_H

#include "ZuWnd.h"

class TiXmlElement;
struct TZuXmlWndData;

// A window description read from a file (the syntax is in docs/forms.md): the controls around the views
// ("TitleBar", "Cba", the layout "ClientLayout" and whatever the program names) on a root pane of its own,
// made under the UI manager's platform root but not added to it until the window is switched to.
class CZuXmlWnd : public CZuWnd
{
public:
    CZuXmlWnd(int id, const CZuString& name);
    // Takes the root pane, and every control on it, off its parent and deletes it.
    ~CZuXmlWnd() override;

    // Builds the window described in the file at path, in place of what an earlier load built. False when
    // the file cannot be read, is no window, or holds faults; each fault is logged with the file and line,
    // and what could be built is built all the same.
    bool LoadWnd(const CZuString& path);
    // The same from length bytes of window text followed by a zero byte; label names the text in the faults.
    bool LoadWndText(const char* text, int length, const CZuString& label);

    CZuControl* GetWnd() override;
    // Gives the root pane the rectangle and lays the window out inside its border and inner spaces.
    void SetWndRect(const CZuRect& rect) override;
    // The named controls and layouts of the file, then those appended.
    CZuControl* GetControl(const CZuString& name) override;
    CZuLayout* GetLayout(const CZuString& name) override;
    using CZuWnd::GetControl;
    using CZuWnd::GetLayout;
    template <class T> T* GetControlAs(const CZuString& name) { return dynamic_cast<T*>(GetControl(name)); }

    // The faults of the last load, each as "<file>:<line>: <what>".
    int GetFaultCount() const;
    const CZuString& GetFault(int index) const;

private:
    // Empties the window for a new load.
    void Clear();
    // Builds the window under its root element (null: nothing to build); false when there were faults.
    bool Build(const TiXmlElement* root);

    TZuXmlWndData* iData;
};

#endif // ZUXMLWND_H
