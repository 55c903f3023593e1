// The rounding of every coordinate the program draws or lays out.
#pragma once

#include <cmath>

// x rounded to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4): the default floating-point rounding mode.
inline int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }
