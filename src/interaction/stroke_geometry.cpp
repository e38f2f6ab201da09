#include "interaction/stroke_geometry.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/arith.h"

namespace nabrilo {

namespace {

// The two constructions shared by both bulges: thirds of the run measured from the begin point,
// or quarters with their heights measured from the end point.
std::array<TPoint, 4> Thirds(TPoint b, TPoint e, int m, int second_rise) {
  const int q3 = TruncDiv(e.x - b.x, 3);
  return {b, TPoint{b.x + q3, b.y - m}, TPoint{b.x + 2 * q3, b.y + second_rise}, e};
}

std::array<TPoint, 4> Quarters(TPoint b, TPoint e, int m, int second_rise) {
  const int q4 = TruncDiv(e.x - b.x, 4);
  return {b, TPoint{b.x + q4, e.y - m}, TPoint{b.x + 3 * q4, e.y + second_rise}, e};
}

}  // namespace

std::array<TPoint, 4> ArcBezierPoints(ArcBulge bulge, TPoint begin, TPoint end) {
  const int m = TruncDiv(std::abs(end.y - begin.y), 10);
  const bool ends_lower = begin.y <= end.y;
  if (bulge == ArcBulge::Upward) {
    return ends_lower ? Thirds(begin, end, m, -2 * m) : Quarters(begin, end, m, 2 * m);
  }
  return ends_lower ? Quarters(begin, end, m, -2 * m) : Thirds(begin, end, m, 2 * m);
}

std::array<TPoint, 2> ArrowHeadCorners(int k, TPoint from, TPoint tip) {
  const double h = k * std::tan(15.0 * std::numbers::pi / 180.0);
  // atan2(0, 0) is 0: an arrow released at its press point opens to the right.
  const double theta = std::atan2(double(from.y - tip.y), double(from.x - tip.x));
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const TPoint a{tip.x + RoundHalfEven(k * c - h * s), tip.y + RoundHalfEven(k * s + h * c)};
  const TPoint b{tip.x + RoundHalfEven(k * c + h * s), tip.y + RoundHalfEven(k * s - h * c)};
  return {a, b};
}

}  // namespace nabrilo
