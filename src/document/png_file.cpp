#include "document/png_file.h"

#include <png.h>

#include <QBuffer>
#include <QImageReader>
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

namespace {

void Write_Bytes(png_structp png, png_bytep data, size_t size) {
  auto* file = static_cast<QIODevice*>(png_get_io_ptr(png));
  if (file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
      static_cast<qint64>(size)) {
    png_error(png, "write failed");
  }
}
void Flush(png_structp) {}
[[noreturn]] void Fail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void Ignore_Warning(png_structp, png_const_charp) {}

// libpng reports failures by a long jump back here; nothing between the setjmp and the jump
// owns anything that would need unwinding.
bool Encode_Png(const QImage& image, QIODevice* file) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore_Warning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, file, Write_Bytes, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
               static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, kPngCompression);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_write_info(png, info);
  png_set_bgr(png);                          // RGB32 rows are B, G, R, X in memory
  png_set_filler(png, 0, PNG_FILLER_AFTER);  // and the X is left out
  for (int y = 0; y < image.height(); ++y) png_write_row(png, image.constScanLine(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePngFile(const QImage& source, const QString& path) {
  if (source.isNull()) return false;
  const QImage image = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return false;
  return WriteRegularFile(path, [&](QIODevice* file) { return Encode_Png(image, file); });
}

}  // namespace nabrilo
