// The form loader's <combo>: its attributes, its <item> children and their faults.
#include "FormTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

class ComboFormTest : public CFormTest
{
protected:
    void SetUp() override
    {
        CFormTest::SetUp();
        ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin")));
    }
    bool Load(const std::string& xml) { return CFormTest::Load(xml, "Combo.xml"); }
};

TEST_F(ComboFormTest, AComboTakesItsAttributesAndItems)
{
    ASSERT_TRUE(
        Load("<form>\n"
             "  <combo name=\"fruit\" style=\"2\" prompt=\"请选择\" returns=\"name\" search=\"true\">\n"
             "    <item id=\"7\" name=\"apple\" text=\"苹果\" extra=\"pingguo\"/>\n"
             "    <item text-id=\"0x5A550004\"/>\n"
             "    <item id=\"9\" text=\"梨/pear\"/>\n"
             "  </combo>\n"
             "</form>"))
        << Faults();
    CZuComboBox* combo = iForm->GetControlAs<CZuComboBox>(CZuString("fruit"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(CZuComboBox::EStylePlain, combo->GetStyle());
    EXPECT_EQ("请选择", Text(combo->GetDefaultPrompt()));
    EXPECT_EQ(CZuComboBox::KReturnName, combo->GetSelRetType());
    EXPECT_TRUE(combo->IsPyIndex());
    ASSERT_EQ(3, combo->GetItemCount());
    EXPECT_EQ(7, combo->GetItem(0)->GetId());
    EXPECT_EQ("pingguo", Text(combo->GetItem(0)->GetExtraText()));
    // Without an id an item takes its place; without a name, the id's digits.
    EXPECT_EQ(1, combo->GetItem(1)->GetId());
    EXPECT_EQ("1", Text(combo->GetItem(1)->GetName()));
    EXPECT_EQ("确定", Text(combo->GetItem(1)->GetDisplayText()));
    combo->SetSelItemByID(7);
    EXPECT_EQ("apple", Text(combo->GetSelText()));
    combo->SetSelItemByID(9);
    EXPECT_EQ("9", Text(combo->GetSelText()));
    EXPECT_EQ("梨", Text(CZuComboBox::ShownText(combo->GetText())));
}

TEST_F(ComboFormTest, ReturnsIdGivesTheIdsDigits)
{
    ASSERT_TRUE(
        Load("<form><combo name=\"n\" returns=\"id\"><item id=\"20\" text=\"20 个\"/></combo></form>"))
        << Faults();
    CZuComboBox* combo = iForm->GetControlAs<CZuComboBox>(CZuString("n"));
    ASSERT_NE(combo, nullptr);
    combo->SetSelItemByIndex(0);
    EXPECT_EQ("20", Text(combo->GetSelText()));
    EXPECT_EQ(CZuComboBox::EStyleFilled, combo->GetStyle());
}

TEST_F(ComboFormTest, BadComboAttributesAndItemsAreReportedWithTheirLines)
{
    EXPECT_FALSE(Load("<form>\n"
                      "  <combo name=\"n\" style=\"5\" returns=\"text\">\n"
                      "    <item id=\"1\" text=\"一\" text-id=\"0x5A550004\"/>\n"
                      "    <item id=\"2\" colour=\"red\"/>\n"
                      "    <button text=\"x\"/>\n"
                      "  </combo>\n"
                      "</form>"));
    std::string faults = Faults();
    EXPECT_NE(std::string::npos, faults.find("Combo.xml:2: <combo> style=\"5\"")) << faults;
    EXPECT_NE(std::string::npos, faults.find("Combo.xml:2: <combo> returns=\"text\"")) << faults;
    EXPECT_NE(std::string::npos, faults.find("Combo.xml:3:")) << faults;
    EXPECT_NE(std::string::npos, faults.find("Combo.xml:4:")) << faults;
    EXPECT_NE(std::string::npos, faults.find("Combo.xml:5:")) << faults;
    // What could be read is built: two items, the defaults kept.
    CZuComboBox* combo = iForm->GetControlAs<CZuComboBox>(CZuString("n"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(2, combo->GetItemCount());
    EXPECT_EQ(CZuComboBox::EStyleFilled, combo->GetStyle());
    EXPECT_EQ(CZuComboBox::KReturnName, combo->GetSelRetType());
}

} // namespace
