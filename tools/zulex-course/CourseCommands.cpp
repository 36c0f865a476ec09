#include "CourseCommands.h"

#include "CourseOper.h"
#include "ZuFile.h"

#include <cstring>

namespace
{

const int KUsageError = 2;

const TCourseCommand KCommands[] = {
    {"build", "build [--no-speech] [--voice VOICE] LIST.tsv DIR/NAME",
     "makes DIR/NAME.idx, .dat and .pro from a word list; VOICE is an espeak-ng voice or language\n"
     "      (default en-gb-x-rp, British English)",
     RunBuildCommand},
    {"dump", "dump DIR/NAME", "prints a course as a word list", RunDumpCommand},
    {"info", "info [--check] DIR/NAME", "prints the word count and file sizes; --check verifies every word",
     RunInfoCommand},
    {"say", "say DIR/NAME WORD [--wav OUT.wav]",
     "plays the pronunciation of a word; --wav writes it to a WAV file instead", RunSayCommand},
};

const TCourseCommand* FindCommand(const std::string& name)
{
    for (const TCourseCommand& command : KCommands)
    {
        if (name == command.iName)
            return &command;
    }
    return nullptr;
}

void PrintUsage(FILE* to)
{
    std::fprintf(to, "usage:\n");
    for (const TCourseCommand& command : KCommands)
        std::fprintf(to, "  zulex-course %s\n      %s\n", command.iUsage, command.iSummary);
    std::fprintf(
        to,
        "\nA word list is UTF-8 text, one word a line, tab-separated: word, phonetic, phonetic note,\n"
        "explanation (lines separated by the two characters \\n) and an optional WAV file.\n"
        "An empty phonetic is filled in by espeak-ng. Blank lines and lines starting with # are skipped.\n");
}

} // namespace

int CommandUsageError(const char* name, const TToolStreams& io)
{
    const TCourseCommand* command = FindCommand(name);
    if (command != nullptr)
        std::fprintf(io.iErr, "usage: zulex-course %s\n", command->iUsage);
    return KUsageError;
}

int RunCourseTool(const TArgs& args, const TToolStreams& io)
{
    if (args.empty())
    {
        PrintUsage(io.iErr);
        return KUsageError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
    {
        PrintUsage(io.iOut);
        return 0;
    }
    const TCourseCommand* command = FindCommand(args[0]);
    if (command == nullptr)
    {
        std::fprintf(io.iErr, "zulex-course: unknown command '%s'\n", args[0].c_str());
        PrintUsage(io.iErr);
        return KUsageError;
    }
    return command->iRun(TArgs(args.begin() + 1, args.end()), io);
}

bool LoadWholeCourse(CCourseOper& course, const TToolStreams& io)
{
    // Also finishes a save that was interrupted.
    CCourseOper::GetCourseWordCount(course.Name(), course.Folder());
    if (!CZuFile::FileExist(course.IndexPath()))
    {
        std::fprintf(io.iErr, "zulex-course: %s cannot be opened\n", Str(course.IndexPath()));
        return false;
    }
    course.LoadAll();
    return true;
}
