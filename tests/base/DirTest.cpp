#include "ZuBase.h"

#include "TestEnv.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
const std::string KReplacement = "\xEF\xBF\xBD";

void MakeFolder(const std::string& path)
{
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
}

void MakeFile(const std::string& path)
{
    WriteFileBytes(path, {'x'});
}

void MakeLink(const std::string& target, const std::string& path)
{
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0) << path;
}

struct TListed
{
    std::string iName;
    CZuDirEntry::TZuDirEntryKind iKind;
};

// The listing of a folder, or an empty list with result set.
std::vector<TListed> List(const std::string& pattern, int kinds, int order,
                          CZuDir::TZuDirResult* result = nullptr)
{
    CZuObjectList* entries = reinterpret_cast<CZuObjectList*>(1);
    CZuDir::TZuDirResult got = CZuDir::GetDir(CZuString(pattern.c_str()), kinds, order, &entries);
    if (result)
        *result = got;
    std::vector<TListed> listed;
    if (got != CZuDir::EDirOk)
    {
        EXPECT_EQ(entries, nullptr);
        return listed;
    }
    for (int i = 0; i < entries->GetCount(); ++i)
    {
        const CZuDirEntry* entry = static_cast<const CZuDirEntry*>(entries->GetAt(i));
        listed.push_back(TListed{std::string(entry->iName.PtrZ(), entry->iName.Length()), entry->Kind()});
    }
    delete entries;
    return listed;
}

std::vector<std::string> Names(const std::vector<TListed>& listed)
{
    std::vector<std::string> names;
    for (const TListed& item : listed)
        names.push_back(item.iName);
    return names;
}

std::string Text(const CZuString& s)
{
    return std::string(s.PtrZ() ? s.PtrZ() : "", s.Length());
}
} // namespace

class DirTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(iFolder.Path().empty()); }
    std::string At(const std::string& name) const { return iFolder.File(name); }
    CTempFolder iFolder;
};

TEST_F(DirTest, TheDrivesAreTheRootAndTheHomeFolder)
{
    CScopedEnv home("HOME", At("") + "/");
    CZuObjectList* drives = CZuDir::GetDriveList();
    ASSERT_NE(drives, nullptr);
    ASSERT_EQ(drives->GetCount(), 2);
    EXPECT_EQ(Text(*static_cast<CZuString*>(drives->GetAt(0))), "/");
    EXPECT_EQ(Text(*static_cast<CZuString*>(drives->GetAt(1))) + "/", At(""));
    delete drives;
}

TEST_F(DirTest, AHomeThatIsTheRootOrMissingIsNoSecondDrive)
{
    for (const std::string& home : {std::string("/"), At("gone")})
    {
        CScopedEnv as("HOME", home);
        CZuObjectList* drives = CZuDir::GetDriveList();
        EXPECT_EQ(drives->GetCount(), 1) << home;
        delete drives;
    }
}

TEST_F(DirTest, TheRootNeverBecomesADoubleSlash)
{
    CZuDir dir;
    EXPECT_TRUE(dir.IsTopLevel());
    EXPECT_EQ(Text(dir.GetDir()), "");
    EXPECT_TRUE(dir.AddDir(CZuString("/")));
    EXPECT_EQ(Text(dir.GetDir()), "/");
    EXPECT_TRUE(dir.AddDir(CZuString("usr")));
    EXPECT_EQ(Text(dir.GetDir()), "/usr/");
    EXPECT_TRUE(dir.AddDir(CZuString("lib")));
    EXPECT_EQ(Text(dir.GetDir()), "/usr/lib/");
    dir.RemoveLastDir();
    EXPECT_EQ(Text(dir.GetDir()), "/usr/");
    dir.RemoveLastDir();
    EXPECT_EQ(Text(dir.GetDir()), "/");
    dir.RemoveLastDir();
    EXPECT_TRUE(dir.IsTopLevel());
    dir.RemoveLastDir();
    EXPECT_TRUE(dir.IsTopLevel());
}

TEST_F(DirTest, GoingUpFromAHomeDriveLeadsBackToTheDrives)
{
    CZuDir dir;
    EXPECT_TRUE(dir.AddDir(CZuString("/home/ann")));
    EXPECT_EQ(Text(dir.GetDir()), "/home/ann/");
    EXPECT_TRUE(dir.AddDir(CZuString("书")));
    EXPECT_EQ(Text(dir.GetDir()), "/home/ann/书/");
    dir.RemoveLastDir();
    EXPECT_EQ(Text(dir.GetDir()), "/home/ann/");
    dir.RemoveLastDir();
    EXPECT_TRUE(dir.IsTopLevel());
}

