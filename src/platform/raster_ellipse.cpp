// Ellipses, round rectangles, arcs and pies. A quarter of the ellipse is computed on doubled
// coordinates for the box of (w - 1) × (h - 1) by an integer midpoint walk from the end of the
// horizontal half-axis; it is mirrored into the other quarters to give a closed chain of pixels,
// which the pen strokes and the brush fills like a polygon.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/raster.h"

namespace nabrilo::raster {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

// Beyond this many doubled units a quarter is sampled instead of walked point by point: such a
// figure is mostly outside any picture, and the walk would take too long. A box 2 pixels wide
// or less is always walked: its walk ends after the first point.
constexpr i64 kWalkLimit = i64{1} << 20;
constexpr int kSamples = 1 << 14;

// The first quarter on doubled coordinates relative to the centre, y down: from the tip
// (X0, Y), Y <= B, to the right axis (A, Y0), where X0 and Y0 are the parities of A and B.
std::vector<Pt> QuarterPoints(i64 a, i64 b) {
  std::vector<Pt> pts;
  const i64 x0 = a % 2, y0 = b % 2;
  if (a > 1 && a + b > kWalkLimit) {
    for (int i = 0; i <= kSamples; ++i) {
      const double t = (M_PI / 2) * i / kSamples;
      i64 x = static_cast<i64>(std::llround(a * std::sin(t))),
          y = static_cast<i64>(std::llround(b * std::cos(t)));
      x = std::max(x0, x - ((x - x0) & 1));
      y = std::max(y0, y - ((y - y0) & 1));
      if (pts.empty() || pts.back() != Pt{x, y}) pts.push_back({x, y});
    }
    return pts;
  }
  // An error-term walk from the right axis towards the tip: each step moves y, x or both as
  // the error of the next point says. It stops once x has passed the middle column, wherever y
  // has got to, so in a tall narrow box the tips fall short of the box and the quarters are
  // joined by a flat step there. In a box 1 or 2 pixels wide that leaves a single point.
  const i128 aa8 = i128{8} * a * a, bb8 = i128{8} * b * b;
  i128 dx = i128{4} * (1 - a) * b * b, dy = i128{4} * (y0 + 1) * a * a;
  i128 err = dx + dy + i128{y0} * a * a;
  for (i64 x = a, y = y0; x >= 0;) {
    pts.push_back({x, y});
    const i128 e2 = 2 * err;
    if (e2 <= dy) {
      y += 2;
      dy += aa8;
      err += dy;
    }
    if (e2 >= dx) {
      x -= 2;
      dx += bb8;
      err += dx;
    }
  }
  std::reverse(pts.begin(), pts.end());
  return pts;
}

struct Box {
  i64 l, t, r, b;
};

Box Ordered(int x1, int y1, int x2, int y2) {
  return {std::min<i64>(x1, x2), std::min<i64>(y1, y2), std::max<i64>(x1, x2),
          std::max<i64>(y1, y2)};
}

void Push(std::vector<Pt>& chain, Pt p) {
  if (chain.empty() || chain.back() != p) chain.push_back(p);
}

// A round rectangle (an ellipse when the corner is the whole box): the closed chain of its
// outline, clockwise from the top, empty for a box without area; and the rows at the top and as
// many at the bottom that the outline leaves out when the corners' walk stops short, with the
// columns between the corners (band_l … band_r - 1) that the brush still fills there.
struct RoundRectOutline {
  std::vector<Pt> chain;
  i64 short_rows = 0;
  i64 band_l = 0, band_r = 0;
};

RoundRectOutline RoundRectChain(const Box& box, i64 corner_w, i64 corner_h) {
  RoundRectOutline out;
  std::vector<Pt>& chain = out.chain;
  const i64 w = box.r - box.l, h = box.b - box.t;
  if (w == 0 || h == 0) return out;
  const i64 cw = std::min(std::abs(corner_w), w), ch = std::min(std::abs(corner_h), h);
  const i64 a = cw - 1, b = ch - 1;
  if (a <= 1 || b <= 1) {  // no room for a curve: the box's outline
    for (Pt p :
         {Pt{box.l, box.t}, Pt{box.r - 1, box.t}, Pt{box.r - 1, box.b - 1}, Pt{box.l, box.b - 1}}) {
      Push(chain, p);
    }
    return out;
  }
  const std::vector<Pt> q = QuarterPoints(a, b);
  chain.reserve(4 * q.size());
  // The brush's region spans the box's full height: in the rows beyond the outline's flat tips
  // it fills between the corners, short of the columns where their walks ended, so an ellipse
  // (a single corner) gets nothing there.
  out.short_rows = (b - q.front().y) / 2;
  out.band_l = box.l + (cw + 1) / 2;
  out.band_r = box.r - (cw + 1) / 2;
  // Each corner's quarter, placed in the corner box of cw × ch.
  auto corner = [&](i64 bx, i64 by, int sx, int sy, bool reverse) {
    const i64 cx2 = 2 * bx + a, cy2 = 2 * by + b;
    auto put = [&](const Pt& p) { Push(chain, {(cx2 + sx * p.x) >> 1, (cy2 + sy * p.y) >> 1}); };
    if (reverse) {
      for (auto it = q.rbegin(); it != q.rend(); ++it) put(*it);
    } else {
      for (const Pt& p : q) put(p);
    }
  };
  corner(box.r - cw, box.t, 1, -1, false);     // top to right
  corner(box.r - cw, box.b - ch, 1, 1, true);  // right to bottom
  corner(box.l, box.b - ch, -1, 1, false);     // bottom to left
  corner(box.l, box.t, -1, -1, true);          // left to top
  if (chain.size() > 1 && chain.front() == chain.back()) chain.pop_back();
  return out;
}

// The open chain of an arc, counter-clockwise from where the ray through `start` meets the
// ellipse to the point before the one where the ray through `end` meets it (the whole ellipse
// when they meet at the same point). The rays leave from the box centre rounded down; the
// meeting point in each quarter is found by comparing the ray with the first quarter's points.
// Points that coincide are all kept, so that a wide pen still dots an arc whose few points lie
// on one pixel, while an arc of one point draws nothing.
std::vector<Pt> ArcChain(const Box& box, Pt start, Pt end) {
  std::vector<Pt> chain;
  const i64 w = box.r - box.l, h = box.b - box.t;
  const i64 a = w - 1, b = h - 1;
  if (a < 0 || b < 0) return chain;
  const std::vector<Pt> q = QuarterPoints(a, b);
  const i64 c = static_cast<i64>(q.size()), n = 4 * c;
  const i64 cx2 = box.l + box.r - 1, cy2 = box.t + box.b - 1;
  const Pt centre{box.l + w / 2, box.t + h / 2};
  const i64 off_x = cx2 - 2 * centre.x, off_y = cy2 - 2 * centre.y;
  // Point i of the counter-clockwise ring: right→top, top→left, left→bottom, bottom→right.
  auto ring = [&](i64 i) -> Pt {
    const i64 quarter = i / c, j = i % c;
    switch (quarter) {
      case 0:
        return {q[c - 1 - j].x, -q[c - 1 - j].y};
      case 1:
        return {-q[j].x, -q[j].y};
      case 2:
        return {-q[c - 1 - j].x, q[c - 1 - j].y};
      default:
        return {q[j].x, q[j].y};
    }
  };
  auto locate = [&](Pt p) -> i64 {
    const i64 rx = 2 * (p.x - centre.x), ry = 2 * (p.y - centre.y);
    const i128 ax = std::abs(rx), ay = std::abs(ry);
    i64 steeper = 0, steeper_or_on = 0;  // quarter points more vertical than the ray
    for (const Pt& pt : q) {
      const i128 lhs = i128{pt.x + off_x} * ay, rhs = i128{pt.y + off_y} * ax;
      if (lhs < rhs) ++steeper;
      if (lhs <= rhs) ++steeper_or_on;
    }
    i64 i;
    if (rx >= 0 && ry <= 0) {
      i = c - steeper_or_on;
    } else if (rx < 0 && ry <= 0) {
      i = c + steeper;
    } else if (rx < 0) {
      i = 3 * c - steeper;
    } else {
      i = 3 * c + steeper_or_on;
    }
    return i;  // 0 … n
  };
  const i64 s = locate(start), e = locate(end);
  // Forward from s to e, the whole ring when they meet. A start past the ring's last point
  // (only in boxes 2 pixels wide or less, where a point can sit on the centre) reaches no
  // point before an end at the first one.
  const i64 stop = e > s ? e : e + n;
  for (i64 i = s; i < stop; ++i) {
    const Pt p = ring(i % n);
    chain.push_back({(cx2 + p.x) >> 1, (cy2 + p.y) >> 1});
  }
  return chain;
}

// The pen dot of a width as runs relative to its centre, computed once per width.
struct DotRun {
  int dy, x0, x1;
};

std::vector<DotRun> ComputeDot(int width) {
  const i64 half = width / 2;
  const QRect clip(-width - 1, -width - 1, 2 * width + 3, 2 * width + 3);
  SpanSet outline(clip), inside(clip);
  const std::vector<Pt> chain =
      RoundRectChain({-half, -half, width - half, width - half}, width, width).chain;
  Polyline(outline, chain, 1, true);
  PolygonFill(inside, chain);
  outline.AddSet(inside);
  outline.Normalise();
  std::vector<DotRun> runs;
  for (const Span& s : outline.spans()) runs.push_back({s.y, s.x0, s.x1});
  return runs;
}

const std::vector<DotRun>& DotRuns(int width) {
  static std::map<int, std::vector<DotRun>> cache;
  auto it = cache.find(width);
  if (it == cache.end()) {
    if (cache.size() > 64) cache.clear();
    it = cache.emplace(width, ComputeDot(width)).first;
  }
  return it->second;
}

}  // namespace

