// The JPEG path of "ファイルから": the whole file through libjpeg-turbo.
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nabrilo::CheckedDecode(nabrilo::PictureKind::Jpeg, nabrilo::PictureLoad::BadJpeg, data, size);
  return 0;
}
