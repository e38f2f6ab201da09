// The named cursors: 32 × 32, black and white on transparent, hot spot in the "HotSpot" text.
#include "artwork.h"
#include "rig/rig_parts.h"

namespace nabrilo::artwork {

namespace {

struct CursorSpec {
  int number;
  int hot_x, hot_y;
};

// Cursors 1 to 12 and 31 to 34 show the part of the rig tool of the same number, anchored at
// the hot spot, so that the stamp lands where the picture of it stood.
constexpr CursorSpec kCursors[] = {
    {1, 5, 0},    {2, 1, 4},   {3, 15, 0}, {4, 0, 16},  {5, 1, 0},   {6, 1, 0},   {7, 4, 0},
    {8, 0, 4},    {9, 0, 2},   {10, 5, 0}, {11, 0, 4},  {12, 11, 0}, {21, 0, 31}, {25, 15, 15},
    {26, 10, 10}, {31, 14, 3}, {32, 2, 0}, {33, 29, 4}, {34, 4, 0}};

// A pencil lying from the bottom-left corner, its tip at (0, 31).
void DrawPencil(Canvas& c) {
  static constexpr TPoint kBody[] = {{3, 24}, {23, 4}, {27, 8}, {7, 28}};
  static constexpr TPoint kCone[] = {{0, 31}, {3, 24}, {7, 28}};
  static constexpr TPoint kLead[] = {{0, 31}, {1, 28}, {3, 30}};
  c.SetPenColor(clBlack);
  c.SetPenWidth(1);
  c.SetBrushColor(clWhite);
  c.Polygon(kBody);
  c.Polygon(kCone);
  c.SetBrushColor(clBlack);
  c.Polygon(kLead);
  c.MoveTo(20, 7);
  c.LineTo(24, 11);
}

// An eraser outline: a circle centred on the hot spot.
void DrawCircle(Canvas& c, int centre) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(1);
  c.SetBrushStyle(bsClear);
  c.Ellipse(0, 0, 2 * centre + 1, 2 * centre + 1);
}

Drawing CursorDrawing(const CursorSpec& s) {
  if (s.number == 21) return DrawPencil;
  if (s.number == 25 || s.number == 26) {
    return [s](Canvas& c) { DrawCircle(c, s.hot_x); };
  }
  return [s](Canvas& c) { DrawRigStamp(c, s.number, s.hot_x, s.hot_y); };
}

}  // namespace

std::vector<Output> Cursors() {
  std::vector<Output> out;
  for (const CursorSpec& s : kCursors) {
    out.push_back({QStringLiteral("cursors/Cursor_%1.nbrp").arg(s.number, 3, 10, QLatin1Char('0')),
                   Render(32, 32, CursorDrawing(s)), QPoint(s.hot_x, s.hot_y)});
  }
  return out;
}

}  // namespace nabrilo::artwork
