#ifndef FUZZCHECK_H
#define FUZZCHECK_H

// A promise a fuzz target checks: broken, the run stops so that the fuzzer keeps the input.
#include <cstdlib>

inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}

#endif // FUZZCHECK_H
