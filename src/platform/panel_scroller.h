#pragma once
// Scroll bars for a panel whose picture view may be larger than the panel, as a scroll box has.
// The view stands at its home place (where it stands when nothing is scrolled). Only when it
// reaches past the panel do the bars appear; scrolling then moves the view, and every other
// child of the panel that has a size (a text field open over the picture), by the same amount,
// so that what lies over a picture pixel stays over it. Scrolled to the end, the view's far edge
// keeps the home margin. The wheel scrolls vertically, with Shift horizontally, and does nothing
// while a mouse button is held: a gesture is never shifted under the pointer.

#include <QObject>
#include <QPoint>

class QScrollBar;
class QWidget;
class QWheelEvent;

namespace nabrilo {

class PanelScroller : public QObject {
  Q_OBJECT
 public:
  // Belongs to `panel`; `view` is a child of it, now at `home`.
  PanelScroller(QWidget* panel, QWidget* view, QPoint home);
  // How far the view is scrolled from home; (0, 0) up to MaxOffset().
  QPoint Offset() const;
  QPoint MaxOffset() const { return max_; }
  void ScrollTo(QPoint offset);  // taken into 0 … MaxOffset()
  QScrollBar* Horizontal() const { return bars_[0]; }
  QScrollBar* Vertical() const { return bars_[1]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Lay_Out();  // the bars and the scroll range after the panel or the view changed size
  void Show_Offset();
  void Wheel(QWheelEvent* event);

  QWidget* panel_;
  QWidget* view_;
  QPoint home_;
  QPoint max_;
  QScrollBar* bars_[2];
  QWidget* corner_;  // covers the square between two bars
  bool showing_ = false;
};

}  // namespace nabrilo
