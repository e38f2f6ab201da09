// A map-mode pointer move costs in proportion to what it draws, never to the size of the
// picture: one held move of the breakwater, the rectangle, the ellipse and the eraser, each with
// the repaint it causes, on the start picture and on a 4000 x 4000 one. BM_MapMoveLargeOverSmall
// times both sizes in the same run and reports the ratio of their costs (goal: at most 1.2).
#include <QRadioButton>
#include <algorithm>

#include "window_drag.h"

namespace nabrilo {
namespace {

struct MapTool {
  int bank;  // item of R_Group1
  int tag;   // 101 to 109
};
constexpr MapTool kTools[] = {
    {0, 104},  // 波止: closed band
    {1, 107},  // 線: 四角
    {1, 109},  // 線: 丸
    {2, 109},  // 部品: 消しゴム
};

// A map-mode drag with `tool` on a `size` × `size` picture. Moves zigzag between two points so
// that every move draws about as much as the one before.
class Map {
 public:
  Map(int size, const MapTool& tool)
      : drag_(size, [tool](TForm_Main& f) {
          f.Btn_Shikake_Or_Point->click();
          f.R_Group1->Item(tool.bank)->click();
          f.findChild<TSpeedButton*>(QStringLiteral("S2_Btn%1").arg(tool.tag - 100))->click();
        }) {}
  void Move(int i) { drag_.Move((i & 1) ? 60 : 40); }
  double TimedMove(int i) { return drag_.TimedMove((i & 1) ? 60 : 40); }
  long Paints() const { return drag_.Paints(); }

 private:
  bench::WindowDrag drag_;
};

// Arguments: tool (index into kTools), picture size.
void BM_MapMove(benchmark::State& state) {
  Map map(static_cast<int>(state.range(1)), kTools[state.range(0)]);
  int i = 0;
  const long paints_before = map.Paints();
  for (auto _ : state) map.Move(i++);
  state.counters["paints_per_move"] = double(map.Paints() - paints_before) / std::max(i, 1);
}
BENCHMARK(BM_MapMove)->ArgNames({"tool", "size"})->ArgsProduct({{0, 1, 2, 3}, {500, 4000}});

// Argument: tool. Alternates the two pictures so that both see the same machine state.
void BM_MapMoveLargeOverSmall(benchmark::State& state) {
  const MapTool& tool = kTools[state.range(0)];
  Map small(500, tool), large(4000, tool);
  double small_s = 0, large_s = 0;
  int i = 0;
  for (auto _ : state) {
    small_s += small.TimedMove(i);
    large_s += large.TimedMove(i);
    ++i;
  }
  state.counters["large_over_small"] = small_s > 0 ? large_s / small_s : 0;
}
BENCHMARK(BM_MapMoveLargeOverSmall)->ArgName("tool")->DenseRange(0, 3);

}  // namespace
}  // namespace nabrilo

int main(int argc, char** argv) {
  return nabrilo::bench::RunWindowBenchmarks(argc, argv);
}
