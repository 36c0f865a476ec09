#include "ZuXmlNames.h"

namespace
{
std::string Key(const CZuString& name)
{
    return name.PtrZ() ? std::string(name.PtrZ(), name.Length()) : std::string();
}

template <class T> T* FindIn(const std::map<std::string, T*>& names, const CZuString& name)
{
    auto found = names.find(Key(name));
    return found == names.end() ? nullptr : found->second;
}
} // namespace

void CZuXmlNames::Clear()
{
    iControls.clear();
    iLayouts.clear();
}

bool CZuXmlNames::IsTaken(const std::string& name) const
{
    return iControls.count(name) > 0 || iLayouts.count(name) > 0;
}

bool CZuXmlNames::AddControl(const CZuString& name, CZuControl* control)
{
    std::string key = Key(name);
    if (key.empty() || IsTaken(key))
        return false;
    iControls[key] = control;
    return true;
}

bool CZuXmlNames::AddLayout(const CZuString& name, CZuLayout* layout)
{
    std::string key = Key(name);
    if (key.empty() || IsTaken(key))
        return false;
    iLayouts[key] = layout;
    return true;
}

CZuControl* CZuXmlNames::Control(const CZuString& name) const
{
    return FindIn(iControls, name);
}

CZuLayout* CZuXmlNames::Layout(const CZuString& name) const
{
    return FindIn(iLayouts, name);
}
