#pragma once
// Shared by the pointer-move benchmarks: a shown main window whose picture has a given size, a
// tool chosen, a drag under way, and moves delivered as real events with the repaint they cause.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <chrono>
#include <functional>
#include <memory>

#include "app/form_main.h"
#include "platform/fonts.h"
#include "platform/panel_scroller.h"
#include "platform/user_dialogs.h"

namespace nabrilo::bench {

// Counts the paint events of the picture view, to show that the moves really repaint.
class PaintCounter : public QObject {
 public:
  long paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class WindowDrag {
 public:
  // `choose` picks the mode and the tool on the shown window; the picture is scrolled by
  // `scroll` (as far as it goes), and the drag starts 200 pixels right of and below the picture
  // pixel in the panel's top-left corner, where the user sees it.
  WindowDrag(int size, const std::function<void(TForm_Main&)>& choose, QPoint scroll = {})
      : form_(std::make_unique<TForm_Main>()) {
    form_->show();
    form_->Image1->installEventFilter(&counter_);
    choose(*form_);
    form_->Image1->setGeometry(6, 6, size, size);
    form_->Image1->SetPicture(Bitmap(size, size));
    form_->Image1_Scroll->ScrollTo(scroll);
    start_ = form_->Image1_Scroll->Offset() + QPoint(kStart, kStart);
    QCoreApplication::processEvents();
    Press();
  }
  ~WindowDrag() { Release(); }

  void Press() { Send(QEvent::MouseButtonPress, start_.x(), start_.y(), Qt::LeftButton); }
  void Release() { Send(QEvent::MouseButtonRelease, start_.x(), start_.y(), Qt::LeftButton); }
  // One held move to the start + (d, d / 2), and the repaint of what it drew.
  void Move(int d) {
    Send(QEvent::MouseMove, start_.x() + d, start_.y() + d / 2, Qt::NoButton);
    QCoreApplication::processEvents();
  }
  // Seconds one move takes, repaint included.
  double TimedMove(int d) {
    const auto start = std::chrono::steady_clock::now();
    Move(d);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  TForm_Main& Form() { return *form_; }
  long Paints() const { return counter_.paints; }

 private:
  static constexpr int kStart = 200;
  QPoint start_;

  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button) {
    const QPoint p(x, y);
    if (type == QEvent::MouseButtonPress) QCursor::setPos(form_->Image1->mapToGlobal(p));
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, form_->Image1->mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(form_->Image1, &event);
  }

  PaintCounter counter_;
  std::unique_ptr<TForm_Main> form_;
};

// The benchmarks' main: the offscreen application with the program's fonts and scripted boxes.
inline int RunWindowBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallFontAliases();
  QApplication app(argc, argv);
  ScriptedDialogs dialogs;
  SetDialogs(&dialogs);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SetDialogs(nullptr);
  return 0;
}

}  // namespace nabrilo::bench
