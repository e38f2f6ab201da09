// The PNG path of "ファイルから": the whole file through Qt's PNG reader (libpng).
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nabrilo::CheckedDecode(nabrilo::PictureKind::Png, nabrilo::PictureLoad::BadPng, data, size);
  return 0;
}
