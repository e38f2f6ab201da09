// The control kinds on their own: the picture view, speed buttons, radio groups, edits; the
// application's error box; the program entry without a desktop.
#include "platform/controls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include "platform/application.h"
#include "platform/user_dialogs.h"

namespace nabrilo::testing {
namespace {

// Records the rectangles a widget is asked to paint.
class PaintLog : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) rects << static_cast<QPaintEvent*>(event)->rect();
    return false;
  }
  QList<QRect> rects;
};

class PictureViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 300);
    view = new TImage(&window);
    view->setGeometry(10, 10, 200, 200);
    view->SetPicture(Bitmap(200, 200));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    view->installEventFilter(&log);
    QCoreApplication::processEvents();
    log.rects.clear();
  }
  QWidget window;
  TImage* view = nullptr;
  PaintLog log;
};

TEST_F(PictureViewTest, RepaintsOnlyWhatTheCanvasChanged) {
  view->OnMouseMove = [&](QObject*, TShiftState, int x, int y) {
    view->Picture().GetCanvas().SetPixel(x, y, clRed);
  };
  QTest::mouseMove(view, QPoint(40, 30));
  QTRY_COMPARE(log.rects.size(), 1);
  EXPECT_EQ(log.rects.front(), QRect(40, 30, 1, 1));
  EXPECT_EQ(view->Picture().Image().pixel(40, 30), 0xFFFF0000u);

  // A move that draws nothing paints nothing.
  log.rects.clear();
  view->OnMouseMove = [](QObject*, TShiftState, int, int) {};
  QTest::mouseMove(view, QPoint(60, 60));
  QCoreApplication::processEvents();
  EXPECT_TRUE(log.rects.isEmpty());
}

TEST_F(PictureViewTest, ANewPictureGetsAFreshCanvasState) {
  Canvas& c = view->Picture().GetCanvas();
  c.SetPenColor(clRed);
  c.SetPenWidth(5);
  c.SetPenMode(pmNotXor);
  c.SetBrushStyle(bsClear);
  view->SetPicture(Bitmap(30, 40));
  const Canvas& fresh = view->Picture().GetCanvas();
  EXPECT_EQ(fresh.PenColor(), clBlack);
  EXPECT_EQ(fresh.PenWidth(), 1);
  EXPECT_EQ(fresh.PenMode(), pmCopy);
  EXPECT_EQ(fresh.BrushColor(), clWhite);
  EXPECT_EQ(fresh.BrushStyle(), bsSolid);
  EXPECT_EQ(view->size(), QSize(200, 200));  // not auto-sized
  view->SetAutoSize(true);
  EXPECT_EQ(view->size(), QSize(30, 40));
}

TEST_F(PictureViewTest, ReportsEveryButtonInPictureCoordinatesAlsoOutsideWhileHeld) {
  QStringList seen;
  view->OnMouseDown = [&](QObject* s, TMouseButton b, TShiftState, int x, int y) {
    EXPECT_EQ(s, view);
    seen << QStringLiteral("down %1 %2 %3").arg(static_cast<int>(b)).arg(x).arg(y);
  };
  view->OnMouseMove = [&](QObject*, TShiftState, int x, int y) {
    seen << QStringLiteral("move %1 %2").arg(x).arg(y);
  };
  view->OnMouseUp = [&](QObject*, TMouseButton b, TShiftState, int x, int y) {
    seen << QStringLiteral("up %1 %2 %3").arg(static_cast<int>(b)).arg(x).arg(y);
  };
  QTest::mousePress(view, Qt::RightButton, {}, QPoint(5, 6));
  QTest::mouseMove(view, QPoint(-20, 250));
  QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(-20, 250));
  QTest::mousePress(view, Qt::MiddleButton, {}, QPoint(7, 8));
  QTest::mouseRelease(view, Qt::MiddleButton, {}, QPoint(7, 8));
  EXPECT_EQ(seen,
            QStringList({"down 1 5 6", "move -20 250", "up 1 -20 250", "down 2 7 8", "up 2 7 8"}));

  // Centred, the picture's own pixels are reported.
  seen.clear();
  view->SetPicture(Bitmap(100, 50));
  view->SetCenter(true);
  EXPECT_EQ(view->PictureOffset(), QPoint(50, 75));
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(50, 75));
  EXPECT_EQ(seen, QStringList({"down 0 0 0"}));
  // The second press of a double click is a press too.
  QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(51, 75));
  EXPECT_TRUE(seen.contains("down 0 1 0"));
}

