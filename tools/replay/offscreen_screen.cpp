#include "offscreen_screen.h"

#include <QByteArray>
#include <QDir>
#include <cstdio>

namespace nabrilo {

namespace {

// One screen of 4096 × 4096 at 96 pixels per inch; the rest as the platform's defaults.
constexpr char kConfig[] = R"({
  "synchronousWindowSystemEvents": false,
  "windowFrameMargins": true,
  "screens": [{"name": "Replay", "x": 0, "y": 0, "width": 4096, "height": 4096,
               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]
})";

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

std::unique_ptr<QTemporaryFile> UseLargeOffscreenScreen() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return nullptr;
  auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/nabrilo-screen-XXXXXX.json");
  if (!file->open() || file->write(kConfig) != static_cast<qint64>(sizeof kConfig - 1) ||
      !file->flush()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return nullptr;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file->fileName()));
  return file;
}

}  // namespace nabrilo
