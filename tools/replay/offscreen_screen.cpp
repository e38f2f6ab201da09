#include "offscreen_screen.h"

#include <QByteArray>
#include <QDir>
#include <cstdio>

namespace nabrilo {

namespace {

// One screen of the given size at 96 pixels per inch; the rest as the platform's defaults.
QByteArray Config(QSize size) {
  return QByteArrayLiteral(R"({
  "synchronousWindowSystemEvents": false,
  "windowFrameMargins": true,
  "screens": [{"name": "Replay", "x": 0, "y": 0, "width": )") +
         QByteArray::number(size.width()) + R"(, "height": )" + QByteArray::number(size.height()) +
         R"(,
               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]
})";
}

QtMessageHandler g_next_handler = nullptr;

void DropOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support")) ||
      text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
    return;
  }
  if (g_next_handler) {
    g_next_handler(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

}  // namespace

void QuietOffscreenNotes() {
  g_next_handler = qInstallMessageHandler(DropOffscreenNotes);
}

std::unique_ptr<QTemporaryFile> UseOffscreenScreen(QSize size) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return nullptr;
  auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/nabrilo-screen-XXXXXX.json");
  const QByteArray config = Config(size);
  if (!file->open() || file->write(config) != config.size() || !file->flush()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return nullptr;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file->fileName()));
  return file;
}

std::optional<QSize> ParseScreenSize(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  if (parts.size() != 2) return std::nullopt;
  bool w_ok = false, h_ok = false;
  const int w = parts[0].toInt(&w_ok), h = parts[1].toInt(&h_ok);
  if (!w_ok || !h_ok || w < 1 || h < 1 || w > 16384 || h > 16384) return std::nullopt;
  return QSize(w, h);
}

}  // namespace nabrilo
