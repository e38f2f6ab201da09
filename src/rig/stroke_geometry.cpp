#include "rig/stroke_geometry.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "platform/arith.h"

namespace nabrilo {

namespace {

// Worked out in 64 bits: ends anywhere in the int range give rises and runs beyond it.
using i64 = std::int64_t;

TPoint Point(i64 x, i64 y) {
  return {SaturateToInt(x), SaturateToInt(y)};
}

// The two constructions shared by both bulges: thirds of the run measured from the begin point,
// or quarters with their heights measured from the end point. Division truncates toward zero.
std::array<TPoint, 4> Thirds(TPoint b, TPoint e, i64 m, i64 second_rise) {
  const i64 q3 = (i64{e.x} - b.x) / 3;
  return {b, Point(b.x + q3, b.y - m), Point(b.x + 2 * q3, b.y + second_rise), e};
}

std::array<TPoint, 4> Quarters(TPoint b, TPoint e, i64 m, i64 second_rise) {
  const i64 q4 = (i64{e.x} - b.x) / 4;
  return {b, Point(b.x + q4, e.y - m), Point(b.x + 3 * q4, e.y + second_rise), e};
}

}  // namespace

std::array<TPoint, 4> ArcBezierPoints(ArcBulge bulge, TPoint begin, TPoint end) {
  const i64 m = std::abs(i64{end.y} - begin.y) / 10;
  const bool ends_lower = begin.y <= end.y;
  if (bulge == ArcBulge::Upward) {
    return ends_lower ? Thirds(begin, end, m, -2 * m) : Quarters(begin, end, m, 2 * m);
  }
  return ends_lower ? Quarters(begin, end, m, -2 * m) : Thirds(begin, end, m, 2 * m);
}

std::array<TPoint, 2> ArrowHeadCorners(int k, TPoint from, TPoint tip) {
  const double h = k * std::tan(15.0 * std::numbers::pi / 180.0);
  // atan2(0, 0) is 0: an arrow released at its press point opens to the right.
  const double theta = std::atan2(double(from.y) - tip.y, double(from.x) - tip.x);
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const TPoint a{SatAdd(tip.x, RoundHalfEven(k * c - h * s)),
                 SatAdd(tip.y, RoundHalfEven(k * s + h * c))};
  const TPoint b{SatAdd(tip.x, RoundHalfEven(k * c + h * s)),
                 SatAdd(tip.y, RoundHalfEven(k * s - h * c))};
  return {a, b};
}

}  // namespace nabrilo
