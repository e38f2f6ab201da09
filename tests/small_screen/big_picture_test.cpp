// The window on a 1280 × 1024 screen (this binary's offscreen screen) with pictures larger than
// the screen: the window stays on the screen with every control in reach, the picture scrolls,
// and what the pointer draws lands on the picture pixel under it, scrolled or not.
#include <QDir>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <functional>

#include "app/form_fixture.h"
#include "map/map_tools.h"
#include "platform/panel_scroller.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

constexpr QRgb kGround = 0xFFC0D0E0;  // the loaded picture: one colour no tool draws

class BigPicture : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  QRect Available() const { return form->screen()->availableGeometry(); }
  // Loads a w × h picture of the ground colour through the load button's own loading.
  void Load(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(kGround);
    const QString path = dir.filePath(QStringLiteral("photo %1.png").arg(w));
    ASSERT_TRUE(picture.save(path, "PNG"));
    form->Replace_Picture_From_File(path);
    QCoreApplication::processEvents();
  }
  PanelScroller& Scroll() { return *form->Image1_Scroll; }
  void Wheel(QPoint angle, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons held = {}) {
    const QPointF at(200, 200);
    QWheelEvent event(at, form->Image1->mapToGlobal(at), {}, angle, held, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->Image1, &event);
  }
  void Scroll_To_The_End() {
    Wheel({0, -120 * 100});
    Wheel({0, -120 * 100}, Qt::ShiftModifier);
    ASSERT_EQ(Scroll().Offset(), Scroll().MaxOffset());
  }

  // The pointer at a point of the window, as a user would put it there: the press goes to the
  // control under it, which keeps the later moves and the release (Qt's implicit grab).
  void Press(QPoint at) {
    target_ = form->childAt(at);
    ASSERT_NE(target_, nullptr);
    QCursor::setPos(form->mapToGlobal(at));
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  }
  void Move(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
  void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
  void Drag(QPoint from, QPoint to) {
    Press(from);
    for (int i = 1; i <= 4; ++i) Move(from + (to - from) * i / 4);
    Release(to);
  }
  void Choose_Rig(int tag) {
    for (TSpeedButton* b : form->Panel_Shikake->findChildren<TSpeedButton*>()) {
      if (b->Tag() == tag) Click(b);
    }
  }

  QTemporaryDir dir;

 private:
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint local = target_->mapFrom(form.get(), at);
    QMouseEvent event(type, local, form->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target_, &event);
  }
  QWidget* target_ = nullptr;
};

TEST_F(BigPicture, ALoadLargerThanTheScreenKeepsTheWindowAndItsControlsOnTheScreen) {
  // A user has put the window near the bottom-right corner.
  form->move(Available().topLeft() + QPoint(500, 400));
  Load(3000, 2000);
  const QRect frame = form->geometry().marginsAdded(form->Frame_Margins());
  EXPECT_TRUE(Available().contains(frame)) << frame.x() << "," << frame.y();
  EXPECT_EQ(frame.size(), Available().size()) << "as large as the screen allows";
  const QWidget* controls[] = {form->Button1, form->Btn_File, form->Btn_Clip, form->Panel_Shikake,
                               form->Button4};
  for (const QWidget* control : controls) {
    const QRect on_screen(control->mapToGlobal(QPoint(0, 0)), control->size());
    EXPECT_TRUE(Available().contains(on_screen)) << control->objectName().toStdString();
  }
  // The picture stands at (6, 6), with both bars to reach the rest of it.
  EXPECT_EQ(form->Image1->pos(), QPoint(6, 6));
  EXPECT_TRUE(Scroll().Horizontal()->isVisible() && Scroll().Vertical()->isVisible());
  Scroll_To_The_End();
  // Scrolled to the end, the picture's last pixel is in view inside the bars.
  const QPoint last = form->Image1->mapTo(form->Panel_Image, QPoint(2999, 1999));
  EXPECT_LT(last.x(), Scroll().Vertical()->x());
  EXPECT_LT(last.y(), Scroll().Horizontal()->y());

  // Clearing gives the start window and scrolls back.
  Click(form->Button_Clear);
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_EQ(form->Image1->geometry(), QRect(6, 6, 500, 500));
  EXPECT_FALSE(Scroll().Horizontal()->isVisible() || Scroll().Vertical()->isVisible());

  // A picture that fits its window has no bars and stands where it always has.
  Load(900, 650);
  EXPECT_EQ(form->Outer_Size(), QSize(1120, 755));
  EXPECT_EQ(form->Image1->geometry(), QRect(6, 6, 900, 650));
  EXPECT_FALSE(Scroll().Horizontal()->isVisible() || Scroll().Vertical()->isVisible());
  EXPECT_TRUE(Available().contains(form->geometry().marginsAdded(form->Frame_Margins())));
}

