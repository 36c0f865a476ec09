#include "UpdateVerdict.h"

#include "ZuEnv.h"
#include "ZuLexIds.h"
#include "ZuLexText.h"


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
    if (id != EZuLexStrUpdateNewer)
        return CZuEnv::GetString(id);
    return CZuLexText::Get(id, iVersion);
}
