#include "document/jpeg_write.h"

#include <turbojpeg.h>

#include <QIODevice>
#include <memory>

#include "document/regular_file.h"

namespace nabrilo {

namespace {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 is B, G, R, X in memory");

struct TjDestroyer {
  void operator()(void* handle) const { tjDestroy(handle); }
};
struct TjFreer {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

}  // namespace

QByteArray EncodeJpeg(const QImage& source, int quality) {
  if (source.isNull()) return {};
  const QImage image = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return {};
  const std::unique_ptr<void, TjDestroyer> handle(tjInitCompress());
  if (!handle) return {};
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const int failed = tjCompress2(handle.get(), image.constBits(), image.width(),
                                 static_cast<int>(image.bytesPerLine()), image.height(), TJPF_BGRX,
                                 &jpeg, &size, TJSAMP_444, quality, 0);
  const std::unique_ptr<unsigned char, TjFreer> owned(jpeg);
  if (failed != 0 || !jpeg || size == 0) return {};
  return QByteArray(reinterpret_cast<const char*>(jpeg), static_cast<qsizetype>(size));
}

bool WriteJpegFile(const QImage& image, const QString& path) {
  const QByteArray jpeg = EncodeJpeg(image);
  if (jpeg.isEmpty()) return false;
  return WriteRegularFile(path, [&](QIODevice* file) { return file->write(jpeg) == jpeg.size(); });
}

}  // namespace nabrilo
