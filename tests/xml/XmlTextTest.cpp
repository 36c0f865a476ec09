#include "XmlText.h"
#include "XmlUtil.h"
#include "TestFiles.h"
#include "ZuString.h"

#include <gtest/gtest.h>
#include <string>
#include <tinyxml.h>

TEST(XmlText, DepthCountsElementsOnly)
{
    auto within = [](const std::string& xml, int depth) {
        return CXmlText::DepthWithin(xml.data(), static_cast<int>(xml.size()), depth);
    };
    EXPECT_TRUE(within("<a><b><c/></b></a>", 2));
    EXPECT_FALSE(within("<a><b><c></c></b></a>", 2));
    EXPECT_TRUE(within("<a><b x='>' y=\"<c>\"></b><b></b></a>", 2));
    EXPECT_TRUE(within("<?xml version=\"1.0\"?><!-- <x><y><z> --><a><![CDATA[<p><q><r>]]></a>", 1));
    EXPECT_TRUE(within("", 0));
}

// The parser would step over a cut-off character and past the end of the text.
TEST(XmlText, TextThatIsNotUtf8IsNotParsed)
{
    for (std::string xml : {std::string("<course><item file=\"a\">\xE6"), std::string("<c\xE6\xA0"),
                            std::string("<course><item file=\"a\">\xFF</item></course>"),
                            std::string("<course>\xC0\xAF</course>")})
    {
        TiXmlDocument document;
        EXPECT_FALSE(CXmlText::Parse(document, xml.c_str(), static_cast<int>(xml.size()))) << xml;
    }
    TiXmlDocument document;
    std::string chinese = "<course><item file=\"a\">核心词汇</item></course>";
    EXPECT_TRUE(CXmlText::Parse(document, chinese.c_str(), static_cast<int>(chinese.size())));
}

TEST(XmlText, ParseNeedsTheTerminatingZeroAndARoot)
{
    TiXmlDocument document;
    std::string xml = "<ZuLex/>";
    EXPECT_TRUE(CXmlText::Parse(document, xml.c_str(), static_cast<int>(xml.size())));
    TiXmlDocument unterminated;
    char bytes[] = {'<', 'a', '/', '>', 'x'};
    EXPECT_FALSE(CXmlText::Parse(unterminated, bytes, 4));
    TiXmlDocument empty;
    EXPECT_FALSE(CXmlText::Parse(empty, "", 0));
    EXPECT_FALSE(CXmlText::Parse(empty, nullptr, 0));
}

TEST(XmlText, ParseFileReadsWholeBoundedFiles)
{
    CTempFolder folder;
    std::string xml = "<form>\n<row/>\n</form>\n";
    WriteFileBytes(folder.File("a.xml"), std::vector<unsigned char>(xml.begin(), xml.end()));
    TiXmlDocument document;
    CZuString error;
    EXPECT_TRUE(CXmlText::ParseFile(document, CZuString(folder.File("a.xml").c_str()), 1000, &error));
    TiXmlDocument small;
    EXPECT_FALSE(CXmlText::ParseFile(small, CZuString(folder.File("a.xml").c_str()), 10, &error));
    TiXmlDocument missing;
    EXPECT_FALSE(CXmlText::ParseFile(missing, CZuString(folder.File("none.xml").c_str()), 1000, &error));
    EXPECT_FALSE(error.IsEmpty());
}

// A parse error names its line, so that a fault in a form file can be found.
TEST(XmlText, ParseErrorSaysWhichLine)
{
    std::string xml = "<form>\n<row>\n<button></row>\n</form>";
    TiXmlDocument document;
    CZuString error;
    EXPECT_FALSE(CXmlText::Parse(document, xml.c_str(), static_cast<int>(xml.size()), &error));
    EXPECT_EQ(0, std::string(error.PtrZ()).find("line 3")) << error.PtrZ();
}

TEST(XmlUtil, ElementPathsStartAtTheRoot)
{
    std::string xml = "<ZuLex><version>1.0.5</version><desc>new</desc><desc>second</desc>"
                      "<a><b><c>deep</c></b></a></ZuLex>";
    TiXmlDocument document;
    ASSERT_TRUE(CXmlText::Parse(document, xml.c_str(), static_cast<int>(xml.size())));
    TiXmlElement* version = CXmlUtil::GetElementFromDoc(document, "ZuLex\\version");
    ASSERT_NE(version, nullptr);
    EXPECT_STREQ(version->GetText(), "1.0.5");
    EXPECT_STREQ(CXmlUtil::GetElementFromDoc(document, "ZuLex\\desc")->GetText(), "new");
    EXPECT_STREQ(CXmlUtil::GetElementFromDoc(document, "ZuLex\\a\\b\\c")->GetText(), "deep");
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "ZuLex")->ValueStr(), "ZuLex");
}

TEST(XmlUtil, AbsentStepsAndEmptyStepsGiveNull)
{
    std::string xml = "<course><item file=\"a\">A</item></course>";
    TiXmlDocument document;
    ASSERT_TRUE(CXmlText::Parse(document, xml.c_str(), static_cast<int>(xml.size())));
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "item"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "course\\items"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "course\\item\\x"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "course\\\\item"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "\\course"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, "course\\"), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, ""), nullptr);
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(document, nullptr), nullptr);
    TiXmlDocument empty;
    EXPECT_EQ(CXmlUtil::GetElementFromDoc(empty, "course"), nullptr);
    EXPECT_STREQ(CXmlUtil::GetElementFromDoc(document, "course\\item")->Attribute("file"), "a");
}
