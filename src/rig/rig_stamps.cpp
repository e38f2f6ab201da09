// The sixteen tackle parts. Every orientation, size and mirror image has a table of its own;
// nothing is turned, scaled or coloured at run time. Offsets are from the anchor.
#include "rig/rig_parts.h"
#include "rig/rig_tags.h"
#include "stamps/stamp_table.h"

namespace nabrilo {

namespace {

using namespace stamp;
using namespace rig_tag;

// clang-format off

// Swivels: the two bars first, then the three rings, whose white inside covers the bars' ends.
constexpr Op kStamp_V_Sarukan[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clWhite),
    Rectangle(-1, 5, 1, 8),
    Rectangle(-1, 14, 1, 17),
    Ellipse(-3, 0, 3, 6),
    Ellipse(-3, 7, 3, 15),
    Ellipse(-3, 16, 3, 22),
};
constexpr Op kStamp_H_Sarukan[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clWhite),
    Rectangle(5, -1, 8, 1),
    Rectangle(14, -1, 17, 1),
    Ellipse(0, -3, 6, 3),
    Ellipse(7, -3, 15, 3),
    Ellipse(16, -3, 22, 3),
};
constexpr Op kStamp_V_Big_Sarukan[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clWhite),
    Rectangle(-2, 8, 2, 14),
    Rectangle(-2, 21, 2, 27),
    Ellipse(-5, 0, 5, 10),
    Ellipse(-5, 12, 5, 23),
    Ellipse(-5, 25, 5, 35),
};
// Not an exact exchange of the vertical one: the first bar starts at 7, the middle ring ends at 24.
constexpr Op kStamp_H_Big_Sarukan[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clWhite),
    Rectangle(7, -2, 14, 2),
    Rectangle(21, -2, 27, 2),
    Ellipse(0, -5, 10, 5),
    Ellipse(12, -5, 24, 5),
    Ellipse(25, -5, 35, 5),
};

// Spreaders: the sinker hangs from the elbow of an L-shaped arm with a ring at each end.
constexpr TPoint kSpreaderSinker[] = {{0, 50}, {-4, 58}, {-4, 66}, {4, 66}, {4, 58}, {0, 50}};
constexpr Op kStamp_Omori_Kotei[] = {
    PenWidth(2), PenColor(clBlack), BrushColor(clBlack),
    Pie(-4, 62, 4, 70, -4, 66, 4, 66),  // the rounded bottom of the sinker
    Polygon(kSpreaderSinker),
    PenWidth(2),
    MoveTo(0, 2), LineTo(0, 50), LineTo(48, 50),
    PenWidth(1), BrushColor(clWhite),
    Ellipse(-2, 0, 2, 4),
    Ellipse(46, 48, 50, 52),
};
// The fixed spreader, then the line through both rings, its beads and the sliding sleeve.
constexpr Op kStamp_Omori_Yudou[] = {
    Call(kStamp_Omori_Kotei),
    PenWidth(2),
    MoveTo(2, 4), LineTo(46, 48),
    MoveTo(46, 48), LineTo(56, 58),
    BrushColor(clBlack), PenWidth(1),
    Ellipse(10, 12, 14, 16),
    Ellipse(14, 16, 18, 20),
    Ellipse(16, 18, 20, 22),
    Ellipse(20, 22, 24, 26),
    MoveTo(18, 16), LineTo(14, 20), LineTo(16, 22), LineTo(20, 18), LineTo(18, 16),
    BrushColor(clWhite),
};

// Sinkers: a black body, then a white eye over its narrow end.
constexpr TPoint kVOmoriBody[] = {{3, 3},   {3, 13},  {5, 15}, {5, 26}, {0, 30},
                                  {-5, 26}, {-5, 15}, {-3, 13}, {-3, 3}, {3, 3}};
constexpr Op kStamp_V_Omori[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clBlack),
    Polygon(kVOmoriBody),
    BrushColor(clWhite),
    Ellipse(-2, 0, 2, 5),
};
// Not an exact exchange of the vertical body: the shoulder runs 13 to 20, the ninth vertex repeats.
constexpr TPoint kHOmoriBody[] = {{3, -3}, {13, -3}, {20, -5}, {26, -5}, {30, 0},
                                  {26, 5}, {20, 5},  {13, 3},  {3, 3},   {3, 3}};
constexpr Op kStamp_H_Omori[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clBlack),
    Polygon(kHOmoriBody),
    BrushColor(clWhite),
    Ellipse(0, -2, 5, 2),
};

