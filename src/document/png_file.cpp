#include "document/png_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include "document/regular_file.h"
#include "platform/picture_reader_limit.h"

namespace nabrilo {

QImage DecodePng(const QByteArray& bytes, const PictureLimits& limits) {
  QByteArray data = bytes;  // shares, no copy: the buffer only reads
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer, "png");
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!WithinPictureLimits(size.width(), size.height(), limits)) return {};
  AdmitProgramPictureSizes();
  const QImage image = reader.read();
  if (image.isNull() || image.size() != size) return {};
  return LaidOnWhite(image);
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
