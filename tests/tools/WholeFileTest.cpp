// The tools' whole-file reads and writes: a failed write leaves the old file and nothing beside it.
#include "WholeFile.h"
#include "../ui/StringsTestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(WholeFileTest, ReadsEveryByteIntoEitherKindOfBuffer)
{
    CTempFolder folder;
    std::string bytes("a\0b\r\n\xff", 6);
    WriteBytes(folder.File("f"), bytes);
    std::string text = "old";
    ASSERT_TRUE(ReadFileWhole(folder.File("f"), text));
    EXPECT_EQ(text, bytes);
    std::vector<unsigned char> raw(3, 7);
    ASSERT_TRUE(ReadFileWhole(folder.File("f"), raw));
    EXPECT_EQ(raw, std::vector<unsigned char>(bytes.begin(), bytes.end()));

    WriteBytes(folder.File("empty"), "");
    ASSERT_TRUE(ReadFileWhole(folder.File("empty"), text));
    EXPECT_TRUE(text.empty());
}

TEST(WholeFileTest, MissingFilesAndFoldersCannotBeRead)
{
    CTempFolder folder;
    std::string text;
    EXPECT_FALSE(ReadFileWhole(folder.File("missing"), text));
    std::vector<unsigned char> raw;
    EXPECT_FALSE(ReadFileWhole(folder.Path(), raw));
}

TEST(WholeFileTest, WritesReplaceTheOldFileWhole)
{
    CTempFolder folder;
    ASSERT_TRUE(WriteFileWhole(folder.File("out"), "first version"));
    EXPECT_EQ(ReadBytes(folder.File("out")), "first version");
    ASSERT_TRUE(WriteFileWhole(folder.File("out"), std::string("2\0nd", 4)));
    EXPECT_EQ(ReadBytes(folder.File("out")), std::string("2\0nd", 4));
    EXPECT_FALSE(FileExists(folder.File("out.tmp")));
}

TEST(WholeFileTest, AFailedWriteKeepsTheOldFileAndLeavesNothingBeside)
{
    CTempFolder folder;
    EXPECT_FALSE(WriteFileWhole(folder.File("no/such/folder/out"), "bytes"));

    // The target is a folder: the new file is written beside it but cannot take its place.
    ASSERT_EQ(mkdir(folder.File("taken").c_str(), 0700), 0);
    EXPECT_FALSE(WriteFileWhole(folder.File("taken"), "bytes"));
    EXPECT_FALSE(FileExists(folder.File("taken.tmp")));
    struct stat info;
    ASSERT_EQ(stat(folder.File("taken").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}
