#pragma once
#include <cmath>

namespace rd {

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4), as the drawing arithmetic expects.
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace rd
