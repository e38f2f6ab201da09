// What the picture hears from press, move, release and hover lines: exactly one event each, with
// the button state of a real pointer and the screen pointer already in place.
#include <gtest/gtest.h>

#include <QCursor>
#include <QMouseEvent>
#include <vector>

#include "app/form_main.h"
#include "platform/cursors.h"
#include "rig/rig_tags.h"
#include "scenario_runner.h"

namespace nabrilo::testing {
namespace {

struct Heard {
  QEvent::Type type;
  QPoint at;
  Qt::MouseButton button;
  Qt::MouseButtons buttons;
  QPoint screen_pointer;  // where the screen pointer stood, in the widget's coordinates
};

// Records every pointer event that reaches one widget.
class Ear : public QObject {
 public:
  explicit Ear(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove: {
        const auto* m = static_cast<QMouseEvent*>(event);
        heard.push_back({event->type(), m->position().toPoint(), m->button(), m->buttons(),
                         widget_->mapFromGlobal(QCursor::pos())});
        break;
      }
      default:
        break;
    }
    return false;
  }
  std::vector<Heard> heard;

 private:
  QWidget* widget_;
};

class PointerDelivery : public ::testing::Test {
 protected:
  void SetUp() override { runner.Start(); }
  void Run(const char* line) {
    const std::optional<ScriptLine> parsed = ParseScriptLine(QString::fromUtf8(line), 1);
    ASSERT_TRUE(parsed.has_value()) << line;
    runner.Run(*parsed);
  }
  ScenarioRunner runner;
};

TEST_F(PointerDelivery, EachLineIsOneEventWithTheHeldButtonAndThePointerInPlace) {
  Ear ear(runner.Form().Image1);
  Run("move 5 6");
  Run("press 10 20");
  Run("move 30 40");
  Run("move -15 620");
  Run("release -15 620");
  Run("press 7 8 right");
  Run("release 9 9 right");
  const std::vector<Heard> want = {
      {QEvent::MouseMove, {5, 6}, Qt::NoButton, Qt::NoButton, {5, 6}},
      {QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, {10, 20}},
      {QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton, {30, 40}},
      {QEvent::MouseMove, {-15, 620}, Qt::NoButton, Qt::LeftButton, {-15, 620}},
      {QEvent::MouseButtonRelease, {-15, 620}, Qt::LeftButton, Qt::NoButton, {-15, 620}},
      {QEvent::MouseButtonPress, {7, 8}, Qt::RightButton, Qt::RightButton, {7, 8}},
      {QEvent::MouseButtonRelease, {9, 9}, Qt::RightButton, Qt::NoButton, {9, 9}},
  };
  ASSERT_EQ(ear.heard.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ear.heard[i].type, want[i].type);
    EXPECT_EQ(ear.heard[i].at, want[i].at);
    EXPECT_EQ(ear.heard[i].button, want[i].button);
    EXPECT_EQ(ear.heard[i].buttons, want[i].buttons);
    EXPECT_EQ(ear.heard[i].screen_pointer, want[i].screen_pointer);
  }
}

TEST_F(PointerDelivery, HoverReachesThePanelsOwnAreaOnly) {
  TForm_Main& form = runner.Form();
  Ear header(form.Panel2);
  Ear image(form.Image1);
  Run("click S_Btn_V_Sarukan");
  EXPECT_EQ(ScreenCursor(), 1);
  Run("hover Btn_Undo_1");  // disabled: it hears nothing
  EXPECT_EQ(ScreenCursor(), 1);
  form.Btn_Undo_1->setEnabled(true);
  Run("hover Btn_Undo_1");
  EXPECT_EQ(ScreenCursor(), 0);
  EXPECT_EQ(form.Buhin_Tag, rig_tag::kVSarukan);  // the undo button only restores the arrow
  EXPECT_TRUE(header.heard.empty());
  Run("hover Panel2");
  ASSERT_EQ(header.heard.size(), 1u);
  EXPECT_EQ(form.Panel2->childAt(header.heard[0].at), nullptr);
  EXPECT_EQ(form.Buhin_Tag, rig_tag::kNone);
  EXPECT_TRUE(image.heard.empty());
}

TEST_F(PointerDelivery, ADisabledControlTakesNoClick) {
  TForm_Main& form = runner.Form();
  Ear undo(form.Btn_Undo_1);
  Ear window(&form);
  ASSERT_FALSE(form.Btn_Undo_1->isEnabled());
  Run("click Btn_Undo_1");
  EXPECT_TRUE(undo.heard.empty());
  EXPECT_TRUE(window.heard.empty());
  Run("click Btn_Shikake_Or_Point");
  Run("item R_Group1 1");  // the width spinner is disabled in the line bank
  Run("updown up 2");
  EXPECT_EQ(form.Edit_Haba->text(), "20");
  Run("item R_Group1 0");
  Run("updown up 2");
  EXPECT_EQ(form.Edit_Haba->text(), "30");
}

}  // namespace
}  // namespace nabrilo::testing
