#ifndef ZURANDOM_H
#define ZURANDOM_H

// The C library's process-wide generator.
class CZuRandom
{
public:
    virtual ~CZuRandom() {}

    // Seeds with the current time in seconds, or with the seed set for this run.
    static void Init();
    // A seed for runs that must repeat their draws (tests): it seeds now and at every Init() after.
    static void SetSeed(unsigned int seed);
    // Two 15-bit draws combined: 1 to 1073741823, never 0.
    static int Rand();
};

#endif // ZURANDOM_H
