// The BMP path of "ファイルから": the whole file image through the header check and our reader,
// and again as a file read row by row, which must give the same outcome and pixels.
#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/bmp_read.h"
#include "document/picture_file.h"
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nabrilo;
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes, kFuzzLimits);
  const bool loaded = load.outcome == PictureLoad::Loaded;
  // A load is a picture within the limits in the canvas format; a failure carries none.
  if (loaded != !load.image.isNull()) std::abort();
  if (loaded && (load.image.format() != QImage::Format_RGB32 ||
                 !WithinPictureLimits(load.image.width(), load.image.height(), kFuzzLimits))) {
    std::abort();
  }
  if (!loaded && load.outcome != PictureLoad::BadBitmap) std::abort();
  QByteArray file = bytes;
  QBuffer buffer(&file);
  buffer.open(QIODevice::ReadOnly);
  if (ReadBmp(&buffer, file.size(), kFuzzLimits, 64) != load.image) std::abort();
  return 0;
}
