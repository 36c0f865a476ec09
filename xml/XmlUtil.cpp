#include "XmlUtil.h"

#include <cstring>
#include <string>
#include <tinyxml.h>

TiXmlElement* CXmlUtil::GetElementFromDoc(TiXmlDocument& document, const char* path)
{
    if (!path || !*path)
        return nullptr;
    TiXmlElement* element = nullptr;
    const char* step = path;
    while (true)
    {
        const char* end = std::strchr(step, '\\');
        std::string name = end ? std::string(step, end) : std::string(step);
        if (name.empty())
            return nullptr;
        element = element ? element->FirstChildElement(name.c_str()) : document.RootElement();
        if (!element || element->ValueStr() != name)
            return nullptr;
        if (!end)
            return element;
        step = end + 1;
    }
}
