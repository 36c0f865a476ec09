#ifndef UPDATEVERDICT_H
#define UPDATEVERDICT_H

#include "ZuString.h"

// What an update check found, and what the learner is told: a newer version with its description, no
// newer version, or why the check failed. A failure never reads as "no newer version".
struct TUpdateVerdict
{
    enum TKind
    {
        ENewer,
        ENotNewer,
        // No server reached: no name, no answer at its address, a broken transfer or a bad address.
        ENoServer,
        ETimeout,
        // An answer that is no update document: a status other than 200, too large, too many redirects,
        // not XML, or without a version.
        EBadAnswer
    };

    TKind iKind = EBadAnswer;
    // The newer version's number and description, as the update document gives them.
    CZuString iVersion;
    CZuString iDescription;

    bool Failed() const { return iKind != ENewer && iKind != ENotNewer; }
    // The app string the learner reads (a TZuLexString); 0 when it is the description itself.
    int TextId() const;
    // The text the learner reads, from the program's string table.
    CZuString Text() const;
};

#endif // UPDATEVERDICT_H
