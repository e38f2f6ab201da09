#include "document/exif_orientation.h"

#include <QTransform>
#include <cstring>

namespace nabrilo {

namespace {

constexpr int kOrientationTag = 0x0112;
constexpr int kShort = 3;

// The TIFF block of an EXIF segment, in either byte order; every read is checked against its
// end.
class TiffBlock {
 public:
  TiffBlock(const uchar* p, qint64 size) : p_(p), size_(size) {
    big_endian_ = size >= 2 && p[0] == 'M' && p[1] == 'M';
  }
  bool Valid() const {
    return size_ >= 8 && ((p_[0] == 'I' && p_[1] == 'I') || big_endian_) && Get16(2) == 42;
  }
  quint32 Get16(qint64 at) const {
    if (at < 0 || at + 2 > size_) return 0;
    return big_endian_ ? (p_[at] << 8) | p_[at + 1] : p_[at] | (p_[at + 1] << 8);
  }
  quint32 Get32(qint64 at) const {
    if (at < 0 || at + 4 > size_) return 0;
    const quint32 a = Get16(at), b = Get16(at + 2);
    return big_endian_ ? (a << 16) | b : a | (b << 16);
  }
  qint64 Size() const { return size_; }

 private:
  const uchar* p_;
  qint64 size_;
  bool big_endian_ = false;
};

int OrientationInTiff(const TiffBlock& tiff) {
  if (!tiff.Valid()) return 1;
  const qint64 ifd = tiff.Get32(4);
  const qint64 entries = tiff.Get16(ifd);
  for (qint64 i = 0; i < entries; ++i) {
    const qint64 entry = ifd + 2 + i * 12;
    if (entry + 12 > tiff.Size()) break;
    if (tiff.Get16(entry) != kOrientationTag) continue;
    if (tiff.Get16(entry + 2) != kShort || tiff.Get32(entry + 4) != 1) return 1;
    const int value = static_cast<int>(tiff.Get16(entry + 8));
    return value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

}  // namespace

int ExifOrientation(const QByteArray& jpeg) {
  const auto* p = reinterpret_cast<const uchar*>(jpeg.constData());
  const qint64 size = jpeg.size();
  if (size < 4 || p[0] != 0xFF || p[1] != 0xD8) return 1;
  // The EXIF block is an APP1 segment among the markers before the first scan.
  qint64 at = 2;
  while (at + 4 <= size && p[at] == 0xFF) {
    const int marker = p[at + 1];
    if (marker == 0xDA || marker == 0xD9) break;  // start of scan, end of image
    if (marker == 0xFF) {                         // fill byte
      ++at;
      continue;
    }
    const qint64 length = (p[at + 2] << 8) | p[at + 3];
    if (length < 2 || at + 2 + length > size) break;
    const uchar* body = p + at + 4;
    const qint64 body_size = length - 2;
    if (marker == 0xE1 && body_size >= 6 && std::memcmp(body, "Exif\0\0", 6) == 0) {
      return OrientationInTiff(TiffBlock(body + 6, body_size - 6));
    }
    at += 2 + length;
  }
  return 1;
}

QImage Oriented(const QImage& stored, int orientation) {
  switch (orientation) {
    case 2:
      return stored.mirrored(true, false);
    case 3:
      return stored.mirrored(true, true);
    case 4:
      return stored.mirrored(false, true);
    case 5:  // transposed: turned a quarter clockwise, then mirrored
      return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
      return stored.transformed(QTransform().rotate(90));
    case 7:  // transposed across the other diagonal
      return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
      return stored.transformed(QTransform().rotate(270));
    default:
      return stored;
  }
}

}  // namespace nabrilo
