// The line bank's tools and the sizes chosen in the map palette's radio groups.
#include "map/map_tools.h"

#include <algorithm>
#include <array>

namespace nabrilo::map_tools {

namespace {

constexpr LineTool kLineTools[] = {
    {Figure::Vertical, ReleaseCorner::Release, EndMark::None},       // 101 縦線
    {Figure::Horizontal, ReleaseCorner::Release, EndMark::None},     // 102 横線
    {Figure::Straight, ReleaseCorner::Release, EndMark::None},       // 103 斜め線
    {Figure::Free, ReleaseCorner::Release, EndMark::None},           // 104 自由線
    {Figure::Straight, ReleaseCorner::Release, EndMark::ArrowHead},  // 105 矢印線
    {Figure::Straight, ReleaseCorner::Release, EndMark::Cross},      // 106 ×付線
    {Figure::Rectangle, ReleaseCorner::LastMove, EndMark::None},     // 107 四角
    {Figure::RoundRect, ReleaseCorner::LastMove, EndMark::None},     // 108 丸四角
    {Figure::Ellipse, ReleaseCorner::LastMove, EndMark::None},       // 109 丸
};

constexpr int kRoundCorner = 30;  // the corner ellipse of 丸四角 is 30 × 30

constexpr std::array kDragPenWidths = {1, 2, 3};
constexpr std::array kReleasePenWidths = {1, 2, 4};
constexpr std::array kEraserRadii = {5, 10};

// A radio group always has an item chosen; should it ever have none, the first item stands in.
template <std::size_t N>
int Pick(const std::array<int, N>& values, int item) {
  return values[static_cast<std::size_t>(std::clamp(item, 0, static_cast<int>(N) - 1))];
}

}  // namespace

const LineTool* Line_Tool(int tag) {
  return IsToolTag(tag) ? &kLineTools[tag - kFirstTag] : nullptr;
}

void Draw_Figure(Canvas& canvas, Figure figure, TPoint s, TPoint p) {
  switch (figure) {
    case Figure::Vertical:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(s.x, p.y);
      break;
    case Figure::Horizontal:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(p.x, s.y);
      break;
    case Figure::Straight:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(p.x, p.y);
      break;
    case Figure::Free:
      break;
    case Figure::Rectangle:
      canvas.Rectangle(s.x, s.y, p.x, p.y);
      break;
    case Figure::RoundRect:
      canvas.RoundRect(s.x, s.y, p.x, p.y, kRoundCorner, kRoundCorner);
      break;
    case Figure::Ellipse:
      canvas.Ellipse(s.x, s.y, p.x, p.y);
      break;
  }
}

int Drag_Pen_Width(int thickness_item) {
  return Pick(kDragPenWidths, thickness_item);
}

int Release_Pen_Width(int thickness_item) {
  return Pick(kReleasePenWidths, thickness_item);
}

int Cross_Reach(int thickness_item) {
  return 3 * (std::clamp(thickness_item, 0, 2) + 1);
}

int Map_Eraser_Radius(int size_item) {
  return Pick(kEraserRadii, size_item);
}

}  // namespace nabrilo::map_tools
