#ifndef ZULEXCOURSE_H
#define ZULEXCOURSE_H

// Everything of the course library: course files, the words in them and the course list entries.
#include "Course.h"
#include "CourseOper.h"
#include "WordInfo.h"

#endif // ZULEXCOURSE_H
