// zulex-course info [--check] DIR/NAME: word count and file sizes; --check verifies every word.
#include "CourseChecker.h"
#include "CourseCommands.h"
#include "CourseOper.h"
#include "CoursePath.h"

#include <sys/stat.h>

namespace
{

void PrintSize(FILE* out, const char* label, const CZuString& path)
{
    struct stat info;
    if (stat(Str(path), &info) != 0)
        std::fprintf(out, "%-12s %s: missing\n", label, Str(path));
    else
        std::fprintf(out, "%-12s %s: %lld bytes\n", label, Str(path), static_cast<long long>(info.st_size));
}

} // namespace

int RunInfoCommand(const TArgs& args, const TToolStreams& io)
{
    bool check = false;
    TArgs paths;
    for (const std::string& arg : args)
    {
        if (arg == "--check")
            check = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return CommandUsageError("info", io);
        else
            paths.push_back(arg);
    }
    if (paths.size() != 1)
        return CommandUsageError("info", io);

    TCoursePath path(paths[0]);
    CCourseOper course(path.iName.c_str(), path.iFolder.c_str());
    int words = CCourseOper::GetCourseWordCount(course.Name(), course.Folder());
    std::fprintf(io.iOut, "%-12s %d\n", "words", words);
    PrintSize(io.iOut, "index", course.IndexPath());
    PrintSize(io.iOut, "data", course.DataPath());
    PrintSize(io.iOut, "speech", course.SpeechPath());
    if (!check)
        return 0;

    CCourseChecker checker(path.iFolder, path.iName);
    int problems = checker.Check(io.iErr);
    if (problems > 0)
    {
        std::fprintf(io.iOut, "check failed: %d problems\n", problems);
        return 1;
    }
    std::fprintf(io.iOut, "check passed: %d words, %d clips\n", checker.Words(), checker.Clips());
    return 0;
}
