// The keyboard in the real window: where the focus goes, and the shortcuts.
#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTemporaryDir>

#include "interaction/pointer_fixture.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

TEST_F(FormTest, AClickLeavesTheFocusWhereItWasSoSpaceDoesNotClickAgain) {
  ASSERT_EQ(QApplication::focusWidget(), form->Btn_Shikake_Or_Point);
  form->Picture_Canvas().SetPixel(40, 40, clRed);
  Click(form->Button_Clear);
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
  Click(form->R_Group_Keshigomu->Item(1));
  EXPECT_EQ(QApplication::focusWidget(), form->Btn_Shikake_Or_Point);

  // A whole Tab cycle never stops in a closed text field, where typing would go unseen.
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), form->Edit_X);
    ASSERT_NE(QApplication::focusWidget(), form->Edit_Y);
  }

  // Tab still reaches the buttons, and Space presses the one it reached.
  for (int i = 0; i < 20 && QApplication::focusWidget() != form->Button_Clear; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), form->Button_Clear);
  form->Picture_Canvas().SetPixel(40, 40, clRed);
  QTest::keyClick(form->Button_Clear, Qt::Key_Space);
  EXPECT_EQ(form->Image1->Picture().Image(), WhitePicture(500, 500));
}

class Shortcuts : public PointerTest {
 protected:
  void Press_Keys(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : form.get(), key, Qt::ControlModifier);
  }
  QTemporaryDir dir;
};

TEST_F(Shortcuts, EachPressesItsButtonWithTheSameMessages) {
  // Ctrl+Z only while undo is enabled.
  Picture().setPixel(3, 3, qRgb(255, 0, 0));
  Press_Keys(Qt::Key_Z);
  EXPECT_EQ(PixelAt(3, 3), clRed);
  form->Take_Snapshot();
  Picture().setPixel(4, 4, qRgb(255, 0, 0));
  form->Take_Snapshot();
  ASSERT_TRUE(form->Btn_Undo_1->isEnabled());
  Press_Keys(Qt::Key_Z);
  EXPECT_EQ(PixelAt(4, 4), clWhite);
  EXPECT_EQ(PixelAt(3, 3), clRed);

  Press_Keys(Qt::Key_C);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Picture());

  // Nothing to paste: the button's message, word for word.
  dialogs.shown.clear();
  QGuiApplication::clipboard()->clear();
  Click(form->Btn_ClipBord);
  const QStringList by_button = Shown();
  dialogs.shown.clear();
  Press_Keys(Qt::Key_V);
  EXPECT_EQ(Shown(), by_button);
  ASSERT_EQ(by_button.size(), 1);
  dialogs.shown.clear();
  QImage pasted(40, 30, QImage::Format_RGB32);
  pasted.fill(qRgb(0, 0, 255));
  QGuiApplication::clipboard()->setImage(pasted);
  Press_Keys(Qt::Key_V);
  EXPECT_EQ(Picture(), pasted);

  dialogs.QueueAnswer(dir.filePath("saved"));
  Press_Keys(Qt::Key_S);
  EXPECT_TRUE(QFile::exists(dir.filePath("saved.bmp")));
  ASSERT_EQ(Shown().size(), 1);
  EXPECT_TRUE(Shown().front().endsWith("saved.bmp"));
  dialogs.shown.clear();
  dialogs.QueueAnswer(std::nullopt);
  Press_Keys(Qt::Key_O);
  EXPECT_FALSE(dialogs.last_open_filter.isEmpty());
  EXPECT_TRUE(dialogs.answers.empty());
  EXPECT_TRUE(Shown().isEmpty()) << Shown().join("; ").toStdString();
}

TEST_F(Shortcuts, NoneWhileATextFieldIsOpenOrDuringADrag) {
  QImage offered(40, 30, QImage::Format_RGB32);
  offered.fill(qRgb(0, 0, 255));
  // The open field takes Ctrl+V as its own paste; the other keys do nothing.
  Choose(rig_tag::kText);
  Press(100, 100);
  Release(100, 100);
  ASSERT_TRUE(form->Text_Field_Open());
  QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
  Press_Keys(Qt::Key_V);
  EXPECT_EQ(form->Edit_X->Text(), "abc");
  QGuiApplication::clipboard()->setImage(offered);
  for (Qt::Key key : {Qt::Key_V, Qt::Key_S, Qt::Key_O, Qt::Key_C}) Press_Keys(key);
  EXPECT_EQ(Picture().size(), QSize(500, 500));
  EXPECT_EQ(form->Edit_X->Text(), "abc");
  EXPECT_TRUE(dialogs.last_save_filter.isEmpty());
  EXPECT_TRUE(dialogs.last_open_filter.isEmpty());
  QTest::keyClick(form->Edit_X, Qt::Key_Return);
  ASSERT_FALSE(form->Text_Field_Open());
  EXPECT_NE(QApplication::focusWidget(), form->Edit_X);  // the closed field keeps no keys

  // A line being drawn is not cut short by a paste or a dialog.
  Choose(rig_tag::kThinLine);
  Press(50, 200);
  Move(150, 200);
  for (Qt::Key key : {Qt::Key_V, Qt::Key_S, Qt::Key_O, Qt::Key_Z}) Press_Keys(key);
  EXPECT_EQ(Picture().size(), QSize(500, 500));
  EXPECT_TRUE(dialogs.last_save_filter.isEmpty());
  EXPECT_TRUE(dialogs.last_open_filter.isEmpty());
  Release(150, 200);
  EXPECT_EQ(PixelAt(100, 200), clBlack);
  // Afterwards the keys work again.
  Press_Keys(Qt::Key_V);
  EXPECT_EQ(Picture(), offered);
}

}  // namespace
}  // namespace nabrilo::testing
