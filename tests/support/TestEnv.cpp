#include "TestEnv.h"

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

CScopedEnv::CScopedEnv(const char* name, const std::string& value) : iName(name)
{
    const char* old = std::getenv(name);
    iHad = old != nullptr;
    if (old)
        iOld = old;
    setenv(name, value.c_str(), 1);
}

CScopedEnv::~CScopedEnv()
{
    Restore();
}

void CScopedEnv::Restore()
{
    if (iRestored)
        return;
    iRestored = true;
    if (iHad)
        setenv(iName.c_str(), iOld.c_str(), 1);
    else
        unsetenv(iName.c_str());
}

CScopedTimeZone::CScopedTimeZone(const char* zone) : iZone("TZ", zone)
{
    tzset();
}

CScopedTimeZone::~CScopedTimeZone()
{
    iZone.Restore();
    tzset();
}

bool CScopedTimeZone::Known(const char* zone)
{
    struct stat info;
    return std::string(zone) == "UTC" ||
           stat((std::string("/usr/share/zoneinfo/") + zone).c_str(), &info) == 0;
}
