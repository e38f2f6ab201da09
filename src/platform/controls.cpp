// The simple control kinds: anchors, panels, labels, push buttons, edits, bevels, the picture
// dialogs and the image list.
#include "platform/controls.h"

#include <qdrawutil.h>

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/user_dialogs.h"

namespace nabrilo {

// ---- Anchors ----

namespace {

// Keeps one control's distances to the edges of its parent. It watches the parent for resizes
// (to place the control) and the control for moves made by code (to take the distances anew).
class AnchorRule : public QObject {
 public:
  AnchorRule(QWidget* control, TAnchors anchors)
      : QObject(control), control_(control), anchors_(anchors) {
    control->parentWidget()->installEventFilter(this);
    control->installEventFilter(this);
    Capture();
  }
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    Capture();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::Resize && type != QEvent::Move) return false;
    if (watched == control_->parentWidget() && type == QEvent::Resize) {
      Apply();
    } else if (watched == control_ && control_->geometry() != applied_) {
      Capture();
    }
    return false;
  }

 private:
  void Capture() {
    const QSize parent = control_->parentWidget()->size();
    const QRect g = control_->geometry();
    right_gap_ = parent.width() - g.right() - 1;
    bottom_gap_ = parent.height() - g.bottom() - 1;
    design_ = g;
    applied_ = g;
  }

  void Apply() {
    const QSize parent = control_->parentWidget()->size();
    QRect g = design_;
    if (anchors_ & akRight) {
      if (anchors_ & akLeft) {
        g.setWidth(std::max(0, parent.width() - right_gap_ - g.left()));
      } else {
        g.moveLeft(parent.width() - right_gap_ - g.width());
      }
    }
    if (anchors_ & akBottom) {
      if (anchors_ & akTop) {
        g.setHeight(std::max(0, parent.height() - bottom_gap_ - g.top()));
      } else {
        g.moveTop(parent.height() - bottom_gap_ - g.height());
      }
    }
    applied_ = g;
    control_->setGeometry(g);
  }

  QWidget* control_;
  TAnchors anchors_;
  QRect design_, applied_;
  int right_gap_ = 0, bottom_gap_ = 0;
};

AnchorRule* RuleOf(const QWidget* control) {
  for (QObject* child : control->children()) {
    if (auto* rule = dynamic_cast<AnchorRule*>(child)) return rule;
  }
  return nullptr;
}

}  // namespace

void SetAnchors(QWidget* control, TAnchors anchors) {
  if (AnchorRule* rule = RuleOf(control)) {
    rule->SetAnchors(anchors);
  } else if (control->parentWidget()) {
    new AnchorRule(control, anchors);
  }
}

TAnchors Anchors(const QWidget* control) {
  const AnchorRule* rule = RuleOf(control);
  return rule ? rule->Anchors() : (akLeft | akTop);
}

void PlaceControl(QWidget* control, const char* name, int left, int top, int width, int height) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(left, top, width, height);
}

std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return TMouseButton::mbLeft;
    case Qt::RightButton:
      return TMouseButton::mbRight;
    case Qt::MiddleButton:
      return TMouseButton::mbMiddle;
    default:
      return std::nullopt;
  }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= 1;
  if (modifiers & Qt::AltModifier) s |= 2;
  if (modifiers & Qt::ControlModifier) s |= 4;
  if (buttons & Qt::LeftButton) s |= 8;
  if (buttons & Qt::RightButton) s |= 16;
  if (buttons & Qt::MiddleButton) s |= 32;
  return s;
}

// ---- Panel ----

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  // A panel hides whatever lies behind it, as the map palette lies behind the rig palette.
  setAutoFillBackground(true);
}

void TPanel::SetBevels(TBevelCut outer, TBevelCut inner) {
  outer_ = outer;
  inner_ = inner;
  update();
}

void TPanel::SetColor(TColor color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor::fromRgb(ToRgb32(color)));
  setPalette(p);
}

