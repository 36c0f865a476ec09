#include "ZuXmlWnd.h"

#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuUiManager.h"
#include "ZuXmlAttributes.h"
#include "ZuXmlBuilder.h"
#include "ZuXmlNames.h"
#include "ZuXmlReport.h"

#include <tinyxml.h>

struct TZuXmlWndData
{
    CZuXmlReport iReport;
    CZuXmlNames iNames;
    CZuControl* iRoot = nullptr;
};

namespace
{
// The controls of a window share the platform window of the root control they are shown on.
CZuControl* PlatformRoot()
{
    CZuUiManager* manager = CZuEnv::Static() ? CZuEnv::UiManager() : nullptr;
    return manager ? manager->PlatWindow1() : nullptr;
}
} // namespace

CZuXmlWnd::CZuXmlWnd(int id, const CZuString& name) : iData(new TZuXmlWndData)
{
    SetWndID(id);
    SetWndName(name);
    // Made under the platform root for its window only: a window that is never shown must not keep a
    // parent that may go before it.
    iData->iRoot = new CZuControl(PlatformRoot(), false, EZuCtrlPane);
    iData->iRoot->SetParent(nullptr);
    SetWndLayout(new CZuLayout);
}

CZuXmlWnd::~CZuXmlWnd()
{
    CZuControl* root = iData->iRoot;
    if (root->Parent())
        root->Parent()->RemoveControl(root);
    delete root;
    delete iData;
}

void CZuXmlWnd::Clear()
{
    iData->iRoot->DeleteAllControl();
    iData->iRoot->DeleteAllLayout();
    iData->iNames.Clear();
    SetWndLayout(new CZuLayout);
}

bool CZuXmlWnd::LoadWnd(const CZuString& path)
{
    Clear();
    TiXmlDocument document;
    return Build(CZuXmlBuilder::OpenRoot(document, path, "window", iData->iReport));
}

bool CZuXmlWnd::LoadWndText(const char* text, int length, const CZuString& label)
{
    Clear();
    TiXmlDocument document;
    return Build(CZuXmlBuilder::OpenText(document, text, length, label, "window", iData->iReport));
}

bool CZuXmlWnd::Build(const TiXmlElement* element)
{
    if (!element)
        return false;
    CZuControl* root = iData->iRoot;
    CZuXmlBuilder builder(iData->iReport, iData->iNames);
    CZuXmlAttributes attributes(*element, iData->iReport);
    builder.ReadControl(attributes, *root);
    CZuXmlBuilder::ReadContainer(attributes, *root, *GetWndLayout());
    attributes.Finish();
    builder.BuildRows(*element, *root, *GetWndLayout());
    return !iData->iReport.HasFaults();
}

CZuControl* CZuXmlWnd::GetWnd()
{
    return iData->iRoot;
}

void CZuXmlWnd::SetWndRect(const CZuRect& rect)
{
    iData->iRoot->SetRect(rect);
    GetWndLayout()->SetRect(iData->iRoot->InnerRect());
    GetWndLayout()->DoLayout();
}

CZuControl* CZuXmlWnd::GetControl(const CZuString& name)
{
    CZuControl* control = iData->iNames.Control(name);
    return control ? control : CZuWnd::GetControl(name);
}

CZuLayout* CZuXmlWnd::GetLayout(const CZuString& name)
{
    CZuLayout* layout = iData->iNames.Layout(name);
    return layout ? layout : CZuWnd::GetLayout(name);
}

int CZuXmlWnd::GetFaultCount() const
{
    return static_cast<int>(iData->iReport.Faults().size());
}

const CZuString& CZuXmlWnd::GetFault(int index) const
{
    return iData->iReport.Faults().at(index);
}
