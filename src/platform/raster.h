#pragma once
// The rasteriser behind Canvas: each function adds the pixels of one figure to a SpanSet, which
// clips as it goes. Coordinates are 32-bit; arithmetic inside is wide enough for any of them.

#include <span>
#include <vector>

#include "platform/canvas.h"
#include "platform/spans.h"

namespace nabrilo::raster {

// A width-1 line from a to b: paints a, omits b (Bresenham; ties go to the smaller coordinate).
void ThinLine(SpanSet& out, TPoint a, TPoint b);

// The area of a pen of `width` > 1 drawn from a to b: a band around the line with a round cap
// at both ends (a zero-length line is a dot).
void WideLine(SpanSet& out, TPoint a, TPoint b, int width);

// The round dot of a pen of `width` centred on p.
void PenDot(SpanSet& out, TPoint p, int width);

// A chain of segments p0 → p1 → … (closed: back to p0) drawn with a pen of `width`, as one area.
void Polyline(SpanSet& out, std::span<const TPoint> points, int width, bool closed);

// The inside of a polygon, alternate (even-odd) rule; right and bottom boundaries excluded.
void PolygonFill(SpanSet& out, std::span<const TPoint> points);

// The outline and inside of Rectangle(l, t, r, b) for a pen of `width` (box already ordered).
void RectangleShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, int width);

// Ellipse-based figures. The box is given as passed to the call; it is ordered inside.
void RoundRectShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, int corner_w,
                    int corner_h, int width);
void ArcShape(SpanSet& outline, int l, int t, int r, int b, TPoint start, TPoint end, int width);
void PieShape(SpanSet& outline, SpanSet& inside, int l, int t, int r, int b, TPoint start,
              TPoint end, int width);

// Flattens one chain of cubic Béziers (3n + 1 points) into a chain of points.
std::vector<TPoint> FlattenBeziers(std::span<const TPoint> points);

}  // namespace nabrilo::raster
