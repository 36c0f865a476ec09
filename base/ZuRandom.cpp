#include "ZuRandom.h"

#include <cstdlib>
#include <ctime>

namespace
{

// One 15-bit draw, 0 to 32767, whatever the width of the C library's generator.
int Draw()
{
    return std::rand() & 0x7FFF;
}

bool gFixedSeed = false;
unsigned int gSeed = 0;


} // namespace

void CZuRandom::Init()
{
    std::srand(gFixedSeed ? gSeed : static_cast<unsigned int>(std::time(nullptr)));
}

void CZuRandom::SetSeed(unsigned int seed)
{
    gFixedSeed = true;
    gSeed = seed;
    std::srand(seed);
}

int CZuRandom::Rand()
{
    for (;;)
    {
        int high = Draw();
        int low = Draw();
        int value = high * 32768 + low;
        if (value != 0)
            return value;
    }
}
