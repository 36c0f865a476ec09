#include "ZuCbaData.h"

CZuCbaData::CZuCbaData() : iLeft(new CZuCbaButtonData), iRight(new CZuCbaButtonData) {}

CZuCbaData::~CZuCbaData()
{
    delete iLeft;
    delete iRight;
}

void CZuCbaData::SetCba(int leftCmd, const CZuString& leftName, int rightCmd, const CZuString& rightName)
{
    iLeft->Set(leftCmd, leftName);
    iRight->Set(rightCmd, rightName);
}
