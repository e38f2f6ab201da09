// The picture view. It paints only the rectangles the canvas reports as changed, so a pointer
// move costs in proportion to what it draws, never to the size of the picture.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/controls.h"

namespace nabrilo {

namespace {
std::vector<TImage*>& Views() {
  static std::vector<TImage*> views;
  return views;
}
}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_StaticContents);
  setMouseTracking(true);
  InstallControlAccessibility();
  Views().push_back(this);
}

TImage::~TImage() {
  std::erase(Views(), this);
}

void TImage::SetPicture(const Bitmap& bitmap) {
  picture_ = bitmap;
  picture_.GetCanvas().ResetState();
  picture_.GetCanvas().TakeDirty();
  setAccessibleDescription(
      picture_.Image().isNull()
          ? QString()
          : QStringLiteral("%1 × %2 ピクセル").arg(picture_.Width()).arg(picture_.Height()));
  if (auto_size_ && !picture_.Image().isNull()) resize(picture_.Width(), picture_.Height());
  update();
}

void TImage::SetAutoSize(bool on) {
  auto_size_ = on;
  if (on && !picture_.Image().isNull()) resize(picture_.Width(), picture_.Height());
}

void TImage::SetCenter(bool on) {
  center_ = on;
  update();
}

QPoint TImage::PictureOffset() const {
  if (!center_) return {0, 0};
  return {(width() - picture_.Width()) / 2, (height() - picture_.Height()) / 2};
}

void TImage::Flush() {
  const QRect changed = picture_.GetCanvas().TakeDirty();
  if (!changed.isEmpty()) update(changed.translated(PictureOffset()));
}

void TImage::FlushAll() {
  for (TImage* view : Views()) view->Flush();
}

void TImage::paintEvent(QPaintEvent* event) {
  const QImage& image = picture_.Image();
  if (image.isNull()) return;
  const QPoint offset = PictureOffset();
  const QRect area = event->rect() & QRect(offset, image.size());
  if (area.isEmpty()) return;
  QPainter painter(this);
  painter.drawImage(area.topLeft(), image, area.translated(-offset));
}

void TImage::Press(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ToMouseButton(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint() - PictureOffset();
  RunEvent(OnMouseDown, this, *button, ToShiftState(event->modifiers(), event->buttons()), p.x(),
           p.y());
}

void TImage::mousePressEvent(QMouseEvent* event) {
  Press(event);
}

// The second press of a double click is a press like any other.
void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
  Press(event);
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint() - PictureOffset();
  RunEvent(OnMouseMove, this, ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ToMouseButton(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint() - PictureOffset();
  RunEvent(OnMouseUp, this, *button, ToShiftState(event->modifiers(), event->buttons()), p.x(),
           p.y());
}

}  // namespace nabrilo
