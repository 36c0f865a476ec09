#include "ZuNameValueList.h"

#include "ZuNameValue.h"
#include "ZuObjectList.h"

CZuNameValueList::CZuNameValueList() : iEntries(new CZuObjectList(true)) {}

CZuNameValueList::~CZuNameValueList()
{
    delete iEntries;
}

void CZuNameValueList::Append(CZuNameValue* entry)
{
    iEntries->Append(entry);
}

int CZuNameValueList::GetCount() const
{
    return iEntries->GetCount();
}

CZuNameValue* CZuNameValueList::Get(int index) const
{
    return static_cast<CZuNameValue*>(iEntries->GetAt(index));
}

CZuString& CZuNameValueList::GetValue(const CZuString& name)
{
    for (int i = 0; i < iEntries->GetCount(); ++i)
    {
        CZuNameValue* entry = Get(i);
        if (entry->iName == name)
            return entry->iValue;
    }
    // Handed out by reference: a caller may have written to it since the last miss.
    iNotFound.Empty();
    return iNotFound;
}

namespace
{

bool IsLineBreak(char ch)
{
    return ch == '\r' || ch == '\n';
}

} // namespace

void CZuNameValueList::InitListFromBuf(const char* buf, int len)
{
    if (buf == nullptr || len < 1)
        return;
    int start = 0;
    for (int i = 0; i < len; ++i)
    {
        if (!IsLineBreak(buf[i]))
            continue;
        if (i > start)
        {
            CZuNameValue* entry = ParseNameValue(CZuString(buf + start, i - start));
            if (entry != nullptr)
                Append(entry);
        }
        start = i + 1;
    }
}

CZuNameValue* ParseNameValue(const CZuString& line)
{
    int equals = line.Find('=');
    if (equals <= 0)
        return nullptr;
    CZuNameValue* entry = new CZuNameValue;
    entry->iName = line.Left(equals);
    CZuString remainder = line.Mid(equals + 1);
    int comma = remainder.Find(',');
    if (comma < 0)
    {
        entry->iValue = remainder;
    }
    else
    {
        if (comma > 0)
            entry->iValue = remainder.Left(comma);
        entry->iRest = remainder.Mid(comma);
    }
    return entry;
}
