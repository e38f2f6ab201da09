#pragma once
// The program's arithmetic: integer division truncates toward zero (C++ already does), and a
// floating-point value becomes a pixel coordinate by rounding to nearest, ties to even.

#include <cmath>
#include <cstdint>
#include <limits>

namespace nabrilo {

// Rounds to the nearest integer, ties to even, saturating at the int range (NaN gives 0).
inline int RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (v <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  const double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
  return static_cast<int>(r);
}

// Integer division truncating toward zero, spelled out where the rule matters to the reader.
inline int TruncDiv(int a, int b) {
  return a / b;
}

// A coordinate worked out in 64 bits, held at the ends of the int range. A window can be sent a
// pointer event at any position; a point pushed past the int range by a few pixels lies billions
// of pixels outside any picture, where holding it at the edge changes nothing that can be seen.
inline int SaturateToInt(std::int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

// a + b for pixel coordinates and offsets, saturating as above.
inline int SatAdd(int a, int b) {
  return SaturateToInt(std::int64_t{a} + b);
}

}  // namespace nabrilo
