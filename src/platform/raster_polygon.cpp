// Polygon interiors: the alternate (even-odd) rule with GDI's boundary rules. An edge covers the
// scanlines from its top up to, not including, its bottom; a span covers the pixels from its
// left crossing up to, not including, its right crossing. Horizontal edges add nothing.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/raster.h"

namespace nabrilo::raster {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

struct Edge {
  i64 x_top, y_top, x_bottom, y_bottom;  // y_top < y_bottom
};

// The first pixel column at or right of the edge's crossing of row y: ceil(x(y)).
i64 CrossingCeil(const Edge& e, i64 y) {
  const i128 num = i128{y - e.y_top} * (e.x_bottom - e.x_top);
  const i128 den = e.y_bottom - e.y_top;
  i128 q = num / den;
  if (num % den != 0 && num > 0) ++q;  // truncation already rounds negative fractions up
  return e.x_top + static_cast<i64>(q);
}

}  // namespace

void PolygonFill(SpanSet& out, std::span<const Pt> points) {
  if (points.size() < 3) return;
  std::vector<Edge> edges;
  edges.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    const Pt a = points[i], b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    edges.push_back(a.y < b.y ? Edge{a.x, a.y, b.x, b.y} : Edge{b.x, b.y, a.x, a.y});
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(),
            [](const Edge& p, const Edge& q) { return p.y_top < q.y_top; });
  i64 y_max = INT64_MIN;
  for (const Edge& e : edges) y_max = std::max(y_max, e.y_bottom);
  const QRect& clip = out.clip();
  const i64 first = std::max<i64>(edges.front().y_top, clip.top());
  const i64 last = std::min<i64>(y_max - 1, clip.bottom());
  // Active edges: those whose span of rows contains the current row.
  std::vector<const Edge*> active;
  std::vector<i64> xs;
  size_t next = 0;
  for (i64 y = first; y <= last; ++y) {
    while (next < edges.size() && edges[next].y_top <= y) {
      if (edges[next].y_bottom > y) active.push_back(&edges[next]);
      ++next;
    }
    std::erase_if(active, [y](const Edge* e) { return e->y_bottom <= y; });
    xs.clear();
    for (const Edge* e : active) xs.push_back(CrossingCeil(*e, y));
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2) out.Add(y, xs[k], xs[k + 1]);
  }
}

}  // namespace nabrilo::raster
