#include "ZuPathUtil.h"

#include <climits>
#include <unistd.h>

namespace
{

// The full file name of the running program, or an empty string when it cannot be read.
CZuString ProgramFileName()
{
    char name[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", name, sizeof(name));
    // A name that fills the buffer may have been cut short: no path is better than a wrong one.
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof(name)))
        return CZuString();
    return CZuString(name, static_cast<int>(length));
}

} // namespace

CZuString CZuPathUtil::GetDirectory(const CZuString& fileName)
{
    for (int i = fileName.Length() - 1; i >= 0; --i)
    {
        if (fileName[i] == '/')
            return fileName.Left(i + 1);
    }
    return CZuString();
}

CZuString CZuPathUtil::GetAppPath()
{
    return GetDirectory(ProgramFileName());
}

CZuString CZuPathUtil::GetDataPath()
{
    return GetAppPath();
}

CZuString CZuPathUtil::GetResourcePath()
{
    return GetAppPath();
}

CZuString CZuPathUtil::GetLogPath()
{
    return GetAppPath();
}
