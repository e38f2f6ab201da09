#include "document/jpeg_read.h"

#include <turbojpeg.h>

#include <memory>

#include "document/exif_orientation.h"
#include "document/fresh_picture.h"

namespace nabrilo {

namespace {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 is B, G, R, X in memory");

struct TjDestroyer {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDestroyer>;

// Adobe CMYK as libjpeg delivers it (inverted: 255 = no ink) to RGB, in place, four bytes per
// pixel either way.
void CmykToRgb32(QImage* image) {
  for (int y = 0; y < image->height(); ++y) {
    uchar* p = image->scanLine(y);
    for (int x = 0; x < image->width(); ++x, p += 4) {
      const unsigned c = p[0], m = p[1], yellow = p[2], k = p[3];
      p[0] = static_cast<uchar>(yellow * k / 255);  // blue
      p[1] = static_cast<uchar>(m * k / 255);       // green
      p[2] = static_cast<uchar>(c * k / 255);       // red
      p[3] = 0xFF;
    }
  }
}

// libjpeg's words for why it stopped.
Decoded Damaged(const TjHandle& handle) {
  return Decoded::Refused(Refusal::Damaged, QString::fromLocal8Bit(tjGetErrorStr2(handle.get())));
}

}  // namespace

Decoded DecodeJpeg(const QByteArray& bytes, const PictureLimits& limits) {
  if (bytes.isEmpty()) return Decoded::Refused(Refusal::Truncated);
  TjHandle handle(tjInitDecompress());
  if (!handle) return Decoded::Refused(Refusal::NoMemory);
  auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  const auto size = static_cast<unsigned long>(bytes.size());
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colourspace) !=
      0) {
    return Damaged(handle);
  }
  // A stream of tables alone (what is left of a file cut after its first marker) has no size.
  if (width <= 0 || height <= 0)
    return Decoded::Refused(Refusal::Damaged, "no picture in the data");
  if (!WithinPictureLimits(width, height, limits)) return Decoded::Refused(Refusal::TooLarge);
  QImage image = FreshPicture(width, height);
  if (image.isNull()) return Decoded::Refused(Refusal::NoMemory);
  const bool cmyk = colourspace == TJCS_CMYK || colourspace == TJCS_YCCK;
  const int format = cmyk ? TJPF_CMYK : TJPF_BGRX;
  // Damage libjpeg only warns about (a cut-off file, corrupt data) is a failure too: it would
  // fill the rest with grey, and through this API a fatal error after a warning still reads as
  // a warning, with rows never written. LIMITSCANS bounds the work a hostile progressive file
  // can ask for.
  const int flags = TJFLAG_LIMITSCANS | TJFLAG_STOPONWARNING;
  if (tjDecompress2(handle.get(), data, size, image.bits(), width,
                    static_cast<int>(image.bytesPerLine()), height, format, flags) != 0) {
    return Damaged(handle);
  }
  if (cmyk) CmykToRgb32(&image);
  return Decoded::Picture(Oriented(image, ExifOrientation(bytes)));
}

}  // namespace nabrilo
