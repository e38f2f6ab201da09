#pragma once
// The input-method mode a text field asks for when it gets the focus. Qt has no way to ask an
// input method for hiragana input, so the request is kept here, on the field, in one place: the
// field's input method is enabled and the wanted mode is recorded for whoever can honour it.

#include <QWidget>

namespace nabrilo {

enum class TImeMode { imDontCare, imHira };

void SetImeMode(QWidget* field, TImeMode mode);
TImeMode ImeMode(const QWidget* field);

}  // namespace nabrilo
