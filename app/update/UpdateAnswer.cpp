#include "UpdateAnswer.h"

#include "XmlText.h"
#include "XmlUtil.h"
#include "ZuHttpAnswer.h"
#include "ZuVersion.h"

#include <tinyxml.h>

namespace
{

// Numbers longer than this do not fit a version part.
const int KMaxPartDigits = 9;
const int KMaxParts = 4;

TUpdateVerdict Verdict(TUpdateVerdict::TKind kind)
{
    TUpdateVerdict verdict;
    verdict.iKind = kind;
    return verdict;
}

// The text of the element at path, without surrounding blanks; empty when it has none.
CZuString ElementText(TiXmlDocument& document, const char* path)
{
    const TiXmlElement* element = CXmlUtil::GetElementFromDoc(document, path);
    const char* text = element ? element->GetText() : nullptr;
    CZuString value(text ? text : "");
    value.TrimAll();
    return value;
}

} // namespace

bool CUpdateAnswer::ReadVersion(const CZuString& text, CZuVersion& version)
{
    int parts = 1;
    int digits = 0;
    for (int i = 0; i < text.Length(); ++i)
    {
        char ch = text[i];
        if (ch >= '0' && ch <= '9' && ++digits <= KMaxPartDigits)
            continue;
        if (ch != '.' || digits == 0 || ++parts > KMaxParts)
            return false;
        digits = 0;
    }
    if (digits == 0 || digits > KMaxPartDigits)
        return false;
    version.Decode(text);
    return true;
}

TUpdateVerdict CUpdateAnswer::Judge(const char* text, int length, const CZuString& ownVersion)
{
    TiXmlDocument document;
    if (!CXmlText::Parse(document, text, length))
        return Verdict(TUpdateVerdict::EBadAnswer);
    if (document.RootElement()->ValueStr() != "ZuLex")
        return Verdict(TUpdateVerdict::EBadAnswer);
    CZuVersion remote;
    CZuString remoteText = ElementText(document, "ZuLex\\version");
    if (!ReadVersion(remoteText, remote))
        return Verdict(TUpdateVerdict::EBadAnswer);
    CZuVersion own;
    own.Decode(ownVersion);

    TUpdateVerdict verdict = Verdict(own.Compare(&remote) < 0 ? TUpdateVerdict::ENewer : TUpdateVerdict::ENotNewer);
    verdict.iVersion = remoteText;
    verdict.iDescription = ElementText(document, "ZuLex\\desc");
    return verdict;
}

TUpdateVerdict CUpdateAnswer::Judge(const CZuHttpAnswer& answer, const CZuString& ownVersion)
{
    switch (answer.Result())
    {
    case EZuHttpOk:
        return Judge(answer.Body(), answer.Length(), ownVersion);
    case EZuHttpTimeout:
        return Verdict(TUpdateVerdict::ETimeout);
    case EZuHttpBadStatus:
    case EZuHttpTooLarge:
    case EZuHttpTooManyRedirects:
        return Verdict(TUpdateVerdict::EBadAnswer);
    default:
        return Verdict(TUpdateVerdict::ENoServer);
    }
}
