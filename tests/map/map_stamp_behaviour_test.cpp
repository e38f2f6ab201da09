// What the map symbols do beyond their outlines: they ignore the chosen colour, fill with the
// current brush where their tables set none (hollow after a line drawn without fill) while the
// wave breakers' inner figure is always white, leave the canvas as their tables say, lay the sand
// dots in their order, and cope with any anchor.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <string>
#include <vector>

#include "map/map_stamps.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

using stamp_test::CanvasState;
using stamp_test::InkedPixels;
using stamp_test::SetState;
using stamp_test::StateOf;

constexpr int kTags[] = {101, 102, 103, 104, 105, 106, 107};
constexpr TColor kGrey = clSilver;

TEST(MapStamps, TheChosenColourNeverReachesASymbol) {
  for (int tag : kTags) {
    SCOPED_TRACE(tag);
    Bitmap plain(100, 100), red(100, 100);
    DrawMapStamp(plain.GetCanvas(), tag, 40, 40);
    red.GetCanvas().SetPenColor(clRed);
    DrawMapStamp(red.GetCanvas(), tag, 40, 40);
    ASSERT_GT(InkedPixels(red.Image()), 0);
    EXPECT_EQ(ComparePictures(plain.Image(), red.Image()).differing, 0);
  }
}

// A picture painted grey, so that white fills show, with a clear brush as a line-bank gesture
// without fill leaves it.
Bitmap GreyWithClearBrush() {
  Bitmap picture(100, 100);
  picture.Image().fill(QColor(0xC0, 0xC0, 0xC0));
  picture.GetCanvas().SetBrushStyle(bsClear);
  return picture;
}

TEST(MapStamps, OnAClearBrushTheFiguresAreHollowButTheWaveBreakersInnerFigureIsWhite) {
  struct Probe {
    int tag;
    TPoint hollow;                // inside the figure, away from every line
    std::optional<TPoint> white;  // inside the inner figure of a wave breaker
  };
  const Probe probes[] = {
      {101, {15, 25}, {}},  // the tetrapod's stem
      {102, {3, 10}, {}},   // the inverted tetrapod's stem
      {103, {0, -13}, TPoint{0, 0}},
      {104, {8, 0}, TPoint{0, 0}},
      {107, {6, 6}, {}},  // inside the car park's frame, beside the P
  };
  for (const Probe& p : probes) {
    SCOPED_TRACE(p.tag);
    Bitmap picture = GreyWithClearBrush();
    DrawMapStamp(picture.GetCanvas(), p.tag, 50, 50);
    EXPECT_EQ(picture.GetCanvas().Pixel(50 + p.hollow.x, 50 + p.hollow.y), kGrey);
    if (p.white) {
      EXPECT_EQ(picture.GetCanvas().Pixel(50 + p.white->x, 50 + p.white->y), clWhite);
    }
    // The same figure on a solid white brush is filled.
    Bitmap filled(100, 100);
    filled.Image().fill(QColor(0xC0, 0xC0, 0xC0));
    DrawMapStamp(filled.GetCanvas(), p.tag, 50, 50);
    EXPECT_EQ(filled.GetCanvas().Pixel(50 + p.hollow.x, 50 + p.hollow.y), clWhite);
  }
}

TEST(MapStamps, TheRocksAreWhiteWhateverTheBrush) {
  Bitmap picture = GreyWithClearBrush();
  DrawMapStamp(picture.GetCanvas(), 106, 50, 50);
  EXPECT_EQ(picture.GetCanvas().Pixel(50 - 8, 50 + 6), clWhite);  // inside the fourth stone
}

// The state each symbol leaves, from a canvas left by some other tool (red pen of width 5, blue
// brush in the given style, pen at (3, 4)), with the anchor at (50, 60).
TEST(MapStamps, LeaveTheCanvasAsTheirTablesSay) {
  for (const TBrushStyle style : {bsSolid, bsClear}) {
    const CanvasState before{5, clRed, pmCopy, clBlue, style, {3, 4}};
    const CanvasState current_brush{2, clBlack, pmCopy, clBlue, style, {3, 4}};
    const CanvasState white_brush{2, clBlack, pmCopy, clWhite, bsSolid, {3, 4}};
    const struct {
      int tag;
      CanvasState left;
    } cases[] = {
        {101, current_brush},
        {102, current_brush},
        {103, white_brush},
        {104, white_brush},
        {105, before},  // sand dots use neither pen nor brush
        {106, {1, clBlack, pmCopy, clWhite, bsSolid, {3, 4}}},
        {107, {2, clBlack, pmCopy, clBlue, style, {46, 60}}},  // the P's lower bar ends at x-4
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.tag);
      Bitmap picture(100, 100);
      SetState(picture.GetCanvas(), before);
      DrawMapStamp(picture.GetCanvas(), c.tag, 50, 60);
      EXPECT_EQ(StateOf(picture.GetCanvas()), c.left);
    }
  }
}

