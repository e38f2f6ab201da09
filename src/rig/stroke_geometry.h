#pragma once
// The geometry of the committed rig strokes, kept apart from the canvas so that it can be checked
// on its own: the control points of the arcs and the base corners of an arrow head.

#include <array>

#include "platform/canvas.h"

namespace nabrilo {

enum class ArcBulge { Upward, Downward };

// P0 to P3 of the arc from `begin` to `end`: P0 and P3 are the two ends, P1 and P2 the control
// points. Heights are a tenth of the rise; thirds and quarters of the run are truncated toward
// zero, so strokes drawn to the left truncate their negative values toward zero too.
std::array<TPoint, 4> ArcBezierPoints(ArcBulge bulge, TPoint begin, TPoint end);

// The two base corners A and B of an arrow head of length `k` (half-angle 15 degrees) whose tip
// is `tip` and whose shaft comes from `from`, each rounded to nearest, ties to even.
std::array<TPoint, 2> ArrowHeadCorners(int k, TPoint from, TPoint tip);

// The length of an arrow head drawn with a pen of `pen_width`.
constexpr int ArrowHeadLength(int pen_width) {
  return 3 * pen_width + 6;
}

}  // namespace nabrilo
