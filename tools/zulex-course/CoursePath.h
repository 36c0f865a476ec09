#ifndef COURSEPATH_H
#define COURSEPATH_H

#include <string>

// A course named on the command line as DIR/NAME: its folder (with a trailing "/") and file name. A
// trailing .idx, .dat or .pro is taken off, so any of the three files can name the course.
struct TCoursePath
{
    explicit TCoursePath(const std::string& argument);

    std::string iFolder;
    std::string iName;
};

#endif // COURSEPATH_H
