#ifndef ZULEXUPDATE_H
#define ZULEXUPDATE_H

// The update check: the request to the update server, its answer and the verdict the learner is shown.
#include "UpdateAnswer.h"
#include "UpdateCheck.h"
#include "UpdateVerdict.h"

#endif // ZULEXUPDATE_H
