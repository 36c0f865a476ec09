#include "ZuXmlReport.h"

#include "ZuLog.h"

void CZuXmlReport::Start(const CZuString& path)
{
    iPath = path;
    iFaults.clear();
}

void CZuXmlReport::Fault(int line, const CZuString& what)
{
    CZuLog(iPath.PtrZ() ? iPath.PtrZ() : "", line).Print("%s", what.PtrZ() ? what.PtrZ() : "");
    CZuString fault = iPath;
    if (line > 0)
        fault += CZuString(":") + CZuString(line);
    fault += CZuString(": ") + what;
    iFaults.push_back(fault);
}
