#include "document/picture_file.h"

#include <QFile>

#include "document/bmp_read.h"
#include "document/jpeg_read.h"
#include "document/png_file.h"
#include "document/regular_file.h"

namespace nabrilo {

namespace {

// Far above any file that can hold a picture within the limits (a 24-bit BMP of 100 million
// pixels is 300 MB; a JPEG of it is smaller).
constexpr qint64 kMaxFileBytes = qint64{1} << 30;

PictureLoad::Outcome FailureOf(PictureKind kind) {
  switch (kind) {
    case PictureKind::Bmp:
      return PictureLoad::BadBitmap;
    case PictureKind::Jpeg:
      return PictureLoad::BadJpeg;
    case PictureKind::Png:
      return PictureLoad::BadPng;
    case PictureKind::None:
      break;
  }
  return PictureLoad::NotAPicture;
}

QImage Decode(PictureKind kind, const QByteArray& bytes, const PictureLimits& limits) {
  switch (kind) {
    case PictureKind::Bmp:
      return DecodeBmp(bytes, limits);
    case PictureKind::Jpeg:
      return DecodeJpeg(bytes, limits);
    case PictureKind::Png:
      return DecodePng(bytes, limits);
    case PictureKind::None:
      break;
  }
  return {};
}

// A BMP is read row by row into the picture; the other kinds are read whole and decoded.
QImage ReadFile(PictureKind kind, QFile* file, const PictureLimits& limits) {
  const qint64 size = file->size();
  if (size > kMaxFileBytes) return {};
  if (kind == PictureKind::Bmp) return ReadBmp(file, size, limits);
  const QByteArray bytes = file->read(size);
  if (file->error() != QFileDevice::NoError || bytes.size() != size) return {};
  return Decode(kind, bytes, limits);
}

}  // namespace

PictureKind PictureKindOf(const QString& path) {
  const QString upper = path.toUpper();
  if (upper.contains(QLatin1String(".BMP"))) return PictureKind::Bmp;
  if (upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".JPEG"))) {
    return PictureKind::Jpeg;
  }
  if (upper.contains(QLatin1String(".PNG"))) return PictureKind::Png;
  return PictureKind::None;
}

PictureLoad DecodePicture(PictureKind kind, const QByteArray& bytes, const PictureLimits& limits) {
  if (kind == PictureKind::None) return {};
  QImage image = Decode(kind, bytes, limits);
  if (image.isNull()) return {FailureOf(kind), {}};
  return {PictureLoad::Loaded, std::move(image)};
}

PictureLoad LoadPictureFile(const QString& path, const PictureLimits& limits) {
  const PictureKind kind = PictureKindOf(path);
  if (kind == PictureKind::None) return {};
  // Only regular files: a pipe or a device would block or never end.
  if (KindOfPath(path) != PathKind::RegularFile) return {FailureOf(kind), {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {FailureOf(kind), {}};
  QImage image = ReadFile(kind, &file, limits);
  if (image.isNull()) return {FailureOf(kind), {}};
  return {PictureLoad::Loaded, std::move(image)};
}

}  // namespace nabrilo
