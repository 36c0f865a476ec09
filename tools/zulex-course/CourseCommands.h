#ifndef COURSECOMMANDS_H
#define COURSECOMMANDS_H

#include <cstdio>
#include <string>
#include <vector>

class CCourseOper;

typedef std::vector<std::string> TArgs;

// Where a command writes: its result to iOut, messages and progress to iErr.
struct TToolStreams
{
    FILE* iOut;
    FILE* iErr;
};

// One subcommand of zulex-course. iRun gets the arguments after the command's name and returns the exit
// status.
struct TCourseCommand
{
    const char* iName;
    const char* iUsage;
    const char* iSummary;
    int (*iRun)(const TArgs& args, const TToolStreams& io);
};

// The commands, each defined in its own <Name>Command.cpp.
int RunBuildCommand(const TArgs& args, const TToolStreams& io);
int RunDumpCommand(const TArgs& args, const TToolStreams& io);
int RunInfoCommand(const TArgs& args, const TToolStreams& io);
int RunSayCommand(const TArgs& args, const TToolStreams& io);

// Reads every word of an existing course, finishing a save that was interrupted; when the course has no
// index, says so on io.iErr and returns false.
bool LoadWholeCourse(CCourseOper& course, const TToolStreams& io);

// Picks the command named by args[0] and runs it with the rest; prints the usage for none or an unknown one.
int RunCourseTool(const TArgs& args, const TToolStreams& io);
// Prints "usage: zulex-course <usage of name>" to io.iErr and returns the status of a usage error.
int CommandUsageError(const char* name, const TToolStreams& io);

#endif // COURSECOMMANDS_H
