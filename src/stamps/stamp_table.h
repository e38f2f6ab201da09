#pragma once
// Stamp tables: a fixed drawing written as a constexpr list of canvas operations, read by one
// small interpreter. Coordinates are offsets from the anchor unless an operation is marked
// Fixed (the rod blank and its guides, which stand at the same place on every picture).
// The rig parts, the rods and the map symbols all use it, so that every table reads like its
// source; the tagged stamps at the end are what the rig and map stamp lists have in common.

#include <QRect>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "platform/canvas.h"

namespace nabrilo::stamp {

enum class OpKind : std::uint8_t {
  kPenWidth,
  kPenColor,
  kBrushColor,  // also makes the brush solid, as on the canvas
  kBrushStyle,
  kMoveTo,
  kLineTo,
  kRectangle,
  kEllipse,
  kPie,
  kArc,
  kPolygon,
  kSetPixel,
  kCall,  // another table, at an offset from this one's anchor
};

// The longest vertex list any table passes is 18 (the spinning reel's body).
inline constexpr std::size_t kMaxPolygonPoints = 32;

struct Op {
  OpKind kind = OpKind::kMoveTo;
  bool fixed = false;              // picture coordinates, not offsets from the anchor
  std::array<int, 8> v{};          // coordinates, or the width, colour or style in v[0]
  const TPoint* points = nullptr;  // polygon vertices
  const Op* table = nullptr;       // called table
  std::size_t count = 0;           // of points or of the called table
};

using Table = std::span<const Op>;

// ---- Builders, named after the canvas operations they stand for ----

constexpr Op PenWidth(int w) {
  return {OpKind::kPenWidth, false, {w}};
}
constexpr Op PenColor(TColor c) {
  return {OpKind::kPenColor, false, {static_cast<int>(c)}};
}
constexpr Op BrushColor(TColor c) {
  return {OpKind::kBrushColor, false, {static_cast<int>(c)}};
}
constexpr Op BrushStyle(TBrushStyle s) {
  return {OpKind::kBrushStyle, false, {static_cast<int>(s)}};
}
constexpr Op MoveTo(int dx, int dy) {
  return {OpKind::kMoveTo, false, {dx, dy}};
}
constexpr Op LineTo(int dx, int dy) {
  return {OpKind::kLineTo, false, {dx, dy}};
}
constexpr Op Rectangle(int x1, int y1, int x2, int y2) {
  return {OpKind::kRectangle, false, {x1, y1, x2, y2}};
}
constexpr Op Ellipse(int x1, int y1, int x2, int y2) {
  return {OpKind::kEllipse, false, {x1, y1, x2, y2}};
}
// Box, then the points on the start and end radials; counter-clockwise as in GDI.
constexpr Op Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return {OpKind::kPie, false, {x1, y1, x2, y2, x3, y3, x4, y4}};
}
constexpr Op Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return {OpKind::kArc, false, {x1, y1, x2, y2, x3, y3, x4, y4}};
}
template <std::size_t N>
constexpr Op Polygon(const TPoint (&points)[N]) {
  static_assert(N >= 1 && N <= kMaxPolygonPoints, "vertex list too long for the interpreter");
  return {OpKind::kPolygon, false, {}, points, nullptr, N};
}
constexpr Op SetPixel(int dx, int dy, TColor c) {
  return {OpKind::kSetPixel, false, {dx, dy, static_cast<int>(c)}};
}
template <std::size_t N>
constexpr Op Call(const Op (&table)[N], int dx = 0, int dy = 0) {
  return {OpKind::kCall, false, {dx, dy}, nullptr, table, N};
}
// The same operation at picture coordinates.
constexpr Op Fixed(Op op) {
  op.fixed = true;
  return op;
}

// ---- The interpreter ----

