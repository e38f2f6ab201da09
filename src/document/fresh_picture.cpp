#include "document/fresh_picture.h"

#include <sys/mman.h>
#include <unistd.h>

namespace nabrilo {

QImage FreshPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  constexpr qint64 kWorthIt = qint64{8} << 20;
  if (image.isNull() || image.sizeInBytes() < kWorthIt) return image;
  const auto page = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<quintptr>(image.bits());
  const quintptr first = (start + page - 1) / page * page;
  const quintptr end = start + static_cast<quintptr>(image.sizeInBytes());
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  return image;
}

}  // namespace nabrilo
