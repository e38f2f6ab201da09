#include "document/picture_save.h"

#include <QFileInfo>

#include "document/bmp_file.h"
#include "document/jpeg_write.h"
#include "document/png_file.h"

namespace nabrilo {

namespace {

// The save dialog's filters in order, with the kind each one writes.
struct SaveFilter {
  const char16_t* text;
  PictureKind kind;
};
constexpr SaveFilter kSaveFilters[] = {
    {u"ビットマップ (*.bmp)|*.bmp", PictureKind::Bmp},
    {u"PNG (*.png)|*.png", PictureKind::Png},
    {u"JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg", PictureKind::Jpeg},
};

}  // namespace

QString OpenPictureFilter() {
  return QStringLiteral(
      "画像ファイル (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png|ビットマップ (*.bmp)|*.bmp|"
      "写真 jpg|*.jpg;*.jpeg|PNG (*.png)|*.png");
}

QString SavePictureFilter() {
  QStringList filters;
  for (const SaveFilter& f : kSaveFilters) filters << QString::fromUtf16(f.text);
  return filters.join(QLatin1Char('|'));
}

QString SavePictureDefaultExt() {
  return QStringLiteral("bmp");
}

PictureKind SaveKindOf(const QString& path, int filter_index) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("bmp")) return PictureKind::Bmp;
  if (extension == QLatin1String("png")) return PictureKind::Png;
  if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) {
    return PictureKind::Jpeg;
  }
  const int count = static_cast<int>(std::size(kSaveFilters));
  return filter_index >= 1 && filter_index <= count ? kSaveFilters[filter_index - 1].kind
                                                    : PictureKind::Bmp;
}

bool WritePictureFile(const QImage& image, const QString& path, PictureKind kind) {
  switch (kind) {
    case PictureKind::Png:
      return WritePngFile(image, path);
    case PictureKind::Jpeg:
      return WriteJpegFile(image, path);
    case PictureKind::Bmp:
    case PictureKind::None:
      break;
  }
  return WriteBmpFile(image, path);
}

}  // namespace nabrilo
