// The BMP path of "ファイルから": the whole file image through the header check and our reader,
// and again as a file read row by row, which must give the same outcome and pixels.
#include <QBuffer>

#include "document/bmp_read.h"
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nabrilo;
  const PictureLoad load = CheckedDecode(PictureKind::Bmp, PictureLoad::BadBitmap, data, size);
  QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&file);
  buffer.open(QIODevice::ReadOnly);
  const Decoded read = ReadBmp(&buffer, file.size(), kFuzzLimits, 64);
  if (read.image != load.image || read.refusal != load.refusal) std::abort();
  return 0;
}
