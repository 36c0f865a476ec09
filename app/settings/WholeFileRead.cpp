#include "WholeFileRead.h"

#include "ZuFile.h"
#include "ZuString.h"

#include <sys/stat.h>

bool ReadWholeFile(const CZuString& path, int maxBytes, std::vector<char>& bytes)
{
    bytes.clear();
    struct stat status;
    // Directories, pipes and devices are no file of ours.
    if (stat(Str(path), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return false;
    CZuFile file;
    if (!file.Open(path, EZuFileReadOnly))
        return false;
    int length = file.Length();
    if (length < 0 || length > maxBytes)
        return false;
    bytes.resize(static_cast<size_t>(length));
    if (length > 0 && file.Read(bytes.data(), length) != length)
    {
        bytes.clear();
        return false;
    }
    return true;
}
