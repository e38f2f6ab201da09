// Lines: width-1 lines by Bresenham's rule, wide lines as a band with round caps.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/raster.h"

namespace nabrilo::raster {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

// floor(p / q) for q > 0.
i128 FloorDiv(i128 p, i128 q) {
  i128 d = p / q;
  if ((p % q != 0) && (p < 0)) --d;
  return d;
}

// The minor coordinate after `step` steps along the major axis: the ideal value rounded to the
// nearest pixel, exact ties going to the smaller coordinate.
i64 MinorAt(i64 step, i64 d_major, i64 d_minor) {
  // round-half-down(step * d_minor / d_major) = floor((2 p + q - 1) / (2 q)), q = |d_major|
  const i128 q = d_major < 0 ? -i128{d_major} : i128{d_major};
  const i128 p = i128{step} * d_minor;
  return static_cast<i64>(FloorDiv(2 * p + q - 1, 2 * q));
}

}  // namespace

void ThinLine(SpanSet& out, TPoint a, TPoint b) {
  const i64 dx = i64{b.x} - a.x, dy = i64{b.y} - a.y;
  if (dx == 0 && dy == 0) return;
  const QRect& clip = out.clip();
  if (std::llabs(dx) >= std::llabs(dy)) {
    // x-major: one pixel per column, the end column omitted. Visit only visible columns.
    const i64 sx = dx > 0 ? 1 : -1;
    const i64 n = std::llabs(dx);
    i64 lo = 0, hi = n - 1;
    if (sx > 0) {
      lo = std::max<i64>(lo, i64{clip.left()} - a.x);
      hi = std::min<i64>(hi, i64{clip.right()} - a.x);
    } else {
      lo = std::max<i64>(lo, i64{a.x} - clip.right());
      hi = std::min<i64>(hi, i64{a.x} - clip.left());
    }
    for (i64 i = lo; i <= hi; ++i) {
      out.AddPixel(a.x + sx * i, a.y + MinorAt(i, n, dy));
    }
  } else {
    const i64 sy = dy > 0 ? 1 : -1;
    const i64 n = std::llabs(dy);
    i64 lo = 0, hi = n - 1;
    if (sy > 0) {
      lo = std::max<i64>(lo, i64{clip.top()} - a.y);
      hi = std::min<i64>(hi, i64{clip.bottom()} - a.y);
    } else {
      lo = std::max<i64>(lo, i64{a.y} - clip.bottom());
      hi = std::min<i64>(hi, i64{a.y} - clip.top());
    }
    for (i64 i = lo; i <= hi; ++i) {
      out.AddPixel(a.x + MinorAt(i, n, dx), a.y + sy * i);
    }
  }
}

}  // namespace nabrilo::raster