TEST(SpeedButtons, PressOneOfAGroupAndRaiseTheClickAgainWhenPressed) {
  QWidget panel;
  TSpeedButton a(&panel), b(&panel);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  int clicks_a = 0, clicks_b = 0;
  a.OnClick = [&](QObject* s) { clicks_a += s == &a; };
  b.OnClick = [&](QObject* s) { clicks_b += s == &b; };
  a.SetDown(true);
  EXPECT_TRUE(a.Down());
  EXPECT_EQ(clicks_a, 0);  // shown pressed without a click
  b.click();
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  b.click();
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(clicks_b, 2);
  a.SetDown(true);
  EXPECT_FALSE(b.Down());
}

TEST(RadioGroups, RaiseTheClickWhenTheIndexChangesAlsoFromCode) {
  TRadioGroup group(nullptr, QStringLiteral("線の太さ"), 3, {"細", "太", "極太"});
  int clicks = 0;
  group.OnClick = [&](QObject*) { ++clicks; };
  group.SetItemIndex(1);
  EXPECT_EQ(clicks, 1);
  group.SetItemIndex(1);
  EXPECT_EQ(clicks, 1);
  group.Item(2)->click();
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, 2);
  group.SetItemIndex(7);  // no such item: nothing changes
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, 2);
}

TEST(Edits, PassEveryTypedCharacterThroughTheKeyHandler) {
  TEdit edit(nullptr);
  QString keys;
  edit.OnKeyPress = [&](QObject*, char16_t& key) {
    keys += QChar(key);
    if (key == u'x') key = 0;     // swallowed
    if (key == u'a') key = u'b';  // replaced
  };
  edit.show();
  QTest::keyClicks(&edit, "axc");
  EXPECT_EQ(edit.Text(), "bc");
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("仕x掛"));
  QCoreApplication::sendEvent(&edit, &commit);
  EXPECT_EQ(edit.Text(), "bc仕掛");
  EXPECT_EQ(keys, "axc仕x掛");
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(keys.back(), QChar(u'\r'));
}

TEST(Application, AnErrorInAHandlerIsShownAndTheProgramCarriesOn) {
  ScriptedDialogs dialogs;
  SetDialogs(&dialogs);
  EXPECT_TRUE(
      DeliverShowingErrors([]() -> bool { throw AppError("Can not load the cursor [x]"); }));
  EXPECT_TRUE(DeliverShowingErrors([]() -> bool { throw std::runtime_error("broken"); }));
  EXPECT_FALSE(DeliverShowingErrors([] { return false; }));
  // Raised from a real click handler, through the toolkit's delivery of the event.
  TButton button(nullptr);
  button.OnClick = [](QObject*) { throw AppError(QStringLiteral("エラー発生　失敗")); };
  button.show();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, {});
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, {});
  DeliverShowingErrors([&] { return QCoreApplication::sendEvent(&button, &press); });
  DeliverShowingErrors([&] { return QCoreApplication::sendEvent(&button, &release); });
  SetDialogs(nullptr);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].text, "Can not load the cursor [x]");
  EXPECT_EQ(dialogs.shown[1].text, "broken");
  EXPECT_EQ(dialogs.shown[2].text, "エラー発生　失敗");
  EXPECT_EQ(dialogs.shown[2].kind, ScriptedDialogs::Shown::Error);
}

TEST(ProgramEntry, SaysADesktopIsNeededWhenThereIsNone) {
  const QString program = QCoreApplication::applicationDirPath() + "/../nabrilo";
  if (!QFile::exists(program)) GTEST_SKIP() << "nabrilo is not built beside the tests";
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  p.setProcessEnvironment(env);
  p.start(program, {});
  ASSERT_TRUE(p.waitForFinished(20000));
  EXPECT_NE(p.exitCode(), 0);
  const QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
  EXPECT_EQ(err.count('\n'), 0);
  EXPECT_TRUE(err.contains("desktop")) << err.toStdString();
}

}  // namespace
}  // namespace nabrilo::testing
