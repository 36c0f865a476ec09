// Reads random bytes as a settings file "Word.cfg": every field must come out within what the screens can
// use, and what is then saved must read back the same.
#include "CourseList.h"
#include "FuzzCheck.h"
#include "WordConfig.h"
#include "ZuPathUtil.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string& ScratchFolder()
{
    static std::string folder;
    return folder;
}

void RemoveScratchFolder()
{
    const std::string& folder = ScratchFolder();
    for (const char* name : {"/Word.cfg", "/Word.cfg.tmp"})
        std::remove((folder + name).c_str());
    rmdir((folder + "/course").c_str());
    rmdir(folder.c_str());
}

// One scratch data directory (with an empty course folder) for the whole run, removed at its end.
CWordConfig& Config()
{
    static CWordConfig* config = nullptr;
    if (!config)
    {
        char folder[] = "/tmp/zulex-fuzz-settings-XXXXXX";
        Check(mkdtemp(folder) != nullptr);
        ScratchFolder() = folder;
        std::atexit(RemoveScratchFolder);
        mkdir((ScratchFolder() + "/course").c_str(), 0755);
        CZuPathUtil::SetDataDirectory(CZuString(folder));
        config = new CWordConfig;
    }
    return *config;
}

bool SameFields(const CWordConfig& a, const CWordConfig& b)
{
    return a.CurrentCourse().iName == b.CurrentCourse().iName &&
           a.CurrentCourse().iFile == b.CurrentCourse().iFile && a.Group() == b.Group() &&
           a.Word() == b.Word() && a.UiTransform() == b.UiTransform() &&
           a.CountPerGroup() == b.CountPerGroup() && a.WordSpeech() == b.WordSpeech() &&
           a.TestRange() == b.TestRange() && a.TrailingText() == b.TrailingText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(CWordConfig::KMaxFileSize))
        return 0;
    CWordConfig& config = Config();
    config.Decode(data, static_cast<int>(size));
    Check(CCourseList::IsUsableFileName(config.CurrentCourse().iFile));
    Check(config.CountPerGroup() >= 1 && config.CountPerGroup() <= CWordConfig::KMaxCountPerGroup);
    Check(config.TestRange() >= 1 && config.TestRange() <= 3);
    Check(config.Group() >= 0 && config.Word() >= 0 && config.Word() < config.CountPerGroup());
    Check(config.FirstWordOfGroup() >= 0);

    Check(config.Save());
    CWordConfig reread;
    Check(SameFields(config, reread));
    return 0;
}
