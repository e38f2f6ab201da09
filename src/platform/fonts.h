#pragma once
// The program's fonts. The window font and the canvas font are the Japanese UI face
// "ＭＳ Ｐゴシック"; here it is IPA PGothic, which has the same metrics. Nothing on the system
// aliases the name, so the program maps it itself.

#include <QFont>
#include <QString>

namespace nabrilo {

inline const QString kUiFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

// Maps the UI family name to IPA PGothic; call once after the application object exists.
void InstallFontAliases();

// The UI face at a character height in pixels, not antialiased.
QFont UiFont(int pixel_height, bool bold = false, bool underline = false);

// The default font of a picture's canvas: 9 points, 12 pixels high.
QFont CanvasFont();

}  // namespace nabrilo
