// The arc control points and the arrow head corners, on the worked examples.
#include "rig/stroke_geometry.h"

#include <gtest/gtest.h>

namespace nabrilo {
namespace {

using P = TPoint;

TEST(ArcGeometry, ThirdsAndQuartersByDirectionAndSlope) {
  // Upward, ending lower: thirds from the begin point, m = 10, q3 = 30.
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Upward, {100, 100}, {190, 200}),
            (std::array<P, 4>{P{100, 100}, {130, 90}, {160, 80}, {190, 200}}));
  // Downward, ending higher: the same thirds, the second control point below.
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Downward, {100, 200}, {190, 100}),
            (std::array<P, 4>{P{100, 200}, {130, 190}, {160, 220}, {190, 100}}));
  // Upward, ending higher, and downward, ending lower: quarters, heights from the end point.
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Upward, {100, 200}, {190, 100}),
            (std::array<P, 4>{P{100, 200}, {122, 90}, {166, 120}, {190, 100}}));
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Downward, {100, 100}, {190, 200}),
            (std::array<P, 4>{P{100, 100}, {122, 190}, {166, 180}, {190, 200}}));
}

TEST(ArcGeometry, RightToLeftTruncatesTowardZeroAndLevelArcsAreStraight) {
  // -155 / 3 is -51 (not -52), -155 / 4 is -38 (not -39); 83 / 10 is 8.
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Upward, {400, 300}, {245, 383})[1], (P{349, 292}));
  EXPECT_EQ(ArcBezierPoints(ArcBulge::Downward, {400, 300}, {245, 383})[2], (P{286, 367}));
  // A rise of 9 gives m = 0 either way round.
  const auto level = ArcBezierPoints(ArcBulge::Upward, {100, 459}, {400, 450});
  EXPECT_EQ(level[1], (P{175, 450}));
  EXPECT_EQ(level[2], (P{325, 450}));
  const auto flat = ArcBezierPoints(ArcBulge::Downward, {100, 450}, {400, 450});
  EXPECT_EQ(flat[1].y, 450);
  EXPECT_EQ(flat[2].y, 450);
}

TEST(ArrowGeometry, TwelvePixelHeadThreeEitherSide) {
  EXPECT_EQ(ArrowHeadLength(2), 12);
  EXPECT_EQ(ArrowHeadLength(1), 9);
  EXPECT_EQ(ArrowHeadLength(4), 18);
  // Left to right along a row: the corners lie 12 to the left of the tip, 3 above and below.
  EXPECT_EQ(ArrowHeadCorners(12, {100, 100}, {200, 100}),
            (std::array<P, 2>{P{188, 97}, {188, 103}}));
  // Straight down.
  EXPECT_EQ(ArrowHeadCorners(12, {300, 100}, {300, 200}),
            (std::array<P, 2>{P{303, 188}, {297, 188}}));
  // Released at the press point: the angle is 0 and the head opens to the right.
  EXPECT_EQ(ArrowHeadCorners(12, {400, 400}, {400, 400}),
            (std::array<P, 2>{P{412, 403}, {412, 397}}));
  // Oblique: -6.21 and -10.76 round to -6 and -11.
  EXPECT_EQ(ArrowHeadCorners(12, {100, 300}, {200, 400}),
            (std::array<P, 2>{P{194, 389}, {189, 394}}));
}

}  // namespace
}  // namespace nabrilo
