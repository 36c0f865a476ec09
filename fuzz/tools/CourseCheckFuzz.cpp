// The course checker on an index, a data and a speech file cut from one input (see CourseInput.h). It must
// report, never crash.
#include "../course/CourseInput.h"
#include "CourseChecker.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!CourseInput::Write(data, size))
        return 0;

    FILE* report = std::fopen("/dev/null", "w");
    CCourseChecker checker(CourseInput::Folder(), "c");
    int problems = checker.Check(report);
    std::fclose(report);
    if (problems < 0 || checker.Clips() > checker.Words())
        abort();
    return 0;
}
