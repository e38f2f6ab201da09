// nabrilo-artwork OUTPUT_DIR: writes the pictures and OUTPUT_DIR/artwork.qrc listing them, and
// the icon as PNG files in the layout of the hicolor icon theme (OUTPUT_DIR/hicolor) for
// installing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "artwork.h"
#include "platform/raw_picture.h"

namespace nabrilo::artwork {

namespace {

bool Write(const QDir& dir, const Output& o, QTextStream& qrc) {
  const QString path = dir.filePath(o.path);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  const QByteArray bytes = EncodeRawPicture(o.image, o.hot_spot);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "nabrilo-artwork: cannot write %s\n", qPrintable(path));
    return false;
  }
  qrc << "    <file>" << o.path << "</file>\n";
  return true;
}

bool WriteThemeIcon(const QDir& dir, const QImage& icon) {
  const QString folder = dir.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(icon.width()));
  QDir().mkpath(folder);
  const QString path = folder + QStringLiteral("/" NABRILO_APP_ID ".png");
  if (icon.save(path, "PNG")) return true;
  std::fprintf(stderr, "nabrilo-artwork: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace
}  // namespace nabrilo::artwork

int main(int argc, char** argv) {
  using namespace nabrilo::artwork;
  if (argc != 2) {
    std::fprintf(stderr, "usage: nabrilo-artwork OUTPUT_DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(dir.path());
  QString listing;
  QTextStream qrc(&listing);
  qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
  std::vector<Output> all = Cursors();
  for (auto* part : {&Glyphs, &ImageList}) {
    std::vector<Output> more = (*part)();
    all.insert(all.end(), more.begin(), more.end());
  }
  for (const Output& o : all) {
    if (!Write(dir, o, qrc)) return 1;
  }
  for (const Output& icon : ProgramIcons()) {
    if (!Write(dir, icon, qrc) || !WriteThemeIcon(dir, icon.image)) return 1;
  }
  qrc << "  </qresource>\n</RCC>\n";
  qrc.flush();
  QFile file(dir.filePath(QStringLiteral("artwork.qrc")));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(listing.toUtf8()) < 0) {
    std::fprintf(stderr, "nabrilo-artwork: cannot write artwork.qrc\n");
    return 1;
  }
  return 0;
}