TEST_F(DirTest, NamesThatWouldLeaveTheFolderAreRefused)
{
    CZuDir dir;
    EXPECT_FALSE(dir.AddDir(CZuString("relative")));
    EXPECT_FALSE(dir.AddFile(CZuString("file")));
    EXPECT_TRUE(dir.AddDir(CZuString("/")));
    for (const char* bad : {"", ".", "..", "a/b"})
    {
        EXPECT_FALSE(dir.AddDir(CZuString(bad))) << bad;
        EXPECT_FALSE(dir.AddFile(CZuString(bad))) << bad;
    }
    EXPECT_EQ(Text(dir.GetDir()), "/");
}

TEST_F(DirTest, AFileIsAddedAndTakenOffAgain)
{
    CZuDir dir;
    dir.SetDir(CZuString("/tmp"));
    EXPECT_EQ(Text(dir.GetDir()), "/tmp/");
    EXPECT_TRUE(dir.AddFile(CZuString("notes.txt")));
    EXPECT_EQ(Text(dir.GetDir()), "/tmp/notes.txt");
    EXPECT_FALSE(dir.AddDir(CZuString("more")));
    dir.RemoveLastDir();
    EXPECT_EQ(Text(dir.GetDir()), "/tmp/");
    dir.SetDir(CZuString("/var//"));
    EXPECT_EQ(Text(dir.GetDir()), "/var/");
    dir.SetDir(CZuString(""));
    EXPECT_TRUE(dir.IsTopLevel());
}

TEST_F(DirTest, SetDirBelowTheHomeFolderGoesUpToItsDrive)
{
    CScopedEnv home("HOME", At("home"));
    MakeFolder(At("home"));
    CZuDir dir;
    dir.SetDir(CZuString((At("home") + "/a").c_str()));
    dir.RemoveLastDir();
    EXPECT_EQ(Text(dir.GetDir()), At("home") + "/");
    dir.RemoveLastDir();
    EXPECT_TRUE(dir.IsTopLevel());
}

TEST_F(DirTest, OddNamesAreListedLiterally)
{
    const std::vector<std::string> odd = {"back\\slash", "star*",       "[bracket]",
                                          "line\nbreak", "bad\xFF\xFE", "中文"};
    for (const std::string& name : odd)
        MakeFile(At(name));
    MakeFolder(At("*"));
    std::vector<std::string> names = Names(List(At("*"), CZuDir::EListAll, CZuDir::EOrderDirsFirst));
    ASSERT_EQ(names.size(), odd.size() + 1);
    EXPECT_EQ(names[0], "*");
    for (const std::string& name : odd)
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    // A star in the folder's own name is a character, not a wildcard.
    MakeFile(At("*/inside"));
    EXPECT_EQ(Names(List(At("*/*"), CZuDir::EListAll, 1)), std::vector<std::string>{"inside"});
    // A name after the folder is one name, taken literally.
    EXPECT_EQ(Names(List(At("star*"), CZuDir::EListAll, 1)), std::vector<std::string>{"star*"});
    EXPECT_EQ(Names(List(At("[bracket]"), CZuDir::EListAll, 1)), std::vector<std::string>{"[bracket]"});
    EXPECT_TRUE(List(At("st*"), CZuDir::EListAll, 1).empty());
}

TEST_F(DirTest, FoldersComeFirstThenNamesWithoutRegardToCase)
{
    for (const char* file : {"b.txt", "A.txt", "a.txt", "C.txt", "_x"})
        MakeFile(At(file));
    for (const char* folder : {"zoo", "Apple", "mid"})
        MakeFolder(At(folder));
    EXPECT_EQ(Names(List(At("*"), CZuDir::EListAll, CZuDir::EOrderDirsFirst)),
              (std::vector<std::string>{"Apple", "mid", "zoo", "_x", "A.txt", "a.txt", "b.txt", "C.txt"}));
}

TEST_F(DirTest, KindsAreFilteredAndLinksLookedThroughOnce)
{
    MakeFolder(At("folder"));
    MakeFile(At("file"));
    MakeFile(At(".hidden"));
    MakeLink("folder", At("to-folder"));
    MakeLink("file", At("to-file"));
    MakeLink("nowhere", At("dangling"));
    MakeLink("loop", At("loop"));
    MakeLink("round-b", At("round-a"));
    MakeLink("round-a", At("round-b"));
    std::vector<TListed> all = List(At("*"), CZuDir::EListAll, CZuDir::EOrderDirsFirst);
    std::vector<std::string> names = Names(all);
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "to-folder", ".hidden", "dangling", "file", "loop",
                                               "round-a", "round-b", "to-file"}));
    for (const TListed& item : all)
    {
        if (item.iName == "to-folder")
        {
            EXPECT_EQ(item.iKind, CZuDirEntry::EKindLinkToDir);
        }
        else if (item.iName == "to-file")
        {
            EXPECT_EQ(item.iKind, CZuDirEntry::EKindLinkToFile);
        }
        else if (item.iName == "dangling" || item.iName == "loop" || item.iName == "round-a")
        {
            EXPECT_EQ(item.iKind, CZuDirEntry::EKindBrokenLink) << item.iName;
        }
    }
    EXPECT_EQ(Names(List(At("*"), CZuDir::EListDirs | CZuDir::EListLinks, 1)),
              (std::vector<std::string>{"folder", "to-folder"}));
    EXPECT_EQ(Names(List(At("*"), CZuDir::EListDirs, 1)), std::vector<std::string>{"folder"});
    EXPECT_EQ(Names(List(At("*"), CZuDir::EListFiles, 1)), std::vector<std::string>{"file"});
}