void TPanel::mouseMoveEvent(QMouseEvent* event) {
  // A move that reached the panel from a child it did not want is not over the panel's own area.
  if (childAt(event->position().toPoint()) == nullptr) {
    RunEvent(OnMouseMove, this, ToShiftState(event->modifiers(), event->buttons()),
             event->position().toPoint().x(), event->position().toPoint().y());
  }
  QWidget::mouseMoveEvent(event);
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = rect();
  for (TBevelCut cut : {outer_, inner_}) {
    if (cut == TBevelCut::bvNone) continue;
    qDrawShadePanel(&painter, r, palette(), cut == TBevelCut::bvLowered, 1);
    r.adjust(1, 1, -1, -1);
  }
}

// ---- Label ----

TLabel::TLabel(QWidget* parent) : QLabel(parent) {}

void TLabel::SetCaption(const QString& caption) {
  setText(caption);
  if (auto_size_) adjustSize();
}

void TLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  if (on) adjustSize();
}

void TLabel::SetFontColor(TColor color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(ToRgb32(color)));
  setPalette(p);
}

// ---- Push button ----

TButton::TButton(QWidget* parent) : QPushButton(parent) {
  setMouseTracking(true);
  // Focus from Tab only: a clicked button holding the focus would be clicked again by the next
  // Space or Enter (after 全消去, the drawing made since would be wiped).
  setFocusPolicy(Qt::TabFocus);
  connect(this, &QPushButton::clicked, this, [this] { RunEvent(OnClick, this); });
}

// The style's face and frame, with the caption centred on the whole button: captions that fill
// a button to its edges still show whole.
void TButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const int shift = isDown() ? 1 : 0;
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void TButton::mouseMoveEvent(QMouseEvent* event) {
  RunEvent(OnMouseMove, this, ToShiftState(event->modifiers(), event->buttons()),
           event->position().toPoint().x(), event->position().toPoint().y());
  QPushButton::mouseMoveEvent(event);
}

// ---- Edit ----

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::SetColor(TColor color) {
  QPalette p = palette();
  p.setColor(QPalette::Base, QColor::fromRgb(ToRgb32(color)));
  setPalette(p);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || !OnKeyPress) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  char16_t key = text.at(0).unicode();
  const char16_t typed = key;
  RunEvent(OnKeyPress, this, key);
  if (key == 0) {
    event->accept();
  } else if (key == typed) {
    QLineEdit::keyPressEvent(event);
  } else {
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(QChar(key)));
    QLineEdit::keyPressEvent(&replaced);
  }
}

void TEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty() || !OnKeyPress) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // The handler may close or move the field while it runs; keep typing only while it lives.
  QPointer<TEdit> self(this);
  QString kept;
  for (QChar c : event->commitString()) {
    char16_t key = c.unicode();
    RunEvent(OnKeyPress, this, key);
    if (!self) return;
    if (key != 0) kept += QChar(key);
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

// ---- Bevel ----

TBevel::TBevel(QWidget* parent, bool raised) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setFrameShadow(raised ? QFrame::Raised : QFrame::Sunken);
  // A frame drawn behind its neighbours that takes no pointer events.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  lower();
}

// ---- Image list ----

void TImageList::Add(const QImage& image) {
  images_.push_back(image);
}

Bitmap TImageList::GetBitmap(int index) const {
  if (index < 0 || index >= Count()) return Bitmap();
  Bitmap b(width_, height_);
  QPainter painter(&b.Image());
  painter.drawImage(0, 0, images_[index]);
  return b;
}

// ---- Picture dialogs ----

bool TOpenPictureDialog::Execute() {
  const std::optional<QString> chosen = Dialogs().OpenPicture(Filter);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool TSavePictureDialog::Execute() {
  const std::optional<QString> chosen = Dialogs().SavePicture(Filter, DefaultExt, &FilterIndex);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace nabrilo
