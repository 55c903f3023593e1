// Every drawn and laid-out coordinate is rounded to the nearest integer with
// halves to the even neighbour.
#include "base/Rounding.h"

#include <gtest/gtest.h>

#include <utility>

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},  {3.5, 4},   {60.5, 60},
                                            {61.5, 62}, {-0.5, 0},  {-1.5, -2}, {2.4999, 2}, {2.51, 3},
                                            {57.6, 58}, {0.0, 0}};
    for (auto [x, expected] : cases) EXPECT_EQ(RoundHalfEven(x), expected) << x;
}
