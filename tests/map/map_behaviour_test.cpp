// Map-mode behaviour a user sees beyond single pictures: the breakwater width vectors, rubber
// bands that leave no trace, idle moves that draw nothing, undo steps of the map tools, releases
// that end no press, and the parts-bank press.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/form_fixture.h"
#include "map/map_gesture_driver.h"
#include "map/map_stamps.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

using map_test::Move;
using map_test::Press;
using map_test::Release;

class MapBehaviour : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Choose("mode map");
  }
  // Palette choices in the words of the gesture scripts: "bank 1", "tool 7", "fill 0", ...
  void Choose(const char* what) {
    const auto error = map_test::Do(*form, QString::fromUtf8(what).split(QLatin1Char(' ')));
    ASSERT_FALSE(error) << error->toStdString();
  }
  void Drag(std::initializer_list<TPoint> points) {
    Press(*form, points.begin()->x, points.begin()->y);
    for (const TPoint& p : points) Move(*form, p.x, p.y);
    Release(*form, std::prev(points.end())->x, std::prev(points.end())->y);
  }
  // A red free line across the picture, for rubber bands to cross.
  void Red_Snake() {
    Choose("bank 1");
    Choose("tool 4");
    Choose("color clRed");
    Drag({{5, 30}, {495, 120}, {5, 210}, {495, 300}, {5, 390}, {495, 480}});
    Choose("color clBlack");
  }
  Bitmap Picture() const { return Bitmap(form->Image1->Picture().Image()); }
  long Differing(const Bitmap& expected) const {
    return ComparePictures(expected.Image(), form->Image1->Picture().Image()).differing;
  }
};

struct HabaCase {
  int dx, dy, width;
  TPoint h, q, t;
};

// The worked examples of the width vectors: the band lies on the right-hand side of the drag.
TEST_F(MapBehaviour, WidthVectorsFollowTheWorkedExamples) {
  const HabaCase cases[] = {
      {100, 0, 20, {0, 20}, {0, 5}, {0, 15}},        {0, 100, 20, {-20, 0}, {-5, 0}, {-15, 0}},
      {-100, 0, 20, {0, -20}, {0, -5}, {0, -15}},    {0, -100, 20, {20, 0}, {5, 0}, {15, 0}},
      {100, 100, 20, {-14, 14}, {-4, 4}, {-11, 11}}, {4, 3, 20, {-12, 16}, {-3, 4}, {-9, 12}},
      {100, 0, 25, {0, 25}, {0, 6}, {0, 18}},        {0, 100, 25, {-25, 0}, {-6, 0}, {-18, 0}},
      {-100, 0, 25, {0, -25}, {0, -6}, {0, -18}},    {0, -100, 25, {25, 0}, {6, 0}, {18, 0}},
      {100, 100, 25, {-18, 18}, {-4, 4}, {-13, 13}}, {4, 3, 25, {-15, 20}, {-4, 5}, {-11, 14}},
  };
  for (const HabaCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "axis (" << c.dx << ", " << c.dy << "), width " << c.width);
    // The start point is not the origin: only the difference counts.
    form->Calc_Haba(150, 70, 150 + c.dx, 70 + c.dy, c.width);
    EXPECT_EQ((TPoint{form->Haba_DX, form->Haba_DY}), c.h);
    EXPECT_EQ((TPoint{form->Haba1_DX, form->Haba1_DY}), c.q);
    EXPECT_EQ((TPoint{form->Haba3_DX, form->Haba3_DY}), c.t);
  }
  // An axis of no length keeps the vectors it had.
  form->Calc_Haba(30, 30, 30, 30, 100);
  EXPECT_EQ((TPoint{form->Haba_DX, form->Haba_DY}), (TPoint{-15, 20}));
  EXPECT_EQ((TPoint{form->Haba3_DX, form->Haba3_DY}), (TPoint{-11, 14}));
}

