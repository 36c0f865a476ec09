#ifndef SETTINGSTESTSUPPORT_H
#define SETTINGSTESTSUPPORT_H

// The settings tests' world: a scratch data directory that the program's paths point at, with its course
// folder and course list, the program's string table loaded, and settings files built item by item.
#include "TestFiles.h"
#include "ZuString.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

typedef std::vector<unsigned char> TBytes;

inline std::string Text(const CZuString& s)
{
    return s.PtrZ() ? std::string(s.PtrZ(), static_cast<size_t>(s.Length())) : std::string();
}

// The items of a settings file, written as CZuWriteFileStream lays them out (big-endian Integers, Strings
// as their length and bytes); Blocks() wraps them in one Block.
class CSettingsItems
{
public:
    CSettingsItems& Integer(int value);
    CSettingsItems& String(const std::string& value);
    const TBytes& Items() const { return iItems; }
    TBytes Blocks() const;

private:
    TBytes iItems;
};

// The ten items in file order.
struct TSettingsValues
{
    int iFormat = 1;
    std::string iName = "Core words";
    std::string iFile = "core";
    int iGroup = 2;
    int iWord = 3;
    int iUiTransform = 0;
    int iCountPerGroup = 10;
    int iWordSpeech = 1;
    int iTestRange = 3;
    std::string iTrailing = "kept";

    TBytes File() const;
};

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string DataFile(const std::string& name) const { return iData.File(name); }
    std::string CourseFile(const std::string& name) const { return iData.File("course/" + name); }
    std::string ConfigPath() const { return DataFile("Word.cfg"); }
    // Writes Course.xml with the text given, or the list of two courses "core" and "daily".
    void WriteCourseList(const std::string& xml);
    void WriteCourseList();
    void WriteConfig(const TBytes& bytes) { WriteFileBytes(ConfigPath(), bytes); }
    TBytes ConfigBytes() const { return ReadFileBytes(ConfigPath()); }

    CTempFolder iData;
};

// Runs check in a child process that may not write where its owner could not: as the user "nobody" when
// the tests run as root. True when check returned true there.
bool RunWithoutPrivileges(const std::function<bool()>& check);
// Makes path and everything under it readable by everyone and writable by no one.
void MakeReadOnly(const std::string& path);

#endif // SETTINGSTESTSUPPORT_H
