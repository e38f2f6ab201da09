// The PNG path of "ファイルから": the whole file through Qt's PNG reader (libpng).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/picture_file.h"
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nabrilo;
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const PictureLoad load = DecodePicture(PictureKind::Png, bytes, kFuzzLimits);
  const bool loaded = load.outcome == PictureLoad::Loaded;
  // A load is a picture within the limits in the canvas format; a failure carries none.
  if (loaded != !load.image.isNull()) std::abort();
  if (loaded && (load.image.format() != QImage::Format_RGB32 ||
                 !WithinPictureLimits(load.image.width(), load.image.height(), kFuzzLimits))) {
    std::abort();
  }
  if (!loaded && load.outcome != PictureLoad::BadPng) std::abort();
  return 0;
}
