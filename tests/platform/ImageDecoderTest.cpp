// The decoders on their own: every supported variant of each format, and damaged input.
#include "TestImages.h"
#include "ZuImageDecoder.h"

#include <gtest/gtest.h>