// The figure a line-bank release commits, drawn on a copy of the picture from before the press:
// what the picture must show once the rubber bands are gone.
void Committed_Line_Figure(Canvas& c, int tag, int width, bool filled, TPoint s, TPoint p) {
  c.SetPenMode(pmCopy);
  c.SetPenColor(clBlack);
  c.SetPenWidth(width);
  c.SetBrushColor(clWhite);
  if (!filled) c.SetBrushStyle(bsClear);
  switch (tag) {
    case 101:
      c.MoveTo(s.x, s.y);
      c.LineTo(s.x, p.y);
      break;
    case 102:
      c.MoveTo(s.x, s.y);
      c.LineTo(p.x, s.y);
      break;
    case 103:
    case 106:
      c.MoveTo(s.x, s.y);
      c.LineTo(p.x, p.y);
      break;
    case 107:
      c.Rectangle(s.x, s.y, p.x, p.y);
      break;
    case 108:
      c.RoundRect(s.x, s.y, p.x, p.y, 30, 30);
      break;
    case 109:
      c.Ellipse(s.x, s.y, p.x, p.y);
      break;
  }
  if (tag == 106) {
    const int d = width == 4 ? 9 : 3 * width;  // 3, 6, 9 for 細, 太, 極太
    c.MoveTo(p.x - d, p.y - d);
    c.LineTo(p.x + d, p.y + d);
    c.MoveTo(p.x - d, p.y + d);
    c.LineTo(p.x + d, p.y - d);
  }
}

// Released where the last move was, the figure covers its last rubber band (drawn with the same
// pen for 細 and 太, a narrower one for 極太), and every earlier band was erased by drawing it
// again; over a red line, so that an erase that missed would show as inverted pixels.
TEST_F(MapBehaviour, LineBankRubberBandsLeaveNoTrace) {
  Red_Snake();
  const TPoint s{100, 150};
  const TPoint moves[] = {{130, 170}, {190, 230}, {60, 80}, {260, 200}};
  const TPoint p = moves[3];
  for (int tag : {101, 102, 103, 106, 107, 108, 109}) {
    for (int thickness : {0, 1, 2}) {
      for (int fill : {0, 1}) {
        SCOPED_TRACE(::testing::Message()
                     << "tool " << tag << ", thickness " << thickness << ", fill " << fill);
        Choose(qPrintable(QStringLiteral("tool %1").arg(tag - 100)));
        Choose(qPrintable(QStringLiteral("thickness %1").arg(thickness)));
        Choose(qPrintable(QStringLiteral("fill %1").arg(fill)));
        Bitmap expected = Picture();
        Committed_Line_Figure(expected.GetCanvas(), tag, thickness == 2 ? 4 : thickness + 1,
                              fill == 0, s, p);
        Press(*form, s.x, s.y);
        for (const TPoint& m : moves) Move(*form, m.x, m.y);
        Release(*form, p.x, p.y);
        ASSERT_EQ(Differing(expected), 0);
      }
    }
  }
}

// The rectangle example: pressed at (50, 50), moved to (80, 90), then to (120, 70). The second
// move erases the band to (80, 90), so only the outline to (120, 70) shows while held; the
// release draws that rectangle for good (太, 塗りつぶし 無 as at start).
TEST_F(MapBehaviour, RectangleExampleShowsOnlyTheLastRubberBand) {
  Choose("bank 1");
  Choose("tool 7");
  Press(*form, 50, 50);
  Move(*form, 80, 90);
  Move(*form, 120, 70);
  Bitmap held(500, 500);
  Canvas& c = held.GetCanvas();
  c.SetPenMode(pmNotXor);
  c.SetPenWidth(2);
  c.SetBrushStyle(bsClear);
  c.Rectangle(50, 50, 120, 70);
  EXPECT_EQ(Differing(held), 0);
  Release(*form, 120, 70);
  Bitmap released(500, 500);
  released.GetCanvas().SetPenWidth(2);
  released.GetCanvas().SetBrushStyle(bsClear);
  released.GetCanvas().Rectangle(50, 50, 120, 70);
  EXPECT_EQ(Differing(released), 0);
}

enum class Ends { Start, Closed, Both };
struct HatoTool {
  int tag;
  Ends ends;
  int inner;  // 0 none, 1 a quarter of the width, 3 three quarters
};
constexpr HatoTool kHatoTools[] = {
    {101, Ends::Start, 0},  {102, Ends::Start, 1},  {103, Ends::Start, 3},
    {104, Ends::Closed, 0}, {105, Ends::Closed, 1}, {106, Ends::Closed, 3},
    {107, Ends::Both, 0},   {108, Ends::Both, 1},   {109, Ends::Both, 3},
};

