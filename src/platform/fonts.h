#pragma once
// The program's fonts. The window font and the canvas font are the Japanese UI face
// "ＭＳ Ｐゴシック"; here it is IPA PGothic, which has the same metrics. Nothing on the system
// aliases the name, so the program maps it itself.

#include <QFont>
#include <QString>

namespace nabrilo {

inline const QString kUiFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

// Maps the UI family name to IPA PGothic and limits the fonts to the IPA Gothic faces. Call it
// before the application object is created, so that no font has been looked up yet.
void InstallFontAliases();

// The UI face at a character height in pixels, not antialiased.
QFont UiFont(int pixel_height, bool bold = false, bool underline = false);

// The font of the window and of every control that sets none: the UI face 15 pixels high.
QFont WindowFont();

// The default font of a picture's canvas: 9 points, 12 pixels high.
QFont CanvasFont();

}  // namespace nabrilo
