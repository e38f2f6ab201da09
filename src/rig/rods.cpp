// The two rods with their reels. The blank and its guides stand at fixed picture coordinates;
// only the reel follows the anchor. The spinning reel lies under the rod's strokes, the revolving
// reel on top of them.
#include "rig/rig_parts.h"
#include "stamps/stamp_table.h"

namespace nabrilo {

namespace {

using namespace stamp;

constexpr TColor kReelBlue = 0xF0CAA6;

// clang-format off

// A long thin triangle from the tip down to the butt; the caller sets the pen.
constexpr Op kRodBlank[] = {
    Fixed(MoveTo(200, 20)), Fixed(LineTo(20, 480)), Fixed(LineTo(16, 478)), Fixed(LineTo(200, 20)),
};

// Guides 1 to 6 (the last at the tip), on the lower right side of the rod.
constexpr Op kSpinningGuides[] = {
    Fixed(MoveTo(124, 217)), Fixed(LineTo(144, 226)),
    Fixed(MoveTo(155, 136)), Fixed(LineTo(168, 142)),
    Fixed(MoveTo(176, 86)),  Fixed(LineTo(182, 89)),
    Fixed(MoveTo(185, 59)),  Fixed(LineTo(189, 61)),
    Fixed(MoveTo(192, 38)),  Fixed(LineTo(196, 41)),
    Fixed(MoveTo(200, 20)),  Fixed(LineTo(205, 20)),
};

// The same guides standing on the upper left side.
constexpr Op kRevolvingGuides[] = {
    Fixed(MoveTo(120, 216)), Fixed(LineTo(111, 212)),
    Fixed(MoveTo(155, 136)), Fixed(LineTo(147, 133)),
    Fixed(MoveTo(175, 87)),  Fixed(LineTo(167, 84)),
    Fixed(MoveTo(185, 61)),  Fixed(LineTo(178, 58)),
    Fixed(MoveTo(193, 40)),  Fixed(LineTo(188, 37)),
    Fixed(MoveTo(200, 20)),  Fixed(LineTo(198, 17)),
};

constexpr TPoint kSpinningStrip[] = {{72, 384}, {66, 396}, {91, 409}, {97, 397}, {95, 397},
                                     {91, 405}, {70, 394}, {74, 386}, {72, 384}};
// The reel's body with a foot that lies along the rod.
constexpr TPoint kSpinningBody[] = {
    {60, 380}, {52, 400}, {54, 400}, {56, 394}, {62, 396}, {66, 418},
    {74, 422}, {82, 416}, {86, 408}, {70, 400}, {68, 404}, {64, 396},
    {66, 392}, {64, 390}, {62, 394}, {57, 391}, {61, 383}, {60, 380}};

constexpr Op kStamp_Rod_Spinning[] = {
    PenWidth(1), PenColor(clBlack), BrushColor(clBlack),
    Polygon(kSpinningStrip),
    PenWidth(2),
    MoveTo(80, 380), LineTo(70, 394), LineTo(91, 405), LineTo(96, 388), LineTo(80, 380),
    PenWidth(1),
    Polygon(kSpinningBody),
    BrushColor(clWhite),
    Rectangle(72, 414, 76, 430),
    BrushColor(clBlack),
    Ellipse(68, 428, 80, 432),
    PenWidth(2),
    Call(kRodBlank), Call(kSpinningGuides),
    PenWidth(1), BrushColor(clWhite),
};

constexpr Op kStamp_Rod_Revolving[] = {
    PenColor(clBlack), PenWidth(2),
    Call(kRodBlank), Call(kRevolvingGuides),
    PenWidth(1), PenColor(clBlack), BrushColor(clBlack),
    PenWidth(3), BrushStyle(bsSolid), BrushColor(kReelBlue),
    Ellipse(28, 374, 52, 398),
    PenWidth(1), BrushColor(clBlack),
    Rectangle(45, 386, 49, 408),
    PenWidth(1), BrushColor(clWhite),
    Ellipse(45, 384, 49, 388),
    PenWidth(1), BrushColor(clWhite),
    Ellipse(45, 390, 49, 394),
    PenWidth(1), BrushColor(clWhite),
    Ellipse(43, 406, 51, 410),
};

// clang-format on

// Checked against the extents written down for the rod and the two reels.
static_assert(TableExtent(kStamp_Rod_Spinning) == Extent{52, 380, 97, 432});
static_assert(TableExtent(kStamp_Rod_Revolving) == Extent{28, 374, 52, 410});
static_assert(TableExtent(kStamp_Rod_Spinning, true) == Extent{16, 20, 205, 480});
static_assert(TableExtent(kStamp_Rod_Revolving, true) == Extent{16, 17, 200, 480});

}  // namespace

void DrawRodSpinning(Canvas& canvas, int x, int y) {
  DrawStampTable(canvas, kStamp_Rod_Spinning, x, y);
}

void DrawRodRevolving(Canvas& canvas, int x, int y) {
  DrawStampTable(canvas, kStamp_Rod_Revolving, x, y);
}

}  // namespace nabrilo
