// The canvas's state between calls, its text, its dirty rectangle, and the arithmetic helpers.
#include <gtest/gtest.h>

#include "platform/arith.h"
#include "platform/bitmap.h"
#include "platform/tcolor.h"

namespace nabrilo {
namespace {

TEST(CanvasState, ANewPictureStartsWithABlackThinCopyPenAndAWhiteSolidBrush) {
  Bitmap b(10, 10);
  const Canvas& c = b.GetCanvas();
  EXPECT_EQ(c.PenColor(), clBlack);
  EXPECT_EQ(c.PenWidth(), 1);
  EXPECT_EQ(c.PenMode(), pmCopy);
  EXPECT_EQ(c.BrushColor(), clWhite);
  EXPECT_EQ(c.BrushStyle(), bsSolid);
  EXPECT_EQ(c.PenPos(), (TPoint{0, 0}));
  EXPECT_EQ(b.Image().pixel(5, 5), 0xFFFFFFFFu);
}

TEST(CanvasState, SettingTheColourOfAClearBrushMakesItSolid) {
  Bitmap b(10, 10);
  Canvas& c = b.GetCanvas();
  c.SetBrushStyle(bsClear);
  c.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(c.Pixel(5, 5), clWhite);
  c.SetBrushColor(clRed);
  EXPECT_EQ(c.BrushStyle(), bsSolid);
  c.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(c.Pixel(5, 5), clRed);
}

TEST(CanvasState, ACopyOfAPictureHasItsPixelsAndAFreshCanvas) {
  Bitmap a(10, 10);
  a.GetCanvas().SetPenWidth(3);
  a.GetCanvas().SetBrushColor(clRed);
  a.GetCanvas().Rectangle(0, 0, 10, 10);
  Bitmap b(1, 1);
  b = a;
  EXPECT_EQ(b.Image(), a.Image());
  EXPECT_EQ(b.GetCanvas().PenWidth(), 1);
  EXPECT_EQ(b.GetCanvas().BrushColor(), clWhite);
}

TEST(CanvasState, TheDirtyRectangleIsWhatTheLastCallsTouchedWithinThePicture) {
  Bitmap b(100, 100);
  Canvas& c = b.GetCanvas();
  c.MoveTo(10, 20);
  c.LineTo(30, 20);
  EXPECT_EQ(c.TakeDirty(), QRect(10, 20, 20, 1));
  EXPECT_TRUE(c.TakeDirty().isEmpty());
  c.Rectangle(90, 95, 130, 130);
  EXPECT_EQ(c.TakeDirty(), QRect(90, 95, 10, 5));
  c.SetPixel(3, 4, clRed);
  c.Rectangle(50, 50, 52, 52);
  EXPECT_EQ(c.TakeDirty(), QRect(3, 4, 49, 48));
}

TEST(CanvasText, JapaneseTextIsDrawnAsGlyphsInTheCanvasFont) {
  Bitmap b(120, 20);
  Canvas& c = b.GetCanvas();
  c.TextOut(2, 2, QStringLiteral("仕掛け図"));
  // Glyphs, not boxes: the four characters differ from one another, so the columns they cover
  // differ; a missing-glyph box would repeat the same pattern four times.
  QImage cells[4];
  const int cell_w = 12;
  for (int i = 0; i < 4; ++i) cells[i] = b.Image().copy(2 + i * cell_w, 2, cell_w, 13);
  int black = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 120; ++x) {
      const QRgb p = b.Image().pixel(x, y) & 0xFFFFFF;
      EXPECT_TRUE(p == 0 || p == 0xFFFFFF) << "antialiased pixel at " << x << "," << y;
      black += p == 0;
    }
  }
  EXPECT_GT(black, 60);
  EXPECT_NE(cells[0], cells[1]);
  EXPECT_NE(cells[1], cells[2]);
  EXPECT_NE(cells[2], cells[3]);
}

TEST(CanvasText, TheCellIsFilledWithASolidBrushAndLeftAloneWithAClearOne) {
  Bitmap solid(60, 20), clear(60, 20);
  for (Bitmap* b : {&solid, &clear}) {
    b->GetCanvas().SetBrushColor(clAqua);
    b->GetCanvas().Rectangle(-1, -1, 61, 21);
  }
  solid.GetCanvas().SetBrushColor(clWhite);
  solid.GetCanvas().TextOut(2, 2, QStringLiteral("ab"));
  clear.GetCanvas().SetBrushStyle(bsClear);
  clear.GetCanvas().TextOut(2, 2, QStringLiteral("ab"));
  EXPECT_EQ(solid.GetCanvas().Pixel(2, 2), clWhite);  // the cell's corner, no ink there
  EXPECT_EQ(clear.GetCanvas().Pixel(2, 2), clAqua);
  EXPECT_EQ(solid.GetCanvas().Pixel(40, 2), clAqua);  // outside the cell
}

TEST(Arithmetic, RoundingIsToNearestWithTiesToEven) {
  const std::pair<double, int> cases[] = {
      {0.5, 0},    {1.5, 2},    {2.5, 2},   {-0.5, 0},        {-1.5, -2},       {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-3.7, -4}, {1e300, INT_MAX}, {-1e300, INT_MIN}};
  for (auto [v, expected] : cases) EXPECT_EQ(RoundHalfEven(v), expected) << v;
  EXPECT_EQ(TruncDiv(-7, 2), -3);
  EXPECT_EQ(TruncDiv(7, -2), -3);
}

TEST(Colours, TextFormRoundTripsAndRefusesWhatIsNoColour) {
  for (const NamedColor& n : NamedColors()) {
    EXPECT_EQ(ColorToString(n.value), QString::fromLatin1(n.name));
    EXPECT_EQ(StringToColor(QString::fromLatin1(n.name)), n.value);
  }
  EXPECT_EQ(NamedColors().size(), 20u);
  for (TColor c : {0x000001u, 0x123456u, 0xFFFFFEu, 0x00FF01u}) {
    const QString text = ColorToString(c);
    EXPECT_EQ(StringToColor(text), c) << text.toStdString();
    EXPECT_EQ(ColorToString(*StringToColor(text)), text);
  }
  EXPECT_EQ(ColorToString(0x123456), QStringLiteral("$00123456"));
  for (const char* bad : {"", "red", "cl", "$", "$1000000", "$GG", "0x", "clBlack ", "-1"}) {
    EXPECT_FALSE(StringToColor(QString::fromLatin1(bad)).has_value()) << bad;
  }
}

}  // namespace
}  // namespace nabrilo
