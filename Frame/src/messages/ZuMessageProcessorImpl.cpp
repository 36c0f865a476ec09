#include "ZuMessageProcessorImpl.h"

CZuMessageProcessorImpl::CZuMessageProcessorImpl(CZuTimerManager* timers) : CZuMessageProcessor(timers) {}

CZuMessageProcessorImpl::~CZuMessageProcessorImpl() {}
