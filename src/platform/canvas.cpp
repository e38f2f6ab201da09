#include "platform/canvas.h"

#include <algorithm>

#include "platform/raster.h"
#include "platform/spans.h"

namespace nabrilo {

Canvas::Canvas(QImage* image) : image_(image) {}

void Canvas::ResetState() {
  pen_color_ = clBlack;
  pen_width_ = 1;
  pen_mode_ = pmCopy;
  brush_color_ = clWhite;
  brush_style_ = bsSolid;
  pen_pos_ = {};
}

QRect Canvas::TakeDirty() {
  QRect d = dirty_;
  dirty_ = QRect();
  return d;
}

void Canvas::PaintSpans(const SpanSet& spans, TColor color) {
  if (spans.empty()) return;
  const std::uint32_t rgb = ToRgb32(color);
  const auto stride = image_->bytesPerLine() / 4;
  auto* bits = reinterpret_cast<std::uint32_t*>(image_->bits());
  if (pen_mode_ == pmCopy) {
    for (const Span& s : spans.spans()) {
      std::fill(bits + s.y * stride + s.x0, bits + s.y * stride + s.x1, rgb);
    }
  } else {
    // Not-xor: D' = ~(P ^ D) on the colour bits, the alpha byte kept opaque.
    const std::uint32_t x = ~rgb & 0x00FFFFFFu;
    for (const Span& s : spans.spans()) {
      for (std::uint32_t* p = bits + s.y * stride + s.x0; p != bits + s.y * stride + s.x1; ++p) {
        *p ^= x;
      }
    }
  }
  dirty_ |= spans.Bounds();
}

SpanSet Canvas::PenSpans() const {
  // A thin pen draws a chain segment by segment, so in not-xor mode a pixel that two segments
  // share is inverted twice; a wide pen's figure is one area.
  const bool per_segment = pen_width_ == 1 && pen_mode_ == pmNotXor;
  return SpanSet(Clip(), per_segment ? SpanSet::Mode::Parity : SpanSet::Mode::Union);
}

void Canvas::PaintShape(SpanSet& outline, SpanSet* inside) {
  // The brush first, over the whole inside, then the pen, as GDI does: in not-xor mode a pixel
  // of both is inverted by each.
  if (inside) {
    inside->Normalise();
    PaintSpans(*inside, brush_color_);
  }
  outline.Normalise();
  PaintSpans(outline, pen_color_);
}

namespace {
raster::Pt ToPt(TPoint p) {
  return {p.x, p.y};
}
std::vector<raster::Pt> ToPts(std::span<const TPoint> points) {
  std::vector<raster::Pt> pts;
  pts.reserve(points.size());
  for (TPoint p : points) pts.push_back(ToPt(p));
  return pts;
}
}  // namespace

void Canvas::LineTo(int x, int y) {
  SpanSet spans = PenSpans();
  const TPoint to{x, y};
  raster::PenLine(spans, ToPt(pen_pos_), ToPt(to), pen_width_);
  spans.Normalise();
  PaintSpans(spans, pen_color_);
  pen_pos_ = to;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  SpanSet outline = PenSpans(), inside(Clip());
  raster::RectangleShape(outline, Filled() ? &inside : nullptr, x1, y1, x2, y2, pen_width_);
  PaintShape(outline, Filled() ? &inside : nullptr);
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int corner_w, int corner_h) {
  SpanSet outline = PenSpans(), inside(Clip());
  raster::RoundRectShape(outline, Filled() ? &inside : nullptr, x1, y1, x2, y2, corner_w, corner_h,
                         pen_width_);
  PaintShape(outline, Filled() ? &inside : nullptr);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  // An ellipse is a round rectangle whose corner is the whole box.
  const auto extent = [](int a, int b) {
    const std::int64_t d = std::int64_t{b} - a;
    return static_cast<int>(std::min<std::int64_t>(d < 0 ? -d : d, INT32_MAX));
  };
  RoundRect(x1, y1, x2, y2, extent(x1, x2), extent(y1, y2));
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  SpanSet outline = PenSpans();
  raster::ArcShape(outline, x1, y1, x2, y2, {x3, y3}, {x4, y4}, pen_width_);
  outline.Normalise();
  PaintSpans(outline, pen_color_);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  SpanSet outline = PenSpans(), inside(Clip());
  raster::PieShape(outline, Filled() ? &inside : nullptr, x1, y1, x2, y2, {x3, y3}, {x4, y4},
                   pen_width_);
  PaintShape(outline, Filled() ? &inside : nullptr);
}

void Canvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  const std::vector<raster::Pt> pts = ToPts(points);
  SpanSet outline = PenSpans(), inside(Clip());
  if (Filled()) raster::PolygonFill(inside, pts);
  raster::Polyline(outline, pts, pen_width_, /*closed=*/true);
  PaintShape(outline, Filled() ? &inside : nullptr);
}

void Canvas::PolyBezier(std::span<const TPoint> points) {
  if (points.size() < 4 || (points.size() - 1) % 3 != 0) {
    throw CanvasError("PolyBezier needs 3n + 1 points");
  }
  const std::vector<raster::Pt> chain = raster::FlattenBeziers(ToPts(points));
  SpanSet spans = PenSpans();
  raster::Polyline(spans, chain, pen_width_, /*closed=*/false);
  spans.Normalise();
  PaintSpans(spans, pen_color_);
}

std::int64_t Canvas::Pixel(int x, int y) const {
  if (!image_->rect().contains(x, y)) return -1;
  return FromRgb32(reinterpret_cast<const std::uint32_t*>(image_->constScanLine(y))[x]);
}

void Canvas::SetPixel(int x, int y, TColor c) {
  if (!image_->rect().contains(x, y)) return;
  reinterpret_cast<std::uint32_t*>(image_->scanLine(y))[x] = ToRgb32(c);
  dirty_ |= QRect(x, y, 1, 1);
}

}  // namespace nabrilo
