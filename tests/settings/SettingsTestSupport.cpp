#include "SettingsTestSupport.h"

#include "ZuEnv.h"
#include "ZuPathUtil.h"
#include "ZuStringManager.h"

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

const uid_t KNobody = 65534;

void AppendBigEndian(TBytes& bytes, unsigned int value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

} // namespace

CSettingsItems& CSettingsItems::Integer(int value)
{
    AppendBigEndian(iItems, static_cast<unsigned int>(value));
    return *this;
}

CSettingsItems& CSettingsItems::String(const std::string& value)
{
    AppendBigEndian(iItems, static_cast<unsigned int>(value.size()));
    iItems.insert(iItems.end(), value.begin(), value.end());
    return *this;
}

TBytes CSettingsItems::Blocks() const
{
    TBytes file;
    AppendBigEndian(file, static_cast<unsigned int>(iItems.size()));
    file.insert(file.end(), iItems.begin(), iItems.end());
    return file;
}

TBytes TSettingsValues::File() const
{
    CSettingsItems items;
    items.Integer(iFormat).String(iName).String(iFile).Integer(iGroup).Integer(iWord).Integer(iUiTransform);
    items.Integer(iCountPerGroup).Integer(iWordSpeech).Integer(iTestRange).String(iTrailing);
    return items.Blocks();
}

void SettingsTest::SetUp()
{
    ASSERT_FALSE(iData.Path().empty());
    ASSERT_EQ(0, mkdir(DataFile("course").c_str(), 0755));
    CZuPathUtil::SetDataDirectory(CZuString(iData.Path().c_str()));
    CZuEnv::CreateEnv();
    ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin")));
}

void SettingsTest::TearDown()
{
    // A folder a test made read-only must be removable again.
    std::string command = "chmod -R u+w '" + iData.Path() + "'";
    EXPECT_EQ(0, std::system(command.c_str()));
    CZuEnv::DestroyEnv();
    CZuPathUtil::SetDataDirectory(CZuString());
}

void SettingsTest::WriteCourseList(const std::string& xml)
{
    WriteFileBytes(CourseFile("Course.xml"), TBytes(xml.begin(), xml.end()));
}

void SettingsTest::WriteCourseList()
{
    WriteCourseList("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<course>\n"
                    "  <item file=\"core\">核心词汇</item>\n"
                    "  <item file=\"daily\">日常用语</item>\n"
                    "</course>\n");
}

bool RunWithoutPrivileges(const std::function<bool()>& check)
{
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
    {
        if (geteuid() == 0 && (setgid(KNobody) != 0 || setuid(KNobody) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void MakeReadOnly(const std::string& path)
{
    std::string command = "chmod -R a+rX,a-w '" + path + "'";
    ASSERT_EQ(0, std::system(command.c_str()));
}
