#include "interaction/input_method.h"

#include <QVariant>

namespace nabrilo {

namespace {
constexpr char kImeModeProperty[] = "ImeMode";
}  // namespace

void SetImeMode(QWidget* field, TImeMode mode) {
  field->setProperty(kImeModeProperty, static_cast<int>(mode));
  if (mode != TImeMode::imDontCare) field->setAttribute(Qt::WA_InputMethodEnabled, true);
}

TImeMode ImeMode(const QWidget* field) {
  const QVariant mode = field->property(kImeModeProperty);
  return mode.isValid() ? static_cast<TImeMode>(mode.toInt()) : TImeMode::imDontCare;
}

}  // namespace nabrilo
