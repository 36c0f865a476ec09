#ifndef XMLTEXT_H
#define XMLTEXT_H

class CZuString;
class TiXmlDocument;

// XML that came from a file or the network, parsed only when it is safe to: well-formed UTF-8, and nested
// no deeper than the parser's recursion can take.
class CXmlText
{
public:
    // Deepest element nesting accepted; real course lists and update answers use three levels, forms five.
    static const int KMaxDepth = 64;

    // Parses the length bytes at text, which must be followed by a zero byte, as UTF-8 into document.
    // False for null text, a negative length, bytes that are not UTF-8, nesting beyond KMaxDepth or a
    // parse error; then error (when given) says why, with the line for a parse error.
    static bool Parse(TiXmlDocument& document, const char* text, int length, CZuString* error = nullptr);
    // Reads the file at path whole and parses it as Parse does. A file that cannot be read or holds more
    // than maxBytes is not parsed.
    static bool ParseFile(TiXmlDocument& document, const CZuString& path, int maxBytes,
                          CZuString* error = nullptr);
    // True when no element in the length bytes at text lies deeper than maxDepth. Markup inside
    // comments, CDATA and processing instructions is skipped, as are the bodies of quoted attributes.
    static bool DepthWithin(const char* text, int length, int maxDepth);
};

#endif // XMLTEXT_H
