// What a user sees of the press, move and release beyond the drawn pixels: the gate on the press
// point, one undo record per stroke, releases that end nothing, the stamps at the pointer.
#include "interaction/pointer_fixture.h"
#include "rig/rig_parts.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

using Pointer = PointerTest;

using namespace rig_tag;

constexpr int kStrokeTools[] = {kThinLine,      kThinArcUp,       kThinArcDown, kThickLine,
                                kThickArcUp,    kThickArcDown,    kFreeThin,    kFreeThick,
                                kVerticalThick, kHorizontalThick, kEraserLarge, kEraserSmall,
                                kVerticalThin,  kHorizontalThin,  kArrow};

TEST_F(Pointer, DragsBegunOnTheTopRowOrLeftColumnDrawNothingWhileMoving) {
  const QByteArray blank = Encoded();
  struct Case {
    int tag, x, y;
  };
  // Free line and eraser from column 0, trail and vertical line from row 0, and a press outside.
  for (const Case c : {Case{kFreeThin, 0, 50}, Case{kEraserLarge, 0, 80}, Case{kThinLine, 60, 0},
                       Case{kVerticalThick, 90, 0}, Case{kFreeThick, -5, 40}}) {
    SCOPED_TRACE(c.tag);
    Choose(c.tag);
    Press(c.x, c.y);
    Move(c.x + 40, c.y + 30);
    Move(c.x + 80, c.y + 60);
    if (c.tag == kThinLine) {
      // Only the press pixel, marked by the press itself.
      EXPECT_EQ(CountColor(clBlue), 1);
      form->Trail_Restore();
    }
    EXPECT_EQ(Encoded(), blank) << "drawn while moving";
    form->Line_Mode = TForm_Main::kLineNone;
  }
}

TEST_F(Pointer, VerticalAndHorizontalLinesNeverShrink) {
  Choose(kVerticalThin);
  Press(100, 100);
  Move(100, 200);
  Move(100, 120);  // back toward the start
  Move(130, 150);
  Release(130, 150);
  for (int y = 100; y < 200; ++y) ASSERT_EQ(PixelAt(100, y), clBlack) << y;
  Choose(kHorizontalThin);
  Press(300, 300);
  Move(200, 300);
  Move(280, 290);
  Release(280, 290);
  for (int x = 201; x <= 300; ++x) ASSERT_EQ(PixelAt(x, 300), clBlack) << x;
}

TEST_F(Pointer, NoRedRingIsLeftAfterAnEraserRelease) {
  for (const int tag : {kEraserLarge, kEraserSmall}) {
    SCOPED_TRACE(tag);
    Choose(tag);
    Move(200, 200);
    Press(200, 200);
    Move(230, 210);
    EXPECT_GT(CountColor(clRed), 0) << "the ring shows the eraser's reach while held";
    Release(230, 210);
    EXPECT_EQ(CountColor(clRed), 0);
  }
}

TEST_F(Pointer, TheEraserStartsAtItsPressNotWhereTheGateLastLetAMoveThrough) {
  Choose(kFreeThick);
  Press(100, 100);
  Move(200, 100);
  Release(200, 100);
  Choose(kFreeThin);
  Press(0, 300);  // the moves after this press do not pass the gate
  Release(0, 300);
  Choose(kEraserLarge);
  Move(400, 400);
  Press(400, 400);
  Move(410, 400);
  Release(410, 400);
  for (int x = 100; x <= 200; ++x) ASSERT_EQ(PixelAt(x, 100), clBlack) << x;
}

