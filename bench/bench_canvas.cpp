// The canvas costs in proportion to the pixels a call touches: lines, ellipses, polygons and
// round rectangles of growing size; a small ellipse on a small and on a very large picture; a
// line to a far-off point against the same line clipped to the picture. The *_Ratio benchmarks
// time both sides in the same run and report their ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include "platform/bitmap.h"

namespace nabrilo {
namespace {

// Argument: the figure's size in pixels; the picture is large enough for all of them.
void BM_LineTo(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Bitmap picture(1100, 1100);
  Canvas& c = picture.GetCanvas();
  c.SetPenWidth(static_cast<int>(state.range(1)));
  for (auto _ : state) {
    c.MoveTo(10, 10);
    c.LineTo(10 + n, 10 + n / 3);
  }
}
BENCHMARK(BM_LineTo)->ArgsProduct({{10, 100, 1000}, {1, 4}});

void BM_Ellipse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Bitmap picture(1100, 1100);
  Canvas& c = picture.GetCanvas();
  c.SetPenWidth(static_cast<int>(state.range(1)));
  for (auto _ : state) c.Ellipse(10, 10, 10 + n, 10 + n / 2);
}
BENCHMARK(BM_Ellipse)->ArgsProduct({{10, 100, 1000}, {1, 4}});

void BM_Polygon(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Bitmap picture(1100, 1100);
  Canvas& c = picture.GetCanvas();
  const TPoint triangle[] = {{10, 10}, {10 + n, 10 + n / 3}, {10 + n / 4, 10 + n}};
  for (auto _ : state) c.Polygon(triangle);
}
BENCHMARK(BM_Polygon)->Arg(10)->Arg(100)->Arg(1000);

void BM_RoundRect(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Bitmap picture(1100, 1100);
  Canvas& c = picture.GetCanvas();
  for (auto _ : state) c.RoundRect(10, 10, 10 + n, 10 + n / 2, 30, 30);
}
BENCHMARK(BM_RoundRect)->Arg(40)->Arg(100)->Arg(1000);

double Seconds(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A 20 × 20 ellipse on a 500 × 500 and on an 8000 × 8000 picture.
void BM_SmallEllipse_LargeOverSmall_Ratio(benchmark::State& state) {
  Bitmap small(500, 500), large(8000, 8000);
  double small_s = 0, large_s = 0;
  for (auto _ : state) {
    small_s += Seconds([&] { small.GetCanvas().Ellipse(200, 200, 220, 220); });
    large_s += Seconds([&] { large.GetCanvas().Ellipse(200, 200, 220, 220); });
  }
  state.counters["large_over_small"] = large_s / small_s;
}
BENCHMARK(BM_SmallEllipse_LargeOverSmall_Ratio);

// A line from inside the picture to a point two billion pixels away, against the part of the
// same line that lies in the picture.
void BM_FarLine_OverClipped_Ratio(benchmark::State& state) {
  Bitmap picture(500, 500);
  Canvas& c = picture.GetCanvas();
  double far_s = 0, clipped_s = 0;
  for (auto _ : state) {
    far_s += Seconds([&] {
      c.MoveTo(0, 0);
      c.LineTo(2000000000, 1000000000);
    });
    clipped_s += Seconds([&] {
      c.MoveTo(0, 0);
      c.LineTo(500, 250);
    });
  }
  state.counters["far_over_clipped"] = far_s / clipped_s;
}
BENCHMARK(BM_FarLine_OverClipped_Ratio);

}  // namespace
}  // namespace nabrilo

BENCHMARK_MAIN();
