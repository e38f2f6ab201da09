// The blue pointer trail of the straight lines, arcs and arrows: shown while held, put back
// exactly on release, bounded by its tables however long the drag.
#include "interaction/pointer_fixture.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

using Trail = PointerTest;

TEST_F(Trail, PressAndReleaseWithoutAMoveGiveThePressPixelBack) {
  // A grey pixel under the press point, so that white cannot pass for restored.
  form->Picture_Canvas().SetPixel(100, 100, clGray);
  using namespace rig_tag;
  for (const int tag :
       {kThinLine, kThinArcUp, kThinArcDown, kThickLine, kThickArcUp, kThickArcDown, kArrow}) {
    SCOPED_TRACE(tag);
    Choose(tag);
    Press(100, 100);
    EXPECT_EQ(PixelAt(100, 100), clBlue) << "the press marks its pixel";
    EXPECT_EQ(CountColor(clBlue), 1);
    Release(100, 100);
    EXPECT_EQ(CountColor(clBlue), 0);
    // A thin stroke of no length draws nothing; the thick ones leave a dot in the pen colour.
    const bool thin = tag == kThinLine || tag == kThinArcUp || tag == kThinArcDown;
    EXPECT_EQ(PixelAt(100, 100), thin ? clGray : clBlack);
  }
}

TEST_F(Trail, HeldDragShowsOneBluePixelPerMoveOverAnUntouchedPicture) {
  Choose(rig_tag::kArrow);
  Press(50, 50);
  const QByteArray untouched_but_press = Encoded();
  Move(60, 52);
  Move(70, 58);
  Move(-20, 40);  // outside the picture: recorded, nothing marked
  EXPECT_EQ(PixelAt(60, 52), clBlue);
  EXPECT_EQ(PixelAt(70, 58), clBlue);
  EXPECT_EQ(CountColor(clBlue), 3);
  EXPECT_EQ(form->Trail_Count, 3);
  EXPECT_NE(Encoded(), untouched_but_press);
  Release(200, 50);
  EXPECT_EQ(CountColor(clBlue), 0);
}

TEST_F(Trail, AnOverlongDragStopsRecordingAndStillEndsAtTheRelease) {
  Choose(rig_tag::kThinLine);
  Press(10, 10);
  // 20 000 moves sweeping four rows over and over, so that pixels are passed several times.
  for (int i = 0; i < 20000; ++i) Move(20 + (i * 7) % 460, 20 + (i / 460) % 4 * 9);
  EXPECT_EQ(form->Trail_Count, TForm_Main::kTrailCapacity - 1);
  Release(480, 400);
  EXPECT_EQ(CountColor(clBlue), 0) << "moves past the tables were not marked either";
  Bitmap expected(500, 500);
  expected.GetCanvas().MoveTo(10, 10);
  expected.GetCanvas().LineTo(480, 400);
  const PictureDiff diff = ComparePictures(expected.Image(), Picture());
  EXPECT_EQ(diff.differing, 0) << diff.Describe();
}

TEST_F(Trail, ASecondButtonPressedDuringTheDragLeavesNoBluePixel) {
  form->Picture_Canvas().SetPixel(120, 130, clLime);
  Choose(rig_tag::kThinArcUp);
  Press(100, 100);
  Move(120, 130);
  Move(140, 100);
  Press(140, 100, Qt::RightButton);
  Move(160, 120);
  Release(160, 120, Qt::RightButton);
  Release(160, 120);
  EXPECT_EQ(CountColor(clBlue), 0);
  EXPECT_EQ(PixelAt(120, 130), clLime);
  EXPECT_EQ(form->Line_Mode, TForm_Main::kLineNone);
}

TEST_F(Trail, RestoreOfAnUnreadableColourGivesWhite) {
  Choose(rig_tag::kThickLine);
  Press(300, 300);
  Move(310, 300);
  form->Trail_Color[1] = ColorToText(0x123456);
  form->Trail_Color[1].chars[1] = 'Z';  // no longer a hexadecimal number
  Release(300, 350);
  EXPECT_EQ(PixelAt(310, 300), clWhite);
  EXPECT_EQ(CountColor(clBlue), 0);
}

}  // namespace
}  // namespace nabrilo::testing
