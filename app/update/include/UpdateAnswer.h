#ifndef UPDATEANSWER_H
#define UPDATEANSWER_H

#include "UpdateVerdict.h"

class CZuHttpAnswer;
class CZuVersion;

// Reads the update server's answer, the document ZuLexUpdate.xml:
//
//   <ZuLex>
//     <version>1.0.5</version>       the newest version, one to four numbers separated by dots
//     <desc>What is new ...</desc>   shown to the learner when that version is newer
//   </ZuLex>
class CUpdateAnswer
{
public:
    // The verdict on the length bytes of an update document at text (followed by a zero byte) for a
    // program of version ownVersion.
    static TUpdateVerdict Judge(const char* text, int length, const CZuString& ownVersion);
    // The verdict on a request's answer: failed transfers by their kind, answers by their document.
    static TUpdateVerdict Judge(const CZuHttpAnswer& answer, const CZuString& ownVersion);
    // Reads "a", "a.b", "a.b.c" or "a.b.c.d" (decimal numbers) into version; false for anything else.
    static bool ReadVersion(const CZuString& text, CZuVersion& version);
};

#endif // UPDATEANSWER_H
