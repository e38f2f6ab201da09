// Recovery copies cost the window's thread almost nothing: it only hands over the picture.
// BM_StampRecoveryOnOverOff times a finished stamp (the stamp, its undo snapshot, the hand-over
// and the repaint) on a 4000 x 4000 picture in two windows, one keeping recovery copies and one
// not, alternately in the same run, and reports the ratio of their costs (goal: at most 1.2).
// BM_BurstWrites makes 100 finished changes in a row and counts the copies written (goal: a
// handful).
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "document/recovery.h"
#include "window_drag.h"

namespace nabrilo {
namespace {

constexpr int kStampTag = 1;  // the small upright swivel

// A shown window with a `size` × `size` picture; each Stamp() chooses the swivel again (the
// stamp drops the tool) and presses it onto the picture.
class StampWindow {
 public:
  StampWindow(int size, const QString& recovery_folder) : drag_(size, [](TForm_Main&) {}) {
    if (!recovery_folder.isEmpty()) drag_.Form().Start_Recovery(recovery_folder);
    QCoreApplication::processEvents();
  }
  // Seconds the window's thread spends on one finished stamp; the choice of the tool and the
  // copy's write are not counted.
  double TimedStamp() {
    Choose();
    const auto start = std::chrono::steady_clock::now();
    drag_.Press();
    QCoreApplication::processEvents();
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    drag_.Release();
    if (RecoveryKeeper* keeper = drag_.Form().Recovery()) keeper->WaitIdle();
    return s;
  }
  void Stamp() {
    Choose();
    drag_.Press();
    drag_.Release();
  }
  TForm_Main& Form() { return drag_.Form(); }

 private:
  void Choose() {
    for (TSpeedButton* b : drag_.Form().Panel_Shikake->findChildren<TSpeedButton*>()) {
      if (b->Tag() == kStampTag) b->click();
    }
  }
  bench::WindowDrag drag_;
};

void BM_StampRecoveryOnOverOff(benchmark::State& state) {
  QTemporaryDir state_folder;
  StampWindow off(4000, QString()), on(4000, state_folder.filePath("recovery"));
  double off_s = 0, on_s = 0;
  int stamps = 0;
  for (auto _ : state) {
    // Each goes first every other time, so neither gains from the order.
    if (stamps % 2) {
      off_s += off.TimedStamp();
      on_s += on.TimedStamp();
    } else {
      on_s += on.TimedStamp();
      off_s += off.TimedStamp();
    }
    ++stamps;
  }
  state.counters["off_ms"] = 1000 * off_s / std::max(stamps, 1);
  state.counters["on_ms"] = 1000 * on_s / std::max(stamps, 1);
  state.counters["on_over_off"] = off_s > 0 ? on_s / off_s : 0;
  state.counters["copies_written"] = on.Form().Recovery()->Writes();
}
BENCHMARK(BM_StampRecoveryOnOverOff)->Unit(benchmark::kMillisecond);

void BM_BurstWrites(benchmark::State& state) {
  QTemporaryDir state_folder;
  StampWindow window(500, state_folder.filePath("recovery"));
  RecoveryKeeper& keeper = *window.Form().Recovery();
  int bursts = 0;
  const int before = keeper.Writes();
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) window.Stamp();
    keeper.WaitIdle();
    ++bursts;
  }
  state.counters["writes_per_100_changes"] = double(keeper.Writes() - before) / bursts;
}
BENCHMARK(BM_BurstWrites)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nabrilo

int main(int argc, char** argv) {
  return nabrilo::bench::RunWindowBenchmarks(argc, argv);
}
