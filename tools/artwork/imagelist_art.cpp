// The 27 pictures of the map palette's image list, 32 × 32 on white, one per row of the map tools:
// the breakwater bank (0–8), the line bank (9–17) and the parts bank (18–26).
#include <array>

#include "artwork.h"
#include "map/map_stamps.h"
#include "map/map_tools.h"

namespace nabrilo::artwork {

namespace {

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// A band seen from above: its axis along the top, its far side along the bottom.
constexpr int kLeft = 3, kRight = 28, kAxis = 9, kFar = 23;

using map_tools::BandEnds;
using map_tools::BandInner;
using map_tools::EndMark;
using map_tools::Figure;
using map_tools::MapGesture;
using map_tools::MapTool;

void DrawBand(Canvas& c, BandEnds ends, BandInner inner) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(2);
  Line(c, kLeft, kAxis, kRight, kAxis);
  Line(c, kLeft, kFar, kRight, kFar);
  if (ends != BandEnds::BothOpen) Line(c, kRight, kAxis, kRight, kFar);
  if (ends == BandEnds::Closed) Line(c, kLeft, kAxis, kLeft, kFar);
  c.SetPenWidth(1);
  if (inner == BandInner::Quarter) Line(c, kLeft, kAxis + 4, kRight, kAxis + 4);
  if (inner == BandInner::ThreeQuarter) Line(c, kLeft, kFar - 4, kRight, kFar - 4);
}

void DrawStraight(Canvas& c, EndMark mark) {
  switch (mark) {
    case EndMark::None:  // oblique
      Line(c, 4, 28, 28, 4);
      break;
    case EndMark::ArrowHead: {
      static constexpr TPoint kHead[] = {{29, 16}, {20, 11}, {20, 21}};
      Line(c, 3, 16, 22, 16);
      c.SetBrushColor(clBlack);
      c.Polygon(kHead);
      c.SetBrushColor(clWhite);
      break;
    }
    case EndMark::Cross:  // a line with a cross on it
      Line(c, 3, 16, 29, 16);
      Line(c, 11, 10, 21, 22);
      Line(c, 21, 10, 11, 22);
      break;
  }
}

void DrawLineTool(Canvas& c, const MapTool& t) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(2);
  switch (t.figure) {
    case Figure::Vertical:
      Line(c, 16, 3, 16, 29);
      break;
    case Figure::Horizontal:
      Line(c, 3, 16, 29, 16);
      break;
    case Figure::Straight:
      DrawStraight(c, t.mark);
      break;
    case Figure::Free: {
      static constexpr std::array<TPoint, 4> kWave{{{3, 22}, {10, -2}, {20, 34}, {29, 9}}};
      c.PolyBezier(kWave);
      break;
    }
    case Figure::Rectangle:
      c.Rectangle(5, 8, 27, 24);
      break;
    case Figure::RoundRect:
      c.RoundRect(5, 8, 27, 24, 10, 10);
      break;
    case Figure::Ellipse:
      c.Ellipse(6, 6, 26, 26);
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

QImage Picture(const MapTool& t) {
  switch (t.gesture) {
    case MapGesture::Band:
      return RenderOpaque(32, 32, [&](Canvas& c) { DrawBand(c, t.ends, t.inner); });
    case MapGesture::RubberBand:
    case MapGesture::FreeLine:
      return RenderOpaque(32, 32, [&](Canvas& c) { DrawLineTool(c, t); });
    case MapGesture::Stamp:
      return SymbolPicture(t.tag);
    case MapGesture::Text:
      return RenderOpaque(32, 32, DrawLetterT);
    case MapGesture::Eraser:
      return RenderOpaque(32, 32, DrawEraser);
  }
  return {};
}

}  // namespace

std::vector<Output> ImageList() {
  std::vector<Output> out;
  for (const MapTool& t : map_tools::Map_Tools()) {
    const int n = map_tools::Picture_Of(t);
    out.push_back(
        {QStringLiteral("imagelist/%1.nbrp").arg(n, 2, 10, QLatin1Char('0')), Picture(t), {}});
  }
  return out;
}

}  // namespace nabrilo::artwork
