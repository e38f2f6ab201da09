// The choosing controls: speed buttons, radio groups, the up-down spinner and the colour box.
#include <qdrawutil.h>

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include "platform/controls.h"

namespace nabrilo {

// ---- Speed button ----

namespace {
// A glyph without transparency of its own shows the button through the colour of its
// bottom-left pixel, as glyph bitmaps always have.
QImage WithTransparentGround(const QImage& glyph) {
  if (glyph.hasAlphaChannel()) return glyph;
  QImage shown = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = shown.pixel(0, shown.height() - 1);
  for (int y = 0; y < shown.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      if (line[x] == ground) line[x] = 0;
    }
  }
  return shown;
}

// Qt hears a checkable tool button as a check box; a palette button is a button that stays
// pressed while its tool is chosen.
class SpeedButtonAccessible : public QAccessibleWidget {
 public:
  explicit SpeedButtonAccessible(TSpeedButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const auto* button = static_cast<const TSpeedButton*>(object());
    s.checkable = button->isCheckable();
    s.checked = button->isChecked();
    s.pressed = button->isChecked();
    return s;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) static_cast<TSpeedButton*>(object())->click();
  }
};

class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(TImage* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
};

QAccessibleInterface* ControlAccessible(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(TSpeedButton::staticMetaObject.className())) {
    return new SpeedButtonAccessible(static_cast<TSpeedButton*>(object));
  }
  if (class_name == QLatin1String(TImage::staticMetaObject.className())) {
    return new PictureAccessible(static_cast<TImage*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlAccessible);
    return true;
  }();
  (void)installed;
}

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent) {
  InstallControlAccessibility();
  setFocusPolicy(Qt::NoFocus);  // speed buttons never take the focus
  connect(this, &QToolButton::clicked, this, [this] { RunEvent(OnClick, this); });
}

void TSpeedButton::SetGroupIndex(int group_index) {
  setCheckable(group_index > 0);
  if (group_index <= 0 || !parentWidget()) return;
  // One exclusive group per group index among the buttons of the same parent.
  const QString name = QStringLiteral("SpeedButtonGroup%1").arg(group_index);
  auto* group = parentWidget()->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(parentWidget());
    group->setObjectName(name);
    group->setExclusive(true);
  }
  group->addButton(this);
}

void TSpeedButton::SetCaption(const QString& caption) {
  caption_ = caption;
  QString shown = caption;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setText(shown);
  update();
}

void TSpeedButton::SetHint(const QString& hint) {
  setToolTip(hint);
  setAccessibleName(hint);
}

void TSpeedButton::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  shown_ = glyph.isNull() ? QPixmap() : QPixmap::fromImage(WithTransparentGround(glyph));
  shown_disabled_ = QPixmap();
  if (!glyph.isNull()) setIconSize(glyph.size());
  update();
}

// Greyed as Qt greys an icon's pixmap for a disabled button.
const QPixmap& TSpeedButton::Shown_Glyph() {
  if (isEnabled() || shown_.isNull()) return shown_;
  if (shown_disabled_.isNull()) {
    QStyleOption option(0);
    option.palette = QGuiApplication::palette();
    shown_disabled_ = QApplication::style()->generatedIconPixmap(QIcon::Disabled, shown_, &option);
  }
  return shown_disabled_;
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  update();
}

void TSpeedButton::SetDown(bool down) {
  setChecked(down);
}

