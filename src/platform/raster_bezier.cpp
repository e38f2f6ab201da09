// Bézier flattening as GDI does it: the control points are taken to 1/16 pixel, each cubic is
// halved (de Casteljau, midpoints rounded) until its control points lie within the span of its
// chord and within a pixel of it, at most eight times, and the end points of the pieces, taken
// back to whole pixels, form the chain.

#include <cstdint>
#include <cstdlib>

#include "platform/raster.h"

namespace nabrilo::raster {

namespace {

using i64 = std::int64_t;

constexpr int kFractionBits = 4;
constexpr i64 kPixel = i64{1} << kFractionBits;
constexpr int kMaxDepth = 8;

i64 ToFine(i64 v) {
  return v * kPixel;
}
i64 ToPixel(i64 v) {
  return (v + kPixel / 2) >> kFractionBits;
}
i64 Midpoint(i64 a, i64 b) {
  return (a + b + 1) / 2;
}  // truncating, as integer division does
Pt Midpoint(Pt a, Pt b) {
  return {Midpoint(a.x, b.x), Midpoint(a.y, b.y)};
}

// Whether the control points lie between the end points along `major` and within a pixel of the
// chord along the other axis (measured with whole-pixel slope steps, as the original does).
bool FlatAlong(const Pt (&p)[4], i64 Pt::*major, i64 Pt::*minor) {
  for (int i : {1, 2}) {
    const i64 c = p[i].*major;
    if (c < p[0].*major ? c < p[3].*major : c > p[3].*major) return false;
  }
  const i64 d_major = ToPixel(p[3].*major - p[0].*major);
  if (d_major == 0) return true;
  const i64 slope = (p[3].*minor - p[0].*minor) / d_major;
  for (int i : {1, 2}) {
    const i64 expected = slope * ToPixel(p[i].*major - p[0].*major);
    if (std::abs(p[i].*minor - p[0].*minor - expected) > kPixel) return false;
  }
  return true;
}

bool Flat(const Pt (&p)[4]) {
  const i64 dx = p[3].x - p[0].x, dy = p[3].y - p[0].y;
  return std::abs(dy) <= std::abs(dx) ? FlatAlong(p, &Pt::x, &Pt::y) : FlatAlong(p, &Pt::y, &Pt::x);
}

void Subdivide(const Pt (&p)[4], int depth, std::vector<Pt>& out) {
  if (depth == 0 || Flat(p)) {
    out.push_back({ToPixel(p[3].x), ToPixel(p[3].y)});
    return;
  }
  const Pt p01 = Midpoint(p[0], p[1]), p12 = Midpoint(p[1], p[2]), p23 = Midpoint(p[2], p[3]);
  const Pt left_mid = Midpoint(p01, p12), right_mid = Midpoint(p12, p23);
  const Pt centre = Midpoint(left_mid, right_mid);
  const Pt first[4] = {p[0], p01, left_mid, centre};
  const Pt second[4] = {centre, right_mid, p23, p[3]};
  Subdivide(first, depth - 1, out);
  Subdivide(second, depth - 1, out);
}

}  // namespace

std::vector<Pt> FlattenBeziers(std::span<const Pt> points) {
  std::vector<Pt> out;
  if (points.empty()) return out;
  out.push_back(points[0]);
  for (size_t i = 0; i + 3 < points.size(); i += 3) {
    const Pt fine[4] = {{ToFine(points[i].x), ToFine(points[i].y)},
                        {ToFine(points[i + 1].x), ToFine(points[i + 1].y)},
                        {ToFine(points[i + 2].x), ToFine(points[i + 2].y)},
                        {ToFine(points[i + 3].x), ToFine(points[i + 3].y)}};
    Subdivide(fine, kMaxDepth, out);
  }
  return out;
}

}  // namespace nabrilo::raster
