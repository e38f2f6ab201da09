// The pointer: presses, moves and releases on the picture, and hovering over a control. Each
// command delivers exactly one mouse event, as the platform would deliver it (spontaneous, with
// the buttons still held), after putting the screen pointer at the same place, since the press
// handler reads the stamp anchor from the screen pointer.
#include <QtTest/qtestspontaneevent.h>

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>

#include "app/form_main.h"
#include "scenario_runner.h"

namespace nabrilo {

namespace {

Qt::MouseButton ButtonOf(const Arg& arg) {
  return arg.given && arg.text == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton;
}

// A point of `control`'s own area (not covered by a child of it, nor by anything in front of
// it), as close to its centre as the rows allow.
std::optional<QPoint> OwnPoint(QWidget* control) {
  QWidget* window = control->window();
  const QRect area = control->rect();
  const int centre_row = area.center().y();
  for (int step = 0; step <= area.height(); ++step) {
    const int y = centre_row + ((step % 2) ? (step + 1) / 2 : -(step / 2));
    if (y < area.top() || y > area.bottom()) continue;
    for (int x = area.left(); x <= area.right(); ++x) {
      const QPoint p(x, y);
      QWidget* hit = window->childAt(control->mapTo(window, p));
      if (hit == control || (hit == nullptr && control == window)) return p;
    }
  }
  return std::nullopt;
}

}  // namespace

bool SyntheticPointerFilter::eventFilter(QObject*, QEvent* event) {
  if (!active) return false;
  switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
      return true;
    default:
      return false;
  }
}

void ScenarioRunner::PlacePointer(QPoint global) {
  synthetic_.active = true;
  QCursor::setPos(global);
  Settle();
  synthetic_.active = false;
}

void ScenarioRunner::SendPointer(QWidget* target, QEvent::Type type, QPoint local,
                                 Qt::MouseButton button) {
  const QPoint global = target->mapToGlobal(local);
  PlacePointer(global);
  if (type == QEvent::MouseButtonPress) held_ |= button;
  if (type == QEvent::MouseButtonRelease) held_ &= ~button;
  const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
  QMouseEvent event(type, QPointF(local), QPointF(target->window()->mapFromGlobal(global)),
                    QPointF(global), changed, held_, Qt::NoModifier);
  QSpontaneKeyEvent::setSpontaneous(&event);
  QCoreApplication::instance()->notify(target, &event);
}

// Picture pixel (X, Y) is where the picture view shows it; outside the view the event still
// goes to the picture, as to a view that has captured the pointer.
void ScenarioRunner::PicturePointer(QEvent::Type type, const Args& a) {
  TImage* view = form_->Image1;
  const QPoint pixel(static_cast<int>(a[0].number), static_cast<int>(a[1].number));
  const Qt::MouseButton button = a.size() > 2 ? ButtonOf(a[2]) : Qt::NoButton;
  SendPointer(view, type, pixel + view->PictureOffset(), button);
}

void ScenarioRunner::Press(const Args& a) {
  PicturePointer(QEvent::MouseButtonPress, a);
}

void ScenarioRunner::Move(const Args& a) {
  PicturePointer(QEvent::MouseMove, a);
}

void ScenarioRunner::Release(const Args& a) {
  PicturePointer(QEvent::MouseButtonRelease, a);
}

void ScenarioRunner::Hover(const Args& a) {
  QWidget* control = Control(a[0]);
  const std::optional<QPoint> at = control->isVisible() ? OwnPoint(control) : std::nullopt;
  if (!at) {
    throw ScenarioError(
        QStringLiteral("\"%1\" shows no area of its own to move the pointer over").arg(a[0].text));
  }
  SendPointer(control, QEvent::MouseMove, *at, Qt::NoButton);
}

}  // namespace nabrilo
