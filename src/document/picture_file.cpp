#include "document/picture_file.h"

#include <QFile>
#include <optional>

#include "document/bmp_read.h"
#include "document/jpeg_read.h"
#include "document/regular_file.h"

namespace nabrilo {

namespace {

// Far above any file that can hold a picture within the limits (a 24-bit BMP of 100 million
// pixels is 300 MB; a JPEG of it is smaller).
constexpr qint64 kMaxFileBytes = qint64{1} << 30;

std::optional<QByteArray> ReadWholeFile(const QString& path) {
  if (KindOfPath(path) != PathKind::RegularFile) return std::nullopt;
  QFile file(path);
  // Qt's read(n) reserves all n bytes before reading: ask only for what the file holds.
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return std::nullopt;
  QByteArray bytes = file.read(file.size() + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes) return std::nullopt;
  return bytes;
}

PictureLoad::Outcome FailureOf(PictureKind kind) {
  return kind == PictureKind::Bmp ? PictureLoad::BadBitmap : PictureLoad::BadJpeg;
}

}  // namespace

PictureKind PictureKindOf(const QString& path) {
  const QString upper = path.toUpper();
  if (upper.contains(QLatin1String(".BMP"))) return PictureKind::Bmp;
  if (upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".JPEG"))) {
    return PictureKind::Jpeg;
  }
  return PictureKind::None;
}

PictureLoad DecodePicture(PictureKind kind, const QByteArray& bytes, const PictureLimits& limits) {
  if (kind == PictureKind::None) return {};
  QImage image = kind == PictureKind::Bmp ? DecodeBmp(bytes, limits) : DecodeJpeg(bytes, limits);
  if (image.isNull()) return {FailureOf(kind), {}};
  return {PictureLoad::Loaded, std::move(image)};
}

PictureLoad LoadPictureFile(const QString& path, const PictureLimits& limits) {
  const PictureKind kind = PictureKindOf(path);
  if (kind == PictureKind::None) return {};
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) return {FailureOf(kind), {}};
  return DecodePicture(kind, *bytes, limits);
}

}  // namespace nabrilo
