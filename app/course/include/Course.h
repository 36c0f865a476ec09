#ifndef COURSE_H
#define COURSE_H

#include "ZuObject.h"
#include "ZuString.h"

// One entry of the course list: the name the learner sees and the course's file name.
class CCourse : public CZuObject
{
public:
    CCourse() {}
    CCourse(const CZuString& name, const CZuString& file) : iName(name), iFile(file) {}
    CCourse(const CCourse& other) = default;
    CCourse& operator=(const CCourse& other) = default;
    ~CCourse() override;

    CZuString iName;
    CZuString iFile;
};

#endif // COURSE_H
