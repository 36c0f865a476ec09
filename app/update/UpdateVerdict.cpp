#include "UpdateVerdict.h"

#include "ZuEnv.h"
#include "ZuLexIds.h"

#include <cstdio>
#include <vector>

int TUpdateVerdict::TextId() const
{
    switch (iKind)
    {
    case ENewer:
        return iDescription.IsEmpty() ? EZuLexStrUpdateNewer : 0;
    case ENotNewer:
        return EZuLexStrNoUpdate;
    case ENoServer:
        return EZuLexStrUpdateNoServer;
    case ETimeout:
        return EZuLexStrUpdateTimeout;
    default:
        return EZuLexStrUpdateBadAnswer;
    }
}

CZuString TUpdateVerdict::Text() const
{
    int id = TextId();
    if (id == 0)
        return iDescription;
    CZuString text = CZuEnv::GetString(id);
    if (id != EZuLexStrUpdateNewer)
        return text;
    int size = std::snprintf(nullptr, 0, Str(text), Str(iVersion));
    if (size < 0)
        return text;
    std::vector<char> formatted(static_cast<size_t>(size) + 1);
    std::snprintf(formatted.data(), formatted.size(), Str(text), Str(iVersion));
    return CZuString(formatted.data(), size);
}
