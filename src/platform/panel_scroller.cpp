#include "platform/panel_scroller.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace nabrilo {

namespace {
constexpr int kLineStep = 20;  // pixels per line of a wheel notch or an arrow click
}  // namespace

PanelScroller::PanelScroller(QWidget* panel, QWidget* view, QPoint home)
    : QObject(panel), panel_(panel), view_(view), home_(home) {
  for (QScrollBar*& bar : bars_) {
    bar = new QScrollBar(&bar == &bars_[0] ? Qt::Horizontal : Qt::Vertical, panel);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setSingleStep(kLineStep);
    bar->hide();
    bar->installEventFilter(this);
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
      if (showing_) return;
      const QPoint at = Offset();
      ScrollTo(bar == bars_[0] ? QPoint(value, at.y()) : QPoint(at.x(), value));
    });
  }
  corner_ = new QWidget(panel);
  corner_->setAutoFillBackground(true);
  corner_->setBackgroundRole(QPalette::Button);
  corner_->hide();
  panel->installEventFilter(this);
  view->installEventFilter(this);
}

QPoint PanelScroller::Offset() const {
  return home_ - view_->pos();
}

void PanelScroller::ScrollTo(QPoint offset) {
  const QPoint to(std::clamp(offset.x(), 0, max_.x()), std::clamp(offset.y(), 0, max_.y()));
  const QPoint shift = Offset() - to;
  if (!shift.isNull()) {
    for (QObject* child : panel_->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (!w || w == bars_[0] || w == bars_[1] || w == corner_ || w->size().isEmpty()) continue;
      w->move(w->pos() + shift);
    }
  }
  Show_Offset();
}

void PanelScroller::Show_Offset() {
  showing_ = true;
  const QPoint at = Offset();
  bars_[0]->setValue(at.x());
  bars_[1]->setValue(at.y());
  showing_ = false;
}

void PanelScroller::Lay_Out() {
  const QSize panel = panel_->size();
  const QSize picture = view_->size();
  const int thickness = bars_[1]->sizeHint().width();
  bool across = false, down = false;  // the horizontal and the vertical bar
  QSize port = panel;
  // A bar takes room from the other direction, which may then need its bar too.
  for (int pass = 0; pass < 3; ++pass) {
    across = home_.x() + picture.width() > port.width();
    down = home_.y() + picture.height() > port.height();
    port = panel - QSize(down ? thickness : 0, across ? thickness : 0);
  }
  max_ = QPoint(across ? 2 * home_.x() + picture.width() - port.width() : 0,
                down ? 2 * home_.y() + picture.height() - port.height() : 0);
  showing_ = true;
  bars_[0]->setGeometry(0, panel.height() - thickness, port.width(), thickness);
  bars_[0]->setRange(0, max_.x());
  bars_[0]->setPageStep(std::max(1, port.width()));
  bars_[0]->setVisible(across);
  bars_[1]->setGeometry(panel.width() - thickness, 0, thickness, port.height());
  bars_[1]->setRange(0, max_.y());
  bars_[1]->setPageStep(std::max(1, port.height()));
  bars_[1]->setVisible(down);
  corner_->setGeometry(port.width(), port.height(), thickness, thickness);
  corner_->setVisible(across && down);
  showing_ = false;
  ScrollTo(Offset());
}

void PanelScroller::Wheel(QWheelEvent* event) {
  event->accept();
  if (event->buttons() != Qt::NoButton) return;
  QPoint step = event->pixelDelta();
  if (step.isNull())
    step = event->angleDelta() * (QApplication::wheelScrollLines() * kLineStep) / 120;
  if (event->modifiers() & Qt::ShiftModifier) step = QPoint(step.y() != 0 ? step.y() : step.x(), 0);
  ScrollTo(Offset() - step);
}

bool PanelScroller::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:
      if (watched == panel_ || watched == view_) Lay_Out();
      break;
    case QEvent::Move:
      if (watched == view_) Show_Offset();
      break;
    case QEvent::Wheel:
      Wheel(static_cast<QWheelEvent*>(event));
      return true;
    default:
      break;
  }
  return false;
}

}  // namespace nabrilo
