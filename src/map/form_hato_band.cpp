// Breakwater bands: the width vectors, the not-xor outline shown while dragging, and the finished
// band. The nine tools differ only in how their ends are drawn and which inner line they carry,
// which their rows of the map tools give (map/map_tools.h). Pen and brush are set by the callers.
#include <array>
#include <cmath>
#include <cstdint>

#include "app/form_main.h"
#include "map/map_tools.h"
#include "platform/arith.h"

namespace nabrilo {

namespace {

using map_tools::BandEnds;
using map_tools::BandInner;
using map_tools::MapTool;

// The breakwater style of `tag`, from its row of the map tools; nullptr for tags without one.
const MapTool* Band_Style(int tag) {
  return map_tools::Find_Map_Tool(map_tools::kHatoBank, tag);
}

// K: the quarter or three-quarter width vector, for the tools with an inner line.
TPoint Inner_Vector(const TForm_Main& f, BandInner inner) {
  return inner == BandInner::Quarter ? TPoint{f.Haba1_DX, f.Haba1_DY}
                                     : TPoint{f.Haba3_DX, f.Haba3_DY};
}

TPoint operator+(TPoint a, TPoint b) {
  return {SatAdd(a.x, b.x), SatAdd(a.y, b.y)};
}

// An outline as it stands on the picture: the axis end E, then E + H, S + H, E + K and S + K.
using Corners = std::array<TPoint, 5>;

void Draw_Outline(Canvas& canvas, const MapTool& style, TPoint s, const Corners& c) {
  canvas.MoveTo(s.x, s.y);
  canvas.LineTo(c[0].x, c[0].y);
  if (style.ends == BandEnds::BothOpen) {
    canvas.MoveTo(c[1].x, c[1].y);
  } else {
    canvas.LineTo(c[1].x, c[1].y);
  }
  canvas.LineTo(c[2].x, c[2].y);
  if (style.ends == BandEnds::Closed) canvas.LineTo(s.x, s.y);
  if (style.inner != BandInner::None) {
    canvas.MoveTo(c[3].x, c[3].y);
    canvas.LineTo(c[4].x, c[4].y);
  }
}

// Round(factor × length), ties to even. Negating the factor instead of the result is the same
// (ties to even is symmetric) and cannot overflow.
int Scaled(long double factor, int length) {
  return RoundHalfEven(static_cast<double>(factor * static_cast<long double>(length)));
}

}  // namespace

void TForm_Main::Calc_Haba(int start_x, int start_y, int end_x, int end_y, int width) {
  // The x difference goes first, so that sin θ = Δx / L and cos θ = Δy / L.
  const auto dx = static_cast<long double>(static_cast<std::int64_t>(end_x) - start_x);
  const auto dy = static_cast<long double>(static_cast<std::int64_t>(end_y) - start_y);
  const long double theta = std::atan2(dx, dy);
  // An axis of no length has no direction: the vectors keep what they were.
  if (end_x == start_x && end_y == start_y) return;
  const long double cos_t = std::cos(theta);
  const long double sin_t = std::sin(theta);
  // The three-quarter width is three truncated quarters (25 gives 18, not 19).
  const int quarter = TruncDiv(width, 4);
  const int three_quarters = 3 * quarter;
  Haba_DX = Scaled(-cos_t, width);
  Haba_DY = Scaled(sin_t, width);
  Haba1_DX = Scaled(-cos_t, quarter);
  Haba1_DY = Scaled(sin_t, quarter);
  Haba3_DX = Scaled(-cos_t, three_quarters);
  Haba3_DY = Scaled(sin_t, three_quarters);
}

void TForm_Main::Hato_Erase_Preview(int tag) {
  const MapTool* style = Band_Style(tag);
  if (!style) return;
  const Corners recorded = {TPoint{Last_X, Last_Y}, TPoint{Last_X2, Last_Y2},
                            TPoint{Last_X3, Last_Y3}, TPoint{Last_X4, Last_Y4},
                            TPoint{Last_X5, Last_Y5}};
  Draw_Outline(Picture_Canvas(), *style, {Down_X, Down_Y}, recorded);
}

void TForm_Main::Hato_Preview(int tag, int start_x, int start_y, int x, int y) {
  const MapTool* style = Band_Style(tag);
  if (!style) return;
  const TPoint s{start_x, start_y};
  const TPoint e{x, y};
  const TPoint h{Haba_DX, Haba_DY};
  const TPoint k = Inner_Vector(*this, style->inner);
  const Corners corners = {e, e + h, s + h, e + k, s + k};
  Draw_Outline(Picture_Canvas(), *style, s, corners);
  Last_X = corners[0].x;
  Last_Y = corners[0].y;
  Last_X2 = corners[1].x;
  Last_Y2 = corners[1].y;
  Last_X3 = corners[2].x;
  Last_Y3 = corners[2].y;
  // Tools without an inner line leave corners 4 and 5 as they were.
  if (style->inner == BandInner::None) return;
  Last_X4 = corners[3].x;
  Last_Y4 = corners[3].y;
  Last_X5 = corners[4].x;
  Last_Y5 = corners[4].y;
}

void TForm_Main::Hato_Fill(int tag, int start_x, int start_y, int x, int y) {
  const MapTool* style = Band_Style(tag);
  if (!style) return;
  Canvas& canvas = Picture_Canvas();
  const TPoint s{start_x, start_y};
  const TPoint e{x, y};
  const TPoint h{Haba_DX, Haba_DY};
  const std::array band = {s, e, e + h, s + h};
  canvas.Polygon(band);
  if (style->inner != BandInner::None) {
    // Its side from E + K to S + K is the inner line; the others lie on the band's outline.
    const TPoint k = Inner_Vector(*this, style->inner);
    const std::array inner = {s, e, e + k, s + k};
    canvas.Polygon(inner);
  }
  if (style->ends == BandEnds::Closed) return;
  // Open ends: the outline's end segments are wiped out in white with the current pen width.
  canvas.SetPenColor(clWhite);
  canvas.MoveTo(s.x, s.y);
  canvas.LineTo((s + h).x, (s + h).y);
  if (style->ends == BandEnds::BothOpen) {
    canvas.MoveTo(e.x, e.y);
    canvas.LineTo((e + h).x, (e + h).y);
  }
  canvas.SetPenColor(clBlack);
}

}  // namespace nabrilo
