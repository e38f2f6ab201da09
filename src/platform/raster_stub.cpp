// Temporary first versions, replaced one by one as they are matched against the references.
#include <algorithm>
#include <cmath>

#include "platform/raster.h"

namespace nabrilo::raster {

void WideLine(SpanSet& out, TPoint a, TPoint b, int width) {
  (void)width;
  ThinLine(out, a, b);
  out.AddPixel(b.x, b.y);
}

void PenDot(SpanSet& out, TPoint p, int width) {
  (void)width;
  out.AddPixel(p.x, p.y);
}

void Polyline(SpanSet& out, std::span<const TPoint> points, int width, bool closed) {
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    if (width <= 1) {
      ThinLine(out, points[i], points[i + 1]);
    } else {
      WideLine(out, points[i], points[i + 1], width);
    }
  }
  if (closed && points.size() > 1) {
    if (width <= 1) {
      ThinLine(out, points.back(), points.front());
    } else {
      WideLine(out, points.back(), points.front(), width);
    }
  }
}

void PolygonFill(SpanSet& out, std::span<const TPoint> points) { (void)out; (void)points; }

void RectangleShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, int width) {
  (void)width;
  if (r <= l || b <= t) return;
  outline.Add(t, l, r);
  outline.Add(b - 1, l, r);
  for (int y = t + 1; y < b - 1; ++y) {
    outline.AddPixel(l, y);
    outline.AddPixel(r - 1, y);
    inside.Add(y, l + 1, r - 1);
  }
}

void RoundRectShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, int corner_w,
                    int corner_h, int width) {
  (void)corner_w;
  (void)corner_h;
  RectangleShape(outline, inside, std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b),
                 width);
}

void ArcShape(SpanSet& outline, int l, int t, int r, int b, TPoint start, TPoint end,
              int width) {
  (void)outline; (void)l; (void)t; (void)r; (void)b; (void)start; (void)end; (void)width;
}

void PieShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, TPoint start,
              TPoint end, int width) {
  (void)outline; (void)inside; (void)l; (void)t; (void)r; (void)b; (void)start; (void)end;
  (void)width;
}

std::vector<TPoint> FlattenBeziers(std::span<const TPoint> points) {
  return {points.begin(), points.end()};
}

}  // namespace nabrilo::raster
