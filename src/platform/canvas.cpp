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

void Canvas::PaintShape(SpanSet& outline, SpanSet& inside) {
  outline.Normalise();
  if (brush_style_ == bsSolid) {
    inside.Normalise();
    inside.Subtract(outline);
    PaintSpans(inside, brush_color_);
  }
  PaintSpans(outline, pen_color_);
}

void Canvas::LineTo(int x, int y) {
  SpanSet spans(Clip());
  const TPoint to{x, y};
  if (pen_width_ <= 1) {
    raster::ThinLine(spans, pen_pos_, to);
  } else {
    raster::WideLine(spans, pen_pos_, to, pen_width_);
  }
  spans.Normalise();
  PaintSpans(spans, pen_color_);
  pen_pos_ = to;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  SpanSet outline(Clip()), inside(Clip());
  raster::RectangleShape(outline, inside, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                         std::max(y1, y2), pen_width_);
  PaintShape(outline, inside);
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int corner_w, int corner_h) {
  SpanSet outline(Clip()), inside(Clip());
  raster::RoundRectShape(outline, inside, x1, y1, x2, y2, corner_w, corner_h, pen_width_);
  PaintShape(outline, inside);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  // An ellipse is a round rectangle whose corner ellipse is the whole box.
  const auto w = static_cast<std::int64_t>(x2) - x1, h = static_cast<std::int64_t>(y2) - y1;
  const auto clamp = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v < 0 ? -v : v, 0, INT32_MAX));
  };
  RoundRect(x1, y1, x2, y2, clamp(w), clamp(h));
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  SpanSet outline(Clip());
  raster::ArcShape(outline, x1, y1, x2, y2, {x3, y3}, {x4, y4}, pen_width_);
  outline.Normalise();
  PaintSpans(outline, pen_color_);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  SpanSet outline(Clip()), inside(Clip());
  raster::PieShape(outline, inside, x1, y1, x2, y2, {x3, y3}, {x4, y4}, pen_width_);
  PaintShape(outline, inside);
}

void Canvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  SpanSet outline(Clip()), inside(Clip());
  raster::PolygonFill(inside, points);
  raster::Polyline(outline, points, pen_width_, /*closed=*/true);
  PaintShape(outline, inside);
}

void Canvas::PolyBezier(std::span<const TPoint> points) {
  if (points.size() < 4 || (points.size() - 1) % 3 != 0) {
    throw CanvasError("PolyBezier needs 3n + 1 points");
  }
  const std::vector<TPoint> chain = raster::FlattenBeziers(points);
  SpanSet spans(Clip());
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
