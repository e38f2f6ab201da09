// The 27 pictures of the map palette's image list, 32 × 32 on white: the breakwater bank
// (0–8), the line bank (9–17) and the parts bank (18–26).
#include <array>

#include "artwork.h"
#include "map/map_stamps.h"

namespace nabrilo::artwork {

namespace {

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// A band seen from above: its axis along the top, its far side along the bottom.
constexpr int kLeft = 3, kRight = 28, kAxis = 9, kFar = 23;

enum class Ends { OpenAtStart, Closed, Open };
enum class Inner { None, NearAxis, NearFar };

void DrawBand(Canvas& c, Ends ends, Inner inner) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(2);
  Line(c, kLeft, kAxis, kRight, kAxis);
  Line(c, kLeft, kFar, kRight, kFar);
  if (ends != Ends::Open) Line(c, kRight, kAxis, kRight, kFar);
  if (ends == Ends::Closed) Line(c, kLeft, kAxis, kLeft, kFar);
  c.SetPenWidth(1);
  if (inner == Inner::NearAxis) Line(c, kLeft, kAxis + 4, kRight, kAxis + 4);
  if (inner == Inner::NearFar) Line(c, kLeft, kFar - 4, kRight, kFar - 4);
}

void DrawLineTool(Canvas& c, int i) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(2);
  switch (i) {
    case 0:  // vertical
      Line(c, 16, 3, 16, 29);
      break;
    case 1:  // horizontal
      Line(c, 3, 16, 29, 16);
      break;
    case 2:  // oblique
      Line(c, 4, 28, 28, 4);
      break;
    case 3: {  // free
      static constexpr std::array<TPoint, 4> kWave{{{3, 22}, {10, -2}, {20, 34}, {29, 9}}};
      c.PolyBezier(kWave);
      break;
    }
    case 4: {  // arrow
      static constexpr TPoint kHead[] = {{29, 16}, {20, 11}, {20, 21}};
      Line(c, 3, 16, 22, 16);
      c.SetBrushColor(clBlack);
      c.Polygon(kHead);
      c.SetBrushColor(clWhite);
      break;
    }
    case 5:  // a line with a cross on it
      Line(c, 3, 16, 29, 16);
      Line(c, 11, 10, 21, 22);
      Line(c, 21, 10, 11, 22);
      break;
    case 6:
      c.Rectangle(5, 8, 27, 24);
      break;
    case 7:
      c.RoundRect(5, 8, 27, 24, 10, 10);
      break;
    case 8:
      c.Ellipse(6, 6, 26, 26);
      break;
    default:
      break;
  }
}

void DrawLetterT(Canvas& c) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(3);
  Line(c, 8, 7, 24, 7);
  Line(c, 16, 7, 16, 26);
}

void DrawEraser(Canvas& c) {
  static constexpr TPoint kBlock[] = {{5, 20}, {17, 8}, {27, 18}, {15, 30}};
  static constexpr TPoint kSleeve[] = {{5, 20}, {11, 14}, {21, 24}, {15, 30}};
  c.SetPenColor(clBlack);
  c.SetPenWidth(1);
  c.SetBrushColor(clWhite);
  c.Polygon(kBlock);
  c.SetBrushColor(clBlue);
  c.Polygon(kSleeve);
}

// A map symbol, drawn 1:1 with room all round and fitted into the picture.
QImage SymbolPicture(int tag) {
  const QImage symbol = Render(160, 160, [&](Canvas& c) { DrawMapStamp(c, tag, 64, 64); });
  QImage fitted = FitInto(symbol, QSize(32, 32));
  QImage out(32, 32, QImage::Format_RGB32);
  out.fill(Qt::white);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (qAlpha(fitted.pixel(x, y)) != 0) out.setPixel(x, y, fitted.pixel(x, y));
    }
  }
  return out;
}

QImage Picture(int n) {
  static constexpr Inner kInner[] = {Inner::None, Inner::NearAxis, Inner::NearFar};
  static constexpr Ends kEnds[] = {Ends::OpenAtStart, Ends::Closed, Ends::Open};
  if (n < 9) {
    return RenderOpaque(32, 32, [&](Canvas& c) { DrawBand(c, kEnds[n / 3], kInner[n % 3]); });
  }
  if (n < 18) return RenderOpaque(32, 32, [&](Canvas& c) { DrawLineTool(c, n - 9); });
  if (n < 25) return SymbolPicture(101 + n - 18);
  if (n == 25) return RenderOpaque(32, 32, DrawLetterT);
  return RenderOpaque(32, 32, DrawEraser);
}

}  // namespace

std::vector<Output> ImageList() {
  std::vector<Output> out;
  for (int n = 0; n < 27; ++n) {
    out.push_back(
        {QStringLiteral("imagelist/%1.nbrp").arg(n, 2, 10, QLatin1Char('0')), Picture(n), {}});
  }
  return out;
}

}  // namespace nabrilo::artwork
