#include "Course.h"

CCourse::~CCourse() {}
