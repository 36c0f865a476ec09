#ifndef ZUXMLNAMES_H
#define ZUXMLNAMES_H

#include "ZuString.h"

#include <map>
#include <string>

class CZuControl;
class CZuLayout;

// The named controls and layouts of one description file. A name stands for one thing only. Nothing here
// is owned.
class CZuXmlNames
{
public:
    void Clear();
    // False, and nothing changes, when the name is empty or already taken.
    bool AddControl(const CZuString& name, CZuControl* control);
    bool AddLayout(const CZuString& name, CZuLayout* layout);
    // Null when no control (layout) has this name.
    CZuControl* Control(const CZuString& name) const;
    CZuLayout* Layout(const CZuString& name) const;
    int Count() const { return static_cast<int>(iControls.size() + iLayouts.size()); }

private:
    bool IsTaken(const std::string& name) const;

    std::map<std::string, CZuControl*> iControls;
    std::map<std::string, CZuLayout*> iLayouts;
};

#endif // ZUXMLNAMES_H
