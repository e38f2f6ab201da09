#pragma once
// What the map-mode press, move and release share: the banks of R_Group1, the tools of the line
// bank as a table, and the pen widths and eraser sizes chosen in the radio groups.

#include "platform/canvas.h"

namespace nabrilo::map_tools {

enum Bank { kHatoBank = 0, kLineBank = 1, kPartsBank = 2 };

constexpr int kFirstTag = 101;
constexpr int kLastTag = 109;
constexpr int kTextTag = 108;    // parts bank: "文字入力"
constexpr int kEraserTag = 109;  // parts bank: "消しゴム"

constexpr bool IsToolTag(int tag) {
  return tag >= kFirstTag && tag <= kLastTag;
}

// The figures of the line bank, each drawn from the press point S to a second point.
enum class Figure { Vertical, Horizontal, Straight, Free, Rectangle, RoundRect, Ellipse };
// Lines end at the release point; shapes at the last point a move recorded, so that the figure
// lands where its last rubber band was shown.
enum class ReleaseCorner { Release, LastMove };
enum class EndMark { None, ArrowHead, Cross };

struct LineTool {
  Figure figure;
  ReleaseCorner corner;
  EndMark mark;
};

// The line-bank tool of `tag`, or nullptr for tags outside 101 to 109.
const LineTool* Line_Tool(int tag);

// Draws `figure` from s to p with the canvas's current pen and brush. The free line has no
// figure of its own (it is drawn segment by segment while the pointer moves): nothing is drawn.
void Draw_Figure(Canvas& canvas, Figure figure, TPoint s, TPoint p);

// Pen widths by the item of R_Group_line (細, 太, 極太): the rubber bands and the free line use
// 1, 2, 3; what a release commits uses 1, 2, 4.
int Drag_Pen_Width(int thickness_item);
int Release_Pen_Width(int thickness_item);
// Half the arm of the release cross of "×付線": 3, 6 or 9.
int Cross_Reach(int thickness_item);
// The map eraser's radius by the item of R_Group_Keshigomu (小, 大). The rig erasers have a
// fixed radius each, in their rows of interaction/rig_tools.h.
int Map_Eraser_Radius(int size_item);

}  // namespace nabrilo::map_tools
