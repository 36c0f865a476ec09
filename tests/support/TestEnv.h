#ifndef TESTENV_H
#define TESTENV_H

// The process environment changed for the life of an object and put back as it was afterwards.
#include <string>

// One environment variable set to a value; afterwards it has its old value again, or is unset when it had
// none.
class CScopedEnv
{
public:
    CScopedEnv(const char* name, const std::string& value);
    ~CScopedEnv();
    // Puts the old value back now (the destructor then does nothing more).
    void Restore();

private:
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

    std::string iName;
    bool iHad;
    std::string iOld;
    bool iRestored = false;
};

// The time zone (TZ), with the C library told of the change at both ends.
class CScopedTimeZone
{
public:
    explicit CScopedTimeZone(const char* zone);
    ~CScopedTimeZone();
    // True when the system knows the zone (else it would quietly use UTC).
    static bool Known(const char* zone);

private:
    CScopedEnv iZone;
};

#endif // TESTENV_H
