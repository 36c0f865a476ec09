#ifndef XMLUTIL_H
#define XMLUTIL_H

class TiXmlDocument;
class TiXmlElement;

// Element look-ups in parsed XML documents.
class CXmlUtil
{
public:
    // The first element at path: element names separated by single backslashes, starting with the root
    // element's ("course\item", "ZuLex\version"). Null when any step is absent, and for a null or empty
    // path or an empty step (a leading, trailing or doubled backslash).
    static TiXmlElement* GetElementFromDoc(TiXmlDocument& document, const char* path);
};

#endif // XMLUTIL_H
