#ifndef ZUPATHUTIL_H
#define ZUPATHUTIL_H

#include "ZuString.h"

// The directories the program reads and writes. Resources, data files and the log all live in the
// program's own directory; callers append their relative sub-paths ("res/", "course/", ...).
class CZuPathUtil
{
public:
    // The directory of the running program (from /proc/self/exe) with a trailing "/", in UTF-8; empty when
    // the program's file name cannot be read.
    static CZuString GetAppPath();
    static CZuString GetDataPath();
    static CZuString GetResourcePath();
    static CZuString GetLogPath();

    // Everything of fileName up to and including its last "/"; empty when it has none.
    static CZuString GetDirectory(const CZuString& fileName);
};

#endif // ZUPATHUTIL_H