void PenDot(SpanSet& out, Pt centre, int width) {
  if (width <= 1) {
    out.AddPixel(centre.x, centre.y);
    return;
  }
  const QRect& clip = out.clip();
  if (centre.y + width < clip.top() || centre.y - width > clip.bottom() ||
      centre.x + width < clip.left() || centre.x - width > clip.right()) {
    return;
  }
  for (const DotRun& r : DotRuns(width)) out.Add(centre.y + r.dy, centre.x + r.x0, centre.x + r.x1);
}

namespace {

// The inside of a closed chain as the brush paints it. With a thin pen the brush covers the
// chain's own pixels too (in not-xor mode a coloured brush and the pen then both invert them);
// with a wide pen, and for rectangles, it stops where the pen begins.
void ChainInside(SpanSet& inside, std::span<const Pt> chain, int width, bool under_thin_pen) {
  PolygonFill(inside, chain);
  SpanSet pen(inside.clip());
  Polyline(pen, chain, width, true);
  pen.Normalise();
  if (width == 1 && under_thin_pen) {
    inside.AddSet(pen);
    inside.Normalise();
  } else {
    inside.Normalise();
    inside.Subtract(pen);
  }
}

// Adds the columns l … r - 1 of the rows y0 … y1 - 1, visiting only the rows of the clip.
void AddRows(SpanSet& set, i64 y0, i64 y1, i64 l, i64 r) {
  const QRect& clip = set.clip();
  const i64 end = std::min<i64>(y1, i64{clip.bottom()} + 1);
  for (i64 y = std::max<i64>(y0, clip.top()); y < end; ++y) set.Add(y, l, r);
}

}  // namespace

void RectangleShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, int width) {
  const Box box = Ordered(x1, y1, x2, y2);
  if (box.r == box.l || box.b == box.t) return;
  const Pt corners[4] = {
      {box.l, box.t}, {box.r - 1, box.t}, {box.r - 1, box.b - 1}, {box.l, box.b - 1}};
  Polyline(outline, corners, width, true);
  if (inside) ChainInside(*inside, corners, width, false);
}

void RoundRectShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, int corner_w,
                    int corner_h, int width) {
  const Box box = Ordered(x1, y1, x2, y2);
  const RoundRectOutline shape = RoundRectChain(box, corner_w, corner_h);
  if (shape.chain.empty()) return;
  Polyline(outline, shape.chain, width, true);
  if (!inside) return;
  const i64 k = shape.short_rows;
  AddRows(*inside, box.t, box.t + k, shape.band_l, shape.band_r);
  AddRows(*inside, box.b - k, box.b, shape.band_l, shape.band_r);
  ChainInside(*inside, shape.chain, width, true);
}

void ArcShape(SpanSet& outline, int x1, int y1, int x2, int y2, Pt start, Pt end, int width) {
  const std::vector<Pt> chain = ArcChain(Ordered(x1, y1, x2, y2), start, end);
  Polyline(outline, chain, width, false);
}

void PieShape(SpanSet& outline, SpanSet* inside, int x1, int y1, int x2, int y2, Pt start, Pt end,
              int width) {
  const Box box = Ordered(x1, y1, x2, y2);
  std::vector<Pt> chain = ArcChain(box, start, end);
  if (chain.empty()) return;
  Push(chain, {box.l + (box.r - box.l) / 2, box.t + (box.b - box.t) / 2});
  Polyline(outline, chain, width, true);
  if (inside) ChainInside(*inside, chain, width, true);
}

}  // namespace nabrilo::raster
