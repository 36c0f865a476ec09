#ifndef ZUWND_H
#define ZUWND_H

#include "ZuObjectList.h"
#include "ZuRect.h"
#include "ZuString.h"

class CZuControl;
class CZuLayout;
class CZuWndItem;

// A window description: a named set of controls and layouts ("TitleBar", "Cba", "ClientLayout") around
// the views. A subclass (built in code, or by the form loader from a description file) supplies the
// window's root control and lays it out.
class CZuWnd : public CZuObject
{
public:
    CZuWnd();
    ~CZuWnd() override;

    // The window's root control; the base has none.
    virtual CZuControl* GetWnd();
    // Lays the window out in rect; the base does nothing.
    virtual void SetWndRect(const CZuRect& rect);
    // The first item with this name that holds a control (or a layout); null when there is none.
    virtual CZuControl* GetControl(const CZuString& name);
    virtual CZuLayout* GetLayout(const CZuString& name);

    void Append(CZuControl* control, int id, const CZuString& name);
    // The layout is owned by the window from now on.
    void Append(CZuLayout* layout, int id, const CZuString& name);
    CZuControl* GetControl(int id);
    CZuLayout* GetLayout(int id);

    void SetWndID(int id) { iId = id; }
    int GetWndID() const { return iId; }
    void SetWndName(const CZuString& name) { iName = name; }
    const CZuString& GetWndName() const { return iName; }
    // The window's own layout (owned; a previous one is deleted).
    void SetWndLayout(CZuLayout* layout);
    CZuLayout* GetWndLayout() const { return iWndLayout; }

private:
    CZuWnd(const CZuWnd&) = delete;
    CZuWnd& operator=(const CZuWnd&) = delete;
    // The first item that holds a control (or a layout) and matches the name when given, else the id.
    CZuWndItem* FindItem(const CZuString* name, int id, bool wantLayout) const;

    int iId;
    CZuString iName;
    CZuLayout* iWndLayout;
    CZuObjectList iItems;
};

#endif // ZUWND_H
