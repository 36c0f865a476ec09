#ifndef ZULEXSETTINGS_H
#define ZULEXSETTINGS_H

// The learner's settings, the course list and the new-word book, and the program's start-up options.
#include "CourseList.h"
#include "NewWordBook.h"
#include "WordConfig.h"
#include "ZuLexOptions.h"
#include "ZuLexText.h"

#endif // ZULEXSETTINGS_H
