#include "ZuXmlForm.h"

#include "ZuLayout.h"
#include "ZuXmlAttributes.h"
#include "ZuXmlBuilder.h"
#include "ZuXmlKinds.h"
#include "ZuXmlNames.h"
#include "ZuXmlReport.h"

#include <tinyxml.h>

struct TZuXmlFormData
{
    CZuXmlReport iReport;
    CZuXmlNames iNames;
    // Owned by the form as its first layout.
    CZuLayout* iLayout = nullptr;
};

CZuXmlForm::CZuXmlForm(CZuControl* parent) : CZuControl(parent, true, EZuCtrlPane), iData(new TZuXmlFormData)
{
    Clear();
}

CZuXmlForm::~CZuXmlForm()
{
    delete iData;
}

void CZuXmlForm::SetContainer(CZuControl*, CZuLayout*) {}

void CZuXmlForm::Clear()
{
    DeleteAllControl();
    DeleteAllLayout();
    iData->iNames.Clear();
    iData->iLayout = new CZuLayout;
    AddLayout(iData->iLayout);
}

bool CZuXmlForm::LoadForm(const CZuString& path)
{
    Clear();
    TiXmlDocument document;
    return Build(CZuXmlBuilder::OpenRoot(document, path, "form", iData->iReport));
}

bool CZuXmlForm::LoadFormText(const char* text, int length, const CZuString& label)
{
    Clear();
    TiXmlDocument document;
    return Build(CZuXmlBuilder::OpenText(document, text, length, label, "form", iData->iReport));
}

bool CZuXmlForm::Build(const TiXmlElement* root)
{
    if (!root)
        return false;
    CZuXmlBuilder builder(iData->iReport, iData->iNames);
    CZuXmlAttributes attributes(*root, iData->iReport);
    builder.ReadControl(attributes, *this);
    CZuXmlBuilder::ReadContainer(attributes, *this, *iData->iLayout);
    attributes.Finish();
    builder.BuildRows(*root, *this, *iData->iLayout);
    SizeChanged();
    return !iData->iReport.HasFaults();
}

CZuControl* CZuXmlForm::GetControl(const CZuString& name) const
{
    return iData->iNames.Control(name);
}

CZuLayout* CZuXmlForm::GetLayout(const CZuString& name) const
{
    return iData->iNames.Layout(name);
}

CZuLayout* CZuXmlForm::GetFormLayout() const
{
    return iData->iLayout;
}

bool CZuXmlForm::KnowsKind(const char* element)
{
    return FindXmlKind(element) != nullptr;
}

int CZuXmlForm::GetFaultCount() const
{
    return static_cast<int>(iData->iReport.Faults().size());
}

const CZuString& CZuXmlForm::GetFault(int index) const
{
    return iData->iReport.Faults().at(index);
}

CZuSize CZuXmlForm::GetMinSize()
{
    CZuSize rows = iData->iLayout->GetActSize();
    const CZuMargin& inner = InnerMargin();
    int frame = 2 * GetBorderWidth();
    return CZuSize(rows.iWidth + inner.iLeft + inner.iRight + frame, rows.iHeight + inner.iTop + inner.iBottom + frame);
}

void CZuXmlForm::SizeChanged()
{
    iData->iLayout->SetRect(InnerRect());
    iData->iLayout->DoLayout();
}
