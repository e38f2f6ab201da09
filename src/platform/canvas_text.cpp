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
  const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
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