TPoint Plus(TPoint a, TPoint b) {
  return {a.x + b.x, a.y + b.y};
}

// The finished band from s to e with the full, quarter and three-quarter vectors h, q, t.
void Finished_Band(Canvas& c, const HatoTool& tool, TPoint s, TPoint e, TPoint h, TPoint q,
                   TPoint t) {
  c.SetPenMode(pmCopy);
  c.SetPenColor(clBlack);
  c.SetPenWidth(2);
  const TPoint band[] = {s, e, Plus(e, h), Plus(s, h)};
  c.Polygon(band);
  if (tool.inner != 0) {
    const TPoint k = tool.inner == 1 ? q : t;
    const TPoint inner[] = {s, e, Plus(e, k), Plus(s, k)};
    c.Polygon(inner);
  }
  c.SetPenColor(clWhite);
  if (tool.ends != Ends::Closed) {
    c.MoveTo(s.x, s.y);
    c.LineTo(s.x + h.x, s.y + h.y);
  }
  if (tool.ends == Ends::Both) {
    c.MoveTo(e.x, e.y);
    c.LineTo(e.x + h.x, e.y + h.y);
  }
}

// A band released where the last move was covers its last outline: after the release the
// picture is the picture from before plus the finished band, across and along, for every tool.
TEST_F(MapBehaviour, BreakwaterOutlinesLeaveNoTrace) {
  Red_Snake();
  Choose("bank 0");
  struct Drag {
    TPoint s;
    std::array<TPoint, 3> moves;
    TPoint h, q, t;  // width 20 along the drag's direction
  };
  const Drag drags[] = {
      {{60, 100}, {{{100, 100}, {200, 100}, {300, 100}}}, {0, 20}, {0, 5}, {0, 15}},
      {{260, 160}, {{{300, 200}, {360, 260}, {420, 320}}}, {-14, 14}, {-4, 4}, {-11, 11}},
  };
  for (const HatoTool& tool : kHatoTools) {
    for (const Drag& d : drags) {
      SCOPED_TRACE(::testing::Message()
                   << "tool " << tool.tag << " from (" << d.s.x << ", " << d.s.y << ")");
      Choose(qPrintable(QStringLiteral("tool %1").arg(tool.tag - 100)));
      const TPoint e = d.moves.back();
      Bitmap expected = Picture();
      Finished_Band(expected.GetCanvas(), tool, d.s, e, d.h, d.q, d.t);
      Press(*form, d.s.x, d.s.y);
      for (const TPoint& m : d.moves) Move(*form, m.x, m.y);
      Release(*form, e.x, e.y);
      ASSERT_EQ(Differing(expected), 0);
    }
  }
}

long Red_Pixels(const QImage& image) {
  long n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u;
  }
  return n;
}

// The eraser's red ring marks where the next disc falls; a release where the pointer last moved
// paints that disc, so no ring is left, in either size.
TEST_F(MapBehaviour, EraserLeavesNoRingAfterItsRelease) {
  Choose("tool 4");
  Drag({{40, 200}, {200, 200}, {460, 200}});
  Choose("bank 2");
  Choose("tool 9");
  for (int size : {0, 1}) {
    Choose(qPrintable(QStringLiteral("eraser %1").arg(size)));
    Press(*form, 100, 190);
    Move(*form, 130, 200);
    Move(*form, 160, 210);
    EXPECT_GT(Red_Pixels(form->Image1->Picture().Image()), 0) << "a ring shows while held";
    Release(*form, 160, 210);
    EXPECT_EQ(Red_Pixels(form->Image1->Picture().Image()), 0);
  }
}