TEST_F(DirTest, AnEmptyFolderListsNothing)
{
    MakeFolder(At("empty"));
    CZuDir::TZuDirResult result = CZuDir::EDirFailed;
    EXPECT_TRUE(List(At("empty/*"), CZuDir::EListAll, 1, &result).empty());
    EXPECT_EQ(result, CZuDir::EDirOk);
}

TEST_F(DirTest, FoldersThatCannotBeListedSayWhy)
{
    MakeFile(At("file"));
    MakeLink("loop", At("loop"));
    CZuDir::TZuDirResult result = CZuDir::EDirOk;
    List(At("missing/*"), CZuDir::EListAll, 1, &result);
    EXPECT_EQ(result, CZuDir::EDirNotFound);
    List(At("file/*"), CZuDir::EListAll, 1, &result);
    EXPECT_EQ(result, CZuDir::EDirNotDir);
    List(At("loop/*"), CZuDir::EListAll, 1, &result);
    EXPECT_EQ(result, CZuDir::EDirBadPath);
    List("no-slash", CZuDir::EListAll, 1, &result);
    EXPECT_EQ(result, CZuDir::EDirNotFound);
    EXPECT_EQ(CZuDir::GetDir(CZuString("/"), CZuDir::EListAll, 1, nullptr), CZuDir::EDirNotFound);
}

TEST_F(DirTest, AFolderWithoutPermissionIsNotListed)
{
    MakeFolder(At("locked"));
    MakeFile(At("locked/secret"));
    ASSERT_EQ(chmod(At("locked").c_str(), 0), 0);
    ASSERT_EQ(chmod(At("").c_str(), 0755), 0);
    const std::string pattern = At("locked/*");
    auto check = [&pattern]
    {
        CZuObjectList* entries = nullptr;
        return CZuDir::GetDir(CZuString(pattern.c_str()), CZuDir::EListAll, 1, &entries) ==
                   CZuDir::EDirNoAccess &&
               entries == nullptr;
    };
    ExpectHoldsUnprivileged(check);
    chmod(At("locked").c_str(), 0755);
}

TEST(DirEntryTest, DisplayNamesReplaceBadBytesAndControlCharacters)
{
    EXPECT_EQ(Text(CZuDirEntry(CZuString("中文 name"), CZuDirEntry::EKindFile).DisplayName()), "中文 name");
    EXPECT_EQ(Text(CZuDirEntry(CZuString("bad\xFF"), CZuDirEntry::EKindFile).DisplayName()),
              "bad" + KReplacement);
    EXPECT_EQ(Text(CZuDirEntry(CZuString("a\nb\tc"), CZuDirEntry::EKindFile).DisplayName()),
              "a" + KReplacement + "b" + KReplacement + "c");
    // A C1 control written as two bytes, and a lone continuation byte.
    EXPECT_EQ(Text(CZuDirEntry::DisplayText(CZuString("x\xC2\x85y\x80"))),
              "x" + KReplacement + "y" + KReplacement);
    EXPECT_EQ(Text(CZuDirEntry::DisplayText(CZuString("back\\slash*[x]"))), "back\\slash*[x]");
    CZuDirEntry dir(CZuString(".config"), CZuDirEntry::EKindLinkToDir);
    EXPECT_TRUE(dir.IsDir());
    EXPECT_TRUE(dir.IsLink());
    EXPECT_TRUE(dir.IsHidden());
}

TEST(DirEntryTest, SortingPutsFoldersFirstInALargeList)
{
    CZuObjectList entries(true);
    const int count = 20000;
    for (int i = count - 1; i >= 0; --i)
    {
        char name[16];
        std::snprintf(name, sizeof(name), "n%05d", i);
        entries.Append(
            new CZuDirEntry(CZuString(name), i % 3 == 0 ? CZuDirEntry::EKindDir : CZuDirEntry::EKindFile));
    }
    CZuDir::SortDirsFirst(entries);
    const int dirs = (count + 2) / 3;
    for (int i = 0; i < count; ++i)
    {
        const CZuDirEntry* entry = static_cast<const CZuDirEntry*>(entries.GetAt(i));
        ASSERT_EQ(entry->IsDir(), i < dirs) << i;
        if (i == 0 || i == dirs)
            continue;
        ASSERT_LT(std::string(static_cast<const CZuDirEntry*>(entries.GetAt(i - 1))->iName.PtrZ()),
                  std::string(entry->iName.PtrZ()));
    }
}