// anchor + offset, saturated: an anchor far outside the picture must not overflow.
constexpr int Offset(int anchor, int offset) {
  const std::int64_t v = std::int64_t{anchor} + offset;
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// Runs `table` on `canvas` with its anchor at (x, y). A template so that a recording stand-in
// for the canvas can watch the calls; the program uses it through DrawStampTable.
template <class CanvasT>
void RunTable(CanvasT& canvas, Table table, int x, int y) {
  for (const Op& op : table) {
    const int ax = op.fixed ? 0 : x, ay = op.fixed ? 0 : y;
    auto px = [&](int i) { return Offset(ax, op.v[i]); };
    auto py = [&](int i) { return Offset(ay, op.v[i]); };
    switch (op.kind) {
      case OpKind::kPenWidth:
        canvas.SetPenWidth(op.v[0]);
        break;
      case OpKind::kPenColor:
        canvas.SetPenColor(static_cast<TColor>(op.v[0]));
        break;
      case OpKind::kBrushColor:
        canvas.SetBrushColor(static_cast<TColor>(op.v[0]));
        break;
      case OpKind::kBrushStyle:
        canvas.SetBrushStyle(static_cast<TBrushStyle>(op.v[0]));
        break;
      case OpKind::kMoveTo:
        canvas.MoveTo(px(0), py(1));
        break;
      case OpKind::kLineTo:
        canvas.LineTo(px(0), py(1));
        break;
      case OpKind::kRectangle:
        canvas.Rectangle(px(0), py(1), px(2), py(3));
        break;
      case OpKind::kEllipse:
        canvas.Ellipse(px(0), py(1), px(2), py(3));
        break;
      case OpKind::kPie:
        canvas.Pie(px(0), py(1), px(2), py(3), px(4), py(5), px(6), py(7));
        break;
      case OpKind::kArc:
        canvas.Arc(px(0), py(1), px(2), py(3), px(4), py(5), px(6), py(7));
        break;
      case OpKind::kPolygon: {
        std::array<TPoint, kMaxPolygonPoints> points;
        for (std::size_t i = 0; i < op.count; ++i) {
          points[i] = {Offset(ax, op.points[i].x), Offset(ay, op.points[i].y)};
        }
        canvas.Polygon(std::span<const TPoint>(points.data(), op.count));
        break;
      }
      case OpKind::kSetPixel:
        canvas.SetPixel(px(0), py(1), static_cast<TColor>(op.v[2]));
        break;
      case OpKind::kCall:
        RunTable(canvas, Table(op.table, op.count), px(0), py(1));
        break;
    }
  }
}

void DrawStampTable(Canvas& canvas, Table table, int x, int y);

// ---- Extent: the smallest box holding every point a table passes ----

struct Extent {
  int left = std::numeric_limits<int>::max();
  int top = std::numeric_limits<int>::max();
  int right = std::numeric_limits<int>::min();
  int bottom = std::numeric_limits<int>::min();
  constexpr bool Empty() const { return left > right; }
  constexpr void Add(int px, int py) {
    left = std::min(left, px);
    right = std::max(right, px);
    top = std::min(top, py);
    bottom = std::max(bottom, py);
  }
  friend constexpr bool operator==(const Extent&, const Extent&) = default;
};

// How many points an operation passes in its coordinates (polygons pass theirs apart).
constexpr int CoordinatePoints(OpKind kind) {
  switch (kind) {
    case OpKind::kMoveTo:
    case OpKind::kLineTo:
    case OpKind::kSetPixel:
      return 1;
    case OpKind::kRectangle:
    case OpKind::kEllipse:
      return 2;
    case OpKind::kPie:
    case OpKind::kArc:
      return 4;
    default:
      return 0;
  }
}

// Offsets (fixed = false) or picture coordinates (fixed = true) of the points passed; a set pixel
// counts as itself. Used to check each table against the extent its source gives.
constexpr void AddExtent(Extent& e, Table table, bool fixed, int x = 0, int y = 0) {
  for (const Op& op : table) {
    if (op.kind == OpKind::kCall) {
      AddExtent(e, Table(op.table, op.count), fixed, x + op.v[0], y + op.v[1]);
      continue;
    }
    if (op.fixed != fixed) continue;
    const int n = CoordinatePoints(op.kind);
    for (int i = 0; i < n; ++i) e.Add(x + op.v[2 * i], y + op.v[2 * i + 1]);
    for (std::size_t i = 0; i < op.count && op.points; ++i) {
      e.Add(x + op.points[i].x, y + op.points[i].y);
    }
  }
}

constexpr Extent TableExtent(Table table, bool fixed = false) {
  Extent e;
  AddExtent(e, table, fixed);
  return e;
}

// ---- Tagged stamps: a tool's tag, its table and the extent written down from its source ----

struct TaggedStamp {
  int tag;
  Table ops;
  Extent extent;  // left, top, right, bottom: the offsets the drawing's points span
};

// The extents were written down apart from the tables; each list checks every table against its
// extent in a static_assert, so that a slip in either stops the build.
constexpr bool TablesMatchExtents(std::span<const TaggedStamp> stamps) {
  for (const TaggedStamp& s : stamps) {
    if (!(TableExtent(s.ops) == s.extent)) return false;
  }
  return true;
}

// The stamp of `tag` in `stamps`, or nullptr.
const TaggedStamp* FindStamp(std::span<const TaggedStamp> stamps, int tag);
// Draws the stamp of `tag` with its anchor at (x, y); a tag without a stamp draws nothing.
void DrawTaggedStamp(Canvas& canvas, std::span<const TaggedStamp> stamps, int tag, int x, int y);
// The extent of the stamp of `tag` as a rectangle of offsets; empty for a tag without a stamp.
QRect TaggedStampExtent(std::span<const TaggedStamp> stamps, int tag);

}  // namespace nabrilo::stamp