// Records the canvas calls of a table as text, to see their order.
struct RecordingCanvas {
  std::vector<std::string> calls;
  void Note(const std::string& s) { calls.push_back(s); }
  void SetPenWidth(int) { Note("pen width"); }
  void SetPenColor(TColor) { Note("pen colour"); }
  void SetBrushColor(TColor) { Note("brush colour"); }
  void SetBrushStyle(TBrushStyle) { Note("brush style"); }
  void MoveTo(int, int) { Note("moveto"); }
  void LineTo(int, int) { Note("lineto"); }
  void Rectangle(int, int, int, int) { Note("rectangle"); }
  void Ellipse(int, int, int, int) { Note("ellipse"); }
  void Pie(int, int, int, int, int, int, int, int) { Note("pie"); }
  void Arc(int, int, int, int, int, int, int, int) { Note("arc"); }
  void Polygon(std::span<const TPoint>) { Note("polygon"); }
  void SetPixel(int x, int y, TColor c) {
    Note(std::to_string(x) + "," + std::to_string(y) + (c == clBlack ? " black" : " other"));
  }
};

TEST(MapStamps, TheSandBeachLaysItsDotsInOrder) {
  RecordingCanvas rec;
  stamp::RunTable(rec, MapStampTable(105), 100, 100);
  ASSERT_EQ(rec.calls.size(), 17u * 4u);  // seventeen dots of four pixels, nothing else
  const std::vector<std::string> first(rec.calls.begin(), rec.calls.begin() + 4);
  const std::vector<std::string> last(rec.calls.end() - 4, rec.calls.end());
  EXPECT_EQ(first,
            (std::vector<std::string>{"92,89 black", "93,89 black", "93,90 black", "92,90 black"}));
  EXPECT_EQ(last, (std::vector<std::string>{"108,108 black", "109,108 black", "109,109 black",
                                            "108,109 black"}));

  Bitmap picture(200, 200);
  DrawMapStamp(picture.GetCanvas(), 105, 100, 100);
  EXPECT_EQ(InkedPixels(picture.Image()), 17 * 4);
  for (const TPoint p : {TPoint{92, 89}, TPoint{93, 90}, TPoint{108, 108}, TPoint{109, 109}}) {
    EXPECT_EQ(picture.GetCanvas().Pixel(p.x, p.y), clBlack);
  }
}

TEST(MapStamps, ExtentsHoldWhatIsDrawnAndOnlySymbolsHaveOne) {
  for (int tag : kTags) {
    SCOPED_TRACE(tag);
    EXPECT_TRUE(IsMapStampTag(tag));
    const QRect extent = MapStampExtent(tag);
    ASSERT_FALSE(extent.isEmpty());
    Bitmap picture(100, 100);
    DrawMapStamp(picture.GetCanvas(), tag, 40, 40);
    const QRect allowed = extent.translated(40, 40).adjusted(-1, -1, 1, 1);
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.GetCanvas().Pixel(x, y) != clWhite) {
          ASSERT_TRUE(allowed.contains(x, y)) << "(" << x << ", " << y << ") is outside";
        }
      }
    }
  }
  for (int tag : {0, 100, 108, 109, 1}) {
    SCOPED_TRACE(tag);
    EXPECT_FALSE(IsMapStampTag(tag));
    EXPECT_TRUE(MapStampExtent(tag).isNull());
    Bitmap picture(100, 100);
    DrawMapStamp(picture.GetCanvas(), tag, 50, 50);
    EXPECT_EQ(InkedPixels(picture.Image()), 0);
  }
}

TEST(MapStamps, AnchorsAtTheEndsOfTheIntegerRangeDrawNothing) {
  const TPoint far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX, 0}};
  for (int tag : kTags) {
    for (const TPoint a : far) {
      SCOPED_TRACE(testing::Message() << tag << " at " << a.x << ", " << a.y);
      Bitmap picture(64, 64);
      DrawMapStamp(picture.GetCanvas(), tag, a.x, a.y);
      DrawSandDot(picture.GetCanvas(), a.x, a.y);
      EXPECT_EQ(InkedPixels(picture.Image()), 0);
    }
  }
}

}  // namespace
}  // namespace nabrilo
