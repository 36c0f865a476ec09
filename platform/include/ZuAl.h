#ifndef ZUAL_H
#define ZUAL_H

// Everything of the platform layer.
#include "ZuImage.h"

#endif // ZUAL_H
