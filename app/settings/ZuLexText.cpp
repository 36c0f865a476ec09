#include "ZuLexText.h"

#include "ZuEnv.h"

CZuString CZuLexText::Format(const CZuString& format, const CZuString* values, int count)
{
    CZuString text("");
    int next = 0;
    for (int i = 0; i < format.Length(); ++i)
    {
        char ch = format[i];
        char conversion = i + 1 < format.Length() ? format[i + 1] : '\0';
        if (ch != '%' || (conversion != 's' && conversion != 'd' && conversion != '%'))
        {
            text += ch;
            continue;
        }
        ++i;
        if (conversion == '%')
            text += '%';
        else if (next < count)
            text += values[next++];
    }
    return text;
}

CZuString CZuLexText::Get(int id, const CZuString& value)
{
    return Format(CZuEnv::GetString(id), &value, 1);
}

CZuString CZuLexText::Get(int id, const CZuString& first, const CZuString& second)
{
    const CZuString values[] = {first, second};
    return Format(CZuEnv::GetString(id), values, 2);
}

CZuString CZuLexText::Get(int id, int first, int second)
{
    return Get(id, CZuString(first), CZuString(second));
}
