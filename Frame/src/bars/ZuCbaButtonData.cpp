#include "ZuCbaButtonData.h"

CZuCbaButtonData::CZuCbaButtonData() : iCommand(0) {}

CZuCbaButtonData::~CZuCbaButtonData() {}

void CZuCbaButtonData::Set(int command, const CZuString& name)
{
    iCommand = command;
    iName = name;
}
