#ifndef ZUENGINECALLBACK_H
#define ZUENGINECALLBACK_H

// An application engine the UI manager keeps for the application (CZuUiManager::SetEngine); the toolkit
// itself never calls it.
class MZuEngineCallback
{
public:
    virtual ~MZuEngineCallback() {}
};

#endif // ZUENGINECALLBACK_H
