// What the tackle parts and rods do beyond their outlines: they ignore the chosen colour, leave
// the canvas as their drawing tables say (the next tool sees it), tell the artwork where they
// lie, and cope with any anchor.
#include <gtest/gtest.h>

#include <climits>

#include "rig/rig_parts.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

using stamp_test::CanvasState;
using stamp_test::DrawTool;
using stamp_test::InkedPixels;
using stamp_test::SetState;
using stamp_test::StateOf;

constexpr int kStampTags[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 31, 32, 33, 34};

std::vector<int> AllTools() {
  std::vector<int> tags(std::begin(kStampTags), std::end(kStampTags));
  tags.insert(tags.end(), {13, 14});
  return tags;
}

TEST(RigStamps, TheChosenColourNeverReachesAPart) {
  for (int tag : AllTools()) {
    SCOPED_TRACE(tag);
    Bitmap plain(240, 500), red(240, 500);
    DrawTool(tag, plain.GetCanvas(), 60, 40);
    red.GetCanvas().SetPenColor(clRed);
    DrawTool(tag, red.GetCanvas(), 60, 40);
    ASSERT_GT(InkedPixels(red.Image()), 0);
    EXPECT_EQ(ComparePictures(plain.Image(), red.Image()).differing, 0);
    // Black and white only, save the revolving reel's light blue body.
    for (int y = 0; y < red.Height(); ++y) {
      for (int x = 0; x < red.Width(); ++x) {
        const std::int64_t c = red.GetCanvas().Pixel(x, y);
        ASSERT_TRUE(c == clBlack || c == clWhite || (tag == 14 && c == clSkyBlue))
            << "colour " << std::hex << c << " at (" << std::dec << x << ", " << y << ")";
      }
    }
  }
}

// The state each part leaves, from a canvas left by some other tool (red pen of width 5, blue
// brush, pen at (3, 4)), with the anchor at (50, 60).
struct LeftState {
  int tag;
  int pen_width;
  bool sets_brush;  // to white; hooks leave the brush as it was
  TPoint pen_pos;
};

constexpr TPoint kUnmoved{3, 4};
constexpr LeftState kLeft[] = {
    {1, 1, true, kUnmoved},   {2, 1, true, kUnmoved},   {3, 1, true, kUnmoved},
    {4, 1, true, kUnmoved},   {5, 1, true, {98, 110}},  {6, 1, true, {68, 76}},
    {7, 1, true, kUnmoved},   {8, 1, true, kUnmoved},   {9, 1, false, {60, 59}},
    {10, 1, false, {51, 70}}, {11, 2, false, {70, 58}}, {12, 2, false, {52, 80}},
    {31, 1, false, {40, 59}}, {32, 1, false, {49, 70}}, {33, 2, false, {30, 58}},
    {34, 2, false, {48, 80}}, {13, 1, true, {205, 20}}, {14, 1, true, {198, 17}},
};

TEST(RigStamps, LeaveTheCanvasAsTheirTablesSay) {
  for (const TBrushStyle style : {bsSolid, bsClear}) {
    const CanvasState before{5, clRed, pmCopy, clBlue, style, kUnmoved};
    for (const LeftState& left : kLeft) {
      SCOPED_TRACE(left.tag);
      Bitmap picture(500, 500);
      SetState(picture.GetCanvas(), before);
      DrawTool(left.tag, picture.GetCanvas(), 50, 60);
      const CanvasState expected{left.pen_width,
                                 clBlack,
                                 pmCopy,
                                 left.sets_brush ? clWhite : clBlue,
                                 left.sets_brush ? bsSolid : style,
                                 left.pen_pos};
      EXPECT_EQ(StateOf(picture.GetCanvas()), expected);
    }
  }
}

TEST(RigStamps, AFillAfterAHookUsesTheBrushSetBeforeIt) {
  for (int tag : {9, 10, 11, 12, 31, 32, 33, 34}) {
    SCOPED_TRACE(tag);
    Bitmap picture(100, 100);
    Canvas& c = picture.GetCanvas();
    c.SetBrushColor(clRed);
    DrawRigStamp(c, tag, 50, 20);
    c.Rectangle(10, 60, 30, 80);
    EXPECT_EQ(c.Pixel(20, 70), clRed);
  }
}

TEST(RigStamps, ExtentsHoldWhatIsDrawnAndOnlyPartsHaveOne) {
  for (int tag : kStampTags) {
    SCOPED_TRACE(tag);
    EXPECT_TRUE(IsRigStampTag(tag));
    const QRect extent = RigStampExtent(tag);
    ASSERT_FALSE(extent.isEmpty());
    Bitmap picture(240, 240);
    DrawRigStamp(picture.GetCanvas(), tag, 100, 100);
    // A pen of width 2 reaches one pixel beyond the points it joins.
    const QRect allowed = extent.translated(100, 100).adjusted(-1, -1, 1, 1);
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.GetCanvas().Pixel(x, y) != clWhite) {
          ASSERT_TRUE(allowed.contains(x, y)) << "(" << x << ", " << y << ") is outside";
        }
      }
    }
  }
  for (int tag : {-1, 0, 13, 14, 15, 30, 35, 101}) {
    SCOPED_TRACE(tag);
    EXPECT_FALSE(IsRigStampTag(tag));
    EXPECT_TRUE(RigStampExtent(tag).isNull());
    Bitmap picture(100, 100);
    DrawRigStamp(picture.GetCanvas(), tag, 50, 50);
    EXPECT_EQ(InkedPixels(picture.Image()), 0);
  }
}

TEST(RigStamps, AnchorsAtTheEndsOfTheIntegerRangeDrawNothing) {
  const TPoint far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX, 0}};
  for (int tag : kStampTags) {
    for (const TPoint a : far) {
      SCOPED_TRACE(testing::Message() << tag << " at " << a.x << ", " << a.y);
      Bitmap picture(64, 64);
      DrawRigStamp(picture.GetCanvas(), tag, a.x, a.y);
      EXPECT_EQ(InkedPixels(picture.Image()), 0);
    }
  }
  // A rod's blank and guides stay put; only its reel goes.
  for (int tag : {13, 14}) {
    Bitmap reel_gone(500, 500);
    DrawTool(tag, reel_gone.GetCanvas(), -2000, 3000);
    for (const TPoint a : far) {
      SCOPED_TRACE(testing::Message() << tag << " at " << a.x << ", " << a.y);
      Bitmap picture(500, 500);
      DrawTool(tag, picture.GetCanvas(), a.x, a.y);
      EXPECT_EQ(ComparePictures(reel_gone.Image(), picture.Image()).differing, 0);
    }
  }
}

}  // namespace
}  // namespace nabrilo