TEST_F(Pointer, EveryStrokeReleaseRecordsExactlyOneSnapshot) {
  Choose(kThickLine);
  Press(10, 490);
  Release(490, 490);
  ASSERT_EQ(form->Undo_State, TForm_Main::kUndoRecorded);
  int y = 20;
  for (const int tag : kStrokeTools) {
    SCOPED_TRACE(tag);
    const QByteArray before = Encoded();
    ASSERT_EQ(form->Snap_Now, before);
    if (tag == kEraserLarge || tag == kEraserSmall) {
      // Erase part of the line at the bottom.
      const int x = tag == kEraserLarge ? 40 : 60;
      Choose(tag);
      Move(x, 490);
      Press(x, 490);
      Move(x + 10, 490);
      Release(x + 10, 490);
    } else {
      Choose(tag);
      Press(30, y);
      Move(200, y + 8);
      Move(300, y + 5);
      Release(400, y + 10);
      y += 30;
    }
    ASSERT_NE(Encoded(), before) << "the stroke drew nothing";
    EXPECT_EQ(form->Snap_Prev, before) << "not one snapshot: the earlier record was lost";
    EXPECT_EQ(form->Snap_Now, Encoded()) << "the stroke was not recorded";
    EXPECT_EQ(form->Line_Mode, TForm_Main::kLineNone);
    EXPECT_EQ(form->Buhin_Tag, tag) << "stroke tools stay selected";
  }
}

TEST_F(Pointer, AReleaseThatEndsNoPressDrawsAndRecordsNothing) {
  Choose(kOmoriKotei);
  Press(100, 100);  // a stamp, so that there is a record to keep
  const QByteArray recorded = form->Snap_Now;
  for (const int tag : kStrokeTools) {
    SCOPED_TRACE(tag);
    Choose(tag);
    Move(250, 250);
    Release(300, 260);
    EXPECT_EQ(Encoded(), recorded);
    EXPECT_EQ(form->Snap_Now, recorded);
    form->Haba_DY = 7;
    Release(310, 270);
    EXPECT_EQ(form->Haba_DY, 0) << "every release clears it";
  }
  // Stamps, the text tool and no tool end nothing at the release either.
  for (const int tag : {kNone, kVSarukan, kVBHari, kText, kVBHariMirror}) {
    Choose(tag);
    Release(200, 200);
    EXPECT_EQ(form->Snap_Now, recorded);
  }
}

TEST_F(Pointer, StampsLandUnderTheScreenPointerAndAreOneShot) {
  Choose(kVBigSarukan);
  Press(120, 150);
  Bitmap expected(500, 500);
  DrawRigStamp(expected.GetCanvas(), kVBigSarukan, 120, 150);
  EXPECT_EQ(ComparePictures(expected.Image(), Picture()).differing, 0);
  EXPECT_EQ(form->Buhin_Tag, kNone);
  EXPECT_EQ(ScreenCursor(), crDefault);
  EXPECT_EQ(form->Snap_Now, Encoded());
  Press(300, 300);  // the tool is none now
  EXPECT_EQ(ComparePictures(expected.Image(), Picture()).differing, 0);

  // A press reported with other coordinates (the bare window) still stamps at the pointer.
  Choose(kVOmori);
  QCursor::setPos(form->Image1->mapToGlobal(QPoint(250, 60)));
  form->Image1MouseDown(form.get(), TMouseButton::mbRight, 0, 700, 700);
  DrawRigStamp(expected.GetCanvas(), kVOmori, 250, 60);
  EXPECT_EQ(ComparePictures(expected.Image(), Picture()).differing, 0);
}

TEST_F(Pointer, BothRodsEndAtThePressWithASnapshot) {
  for (const int tag : {kRodSpinning, kRodRevolving}) {
    SCOPED_TRACE(tag);
    Choose(tag);
    const QByteArray with_rod = Encoded();
    const int cursor = ScreenCursor();
    Press(400, 400);
    EXPECT_EQ(form->Buhin_Tag, kNone);
    EXPECT_EQ(form->Snap_Now, with_rod);
    EXPECT_EQ(Encoded(), with_rod) << "the press draws nothing more";
    EXPECT_EQ(ScreenCursor(), cursor);
    Release(400, 400);
  }
}

TEST_F(Pointer, WithNoToolAPressChangesNothing) {
  Choose(kNone);
  form->Line_Mode = TForm_Main::kLineNone;
  Press(100, 100);
  Move(200, 200);
  Release(200, 200);
  EXPECT_EQ(form->Line_Mode, TForm_Main::kLineNone);
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty);
  EXPECT_EQ(CountColor(clWhite), 500L * 500L);
}

}  // namespace
}  // namespace nabrilo::testing
