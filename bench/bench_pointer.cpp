// A pointer move costs in proportion to what it draws, never to the size of the picture: one
// move of the free line, the vertical line, the eraser and the trail, each with the repaint it
// causes, on the start picture and on a 4000 x 4000 one. BM_MoveLargeOverSmall times both sizes
// in the same run and reports the ratio of their costs (goal: at most 1.2). BM_TrailRestore
// reports the cost of putting back a full trail of 10 000 entries.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <memory>

#include "app/form_main.h"
#include "platform/fonts.h"
#include "platform/user_dialogs.h"

namespace nabrilo {
namespace {

constexpr int kFreeLine = 21, kVerticalLine = 23, kEraser = 25, kTrail = 15;

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

// A shown window whose picture is `size` x `size`, with `tag` chosen and a drag under way.
class Rig {
 public:
  Rig(int size, int tag) : form_(std::make_unique<TForm_Main>()) {
    form_->show();
    form_->Image1->installEventFilter(&counter_);
    form_->Image1->setGeometry(6, 6, size, size);
    form_->Image1->SetPicture(Bitmap(size, size));
    for (TSpeedButton* b : form_->Panel_Shikake->findChildren<TSpeedButton*>()) {
      if (b->Tag() == tag) b->click();
    }
    QCoreApplication::processEvents();
    Send(QEvent::MouseButtonPress, 200, 200, Qt::LeftButton);
  }
  ~Rig() { Send(QEvent::MouseButtonRelease, 200, 200, Qt::LeftButton); }

  // One move, and the repaint of what it drew. Step i zigzags between two points so that every
  // move draws about as much as the one before.
  void Move(int i) {
    const int d = (i & 1) ? 40 : -40;
    Send(QEvent::MouseMove, 200 + d, 200 + d / 2, Qt::NoButton);
    QCoreApplication::processEvents();
  }
  // The trail stops recording when full; start a new one before that.
  void KeepTrailRecording() {
    if (form_->Trail_Count < TForm_Main::kTrailCapacity - 2) return;
    Send(QEvent::MouseButtonRelease, 200, 200, Qt::LeftButton);
    Send(QEvent::MouseButtonPress, 200, 200, Qt::LeftButton);
  }
  TForm_Main& Form() { return *form_; }
  long Paints() const { return counter_.paints; }

 private:
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

// Arguments: tag, picture size.
void BM_Move(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Rig rig(static_cast<int>(state.range(1)), tag);
  int i = 0;
  const long paints_before = rig.Paints();
  for (auto _ : state) {
    rig.Move(i++);
    if (tag == kTrail) {
      state.PauseTiming();
      rig.KeepTrailRecording();
      state.ResumeTiming();
    }
  }
  state.counters["paints_per_move"] = double(rig.Paints() - paints_before) / std::max(i, 1);
}
BENCHMARK(BM_Move)
    ->ArgNames({"tag", "size"})
    ->ArgsProduct({{kFreeLine, kVerticalLine, kEraser, kTrail}, {500, 4000}});

double SecondsFor(Rig& rig, int i) {
  const auto start = std::chrono::steady_clock::now();
  rig.Move(i);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Argument: tag. Alternates the two pictures so that both see the same machine state.
void BM_MoveLargeOverSmall(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Rig small(500, tag), large(4000, tag);
  double small_s = 0, large_s = 0;
  int i = 0;
  for (auto _ : state) {
    small_s += SecondsFor(small, i);
    large_s += SecondsFor(large, i);
    ++i;
    if (tag == kTrail) {
      small.KeepTrailRecording();
      large.KeepTrailRecording();
    }
  }
  state.counters["large_over_small"] = small_s > 0 ? large_s / small_s : 0;
}
BENCHMARK(BM_MoveLargeOverSmall)
    ->ArgName("tag")
    ->Arg(kFreeLine)
    ->Arg(kVerticalLine)
    ->Arg(kEraser)
    ->Arg(kTrail);

// Argument: picture size. A full trail, put back; each pass marks it again untimed.
void BM_TrailRestore(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)), kTrail);
  TForm_Main& f = rig.Form();
  for (int i = 1; i < TForm_Main::kTrailCapacity; ++i) f.Trail_Add(10 + i % 480, 10 + i / 480);
  for (auto _ : state) {
    state.PauseTiming();
    f.Trail_Live = true;
    state.ResumeTiming();
    f.Trail_Restore();
  }
  state.counters["entries"] = f.Trail_Count + 1;
}
BENCHMARK(BM_TrailRestore)->ArgName("size")->Arg(500)->Arg(4000);

}  // namespace
}  // namespace nabrilo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  nabrilo::InstallFontAliases();
  QApplication app(argc, argv);
  nabrilo::ScriptedDialogs dialogs;
  nabrilo::SetDialogs(&dialogs);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nabrilo::SetDialogs(nullptr);
  return 0;
}
