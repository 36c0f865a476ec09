// zulex-course: builds, prints and checks ZuLex word books.
#include "CourseCommands.h"

int main(int argc, char** argv)
{
    TArgs args(argv + 1, argv + argc);
    return RunCourseTool(args, TToolStreams{stdout, stderr});
}
