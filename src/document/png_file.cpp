#include "document/png_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

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
  if (image.isNull()) return false;
  return WriteRegularFile(path, [&](QIODevice* file) {
    QImageWriter writer(file, "png");
    // A fast level: a photo-sized picture in well under a second, at a size close to the
    // default level's (libpng's default, 6, takes seconds).
    writer.setCompression(kPngCompression);
    return writer.write(image);
  });
}

}  // namespace nabrilo
