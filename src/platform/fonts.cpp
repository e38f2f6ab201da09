#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QFileInfo>

namespace nabrilo {

namespace {

constexpr char kIpaGothicDir[] = "/usr/share/fonts/opentype/ipafont-gothic";

// The program shows text in the IPA Gothic faces only. Giving fontconfig a configuration that
// knows just those spares reading the whole system configuration and font list, which cost
// more than the rest of start-up together, and makes the faces the same on every desktop.
void UseIpaGothicOnly() {
  if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) return;  // the user chose a configuration
  if (!QFileInfo::exists(QStringLiteral("%1/ipagp.ttf").arg(QLatin1String(kIpaGothicDir)))) {
    return;  // not installed: keep the system's fonts rather than show none
  }
  const QByteArray xml = QByteArrayLiteral("<?xml version=\"1.0\"?><fontconfig><dir>") +
                         kIpaGothicDir +
                         QByteArrayLiteral(
                             "</dir><cachedir>/var/cache/fontconfig</cachedir>"
                             "<cachedir prefix=\"xdg\">fontconfig</cachedir></fontconfig>");
  FcConfig* config = FcConfigCreate();
  if (config == nullptr) return;
  if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.constData()),
                                     FcFalse) &&
      FcConfigBuildFonts(config)) {
    FcConfigSetCurrent(config);  // holds its own reference
  }
  FcConfigDestroy(config);
}

}  // namespace

void InstallFontAliases() {
  static const bool done = [] {
    UseIpaGothicOnly();
    QFont::insertSubstitution(kUiFontFamily, QStringLiteral("IPAPGothic"));
    return true;
  }();
  (void)done;
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

QFont WindowFont() {
  return UiFont(15);
}

QFont CanvasFont() {
  return UiFont(12);
}

}  // namespace nabrilo
