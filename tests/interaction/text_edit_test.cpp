// Typing text onto the picture: the field opens over the press point, Japanese text committed by
// an input method reaches it, and Enter draws it where it stood.
#include <QInputMethodEvent>
#include <QSignalSpy>

#include "interaction/input_method.h"
#include "interaction/pointer_fixture.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

class TextEdit : public PointerTest {
 protected:
  void SetUp() override {
    PointerTest::SetUp();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  void Type_Committed(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
  }
  void Enter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }
};

TEST_F(TextEdit, APressOpensTheFieldOverThePressPoint) {
  Choose(rig_tag::kText);
  Press(100, 120);
  TEdit* field = form->Edit_X;
  EXPECT_EQ(field->parentWidget(), form->Panel_Image);
  EXPECT_EQ(field->geometry(), QRect(106, 116, 150, 15));
  // Its top-left corner stands over picture point (100, 110).
  EXPECT_EQ(field->pos() - form->Image1->pos(), QPoint(100, 110));
  EXPECT_TRUE(field->isVisible());
  EXPECT_TRUE(field->Text().isEmpty());
  EXPECT_EQ(field->cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(field->palette().color(QPalette::Base).rgb() & 0xFFFFFFu,
            ToRgb32(0xC0DCC0) & 0xFFFFFFu);
  EXPECT_EQ(field->font().pixelSize(), 12);
  EXPECT_EQ(ImeMode(field), TImeMode::imHira);
  EXPECT_TRUE(field->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(QApplication::focusWidget(), field);
  // Raised above the picture: the last of the panel's children is drawn on top.
  EXPECT_EQ(form->Panel_Image->children().last(), field);
  EXPECT_EQ(form->Line_Mode, TForm_Main::kLineNone) << "the text tool starts no stroke";
}

TEST_F(TextEdit, JapaneseTextIsDrawnAsGlyphsWhereItWasTyped) {
  Choose(rig_tag::kFreeThick);  // a thick line under the text, to see that the text cell is filled
                                // white
  Press(80, 95);
  Move(300, 95);
  Release(300, 95);
  Choose(rig_tag::kText);
  Press(100, 100);
  const QString text = QStringLiteral("仕掛け図　ハリス");
  Type_Committed(form->Edit_X, text);
  ASSERT_EQ(form->Edit_X->Text(), text);

  Bitmap expected(Picture());
  Canvas& c = expected.GetCanvas();
  c.SetBrushColor(form->Picture_Canvas().BrushColor());
  c.SetBrushStyle(form->Picture_Canvas().BrushStyle());
  c.TextOut(100, 92, text);
  const QByteArray before = Encoded();
  Enter(form->Edit_X);

  EXPECT_NE(Encoded(), before) << "nothing was drawn";
  const PictureDiff diff = ComparePictures(expected.Image(), Picture());
  EXPECT_EQ(diff.differing, 0) << diff.Describe();
  // Glyphs, not boxes: the first character's cell holds black strokes of several shapes.
  long black = 0;
  for (int y = 92; y < 105; ++y) {
    for (int x = 100; x < 112; ++x) black += PixelAt(x, y) == clBlack;
  }
  EXPECT_GT(black, 10);
  EXPECT_EQ(form->Snap_Now, Encoded());
}

TEST_F(TextEdit, EnterOnAnEmptyFieldClosesItAndRecordsTheUnchangedPicture) {
  Choose(rig_tag::kText);
  Press(200, 200);
  const QByteArray blank = Encoded();
  QSignalSpy returned(form->Edit_X, &QLineEdit::returnPressed);
  Enter(form->Edit_X);
  EXPECT_EQ(returned.count(), 0) << "Enter is consumed";
  EXPECT_EQ(Encoded(), blank);
  EXPECT_EQ(form->Edit_X->geometry(), QRect(0, 0, 0, 0));
  EXPECT_TRUE(form->Edit_X->Text().isEmpty());
  EXPECT_EQ(form->Panel_Image->children().first(), form->Edit_X) << "sent behind the picture";
  EXPECT_TRUE(form->S_Btn_Default->Down());
  EXPECT_EQ(form->Buhin_Tag, rig_tag::kText) << "the text tool stays selected";
  EXPECT_EQ(ScreenCursor(), crDefault);
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoRecorded);
  EXPECT_EQ(form->Snap_Now, blank);
  // The next press opens it again.
  Press(50, 60);
  EXPECT_EQ(form->Edit_X->geometry(), QRect(56, 56, 150, 15));
}

TEST_F(TextEdit, ASecondPressMovesTheFieldAndDiscardsTheTypedText) {
  Choose(rig_tag::kText);
  Press(100, 100);
  QTest::keyClicks(form->Edit_X, "abc");
  ASSERT_EQ(form->Edit_X->Text(), QStringLiteral("abc"));
  Press(300, 250);
  EXPECT_EQ(form->Edit_X->geometry(), QRect(306, 246, 150, 15));
  EXPECT_TRUE(form->Edit_X->Text().isEmpty());
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoEmpty) << "nothing committed";
  EXPECT_EQ(CountColor(clWhite), 500L * 500L);
}

TEST_F(TextEdit, TheMapFieldShowsTheMapNoToolButtonAfterEnter) {
  form->Start_X = 150;
  form->Start_Y = 40;
  form->Open_Text_Edit(form->Edit_Y);
  EXPECT_EQ(form->Edit_Y->geometry(), QRect(156, 36, 150, 15));
  Type_Committed(form->Edit_Y, QStringLiteral("波止"));
  Bitmap expected(Picture());
  expected.GetCanvas().TextOut(150, 32, QStringLiteral("波止"));
  Enter(form->Edit_Y);
  EXPECT_TRUE(form->S2_Btn0->Down());
  EXPECT_EQ(form->Edit_Y->geometry(), QRect(0, 0, 0, 0));
  EXPECT_EQ(ComparePictures(expected.Image(), Picture()).differing, 0);
  EXPECT_GT(500L * 500L - CountColor(clWhite), 0);
}

}  // namespace
}  // namespace nabrilo::testing
