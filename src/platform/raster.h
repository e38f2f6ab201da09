#pragma once
// The rasteriser behind Canvas: each function adds the pixels of one figure to a SpanSet, which
// clips as it goes, so that every figure can be painted once. Coordinates are 32-bit; arithmetic
// inside is wide enough for any of them.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/canvas.h"
#include "platform/spans.h"

namespace nabrilo::raster {

// A point of the rasteriser: wide enough to hold a 32-bit point plus a pen's reach.
struct Pt {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};

// A width-1 line from a to b: paints a, omits b (Bresenham; ties go to the smaller coordinate).
void ThinLine(SpanSet& out, Pt a, Pt b);

// The area of a pen of `width` > 1 drawn from a to b: a band around the line (its wider half on
// the right, or below for a horizontal line) with the pen's round dot at both ends.
void WideLine(SpanSet& out, Pt a, Pt b, int width);

// One segment with the pen: a thin or a wide line.
inline void PenLine(SpanSet& out, Pt a, Pt b, int width) {
  if (width <= 1) {
    ThinLine(out, a, b);
  } else {
    WideLine(out, a, b, width);
  }
}

// A chain of segments p0 → p1 → … (closed: back to p0) drawn with a pen of `width`, as one area.
void Polyline(SpanSet& out, std::span<const Pt> points, int width, bool closed);

// The inside of a polygon, alternate (even-odd) rule; right and bottom boundaries excluded.
void PolygonFill(SpanSet& out, std::span<const Pt> points);

// Outline and inside of the box figures; the corners may come in any order. `inside` may be null
// when the figure is not filled.
void RectangleShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, int width);
void RoundRectShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, int corner_w,
                    int corner_h, int width);
void ArcShape(SpanSet& outline, int x1, int y1, int x2, int y2, Pt start, Pt end, int width);
void PieShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, Pt start, Pt end,
              int width);

// The pixels of the pen's round dot, which is the ellipse filling a width × width box.
void PenDot(SpanSet& out, Pt centre, int width);

// Flattens one chain of cubic Béziers (3n + 1 points) into a chain of points.
std::vector<Pt> FlattenBeziers(std::span<const Pt> points);

}  // namespace nabrilo::raster
