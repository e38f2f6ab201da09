#include "document/png_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>

#include "document/regular_file.h"
#include "platform/picture_reader_limit.h"

namespace nabrilo {

namespace {

// Why libpng could not read `bytes`, as far as the layout of the file tells: not a PNG at all,
// cut off before its closing IEND chunk, or else damaged inside.
Refusal LayoutRefusal(const QByteArray& bytes) {
  const QByteArray signature("\x89PNG\r\n\x1A\n", 8);
  if (!signature.startsWith(bytes.left(8))) return Refusal::NotThisKind;
  qint64 at = 8;  // each chunk: length, type, data, CRC
  while (at + 12 <= bytes.size()) {
    if (bytes.mid(at + 4, 4) == "IEND") return Refusal::Damaged;
    at += 12 + qint64{qFromBigEndian<quint32>(bytes.constData() + at)};
  }
  return Refusal::Truncated;
}

// The reader's words for a failure, when it has any.
QString ReaderWords(const QImageReader& reader) {
  return reader.error() == QImageReader::UnknownError ? QString() : reader.errorString();
}

}  // namespace

Decoded DecodePng(const QByteArray& bytes, const PictureLimits& limits) {
  QByteArray data = bytes;  // shares, no copy: the buffer only reads
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return Decoded::Refused(Refusal::Unreadable);
  QImageReader reader(&buffer, "png");
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid()) return Decoded::Refused(LayoutRefusal(bytes), ReaderWords(reader));
  if (size.isEmpty()) return Decoded::Refused(Refusal::BadSize);
  if (!WithinPictureLimits(size.width(), size.height(), limits)) {
    return Decoded::Refused(Refusal::TooLarge);
  }
  AdmitProgramPictureSizes();
  const QImage image = reader.read();
  if (image.isNull() || image.size() != size) {
    return Decoded::Refused(LayoutRefusal(bytes), ReaderWords(reader));
  }
  QImage picture = LaidOnWhite(image);
  if (picture.isNull()) return Decoded::Refused(Refusal::NoMemory);
  return Decoded::Picture(picture);
}

QImage LaidOnWhite(const QImage& image) {
  if (image.format() == QImage::Format_RGB32) return image;
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  QImage out(image.size(), QImage::Format_RGB32);
  const QImage blended = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (out.isNull() || blended.isNull()) return {};
  // Premultiplied colour plus white for what the alpha leaves uncovered.
  for (int y = 0; y < out.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(blended.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb s = src[x];
      const int keep = 255 - qAlpha(s);
      dst[x] = qRgb(qRed(s) + keep, qGreen(s) + keep, qBlue(s) + keep);
    }
  }
  return out;
}

bool WritePngFile(const QImage& image, const QString& path) {
  if (image.isNull() || KindOfPath(path) == PathKind::Other) return false;
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&file, "png");
  if (!writer.write(image)) {
    file.cancelWriting();
    file.commit();  // removes the temporary file
    return false;
  }
  return file.commit();
}

}  // namespace nabrilo
