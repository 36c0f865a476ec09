#include "ZuMessage.h"

CZuMessage::CZuMessage() : iReceiver(nullptr), iType(0), iParam1(0), iParam2(0) {}

CZuMessage::CZuMessage(MZuMessageWnd* receiver, unsigned type, uintptr_t param1, uintptr_t param2,
                       const CZuPoint& point)
    : iReceiver(receiver), iType(type), iParam1(param1), iParam2(param2), iPoint(point)
{
}

CZuMessage::~CZuMessage() {}
