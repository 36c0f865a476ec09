#ifndef ZUMESSAGEPROCESSORIMPL_H
#define ZUMESSAGEPROCESSORIMPL_H

#include "ZuMessageProcessor.h"

// The message processor the environment owns.
class CZuMessageProcessorImpl : public CZuMessageProcessor
{
public:
    explicit CZuMessageProcessorImpl(CZuTimerManager* timers);
    ~CZuMessageProcessorImpl() override;
};

#endif // ZUMESSAGEPROCESSORIMPL_H
