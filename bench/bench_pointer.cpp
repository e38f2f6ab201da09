// A pointer move costs in proportion to what it draws, never to the size of the picture: one
// move of the free line, the vertical line, the eraser and the trail, each with the repaint it
// causes, on the start picture and on a 4000 x 4000 one. BM_MoveLargeOverSmall times both sizes
// in the same run and reports the ratio of their costs (goal: at most 1.2); so does
// BM_MoveScrolledOverUnscrolled for a 4000 x 4000 picture scrolled far into it against the same
// picture unscrolled (goal: at most 1.2). BM_TrailRestore reports the cost of putting back a
// full trail of 10 000 entries.
#include "window_drag.h"

namespace nabrilo {
namespace {

constexpr int kFreeLine = 21, kVerticalLine = 23, kEraser = 25, kTrail = 15;

// A drag with rig tool `tag` on a `size` × `size` picture. Moves zigzag between two points so
// that every move draws about as much as the one before.
class Rig {
 public:
  Rig(int size, int tag, QPoint scroll = {})
      : drag_(
            size,
            [tag](TForm_Main& f) {
              for (TSpeedButton* b : f.Panel_Shikake->findChildren<TSpeedButton*>()) {
                if (b->Tag() == tag) b->click();
              }
            },
            scroll) {}
  void Move(int i) { drag_.Move((i & 1) ? 40 : -40); }
  double TimedMove(int i) { return drag_.TimedMove((i & 1) ? 40 : -40); }
  // The trail stops recording when full; start a new one before that.
  void KeepTrailRecording() {
    if (drag_.Form().Trail_Count < TForm_Main::kTrailCapacity - 2) return;
    drag_.Release();
    drag_.Press();
  }
  TForm_Main& Form() { return drag_.Form(); }
  long Paints() const { return drag_.Paints(); }

 private:
  bench::WindowDrag drag_;
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

// The time of b's moves over a's, the two alternating so that both see the same machine state.
double AlternatingRatio(benchmark::State& state, Rig& a, Rig& b, int tag) {
  double a_s = 0, b_s = 0;
  int i = 0;
  for (auto _ : state) {
    a_s += a.TimedMove(i);
    b_s += b.TimedMove(i);
    ++i;
    if (tag == kTrail) {
      a.KeepTrailRecording();
      b.KeepTrailRecording();
    }
  }
  return a_s > 0 ? b_s / a_s : 0;
}

// Argument: tag.
void BM_MoveLargeOverSmall(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Rig small(500, tag), large(4000, tag);
  state.counters["large_over_small"] = AlternatingRatio(state, small, large, tag);
}
BENCHMARK(BM_MoveLargeOverSmall)
    ->ArgName("tag")
    ->Arg(kFreeLine)
    ->Arg(kVerticalLine)
    ->Arg(kEraser)
    ->Arg(kTrail);

// Argument: tag. The same 4000 x 4000 picture, scrolled by (3000, 3000) and not; the drag is in
// view in both.
void BM_MoveScrolledOverUnscrolled(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Rig unscrolled(4000, tag), scrolled(4000, tag, {3000, 3000});
  if (scrolled.Form().Image1->pos() != QPoint(6 - 3000, 6 - 3000)) {
    state.SkipWithError("not scrolled");
    return;
  }
  state.counters["scrolled_over_unscrolled"] = AlternatingRatio(state, unscrolled, scrolled, tag);
}
BENCHMARK(BM_MoveScrolledOverUnscrolled)
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
  return nabrilo::bench::RunWindowBenchmarks(argc, argv);
}