// Moves with no button held only recompute the band's vectors: in every bank and with every
// tool they change no pixel, and each leaves the pen in copy mode.
TEST_F(MapBehaviour, MovesWithoutAHeldButtonDrawNothing) {
  Red_Snake();
  for (int bank : {0, 1, 2}) {
    Choose(qPrintable(QStringLiteral("bank %1").arg(bank)));
    for (int tool = 0; tool <= 9; ++tool) {
      if (bank == 2 && tool == 8) continue;  // the text tool opens a field instead
      SCOPED_TRACE(::testing::Message() << "bank " << bank << ", tool " << tool);
      Choose(qPrintable(QStringLiteral("tool %1").arg(tool)));
      Drag({{150, 150}, {200, 170}, {260, 240}});
      const Bitmap before = Picture();
      for (const TPoint& m : {TPoint{300, 300}, TPoint{150, 150}, TPoint{-40, 700}}) {
        form->Picture_Canvas().SetPenMode(pmNotXor);
        Move(*form, m.x, m.y);
        EXPECT_EQ(form->Picture_Canvas().PenMode(), pmCopy);
      }
      ASSERT_EQ(Differing(before), 0);
    }
  }
}

// The map free line is drawn while the pointer moves and recorded at its release, so it is an
// undo step of its own.
TEST_F(MapBehaviour, FreeLineIsItsOwnUndoStep) {
  Choose("bank 1");
  Choose("tool 4");
  Drag({{50, 50}, {120, 80}, {200, 60}});
  const Bitmap first = Picture();
  Drag({{50, 300}, {150, 350}, {250, 300}});
  ASSERT_GT(Differing(first), 0);
  ASSERT_TRUE(form->Btn_Undo_2->isEnabled());
  map_test::ClickButton(form->Btn_Undo_2);
  EXPECT_EQ(Differing(first), 0);
}

// A release that ends no press on the picture would commit a figure from an earlier gesture:
// it draws nothing and records nothing for undo.
TEST_F(MapBehaviour, ReleaseWithoutPressDrawsAndRecordsNothing) {
  Choose("tool 4");
  Drag({{60, 60}, {200, 60}, {300, 90}});  // the first record: undo stays unavailable
  ASSERT_FALSE(form->Btn_Undo_2->isEnabled());
  const Bitmap drawn = Picture();
  const std::pair<const char*, const char*> tools[] = {
      {"bank 0", "tool 4"}, {"bank 0", "tool 9"}, {"bank 1", "tool 3"}, {"bank 1", "tool 7"},
      {"bank 1", "tool 4"}, {"bank 1", "tool 6"}, {"bank 2", "tool 9"}};
  for (const auto& [bank, tool] : tools) {
    SCOPED_TRACE(::testing::Message() << bank << ", " << tool);
    Choose(bank);
    Choose(tool);
    Release(*form, 250, 300);
    EXPECT_EQ(Differing(drawn), 0);
    EXPECT_FALSE(form->Btn_Undo_2->isEnabled());
  }
}

// The parts-bank symbols land at the screen pointer (the stamp anchor) when pressed, each an
// undo step of its own; the release adds nothing.
TEST_F(MapBehaviour, PartsBankStampsAtThePressAndRecordsIt) {
  Choose("bank 2");
  Choose("tool 1");
  form->Press_X = 200;
  form->Press_Y = 120;
  form->Map_Mouse_Down(190, 110);
  Bitmap one(500, 500);
  DrawMapStamp(one.GetCanvas(), 101, 200, 120);
  EXPECT_EQ(Differing(one), 0);
  Move(*form, 260, 200);
  Release(*form, 260, 200);
  EXPECT_EQ(Differing(one), 0);

  Choose("tool 4");
  Press(*form, 320, 300);
  Release(*form, 320, 300);
  Bitmap two = one;
  DrawMapStamp(two.GetCanvas(), 104, 320, 300);
  EXPECT_EQ(Differing(two), 0);
  ASSERT_TRUE(form->Btn_Undo_2->isEnabled());
  map_test::ClickButton(form->Btn_Undo_2);
  EXPECT_EQ(Differing(one), 0);
}

// The parts bank's text tool opens the map's own text field over the press point and draws
// nothing until the text is committed.
TEST_F(MapBehaviour, TextToolOpensTheMapTextField) {
  Choose("bank 2");
  Choose("tool 8");
  const Bitmap blank = Picture();
  Press(*form, 120, 140);
  Release(*form, 120, 140);
  EXPECT_TRUE(form->Edit_Y->isVisible());
  EXPECT_EQ((TPoint{form->Start_X, form->Start_Y}), (TPoint{120, 140}));
  EXPECT_EQ(Differing(blank), 0);
}

}  // namespace
}  // namespace nabrilo
