#include "ZuLexOptions.h"

#include "ZuPathUtil.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

const char* const CZuLexOptions::KDataDirVariable = "ZULEX_DATA_DIR";
const char* const CZuLexOptions::KUpdateUrlVariable = "ZULEX_UPDATE_URL";
const char* const CZuLexOptions::KSeedVariable = "ZULEX_SEED";

namespace
{

const char KDataDirOption[] = "--data-dir";
const char KUpdateUrlOption[] = "--update-url";
const char KSeedOption[] = "--seed";

// A seed: a decimal number that fits 32 bits, nothing else.
bool ReadSeed(const CZuString& text, unsigned int& seed)
{
    if (text.IsEmpty() || text.Length() > 10)
        return false;
    unsigned long long value = 0;
    for (int i = 0; i < text.Length(); ++i)
    {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (value > 0xFFFFFFFFull)
        return false;
    seed = static_cast<unsigned int>(value);
    return true;
}

// The value of option in argv[i] ("--name=value") or argv[i + 1] ("--name value", i then moves past it).
// False when argv[i] is not option or its value is missing.
bool TakeValue(int argc, const char* const* argv, int& i, const char* option, CZuString& value, bool& missing)
{
    size_t length = std::strlen(option);
    const char* argument = argv[i];
    if (std::strncmp(argument, option, length) != 0)
        return false;
    if (argument[length] == '=')
    {
        value = argument + length + 1;
        missing = value.IsEmpty();
        return true;
    }
    if (argument[length] != '\0')
        return false;
    missing = i + 1 >= argc;
    if (!missing)
        value = argv[++i];
    return true;
}

bool StartsWith(const CZuString& text, const char* prefix)
{
    return std::strncmp(Str(text), prefix, std::strlen(prefix)) == 0;
}

} // namespace

CZuLexOptions::CZuLexOptions() : iHelp(false), iHasSeed(false), iSeed(0) {}

bool CZuLexOptions::Parse(int argc, const char* const* argv)
{
    return Parse(argc, argv, std::getenv(KDataDirVariable), std::getenv(KUpdateUrlVariable),
                 std::getenv(KSeedVariable));
}

bool CZuLexOptions::Parse(int argc, const char* const* argv, const char* dataDirValue,
                          const char* updateUrlValue, const char* seedValue)
{
    iDataDir = dataDirValue ? dataDirValue : "";
    iUpdateUrl = updateUrlValue ? updateUrlValue : "";
    CZuString seed(seedValue ? seedValue : "");
    iHelp = false;
    iError.Empty();
    for (int i = 1; i < argc; ++i)
    {
        bool missing = false;
        CZuString value;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            iHelp = true;
        else if (TakeValue(argc, argv, i, KDataDirOption, value, missing))
            iDataDir = value;
        else if (TakeValue(argc, argv, i, KUpdateUrlOption, value, missing))
            iUpdateUrl = value;
        else if (TakeValue(argc, argv, i, KSeedOption, value, missing))
            seed = value;
        else
            return Fail(CZuString("unknown option ") + argv[i]);
        if (missing)
            return Fail(CZuString(argv[i]) + " needs a value");
    }
    if (!iUpdateUrl.IsEmpty() && !IsUpdateUrl(iUpdateUrl))
        return Fail(CZuString("the update address must begin with http:// or https://: ") + iUpdateUrl);
    iHasSeed = !seed.IsEmpty();
    if (iHasSeed && !ReadSeed(seed, iSeed))
        return Fail(CZuString("the seed must be a whole number from 0 to 4294967295: ") + seed);
    return true;
}

bool CZuLexOptions::ApplyDataDir()
{
    if (iDataDir.IsEmpty())
        return true;
    char resolved[PATH_MAX];
    struct stat status;
    if (!realpath(Str(iDataDir), resolved) || stat(resolved, &status) != 0 || !S_ISDIR(status.st_mode))
        return Fail(CZuString("the data directory is not a directory: ") + iDataDir);
    CZuPathUtil::SetDataDirectory(CZuString(resolved));
    return true;
}

bool CZuLexOptions::IsUpdateUrl(const CZuString& url)
{
    const char* host = nullptr;
    if (StartsWith(url, "http://"))
        host = Str(url) + 7;
    else if (StartsWith(url, "https://"))
        host = Str(url) + 8;
    return host && *host && *host != '/';
}

const char* CZuLexOptions::Usage()
{
    return "usage: zulex [--data-dir DIR] [--update-url URL] [--seed N]\n"
           "  --data-dir DIR    read courses, forms, images and string tables from DIR and keep the\n"
           "                    settings, the new-word book and the log there (also ZULEX_DATA_DIR)\n"
           "  --update-url URL  ask URL (http or https) whether a newer version exists\n"
           "                    (also ZULEX_UPDATE_URL)\n"
           "  --seed N          draw the tests' questions from seed N, so that a run repeats\n"
           "                    (also ZULEX_SEED)\n";
}

bool CZuLexOptions::Fail(const CZuString& error)
{
    iError = error;
    return false;
}
