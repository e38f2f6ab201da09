// Not-xor drawing: every figure drawn twice gives back the picture it was drawn on, whatever
// the pen width and the brush. Rubber bands rely on this.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <random>

#include "platform/bitmap.h"

namespace nabrilo {
namespace {

// A background with every kind of pixel: noise, black, white and coloured stripes.
Bitmap Background(int w, int h, unsigned seed) {
  Bitmap b(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      TColor c = rng() & 0xFFFFFF;
      if (y % 17 < 3) c = clBlack;
      if (x % 23 < 2) c = clWhite;
      b.GetCanvas().SetPixel(x, y, c);
    }
  }
  return b;
}

struct Figure {
  const char* name;
  std::function<void(Canvas&)> draw;
};

std::vector<Figure> Figures() {
  const TPoint triangle[] = {{5, 5}, {60, 20}, {15, 55}};
  const TPoint star[] = {{40, 2}, {50, 60}, {2, 20}, {78, 20}, {30, 60}};
  const TPoint curve[] = {{3, 50}, {20, -10}, {60, 90}, {77, 10}};
  return {
      {"line",
       [](Canvas& c) {
         c.MoveTo(3, 4);
         c.LineTo(70, 41);
       }},
      {"chain",
       [](Canvas& c) {
         c.MoveTo(10, 10);
         c.LineTo(60, 12);
         c.LineTo(15, 50);
         c.LineTo(70, 55);
       }},
      {"rectangle", [](Canvas& c) { c.Rectangle(8, 6, 66, 50); }},
      {"roundrect", [](Canvas& c) { c.RoundRect(4, 4, 75, 58, 30, 30); }},
      {"ellipse", [](Canvas& c) { c.Ellipse(5, 3, 72, 57); }},
      {"pie", [](Canvas& c) { c.Pie(5, 5, 70, 55, 70, 30, 10, 5); }},
      {"arc", [](Canvas& c) { c.Arc(5, 5, 70, 55, 70, 30, 10, 5); }},
      {"triangle", [triangle](Canvas& c) { c.Polygon(triangle); }},
      {"star", [star](Canvas& c) { c.Polygon(star); }},
      {"bezier", [curve](Canvas& c) { c.PolyBezier(curve); }},
      {"off the picture", [](Canvas& c) { c.Ellipse(-40, -30, 50, 40); }},
      // Tips short of the box, brush rows beyond the outline, arcs of a few points.
      {"tall narrow ellipse", [](Canvas& c) { c.Ellipse(30, 2, 34, 62); }},
      {"round rectangle with narrow corners", [](Canvas& c) { c.RoundRect(10, 4, 60, 60, 4, 40); }},
      {"pie 1 pixel high", [](Canvas& c) { c.Pie(5, 30, 70, 31, 75, 30, 0, 30); }},
      {"arc 2 pixels wide", [](Canvas& c) { c.Arc(40, 5, 42, 60, 41, 0, 41, 60); }},
  };
}

TEST(CanvasNotXor, EveryFigureDrawnTwiceRestoresTheBackground) {
  for (const Figure& figure : Figures()) {
    for (int width = 1; width <= 4; ++width) {
      for (bool solid : {true, false}) {
        for (TColor pen : {clBlack, clRed, 0x123456u}) {
          Bitmap picture = Background(80, 64, 7);
          const QImage before = picture.Image().copy();
          Canvas& c = picture.GetCanvas();
          c.SetPenMode(pmNotXor);
          c.SetPenWidth(width);
          c.SetPenColor(pen);
          c.SetBrushColor(clLime);
          if (!solid) c.SetBrushStyle(bsClear);
          figure.draw(c);
          const bool changed = picture.Image() != before;
          figure.draw(c);
          EXPECT_TRUE(changed) << figure.name << " drew nothing (width " << width << ")";
          EXPECT_EQ(picture.Image(), before)
              << figure.name << ", width " << width << (solid ? ", solid" : ", clear");
        }
      }
    }
  }
}

TEST(CanvasNotXor, AChainOfThinLinesInvertsEachJointOnce) {
  // A closed chain of LineTo calls on white in not-xor black: every pixel of the outline must
  // come out black (a joint inverted twice would show white).
  Bitmap picture(40, 40);
  Canvas& c = picture.GetCanvas();
  c.SetPenMode(pmNotXor);
  const TPoint corners[] = {{5, 5}, {30, 8}, {33, 30}, {6, 34}, {5, 5}};
  c.MoveTo(corners[0].x, corners[0].y);
  for (int i = 1; i < 5; ++i) c.LineTo(corners[i].x, corners[i].y);
  for (const TPoint& p : corners) EXPECT_EQ(c.Pixel(p.x, p.y), clBlack) << p.x << "," << p.y;
}

TEST(CanvasNotXor, TheBrushIsInvertedToo) {
  Bitmap picture(20, 20);
  Canvas& c = picture.GetCanvas();
  c.SetPenMode(pmNotXor);
  c.SetPenColor(clWhite);  // not-xor with white leaves pixels as they are
  c.SetBrushColor(clBlack);
  c.Rectangle(2, 2, 18, 18);
  EXPECT_EQ(c.Pixel(10, 10), clBlack);  // white inverted by a black brush
  EXPECT_EQ(c.Pixel(2, 2), clWhite);    // the white pen changed nothing
}

}  // namespace
}  // namespace nabrilo
