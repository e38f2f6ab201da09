#include <algorithm>

#include "artwork.h"
#include "platform/bitmap.h"

namespace nabrilo::artwork {

QImage Render(int w, int h, const Drawing& draw) {
  Bitmap on_white(w, h);
  Bitmap on_black(w, h);
  on_black.Image().fill(0xFF000000u);
  draw(on_white.GetCanvas());
  draw(on_black.GetCanvas());
  QImage out(w, h, QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb a = on_white.Image().pixel(x, y);
      if (a == on_black.Image().pixel(x, y)) out.setPixel(x, y, a | 0xFF000000u);
    }
  }
  return out;
}

QImage RenderOpaque(int w, int h, const Drawing& draw) {
  Bitmap b(w, h);
  draw(b.GetCanvas());
  return b.Image();
}

namespace {
QRect PaintedBounds(const QImage& picture) {
  QRect bounds;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (qAlpha(picture.pixel(x, y)) != 0) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}
}  // namespace

QImage FitInto(const QImage& picture, QSize size) {
  QImage out(size, QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  const QRect bounds = PaintedBounds(picture);
  if (bounds.isEmpty()) return out;
  QImage part = picture.copy(bounds);
  if (part.width() > size.width() || part.height() > size.height()) {
    part = part.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  const QPoint at((size.width() - part.width()) / 2, (size.height() - part.height()) / 2);
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < part.width(); ++x) out.setPixel(at.x() + x, at.y() + y, part.pixel(x, y));
  }
  return out;
}

void DrawPointerArrow(Canvas& c) {
  static constexpr TPoint kArrow[] = {{9, 3},   {9, 24},  {14, 19}, {18, 28},
                                      {21, 27}, {17, 18}, {24, 18}};
  c.SetPenColor(clBlack);
  c.SetPenWidth(1);
  c.SetBrushColor(clWhite);
  c.Polygon(kArrow);
}

}  // namespace nabrilo::artwork
