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

// The directory set in place of the program's own, with its trailing "/"; empty when none is set.
CZuString& DataDirectory()
{
    static CZuString directory;
    return directory;
}

// Where the program's files are: the data directory when one is set, else the program's own.
CZuString FilesPath()
{
    const CZuString& directory = DataDirectory();
    return directory.IsEmpty() ? CZuPathUtil::GetAppPath() : directory;
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
    return FilesPath();
}

CZuString CZuPathUtil::GetResourcePath()
{
    return FilesPath();
}

CZuString CZuPathUtil::GetLogPath()
{
    return FilesPath();
}

void CZuPathUtil::SetDataDirectory(const CZuString& directory)
{
    CZuString& stored = DataDirectory();
    stored = directory;
    if (!stored.IsEmpty() && stored[stored.Length() - 1] != '/')
        stored += "/";
}
