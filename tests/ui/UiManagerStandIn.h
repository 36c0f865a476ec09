#ifndef UIMANAGERSTANDIN_H
#define UIMANAGERSTANDIN_H

#include "ZuUi.h"

#include <string>
#include <vector>

// Test doubles for the receivers of the message queue: a receiver that records what it got, and a UI manager
// with a display stack of (control type, control, view) entries, routing as the real UI manager does.

struct TReceived
{
    std::string iWho;
    unsigned iType;
    unsigned iParam1;
};

class CRecordingReceiver : public MZuMessageWnd
{
public:
    CRecordingReceiver(const char* name, std::vector<TReceived>* log, bool handles = true)
        : iName(name), iLog(log), iHandles(handles)
    {
    }
    bool HandleMessage(CZuMessage* message) override
    {
        iLog->push_back(TReceived{iName, message->iType, static_cast<unsigned>(message->iParam1)});
        return iHandles;
    }

    std::string iName;
    std::vector<TReceived>* iLog;
    bool iHandles;
};

class CUiManagerStandIn : public MZuMessageRouter, public CRecordingReceiver
{
public:
    enum
    {
        EMenuBar = 300,
        EDialog = 301,
        EViewContainer = 302
    };

    explicit CUiManagerStandIn(std::vector<TReceived>* log) : CRecordingReceiver("ui", log, false) {}

    void Push(int controlType, MZuMessageWnd* control, MZuMessageWnd* view = nullptr)
    {
        iStack.push_back(TEntry{controlType, control, view});
    }
    void Pop() { iStack.pop_back(); }

    MZuMessageWnd* GetUiManagerReceiver() override { return this; }
    MZuMessageWnd* GetDisplayTopReceiver() override
    {
        if (iStack.empty())
            return nullptr;
        const TEntry& top = iStack.back();
        if (top.iControlType == EMenuBar || top.iControlType == EDialog)
            return top.iControl;
        if (top.iControlType == EViewContainer)
            return top.iView;
        return nullptr;
    }

private:
    struct TEntry
    {
        int iControlType;
        MZuMessageWnd* iControl;
        MZuMessageWnd* iView;
    };
    std::vector<TEntry> iStack;
};

#endif // UIMANAGERSTANDIN_H
