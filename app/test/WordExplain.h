#ifndef WORDEXPLAIN_H
#define WORDEXPLAIN_H

#include "ZuObject.h"
#include "ZuObjectList.h"
#include "ZuString.h"

// One question of a test: the four explanations offered, in display order, which of them is the word's
// own, and whether the learner chose it.
class CWordExplain : public CZuObject
{
public:
    static const int KChoiceCount = 4;

    CWordExplain();
    ~CWordExplain() override;

    // Replaces the choices; answer is the position of the right one.
    void SetChoices(const CZuString* choices, int count, int answer);
    int ChoiceCount() const { return iChoices.GetCount(); }
    const CZuString& Choice(int i) const;

    // The explanation as a choice shows it: its first line break (the two characters "\n") turned into
    // two spaces, so that the first two lines share a row.
    static CZuString ChoiceText(const CZuString& explanation);

    // The explanation texts offered (owned), in display order.
    CZuObjectList iChoices;
    // Position (0 to 3) of the right explanation among the choices.
    int iAnswer;
    // Set when the learner answered this question correctly.
    bool iRight;
};

#endif // WORDEXPLAIN_H
