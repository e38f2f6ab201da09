// A stamp costs in proportion to what it draws, never to the size of the picture: the sliding
// spreader (the longest rig table) and the rocks (six filled ellipses) on the start picture and
// on a large imported one. BM_LargeOverSmall times both sizes in the same run and reports the
// ratio of their costs, which should stay near 1.
#include <benchmark/benchmark.h>

#include <chrono>

#include "map/map_stamps.h"
#include "platform/bitmap.h"
#include "rig/rig_parts.h"

namespace nabrilo {
namespace {

constexpr int kSlidingSpreader = 6;
constexpr int kRocks = 106;

void Stamp(Canvas& canvas, int tag) {
  if (IsRigStampTag(tag)) {
    DrawRigStamp(canvas, tag, 200, 200);
  } else {
    DrawMapStamp(canvas, tag, 200, 200);
  }
}

// Arguments: tag, picture width, picture height.
void BM_Stamp(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Bitmap picture(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  for (auto _ : state) {
    Stamp(picture.GetCanvas(), tag);
    benchmark::DoNotOptimize(picture.Image().constBits());
  }
}
BENCHMARK(BM_Stamp)
    ->ArgNames({"tag", "w", "h"})
    ->Args({kSlidingSpreader, 500, 500})
    ->Args({kSlidingSpreader, 4000, 3000})
    ->Args({kRocks, 500, 500})
    ->Args({kRocks, 4000, 3000});

double SecondsFor(Canvas& canvas, int tag) {
  const auto start = std::chrono::steady_clock::now();
  Stamp(canvas, tag);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Argument: tag. Alternates the two pictures so that both see the same machine state.
void BM_LargeOverSmall(benchmark::State& state) {
  const int tag = static_cast<int>(state.range(0));
  Bitmap small(500, 500), large(4000, 3000);
  double small_s = 0, large_s = 0;
  for (auto _ : state) {
    small_s += SecondsFor(small.GetCanvas(), tag);
    large_s += SecondsFor(large.GetCanvas(), tag);
  }
  state.counters["large_over_small"] = small_s > 0 ? large_s / small_s : 0;
}
BENCHMARK(BM_LargeOverSmall)->ArgName("tag")->Arg(kSlidingSpreader)->Arg(kRocks);

}  // namespace
}  // namespace nabrilo

BENCHMARK_MAIN();
