#include "platform/fonts.h"

namespace nabrilo {

void InstallFontAliases() {
  QFont::insertSubstitution(kUiFontFamily, QStringLiteral("IPAPGothic"));
}

QFont UiFont(int pixel_height, bool bold, bool underline) {
  QFont f(kUiFontFamily);
  f.setPixelSize(pixel_height);
  f.setBold(bold);
  f.setUnderline(underline);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

QFont CanvasFont() { return UiFont(12); }

}  // namespace nabrilo
