// Undo in the real window: which actions can be undone, what the buttons show, and what an undo
// brings back.
#include "app/form_fixture.h"
#include "document/document_test_support.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

class UndoTest : public FormTest {
 protected:
  // A finished drawing action: a mark on the picture, then the snapshot the action takes.
  void Act(int x, TColor colour = clRed) {
    Canvas& canvas = form->Picture_Canvas();
    canvas.SetBrushColor(colour);
    canvas.SetPenColor(colour);
    canvas.Rectangle(x, 10, x + 20, 30);
    form->Take_Snapshot();
  }
  QImage Picture() const { return form->Image1->Picture().Image().copy(); }
  bool UndoEnabled() const {
    EXPECT_EQ(form->Btn_Undo_1->isEnabled(), form->Btn_Undo_2->isEnabled());
    return form->Btn_Undo_1->isEnabled();
  }
};

TEST_F(UndoTest, TheFirstActionCannotBeUndoneAndUndoGoesBackOneStep) {
  EXPECT_FALSE(UndoEnabled());
  Act(10);
  EXPECT_FALSE(UndoEnabled());
  const QImage after_first = Picture();
  Act(50, clBlue);
  EXPECT_TRUE(UndoEnabled());
  Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), after_first);  // only the second mark is gone
  EXPECT_FALSE(UndoEnabled());
  // One more action, and undo returns to the picture as it was right after the first undo.
  Act(90, clGreen);
  EXPECT_TRUE(UndoEnabled());
  Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), after_first);
}

TEST_F(UndoTest, BothButtonsUndoAndTheRestoredPictureHasANewCanvas) {
  Act(10);
  const QImage after_first = Picture();
  Act(50, clBlue);
  Click(form->Btn_Undo_2);  // the map palette's button, in rig mode
  EXPECT_EQ(Picture(), after_first);
  const Canvas& canvas = form->Picture_Canvas();
  EXPECT_EQ(canvas.PenColor(), clBlack);
  EXPECT_EQ(canvas.PenWidth(), 1);
  EXPECT_EQ(canvas.BrushColor(), clWhite);
}

TEST_F(UndoTest, ClearingStartsOverAndChangesThatTakeNoSnapshotGoWithTheLastAction) {
  Act(10);
  Act(50);
  Click(form->Button_Clear);
  EXPECT_FALSE(UndoEnabled());
  Act(90);
  EXPECT_FALSE(UndoEnabled());  // the first action after clearing cannot be undone
  const QImage recorded = Picture();
  Act(130);
  form->Picture_Canvas().Rectangle(200, 200, 300, 300);  // like a rod: no snapshot
  Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), recorded);
}

TEST_F(UndoTest, AnUndoAcrossAnImportRestoresThePreviousPictureAtItsOwnSize) {
  Act(10);
  const QImage before_import = Picture();
  const QImage drawing = test::Drawing(300, 200);
  form->Image1->SetAutoSize(true);
  form->Image1->SetPicture(Bitmap(drawing));  // as a paste does, without a snapshot
  form->Fit_Window_To_Picture();
  form->Label_Size->SetCaption(TForm_Main::Size_Text(300, 200));
  const QSize window = form->Outer_Size();
  Act(40);
  Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), before_import);
  EXPECT_EQ(form->Image1->size(), QSize(500, 500));
  // The size label follows the picture it brought back; the window keeps its size.
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  EXPECT_EQ(form->Outer_Size(), window);
}

TEST_F(UndoTest, AStreamThatCannotBeDecodedLeavesThePicture) {
  Act(10);
  Act(50);
  const QImage now = Picture();
  form->Snap_Prev.truncate(100);
  form->Btn_Undo_1Click(form->Btn_Undo_1);
  EXPECT_EQ(Picture(), now);
}

}  // namespace
}  // namespace nabrilo::testing
