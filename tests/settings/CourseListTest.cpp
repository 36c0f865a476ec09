#include "SettingsTestSupport.h"

#include "Course.h"
#include "CourseList.h"
#include "XmlText.h"
#include "ZuObjectList.h"

#include <memory>
#include <sys/stat.h>
#include <tinyxml.h>
#include <utility>

namespace
{

typedef std::vector<std::pair<std::string, std::string>> TEntries;

TEntries EntriesOf(CZuObjectList* list)
{
    TEntries entries;
    for (int i = 0; i < list->GetCount(); ++i)
    {
        CCourse* course = static_cast<CCourse*>(list->GetAt(i));
        entries.emplace_back(Text(course->iName), Text(course->iFile));
    }
    delete list;
    return entries;
}

const TEntries KOnlyTheBook = {{"生词本", "newword"}};

class CourseListTest : public SettingsTest
{
protected:
    TEntries Loaded() { return EntriesOf(CCourseList::Load()); }
    TEntries Parsed(const std::string& xml)
    {
        return EntriesOf(CCourseList::Parse(xml.data(), static_cast<int>(xml.size())));
    }
};

TEST_F(CourseListTest, ItemsInDocumentOrderThenTheNewWordBook)
{
    WriteCourseList();
    EXPECT_EQ((TEntries{{"核心词汇", "core"}, {"日常用语", "daily"}, {"生词本", "newword"}}), Loaded());
}

TEST_F(CourseListTest, ItemsWithoutNameOrFileAreSkipped)
{
    EXPECT_EQ((TEntries{{"B", "b"}, {"生词本", "newword"}}),
              Parsed("<course><item file=\"a\"></item><item file=\"b\">B</item><item>C</item>"
                     "<item file=\"\">D</item><item file=\"e\"><sub/>E</item></course>"));
}

TEST_F(CourseListTest, ItemsThatNameFilesOutsideTheCourseFolderAreSkipped)
{
    EXPECT_EQ((TEntries{{"ok", "ok"}, {"生词本", "newword"}}),
              Parsed("<course><item file=\"../Word\">x</item><item file=\"/etc/passwd\">y</item>"
                     "<item file=\"a\\b\">z</item><item file=\"ok\">ok</item></course>"));
}

TEST_F(CourseListTest, OnlyItemElementsUnderTheCourseRootCount)
{
    EXPECT_EQ((TEntries{{"A", "a"}, {"C", "c"}, {"生词本", "newword"}}),
              Parsed("<course><!-- a comment --><item file=\"a\">A</item><note file=\"b\">B</note>"
                     "<item file=\"c\">C</item></course>"));
    EXPECT_EQ(KOnlyTheBook, Parsed("<courses><item file=\"a\">A</item></courses>"));
}

TEST_F(CourseListTest, MissingFileGivesTheNewWordBookAlone)
{
    EXPECT_EQ(KOnlyTheBook, Loaded());
}

TEST_F(CourseListTest, UnreadableFileGivesTheNewWordBookAlone)
{
    ASSERT_EQ(0, mkdir(CourseFile("Course.xml").c_str(), 0755));
    EXPECT_EQ(KOnlyTheBook, Loaded());
}

TEST_F(CourseListTest, OversizedFileIsNotRead)
{
    std::string xml = "<course><item file=\"a\">A</item></course>";
    WriteCourseList(xml + std::string(CCourseList::KMaxFileSize - xml.size(), ' '));
    EXPECT_EQ(2u, Loaded().size());
    WriteCourseList(xml + std::string(CCourseList::KMaxFileSize - xml.size() + 1, ' '));
    EXPECT_EQ(KOnlyTheBook, Loaded());
}

TEST_F(CourseListTest, MalformedTruncatedOrEmptyFileGivesTheNewWordBookAlone)
{
    std::string xml = "<course><item file=\"a\">A</item><item file=\"b\">B</item></course>";
    for (size_t cut = 0; cut < xml.size(); ++cut)
    {
        TEntries entries = Parsed(xml.substr(0, cut));
        EXPECT_EQ(KOnlyTheBook, entries) << cut;
    }
    EXPECT_EQ(KOnlyTheBook, Parsed("<course><item file=a>A</course>"));
    EXPECT_EQ(KOnlyTheBook, Parsed(std::string("\0<course/>", 10)));
    EXPECT_EQ(KOnlyTheBook, EntriesOf(CCourseList::Parse(nullptr, 0)));
}

TEST_F(CourseListTest, DeeplyNestedDocumentIsRefusedBeforeParsing)
{
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    EXPECT_EQ(KOnlyTheBook, Parsed("<course>" + deep));
    EXPECT_FALSE(CXmlText::DepthWithin(deep.data(), static_cast<int>(deep.size()), CXmlText::KMaxDepth));
}

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

TEST_F(CourseListTest, ReadOnlyCourseFolderIsRead)
{
    WriteCourseList();
    MakeReadOnly(iData.Path());
    EXPECT_TRUE(RunWithoutPrivileges([] {
        CZuObjectList* list = CCourseList::Load();
        bool read = list->GetCount() == 3;
        delete list;
        return read;
    }));
}

} // namespace