// Hooks: one open chain from the free end of the shank; the brush is not touched.
constexpr Op kStamp_H_M_Hari[] = {
    PenWidth(1), PenColor(clBlack),
    MoveTo(0, 0), LineTo(1, 0), LineTo(7, 5), LineTo(12, 5),
    LineTo(14, 3), LineTo(14, 1), LineTo(12, -1), LineTo(10, -1),
};
constexpr Op kStamp_V_M_Hari[] = {
    PenWidth(1), PenColor(clBlack),
    MoveTo(0, 0), LineTo(0, 1), LineTo(-5, 7), LineTo(-5, 12),
    LineTo(-3, 14), LineTo(-1, 14), LineTo(1, 12), LineTo(1, 10),
};
constexpr Op kStamp_H_B_Hari[] = {
    PenWidth(2), PenColor(clBlack),
    MoveTo(0, 0), LineTo(2, 0), LineTo(14, 10), LineTo(24, 10),
    LineTo(28, 6), LineTo(28, 2), LineTo(24, -2), LineTo(20, -2),
};
constexpr Op kStamp_V_B_Hari[] = {
    PenWidth(2), PenColor(clBlack),
    MoveTo(0, 0), LineTo(0, 2), LineTo(-10, 14), LineTo(-10, 24),
    LineTo(-6, 28), LineTo(-2, 28), LineTo(2, 24), LineTo(2, 20),
};
constexpr Op kStamp_H_M_Hari_Mirror[] = {
    PenWidth(1), PenColor(clBlack),
    MoveTo(0, 0), LineTo(-1, 0), LineTo(-7, 5), LineTo(-12, 5),
    LineTo(-14, 3), LineTo(-14, 1), LineTo(-12, -1), LineTo(-10, -1),
};
constexpr Op kStamp_V_M_Hari_Mirror[] = {
    PenWidth(1), PenColor(clBlack),
    MoveTo(0, 0), LineTo(0, 1), LineTo(5, 7), LineTo(5, 12),
    LineTo(3, 14), LineTo(1, 14), LineTo(-1, 12), LineTo(-1, 10),
};
constexpr Op kStamp_H_B_Hari_Mirror[] = {
    PenWidth(2), PenColor(clBlack),
    MoveTo(0, 0), LineTo(-2, 0), LineTo(-14, 10), LineTo(-24, 10),
    LineTo(-28, 6), LineTo(-28, 2), LineTo(-24, -2), LineTo(-20, -2),
};
constexpr Op kStamp_V_B_Hari_Mirror[] = {
    PenWidth(2), PenColor(clBlack),
    MoveTo(0, 0), LineTo(0, 2), LineTo(10, 14), LineTo(10, 24),
    LineTo(6, 28), LineTo(2, 28), LineTo(-2, 24), LineTo(-2, 20),
};

constexpr TaggedStamp kRigStamps[] = {
    {kVSarukan, kStamp_V_Sarukan, {-3, 0, 3, 22}},
    {kHSarukan, kStamp_H_Sarukan, {0, -3, 22, 3}},
    {kVBigSarukan, kStamp_V_Big_Sarukan, {-5, 0, 5, 35}},
    {kHBigSarukan, kStamp_H_Big_Sarukan, {0, -5, 35, 5}},
    {kOmoriKotei, kStamp_Omori_Kotei, {-4, 0, 50, 70}},
    {kOmoriYudou, kStamp_Omori_Yudou, {-4, 0, 56, 70}},
    {kVOmori, kStamp_V_Omori, {-5, 0, 5, 30}},
    {kHOmori, kStamp_H_Omori, {0, -5, 30, 5}},
    {kHMHari, kStamp_H_M_Hari, {0, -1, 14, 5}},
    {kVMHari, kStamp_V_M_Hari, {-5, 0, 1, 14}},
    {kHBHari, kStamp_H_B_Hari, {0, -2, 28, 10}},
    {kVBHari, kStamp_V_B_Hari, {-10, 0, 2, 28}},
    {kHMHariMirror, kStamp_H_M_Hari_Mirror, {-14, -1, 0, 5}},
    {kVMHariMirror, kStamp_V_M_Hari_Mirror, {-1, 0, 5, 14}},
    {kHBHariMirror, kStamp_H_B_Hari_Mirror, {-28, -2, 0, 10}},
    {kVBHariMirror, kStamp_V_B_Hari_Mirror, {-2, 0, 10, 28}},
};

// clang-format on

static_assert(TablesMatchExtents(kRigStamps), "a rig stamp table disagrees with its part's extent");

}  // namespace

bool IsRigStampTag(int tag) {
  return FindStamp(kRigStamps, tag) != nullptr;
}

void DrawRigStamp(Canvas& canvas, int tag, int x, int y) {
  DrawTaggedStamp(canvas, kRigStamps, tag, x, y);
}

QRect RigStampExtent(int tag) {
  return TaggedStampExtent(kRigStamps, tag);
}

}  // namespace nabrilo
