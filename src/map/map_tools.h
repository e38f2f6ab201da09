#pragma once
// The map tools, one row per bank and tool: the nine buttons S2_Btn1 to 9 carry the tags 101 to
// 109 in each of the three banks of R_Group1. The palette's glyphs, the status text and preview,
// the map press, drag and release, and the artwork of the image list all read this one table; the
// rig tools have theirs in rig/rig_tools.h. Also here: the pen widths and eraser sizes chosen in
// the map palette's radio groups.

#include <span>

#include "platform/canvas.h"

namespace nabrilo::map_tools {

enum Bank { kHatoBank = 0, kLineBank = 1, kPartsBank = 2 };

constexpr int kFirstTag = 101;  // S2_Btn1; S2_Btn0 carries 0, no tool
constexpr int kLastTag = 109;   // S2_Btn9
constexpr int kToolsPerBank = kLastTag - kFirstTag + 1;

// What the press, the drag and the release do with a map tool: one kind per row, so that a row
// cannot pair the press of one kind with the drag or the release of another.
enum class MapGesture {
  Band,        // 波止: the outline follows the drag in not-xor; the band is filled at the release
  RubberBand,  // 線: the figure follows the drag in not-xor; drawn for good at the release
  FreeLine,    // 線: drawn for good while the pointer moves; recorded at the release
  Stamp,       // 部品: the symbol at the screen pointer, at the press
  Text,        // 部品: the map text field at the press point
  Eraser,      // 部品: white discs along the drag, the last one at the release
};

// A breakwater band's ends, and its inner line: Q a quarter of the width from the axis, T three
// quarters.
enum class BandEnds { StartOpen, Closed, BothOpen };
enum class BandInner { None, Quarter, ThreeQuarter };

// The figures of the line bank, each drawn from the press point S to a second point.
enum class Figure { Vertical, Horizontal, Straight, Free, Rectangle, RoundRect, Ellipse };
// Lines end at the release point; shapes at the last point a move recorded, so that the figure
// lands where its last rubber band was shown.
enum class ReleaseCorner { Release, LastMove };
enum class EndMark { None, ArrowHead, Cross };

struct MapTool {
  Bank bank;
  int tag;
  MapGesture gesture;
  const char16_t* text;  // Label_Point while the tool is chosen; the breakwater bank shows none
  // What the tool is called: its status text, or for a breakwater style, which has none, a short
  // description of the band.
  const char16_t* name;
  bool preview;  // Image_H shows the tool's own picture of ImageList1
  // Band rows: the ends and the inner line.
  BandEnds ends = BandEnds::Closed;
  BandInner inner = BandInner::None;
  // RubberBand and FreeLine rows: the figure, where the release puts its far corner, its mark.
  Figure figure = Figure::Straight;
  ReleaseCorner corner = ReleaseCorner::Release;
  EndMark mark = EndMark::None;
};

// Every map tool, bank by bank and tag by tag: picture n of ImageList1 is the glyph of row n.
std::span<const MapTool> Map_Tools();
// The row of `tag` in `bank`, or nullptr (tag 0, no tool, among others).
const MapTool* Find_Map_Tool(int bank, int tag);
// The tool's picture in ImageList1: its glyph, and its preview where it shows one.
int Picture_Of(const MapTool& tool);

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
// fixed radius each, in their rows of rig/rig_tools.h.
int Map_Eraser_Radius(int size_item);

}  // namespace nabrilo::map_tools
