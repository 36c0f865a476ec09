#ifndef ZUXMLREPORT_H
#define ZUXMLREPORT_H

#include "ZuString.h"

#include <vector>

// What went wrong while a description file was read: each fault as "<file>:<line>: <what>", logged as it
// is found (tagged with the file and the line) and kept for the caller.
class CZuXmlReport
{
public:
    // Forgets earlier faults; path is the file being read.
    void Start(const CZuString& path);
    // line 0: the file as a whole.
    void Fault(int line, const CZuString& what);
    bool HasFaults() const { return !iFaults.empty(); }
    const std::vector<CZuString>& Faults() const { return iFaults; }

private:
    CZuString iPath;
    std::vector<CZuString> iFaults;
};

#endif // ZUXMLREPORT_H