TEST_F(BigPicture, TheWheelScrollsOnlyTheViewNotDuringAGestureAndUndoLeavesItSound) {
  Choose_Rig(rig_tag::kVBigSarukan);
  Press({300, 300});  // a stamp on the start picture: recorded for undo
  Release({300, 300});
  Load(3000, 2000);
  Choose_Rig(rig_tag::kThinLine);
  const QImage before = form->Image1->Picture().Image().copy();
  Wheel({0, -120});
  EXPECT_EQ(Scroll().Offset(), QPoint(0, 60)) << "three lines of 20 pixels down";
  Wheel({0, -120}, Qt::ShiftModifier);
  EXPECT_EQ(Scroll().Offset(), QPoint(60, 60)) << "Shift: to the right";
  EXPECT_EQ(form->Image1->pos(), QPoint(6 - 60, 6 - 60));
  EXPECT_EQ(Scroll().Vertical()->value(), 60);
  EXPECT_EQ(form->Image1->Picture().Image(), before);
  EXPECT_EQ(form->Undo_State, TForm_Main::kUndoRecorded);
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled());
  // A button held: the picture must not move under the pointer.
  Press({300, 300});
  Wheel({0, -120}, {}, Qt::LeftButton);
  Wheel({0, -120}, Qt::ShiftModifier, Qt::LeftButton);
  EXPECT_EQ(Scroll().Offset(), QPoint(60, 60));
  Release({300, 300});
  Wheel({0, 120 * 100});
  EXPECT_EQ(Scroll().Offset(), QPoint(60, 0));

  // Undo brings back the 500 × 500 picture: no bars, at (6, 6), and the label says so.
  ASSERT_TRUE(form->Btn_Undo_1->isEnabled());
  Click(form->Btn_Undo_1);
  EXPECT_EQ(form->Image1->Picture().Width(), 500);
  EXPECT_EQ(form->Image1->pos(), QPoint(6, 6));
  EXPECT_FALSE(Scroll().Horizontal()->isVisible() || Scroll().Vertical()->isVisible());
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
}

// Each gesture is made twice at the same places of the window: once on the unscrolled picture,
// once scrolled to the bottom-right. The second picture must be the first shifted by the scroll.
TEST_F(BigPicture, GesturesAfterScrollingLandOnThePixelsUnderThePointer) {
  struct Gesture {
    const char* name;
    std::function<void()> choose, draw;
  };
  const QPoint a(150, 200), b(420, 330);  // window points over the picture
  const Gesture gestures[] = {
      {"stamp", [&] { Choose_Rig(rig_tag::kVBigSarukan); }, [&] { Press(a), Release(a); }},
      {"traced line", [&] { Choose_Rig(rig_tag::kThickLine); }, [&] { Drag(a, b); }},
      {"eraser", [&] { Choose_Rig(rig_tag::kEraserLarge); }, [&] { Drag(a, b); }},
      {"breakwater",
       [&] {
         Click(form->Btn_Shikake_Or_Point);
         Click(form->S2_Btn4);
         ASSERT_EQ(form->Point_Tag, 104);
       },
       [&] { Drag(a, b); }},
      {"text", [&] { Choose_Rig(rig_tag::kText); },
       [&] {
         Press(a);
         Release(a);
         const QPoint pixel = form->Image1->mapFrom(form.get(), a);
         EXPECT_EQ(form->Edit_X->pos() - form->Image1->pos(), pixel + QPoint(0, -10));
         QInputMethodEvent typed;
         typed.setCommitString(QStringLiteral("仕掛け図"));
         QApplication::sendEvent(form->Edit_X, &typed);
         QTest::keyClick(form->Edit_X, Qt::Key_Return);
       }},
  };
  for (const Gesture& g : gestures) {
    SCOPED_TRACE(g.name);
    QImage drawn[2];
    QPoint offset;
    for (int scrolled = 0; scrolled < 2; ++scrolled) {
      form.reset();
      SetUp();
      g.choose();
      Load(3000, 2000);
      if (scrolled) Scroll_To_The_End();
      offset = Scroll().Offset();
      g.draw();
      drawn[scrolled] = form->Image1->Picture().Image().copy();
    }
    ASSERT_GT(offset.x(), 1000);
    ASSERT_GT(offset.y(), 500);
    QImage expected(drawn[0].size(), QImage::Format_RGB32);
    expected.fill(kGround);
    EXPECT_NE(drawn[0], expected) << "the gesture drew something";
    QPainter(&expected).drawImage(offset, drawn[0]);
    const PictureDiff diff = ComparePictures(expected, drawn[1]);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
}

}  // namespace
}  // namespace nabrilo::testing
