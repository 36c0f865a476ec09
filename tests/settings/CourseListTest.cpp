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
