// Lines. Width-1 lines follow Bresenham's rule with exact ties going to the smaller coordinate
// and omit their end pixel. A wide line is a band of integer corners around the ideal line,
// filled like a polygon, with the pen's round dot at both ends.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/raster.h"

namespace nabrilo::raster {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

i128 FloorDiv(i128 p, i128 q) {
  i128 d = p / q;
  if (p % q != 0 && p < 0) --d;
  return d;
}

// The minor coordinate after `step` steps along the major axis: round-half-down of the ideal.
i64 MinorAt(i64 step, i64 n_major, i64 d_minor) {
  // floor((2 p + q - 1) / (2 q)) with p = step * d_minor, q = n_major > 0
  const i128 q = n_major;
  return static_cast<i64>(FloorDiv(2 * (i128{step} * d_minor) + q - 1, 2 * q));
}

// The smallest k >= 0 with k >= w |c| / sqrt(len2).
i64 CeilScaled(i64 w, i64 c, i128 len2) {
  const i128 target = i128{w} * w * (i128{c} * c);
  i64 k = static_cast<i64>(std::ceil(static_cast<double>(w) * std::fabs(static_cast<double>(c)) /
                                     std::sqrt(static_cast<double>(len2))));
  k = std::max<i64>(k - 1, 0);
  while (i128{k} * k * len2 < target) ++k;
  return k;
}

// w |c| / (2 sqrt(len2)) rounded half up.
i64 RoundHalfScaled(i64 w, i64 c, i128 len2) {
  const i128 target = i128{w} * w * (i128{c} * c);
  i64 k = static_cast<i64>(std::floor(static_cast<double>(w) * std::fabs(static_cast<double>(c)) /
                                          (2 * std::sqrt(static_cast<double>(len2))) +
                                      0.5));
  k = std::max<i64>(k - 1, 0);
  // Largest k with (2k - 1)^2 len2 <= target.
  while (i128{2 * (k + 1) - 1} * (2 * (k + 1) - 1) * len2 <= target) ++k;
  return k;
}

}  // namespace

void ThinLine(SpanSet& out, Pt a, Pt b) {
  const i64 dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) return;
  const QRect& clip = out.clip();
  if (std::abs(dx) >= std::abs(dy)) {
    // One pixel per column, the end column omitted; only the visible columns are visited.
    const i64 sx = dx > 0 ? 1 : -1;
    const i64 n = std::abs(dx);
    const i64 lo = std::max<i64>(0, sx > 0 ? clip.left() - a.x : a.x - clip.right());
    const i64 hi = std::min<i64>(n - 1, sx > 0 ? clip.right() - a.x : a.x - clip.left());
    for (i64 i = lo; i <= hi; ++i) out.AddPixel(a.x + sx * i, a.y + MinorAt(i, n, dy));
  } else {
    const i64 sy = dy > 0 ? 1 : -1;
    const i64 n = std::abs(dy);
    const i64 lo = std::max<i64>(0, sy > 0 ? clip.top() - a.y : a.y - clip.bottom());
    const i64 hi = std::min<i64>(n - 1, sy > 0 ? clip.bottom() - a.y : a.y - clip.top());
    for (i64 i = lo; i <= hi; ++i) out.AddPixel(a.x + MinorAt(i, n, dx), a.y + sy * i);
  }
}

void WideLine(SpanSet& out, Pt a, Pt b, int width) {
  const i64 w = width;
  if (a.y == b.y && a.x != b.x) {
    const i64 top = a.y - w / 2;
    for (i64 y = top; y < top + w; ++y) out.Add(y, std::min(a.x, b.x), std::max(a.x, b.x) + 1);
  } else if (a.x == b.x && a.y != b.y) {
    const i64 left = a.x - w / 2;
    const QRect& clip = out.clip();
    const i64 y0 = std::max<i64>(std::min(a.y, b.y), clip.top());
    const i64 y1 = std::min<i64>(std::max(a.y, b.y), clip.bottom());
    for (i64 y = y0; y <= y1; ++y) out.Add(y, left, left + w);
  } else if (a != b) {
    // The band's thickness across each axis is rounded up to whole pixels; the half toward -x
    // (the narrower one for odd thicknesses) is rounded to nearest, the other half takes the rest.
    const i64 dx = b.x - a.x, dy = b.y - a.y;
    const i128 len2 = i128{dx} * dx + i128{dy} * dy;
    const i64 total_x = CeilScaled(w, dy, len2), total_y = CeilScaled(w, dx, len2);
    const i64 near_x = RoundHalfScaled(w, dy, len2), near_y = RoundHalfScaled(w, dx, len2);
    // The normal (-dy, dx) turned toward +x.
    i64 nx = -dy, ny = dx;
    if (nx < 0) {
      nx = -nx;
      ny = -ny;
    }
    const i64 sx = nx > 0 ? 1 : (nx < 0 ? -1 : 0), sy = ny > 0 ? 1 : (ny < 0 ? -1 : 0);
    const Pt far_off{sx * (total_x - near_x), sy * (total_y - near_y)};
    const Pt near_off{-sx * near_x, -sy * near_y};
    const Pt band[4] = {{a.x + far_off.x, a.y + far_off.y},
                        {b.x + far_off.x, b.y + far_off.y},
                        {b.x + near_off.x, b.y + near_off.y},
                        {a.x + near_off.x, a.y + near_off.y}};
    PolygonFill(out, band);
  }
  PenDot(out, a, width);
  if (b != a) PenDot(out, b, width);
}

void Polyline(SpanSet& out, std::span<const Pt> points, int width, bool closed) {
  // A segment whose reach lies wholly outside the picture adds nothing: skip it, so that a huge
  // figure costs what its visible part costs.
  const QRect& clip = out.clip();
  const i64 reach = width;
  auto segment = [&](Pt a, Pt b) {
    if (std::max(a.x, b.x) + reach < clip.left() || std::min(a.x, b.x) - reach > clip.right() ||
        std::max(a.y, b.y) + reach < clip.top() || std::min(a.y, b.y) - reach > clip.bottom()) {
      return;
    }
    PenLine(out, a, b, width);
  };
  for (size_t i = 0; i + 1 < points.size(); ++i) segment(points[i], points[i + 1]);
  if (closed && !points.empty()) segment(points.back(), points.front());
}

}  // namespace nabrilo::raster
