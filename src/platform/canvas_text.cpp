// TextOut: the one canvas operation drawn by Qt, in the canvas font, never antialiased.

#include <QFontMetrics>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/fonts.h"

namespace nabrilo {

void Canvas::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty()) return;
  const QFont font = CanvasFont();
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text), height = metrics.height();
  // Text far beyond the picture cannot reach it, however its glyphs overhang their cell; leaving
  // it there also keeps the cell's int corners from overflowing near the ends of the int range.
  constexpr qint64 kReach = 1024;
  if (qint64{x} + width < -kReach || qint64{y} + height < -kReach ||
      x > qint64{image_->width()} + kReach || y > qint64{image_->height()} + kReach) {
    return;
  }
  const QRect cell(x, y, width, height);
  QPainter painter(image_);
  if (brush_style_ == bsSolid) {
    painter.fillRect(cell, QColor::fromRgb(ToRgb32(brush_color_)));
  }
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(ToRgb32(clBlack)));  // the window-text colour
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  painter.end();
  dirty_ |= cell.intersected(image_->rect());
}

}  // namespace nabrilo
