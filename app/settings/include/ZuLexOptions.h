#ifndef ZULEXOPTIONS_H
#define ZULEXOPTIONS_H

#include "ZuString.h"

// What the program is told when it starts: where its data directory is and which address the update
// check asks, and the seed of the random draws. The command line (--data-dir DIR, --update-url URL,
// --seed N, each also as --name=value) goes before the environment (ZULEX_DATA_DIR, ZULEX_UPDATE_URL,
// ZULEX_SEED).
class CZuLexOptions
{
public:
    static const char* const KDataDirVariable;
    static const char* const KUpdateUrlVariable;
    static const char* const KSeedVariable;

    CZuLexOptions();

    // Reads argv (argv[0] is the program) and then the process environment. False for an unknown option,
    // an option without its value or an update address that is not http or https; Error() says which.
    bool Parse(int argc, const char* const* argv);
    // The same with the variables' values given (null when unset).
    bool Parse(int argc, const char* const* argv, const char* dataDirValue, const char* updateUrlValue,
               const char* seedValue = nullptr);
    // Points the program's data, resource and log paths at the data directory when one was given. False
    // when it is not a directory; Error() says so.
    bool ApplyDataDir();

    const CZuString& DataDir() const { return iDataDir; }
    const CZuString& UpdateUrl() const { return iUpdateUrl; }
    bool WantsHelp() const { return iHelp; }
    // --seed N (or ZULEX_SEED): the random draws repeat from run to run.
    bool HasSeed() const { return iHasSeed; }
    unsigned int Seed() const { return iSeed; }
    const CZuString& Error() const { return iError; }
    static const char* Usage();

    // True for an address the update check may ask: http:// or https:// and a host.
    static bool IsUpdateUrl(const CZuString& url);

private:
    bool Fail(const CZuString& error);

    CZuString iDataDir;
    CZuString iUpdateUrl;
    bool iHelp;
    bool iHasSeed;
    unsigned int iSeed;
    CZuString iError;
};

#endif // ZULEXOPTIONS_H
