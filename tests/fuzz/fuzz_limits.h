#pragma once
// The loaders run with smaller size limits under the fuzzer, so that each input costs
// milliseconds rather than the seconds a 400 MB picture takes; the checks are the same code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/picture_file.h"
#include "document/picture_limits.h"

namespace nabrilo {
inline constexpr PictureLimits kFuzzLimits{4096, 4'000'000};

// Decodes the fuzzer's bytes as a file of `kind` and aborts unless the outcome is sound: a load
// is a picture within the limits in the canvas format; a failure carries none, is `failure`
// and has a reason.
inline PictureLoad CheckedDecode(PictureKind kind, PictureLoad::Outcome failure,
                                 const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const PictureLoad load = DecodePicture(kind, bytes, kFuzzLimits);
  const bool loaded = load.outcome == PictureLoad::Loaded;
  if (loaded != !load.image.isNull()) std::abort();
  if (loaded && (load.image.format() != QImage::Format_RGB32 ||
                 !WithinPictureLimits(load.image.width(), load.image.height(), kFuzzLimits))) {
    std::abort();
  }
  if (!loaded && load.outcome != failure) std::abort();
  if (loaded != (load.refusal == Refusal::None)) std::abort();  // every refusal says why
  return load;
}
}  // namespace nabrilo
