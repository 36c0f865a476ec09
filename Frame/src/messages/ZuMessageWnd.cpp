#include "ZuMessageWnd.h"

#include "ZuMessageProcessor.h"

MZuMessageWnd::~MZuMessageWnd()
{
    CZuMessageProcessor::DropMessagesForAll(this);
}
