// Coordinates of any size: the visible part is drawn or nothing, never a crash or a hang.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <functional>

#include "platform/bitmap.h"

namespace nabrilo {
namespace {

// The number of pixels that are no longer white.
int Marked(const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) n += b.Image().pixel(x, y) != 0xFFFFFFFFu;
  }
  return n;
}

TEST(CanvasBounds, AFarOffLineLightsThePixelsOfTheWholeLineThatAreInside) {
  // The line's pixels inside the picture are those of the unclipped line: compare with a line
  // that starts inside on the same ideal path.
  Bitmap far(100, 100), near(100, 100);
  far.GetCanvas().MoveTo(-1000000, -1000000);
  far.GetCanvas().LineTo(1000000, 1000000);
  near.GetCanvas().MoveTo(-1, -1);
  near.GetCanvas().LineTo(101, 101);
  EXPECT_EQ(far.Image(), near.Image());
  EXPECT_EQ(Marked(far), 100);
}

TEST(CanvasBounds, ExtremeCoordinatesDrawTheVisiblePartOrNothing) {
  // Each figure on a fresh 64 × 64 picture with a red brush, and a pixel it must have set.
  struct Case {
    const char* name;
    std::function<void(Canvas&)> draw;
    TPoint probe;
    TColor expected;
  };
  const std::vector<Case> cases = {
      {"diagonal across the whole range",
       [](Canvas& c) {
         c.MoveTo(INT_MIN, INT_MIN);
         c.LineTo(INT_MAX, INT_MAX);
       },
       {10, 10},
       clBlack},
      {"anti-diagonal",
       [](Canvas& c) {
         c.MoveTo(-2000000000, 2000000000);
         c.LineTo(2000000000, -2000000000);
       },
       {0, -1},
       clWhite},
      {"rectangle over everything",
       [](Canvas& c) { c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
       {10, 10},
       clRed},
      {"ellipse a million pixels wide",
       [](Canvas& c) { c.Ellipse(-1000000, -20, 1000000, 80); },
       {32, 32},
       clRed},
      {"ellipse over everything",
       [](Canvas& c) { c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
       {32, 32},
       clRed},
      {"round rectangle over everything",
       [](Canvas& c) { c.RoundRect(INT_MIN, 0, INT_MAX, 60, INT_MAX, INT_MAX); },
       {32, 30},
       clRed},
      {"pie over everything",
       [](Canvas& c) { c.Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 100, -100, 0); },
       {5, 40},
       clRed},
      {"polygon over everything",
       [](Canvas& c) {
         const TPoint huge[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
         c.Polygon(huge);
       },
       {32, 32},
       clRed},
  };
  for (int width : {1, 2, 4}) {
    for (const Case& k : cases) {
      Bitmap b(64, 64);
      Canvas& c = b.GetCanvas();
      c.SetPenWidth(width);
      c.SetBrushColor(clRed);
      k.draw(c);
      if (k.probe.y >= 0) {
        EXPECT_EQ(c.Pixel(k.probe.x, k.probe.y), k.expected) << k.name << ", width " << width;
      }
    }
    // Figures with nothing or little to show must still return.
    Bitmap b(64, 64);
    Canvas& c = b.GetCanvas();
    c.SetPenWidth(width);
    c.MoveTo(INT_MAX, INT_MAX);
    c.LineTo(INT_MAX, INT_MAX);
    c.Arc(-2000000000, -5, 2000000000, 70, 5, 5, -5, -5);
    c.Pie(30, INT_MIN, 31, INT_MAX, 30, 0, 31, 0);
    c.Arc(INT_MIN, 20, INT_MAX, 21, 0, 0, 0, 40);
    const TPoint same[] = {{30, 30}, {30, 30}, {30, 30}, {30, 30}};
    c.Polygon(same);
    const TPoint far_curve[] = {{INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, 0}, {0, INT_MIN}};
    c.PolyBezier(far_curve);
  }
}

TEST(CanvasBounds, AHugeFigureCostsWhatItsVisiblePartCosts) {
  Bitmap b(64, 64);
  const auto start = std::chrono::steady_clock::now();
  b.GetCanvas().Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  b.GetCanvas().SetPenWidth(3);
  b.GetCanvas().Ellipse(-1000000, -1000000, 1000000, 1000000);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Not a performance budget (those live in bench/): a guard against a walk over billions of
  // points, which would take minutes.
  EXPECT_LT(seconds, 20.0);
}

TEST(CanvasBounds, APolyBezierWithAWrongPointCountIsRefusedAndDrawsNothing) {
  Bitmap b(32, 32);
  for (size_t n : {0u, 1u, 2u, 3u, 5u, 6u, 8u}) {
    std::vector<TPoint> pts(n, TPoint{10, 10});
    for (size_t i = 0; i < n; ++i) pts[i] = {static_cast<int>(i) * 3, static_cast<int>(i) * 2};
    EXPECT_THROW(b.GetCanvas().PolyBezier(pts), CanvasError) << n << " points";
  }
  EXPECT_EQ(Marked(b), 0);
}

TEST(CanvasBounds, PixelsOutsideThePictureReadAsInvalidAndIgnoreWrites) {
  Bitmap b(8, 8);
  Canvas& c = b.GetCanvas();
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 8}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(c.Pixel(x, y), -1);
    c.SetPixel(x, y, clBlack);
  }
  EXPECT_EQ(Marked(b), 0);
  EXPECT_TRUE(c.TakeDirty().isEmpty());
}

}  // namespace
}  // namespace nabrilo