// Drawn as a speed button is: a raised face, sunken and lighter while down, with the glyph
// and the caption lines centred together (glyph above or left of the caption).
void TSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool down = isDown() || isChecked();
  const QBrush face = palette().brush(down && !isDown() ? QPalette::Midlight : QPalette::Button);
  qDrawShadePanel(&painter, rect(), palette(), down, 1, &face);
  const QPixmap& glyph = Shown_Glyph();
  const QString shown = text();
  const QSize text_size = shown.isEmpty() ? QSize() : fontMetrics().size(0, shown);
  const bool top = layout_ == TButtonLayout::blGlyphTop;
  const int gap = glyph.isNull() || shown.isEmpty() ? 0 : 4;
  const QSize glyph_size = glyph.isNull() ? QSize() : glyph_.size();
  const QSize whole = top ? QSize(std::max(glyph_size.width(), text_size.width()),
                                  glyph_size.height() + gap + text_size.height())
                          : QSize(glyph_size.width() + gap + text_size.width(),
                                  std::max(glyph_size.height(), text_size.height()));
  const int shift = down ? 1 : 0;
  const QPoint at((width() - whole.width()) / 2 + shift, (height() - whole.height()) / 2 + shift);
  if (!glyph.isNull()) {
    const QPoint g = top ? at + QPoint((whole.width() - glyph_size.width()) / 2, 0)
                         : at + QPoint(0, (whole.height() - glyph_size.height()) / 2);
    painter.drawPixmap(g, glyph);
  }
  if (!shown.isEmpty()) {
    const QRect t =
        top ? QRect(at.x(), at.y() + glyph_size.height() + gap, whole.width(), text_size.height())
            : QRect(at.x() + glyph_size.width() + gap, at.y(), text_size.width(), whole.height());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(t, Qt::AlignCenter, shown);
  }
}

// ---- Radio group ----

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, int columns,
                         const QStringList& items)
    : QGroupBox(caption, parent), columns_(std::max(1, columns)) {
  auto* layout = new QGridLayout(this);
  // No margin below: in a group 41 pixels high the items keep the height of their captions.
  layout->setContentsMargins(6, 0, 4, 0);
  layout->setHorizontalSpacing(2);
  layout->setVerticalSpacing(0);
  // Items fill the columns from top to bottom, then left to right.
  const int count = static_cast<int>(items.size());
  const int rows = std::max(1, (count + columns_ - 1) / columns_);
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setFocusPolicy(Qt::TabFocus);  // as the push buttons: a click leaves the focus be
    buttons_.push_back(button);
    layout->addWidget(button, i % rows, i / rows);
    connect(button, &QRadioButton::toggled, this,
            [this, i](bool checked) { ItemToggled(i, checked); });
  }
}

QStringList TRadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* b : buttons_) items << b->text();
  return items;
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count() || index == item_index_) return;
  if (index >= 0) {
    buttons_[index]->setChecked(true);  // ItemToggled raises the click
    return;
  }
  for (QRadioButton* b : buttons_) {
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
  }
  item_index_ = -1;
  RunEvent(OnClick, this);
}

void TRadioGroup::ItemToggled(int index, bool checked) {
  if (!checked || index == item_index_) return;
  item_index_ = index;
  RunEvent(OnClick, this);
}

// ---- Up-down ----

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { StepUp(); });
  connect(down_, &QToolButton::clicked, this, [this] { StepDown(); });
}

void TUpDown::Associate(TEdit* edit) {
  edit_ = edit;
  SetPosition(position_);
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (edit_) edit_->setText(QString::number(position_));
}

void TUpDown::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

// ---- Colour box ----

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(16, 12));
  for (const NamedColor& c : NamedColors()) {
    QPixmap swatch(16, 12);
    swatch.fill(QColor::fromRgb(ToRgb32(c.value)));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    addItem(QIcon(swatch), QString::fromLatin1(c.name), QVariant::fromValue<uint>(c.value));
  }
}

TColor TColorBox::Selected() const {
  return currentIndex() < 0 ? clBlack : static_cast<TColor>(currentData().toUInt());
}

void TColorBox::SetSelected(TColor color) {
  const int index = findData(QVariant::fromValue<uint>(color));
  if (index >= 0) setCurrentIndex(index);
}

bool TColorBox::SelectName(const QString& name) {
  const int index = findText(name);
  if (index < 0) return false;
  setCurrentIndex(index);
  return true;
}

}  // namespace nabrilo
