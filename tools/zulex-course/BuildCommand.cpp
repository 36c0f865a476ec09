// zulex-course build [--no-speech] [--voice VOICE] LIST.tsv DIR/NAME
#include "CourseBuilder.h"
#include "CourseCommands.h"
#include "CoursePath.h"

int RunBuildCommand(const TArgs& args, const TToolStreams& io)
{
    CCourseBuilder::TOptions options;
    TArgs paths;
    for (size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--no-speech")
            options.iSpeech = false;
        else if (args[i] == "--voice" && i + 1 < args.size())
            options.iVoice = args[++i];
        else if (args[i].compare(0, 8, "--voice=") == 0)
            options.iVoice = args[i].substr(8);
        else if (args[i].size() > 1 && args[i][0] == '-')
            return CommandUsageError("build", io);
        else
            paths.push_back(args[i]);
    }
    if (paths.size() != 2)
        return CommandUsageError("build", io);

    TCoursePath course(paths[1]);
    if (course.iName.empty())
        return CommandUsageError("build", io);
    CCourseBuilder builder(options, io.iErr);
    int words = builder.Build(paths[0], course.iFolder, course.iName);
    if (words < 0)
    {
        std::fprintf(io.iErr, "zulex-course: %s%s not built\n", course.iFolder.c_str(), course.iName.c_str());
        return 1;
    }
    std::fprintf(io.iOut, "%s%s: %d words%s\n", course.iFolder.c_str(), course.iName.c_str(), words,
                 options.iSpeech ? "" : ", no speech");
    return 0;
}
