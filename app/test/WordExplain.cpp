#include "WordExplain.h"

CWordExplain::CWordExplain() : iChoices(true), iAnswer(0), iRight(false) {}

CWordExplain::~CWordExplain() {}

void CWordExplain::SetChoices(const CZuString* choices, int count, int answer)
{
    iChoices.DeleteAll();
    for (int i = 0; i < count; ++i)
        iChoices.Append(new CZuString(choices[i]));
    iAnswer = answer;
    iRight = false;
}

const CZuString& CWordExplain::Choice(int i) const
{
    return *static_cast<CZuString*>(iChoices.GetAt(i));
}

CZuString CWordExplain::ChoiceText(const CZuString& explanation)
{
    // The first break joins the first two lines on one row; later ones still break rows.
    int at = explanation.Find(CZuString("\\n"));
    if (at < 0)
        return explanation;
    return explanation.Left(at) + "  " + explanation.Mid(at + 2);
}
