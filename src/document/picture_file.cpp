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

Decoded Decode(PictureKind kind, const QByteArray& bytes, const PictureLimits& limits) {
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
  return Decoded::Refused(Refusal::NotThisKind);
}

// A BMP is read row by row into the picture; the other kinds are read whole and decoded.
Decoded ReadFile(PictureKind kind, QFile* file, const PictureLimits& limits) {
  const qint64 size = file->size();
  if (size > kMaxFileBytes) return Decoded::Refused(Refusal::TooLarge);
  if (kind == PictureKind::Bmp) return ReadBmp(file, size, limits);
  const QByteArray bytes = file->read(size);
  if (file->error() != QFileDevice::NoError || bytes.size() != size) {
    return Decoded::Refused(Refusal::Unreadable);
  }
  return Decode(kind, bytes, limits);
}

PictureLoad Outcome(PictureKind kind, Decoded decoded) {
  if (decoded.image.isNull()) return {FailureOf(kind), {}, decoded.refusal, decoded.detail};
  return {PictureLoad::Loaded, std::move(decoded.image), Refusal::None, {}};
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
  return Outcome(kind, Decode(kind, bytes, limits));
}

PictureLoad LoadPictureFile(const QString& path, const PictureLimits& limits) {
  const PictureKind kind = PictureKindOf(path);
  if (kind == PictureKind::None) return {};
  // Only regular files: a pipe or a device would block or never end.
  if (KindOfPath(path) != PathKind::RegularFile) {
    return Outcome(kind, Decoded::Refused(Refusal::Unreadable));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    return Outcome(kind, Decoded::Refused(Refusal::Unreadable, file.errorString()));
  }
  return Outcome(kind, ReadFile(kind, &file, limits));
}

QString RefusalLine(const QString& path, const PictureLoad& load) {
  QString line = QStringLiteral("nabrilo: cannot load %1: %2")
                     .arg(path, QString::fromUtf8(RefusalText(load.refusal)));
  if (!load.detail.isEmpty()) line += QStringLiteral(" (%1)").arg(load.detail);
  return line;
}

}  // namespace nabrilo
