#include "XmlText.h"

#include "ZuBuffer.h"
#include "ZuFile.h"
#include "ZuString.h"
#include "ZuUnicode.h"

#include <cstring>
#include <tinyxml.h>

namespace
{

bool Fail(CZuString* error, const char* reason)
{
    if (error)
        *error = reason;
    return false;
}

// The index just past the first occurrence of terminator at or after from, or length when there is none.
int SkipPast(const char* text, int length, int from, const char* terminator)
{
    int size = static_cast<int>(std::strlen(terminator));
    for (int i = from; i + size <= length; ++i)
    {
        if (std::memcmp(text + i, terminator, size) == 0)
            return i + size;
    }
    return length;
}

bool StartsWith(const char* text, int length, int at, const char* prefix)
{
    int size = static_cast<int>(std::strlen(prefix));
    return at + size <= length && std::memcmp(text + at, prefix, size) == 0;
}

// The end of the tag that begins at the '<' at start: the index past its '>', with quoted attribute
// values passed over whole. Sets selfClosing when the tag ends with "/>".
int TagEnd(const char* text, int length, int start, bool& selfClosing)
{
    char quote = 0;
    for (int i = start + 1; i < length; ++i)
    {
        char ch = text[i];
        if (quote)
        {
            if (ch == quote)
                quote = 0;
        }
        else if (ch == '"' || ch == '\'')
        {
            quote = ch;
        }
        else if (ch == '>')
        {
            selfClosing = text[i - 1] == '/';
            return i + 1;
        }
    }
    selfClosing = false;
    return length;
}

} // namespace

bool CXmlText::DepthWithin(const char* text, int length, int maxDepth)
{
    int depth = 0;
    int i = 0;
    while (i < length)
    {
        if (text[i] != '<')
        {
            ++i;
            continue;
        }
        if (StartsWith(text, length, i, "<!--"))
        {
            i = SkipPast(text, length, i + 4, "-->");
            continue;
        }
        if (StartsWith(text, length, i, "<![CDATA["))
        {
            i = SkipPast(text, length, i + 9, "]]>");
            continue;
        }
        if (StartsWith(text, length, i, "<?") || StartsWith(text, length, i, "<!"))
        {
            i = SkipPast(text, length, i + 2, ">");
            continue;
        }
        bool closing = StartsWith(text, length, i, "</");
        bool selfClosing = false;
        i = TagEnd(text, length, i, selfClosing);
        if (closing)
        {
            if (depth > 0)
                --depth;
        }
        else if (!selfClosing && ++depth > maxDepth)
        {
            return false;
        }
    }
    return true;
}

bool CXmlText::Parse(TiXmlDocument& document, const char* text, int length, CZuString* error)
{
    if (text == nullptr || length < 0 || text[length] != '\0')
        return Fail(error, "no text");
    // The parser steps over a UTF-8 character by its first byte: a sequence cut short by the end would
    // take it past the terminating zero.
    if (!CZuUnicode::IsValidUtf8(text, length))
        return Fail(error, "not UTF-8");
    // The parser recurses once per level of nesting: a deep document would exhaust the stack.
    if (!DepthWithin(text, length, KMaxDepth))
        return Fail(error, "nested too deep");
    document.Parse(text, nullptr, TIXML_ENCODING_UTF8);
    if (document.Error())
    {
        if (error)
            *error = CZuString("line ") + CZuString(document.ErrorRow()) + ": " + document.ErrorDesc();
        return false;
    }
    if (!document.RootElement())
        return Fail(error, "no root element");
    return true;
}

bool CXmlText::ParseFile(TiXmlDocument& document, const CZuString& path, int maxBytes, CZuString* error)
{
    CZuBuffer bytes;
    if (!CZuFile::ReadWhole(path, bytes, maxBytes))
        return Fail(error, "cannot be read, or larger than allowed");
    int length = bytes.Size();
    // One byte more than the file holds, for the parser's terminating zero.
    bytes.Append(0);
    return Parse(document, reinterpret_cast<const char*>(bytes.Data()), length, error);
}
