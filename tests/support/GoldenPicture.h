#ifndef GOLDENPICTURE_H
#define GOLDENPICTURE_H

// Pictures drawn by a test compared with their golden pictures, PNG files kept with the tests.
#include <gtest/gtest.h>

#include <string>

// Whether a drawn picture (width x height pixels of Blue, Green, Red, Alpha, rows top to bottom) looks as
// the golden picture at goldenPath. Small differences (a rounding step in an edge) are tolerated; anything
// that moves, disappears or changes colour is not: at most 0.1 % of the pixels may differ by more than 16
// in a channel, and the mean difference stays below a quarter of a step. With ZU_UPDATE_GOLDEN=1 in the
// environment the drawn picture first becomes the golden one (after a deliberate change of a look: look at
// it). shownAs names where the drawn picture can be looked at, for the failure message.
::testing::AssertionResult LooksAsGolden(const unsigned char* bgra, int width, int height,
                                         const std::string& goldenPath, const std::string& shownAs);

#endif // GOLDENPICTURE_H
