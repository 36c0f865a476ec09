#include "UpdateVerdict.h"

#include "ZuEnv.h"

#include <cstdio>
#include <vector>

int TUpdateVerdict::TextId() const
{
    switch (iKind)
    {
    case ENewer:
        return iDescription.IsEmpty() ? KNewerWithoutDescriptionId : 0;
    case ENotNewer:
        return KNotNewerId;
    case ENoServer:
        return KNoServerId;
    case ETimeout:
        return KTimeoutId;
    default:
        return KBadAnswerId;
    }
}

CZuString TUpdateVerdict::Text() const
{
    int id = TextId();
    if (id == 0)
        return iDescription;
    CZuString text = CZuEnv::GetString(id);
    if (id != KNewerWithoutDescriptionId)
        return text;
    int size = std::snprintf(nullptr, 0, Str(text), Str(iVersion));
    if (size < 0)
        return text;
    std::vector<char> formatted(static_cast<size_t>(size) + 1);
    std::snprintf(formatted.data(), formatted.size(), Str(text), Str(iVersion));
    return CZuString(formatted.data(), size);
}
