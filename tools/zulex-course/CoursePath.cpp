#include "CoursePath.h"

TCoursePath::TCoursePath(const std::string& argument)
{
    std::string path = argument;
    for (const char* extension : {".idx", ".dat", ".pro"})
    {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, extension) == 0)
            path.erase(path.size() - 4);
    }
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
    {
        iFolder = "./";
        iName = path;
        return;
    }
    iFolder = path.substr(0, slash + 1);
    iName = path.substr(slash + 1);
}
