#ifndef ZUALIGN_H
#define ZUALIGN_H

// Where a thing is placed inside a larger area: the low values for the horizontal placement, the high
// ones for the vertical placement.
enum TZuAlign : int
{
    EAlignLeft = 0,
    EAlignCenter = 1,
    EAlignRight = 2,
    EAlignTop = 16,
    EAlignBottom = 32,
    EAlignVCenter = 64
};

#endif // ZUALIGN_H
