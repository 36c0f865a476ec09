#ifndef ZUPATHUTIL_H
#define ZUPATHUTIL_H

#include "ZuString.h"

// The directories the program reads and writes. Resources, data files and the log all live in the
// program's own directory, or in the one data directory set in its place; callers append their relative
// sub-paths ("res/", "course/", ...).
class CZuPathUtil
{
public:
    // The directory of the running program (from /proc/self/exe) with a trailing "/", in UTF-8; empty when
    // the program's file name cannot be read.
    static CZuString GetAppPath();
    // The data directory when one is set, else the program's directory.
    static CZuString GetDataPath();
    static CZuString GetResourcePath();
    static CZuString GetLogPath();

    // Points the data, resource and log paths at directory (a trailing "/" is added when missing); an empty
    // directory gives them back the program's own. The program's path stays where the program is.
    static void SetDataDirectory(const CZuString& directory);

    // Everything of fileName up to and including its last "/"; empty when it has none.
    static CZuString GetDirectory(const CZuString& fileName);
};

#endif // ZUPATHUTIL_H
