#ifndef FORMTESTSUPPORT_H
#define FORMTESTSUPPORT_H

// A form loaded from text onto a parent on a test UI manager, laid out in 300 x 200; its faults (and the
// log) kept in a scratch folder for a failure to show.
#include "TestFiles.h"
#include "UiTestSupport.h"
#include "ZuXml.h"

#include <gtest/gtest.h>
#include <string>

inline std::string Text(const CZuString& text)
{
    return text.PtrZ() ? std::string(text.PtrZ(), text.Length()) : std::string();
}

class CFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CZuLog::SetLogDirectory(CZuString(iFolder.Path().c_str()));
        iParent = new CZuControl(nullptr, false, EZuCtrlPane);
        iForm = new CZuXmlForm(iParent);
    }
    void TearDown() override
    {
        delete iParent;
        CZuLog::SetLogDirectory(CZuString());
    }
    // Loads xml as the form file name (its faults say that name).
    bool Load(const std::string& xml, const char* name = "Test.xml")
    {
        bool loaded = iForm->LoadFormText(xml.c_str(), static_cast<int>(xml.size()), CZuString(name));
        iForm->SetRect(CZuRect(0, 0, 300, 200));
        return loaded;
    }
    std::string Faults() const
    {
        std::string all;
        for (int i = 0; i < iForm->GetFaultCount(); ++i)
            all += Text(iForm->GetFault(i)) + "\n";
        return all;
    }
    bool HasFault(const std::string& part) const { return Faults().find(part) != std::string::npos; }

    CTempFolder iFolder;
    CTestUiManager iUi;
    CZuControl* iParent = nullptr;
    CZuXmlForm* iForm = nullptr;
};

#endif // FORMTESTSUPPORT_H
