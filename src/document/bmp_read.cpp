#include "document/bmp_read.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstring>

#include "document/bmp_file.h"

namespace nabrilo {

namespace {

constexpr qint64 kFileHeader = 14;

quint32 Get16(const uchar* p) {
  return p[0] | (p[1] << 8);
}
quint32 Get32(const uchar* p) {
  return quint32{p[0]} | (quint32{p[1]} << 8) | (quint32{p[2]} << 16) | (quint32{p[3]} << 24);
}
qint64 GetSigned32(const uchar* p) {
  return static_cast<qint32>(Get32(p));
}

enum Compression : quint32 { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

bool KnownInfoSize(quint32 size) {
  constexpr quint32 kSizes[] = {12, 40, 52, 56, 64, 108, 124};
  return std::find(std::begin(kSizes), std::end(kSizes), size) != std::end(kSizes);
}

bool KnownLayout(int bits, quint32 compression) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

// Walks RLE8/RLE4 data without decoding it: every run, literal block and jump must stay inside
// its row and the picture, and the data must reach its end-of-bitmap mark. Qt's reader would
// clip a run past the row and leave the rows of a cut-off file empty, giving a wrong picture
// instead of a failure.
bool RleFits(const uchar* p, qint64 size, qint64 width, qint64 height, bool four_bits) {
  qint64 x = 0, y = 0, i = 0;
  while (i + 1 < size) {
    const int count = p[i], code = p[i + 1];
    i += 2;
    if (count > 0) {  // a run of `count` pixels
      x += count;
      if (x > width || y >= height) return false;
      continue;
    }
    switch (code) {
      case 0:  // end of line
        x = 0;
        if (++y > height) return false;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // jump
        if (i + 1 >= size) return false;
        x += p[i];
        y += p[i + 1];
        i += 2;
        if (x > width || y >= height) return false;
        break;
      default: {  // `code` literal pixels, padded to a 16-bit boundary
        const qint64 bytes = four_bits ? (code + 1) / 2 : code;
        x += code;
        i += bytes + (bytes & 1);
        if (x > width || y >= height || i > size) return false;
      }
    }
  }
  return false;
}

bool DataPresent(const BmpHeader& h, const uchar* file, qint64 data_start, qint64 file_size) {
  if (data_start > file_size) return false;
  if (h.compression == kRle8 || h.compression == kRle4) {
    return RleFits(file + data_start, file_size - data_start, h.width, h.height,
                   h.compression == kRle4);
  }
  const qint64 stride = (h.width * h.bits + 31) / 32 * 4;
  return data_start + stride * h.height <= file_size;
}

// Keeps the colour channels exactly as stored: Windows draws a bitmap ignoring any alpha.
QImage ToRgb32(QImage image) {
  if (image.format() == QImage::Format_RGB32) return image;
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  image.convertTo(QImage::Format_ARGB32);
  image.reinterpretAsFormat(QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) row[x] |= 0xFF000000u;
  }
  return image;
}

// The size of a snapshot we wrote ourselves (EncodeBmp's exact layout), if it is one.
bool IsOwnSnapshot(const QByteArray& s, int* w, int* h) {
  if (s.size() < 54) return false;
  const auto* p = reinterpret_cast<const uchar*>(s.constData());
  if (p[0] != 'B' || p[1] != 'M' || Get32(p + 10) != 54 || Get32(p + 14) != 40) return false;
  const qint64 width = GetSigned32(p + 18), height = GetSigned32(p + 22);
  if (Get16(p + 26) != 1 || Get16(p + 28) != 32 || Get32(p + 30) != kRgb) return false;
  if (!WithinPictureLimits(width, height)) return false;
  *w = static_cast<int>(width);
  *h = static_cast<int>(height);
  return s.size() == BmpFileSize(*w, *h);
}

void CopyRowsBottomUp(const char* pixels, int w, int h, QImage* image) {
  const size_t row = static_cast<size_t>(w) * 4;
  for (int y = 0; y < h; ++y) {
    std::memcpy(image->scanLine(y), pixels + static_cast<size_t>(h - 1 - y) * row, row);
  }
}

}  // namespace

std::optional<BmpHeader> CheckBmpHeader(const QByteArray& bytes, const PictureLimits& limits) {
  const qint64 file_size = bytes.size();
  if (file_size < kFileHeader + 12) return std::nullopt;
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  if (p[0] != 'B' || p[1] != 'M') return std::nullopt;
  const qint64 offset = Get32(p + 10);
  const quint32 info_size = Get32(p + 14);
  if (!KnownInfoSize(info_size) || file_size < kFileHeader + info_size) return std::nullopt;
  const uchar* info = p + kFileHeader;
  BmpHeader h;
  qint64 planes = 0, entry_size = 4, masks = 0;
  quint32 colours_used = 0;
  if (info_size == 12) {  // OS/2 1.x core header: 16-bit sizes, 3-byte palette entries
    h.width = Get16(info + 4);
    h.height = Get16(info + 6);
    planes = Get16(info + 8);
    h.bits = static_cast<int>(Get16(info + 10));
    entry_size = 3;
  } else {
    h.width = GetSigned32(info + 4);
    h.height = GetSigned32(info + 8);
    planes = Get16(info + 12);
    h.bits = static_cast<int>(Get16(info + 14));
    h.compression = Get32(info + 16);
    colours_used = Get32(info + 32);
    if (info_size == 40 && h.compression == kBitFields) masks = 12;
  }
  if (h.height < 0) {
    h.top_down = true;
    h.height = -h.height;
  }
  if (planes != 1 || !KnownLayout(h.bits, h.compression)) return std::nullopt;
  if (h.top_down && h.compression != kRgb && h.compression != kBitFields) return std::nullopt;
  if (!WithinPictureLimits(h.width, h.height, limits)) return std::nullopt;
  qint64 colours = 0;
  if (h.bits <= 8) {
    colours = colours_used ? colours_used : (qint64{1} << h.bits);
    if (colours > 256) return std::nullopt;
  }
  const qint64 headers_end = kFileHeader + info_size + masks + colours * entry_size;
  if (headers_end > file_size) return std::nullopt;
  if (!DataPresent(h, p, std::max(offset, headers_end), file_size)) return std::nullopt;
  return h;
}

QImage DecodeBmp(const QByteArray& bytes, const PictureLimits& limits) {
  const std::optional<BmpHeader> header = CheckBmpHeader(bytes, limits);
  if (!header) return {};
  QByteArray data = bytes;  // shares, no copy: the buffer only reads
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  // Qt refuses pictures over 128 MB by default; ours may reach 400 MB, checked above.
  const qint64 decoded_bytes = header->width * header->height * 4;
  reader.setAllocationLimit(static_cast<int>((decoded_bytes >> 20) + 2));
  QImage image = reader.read();
  if (image.isNull() || image.width() != header->width || image.height() != header->height) {
    return {};
  }
  return ToRgb32(std::move(image));
}

bool DecodeSnapshot(const QByteArray& stream, QImage* picture) {
  int w = 0, h = 0;
  if (!IsOwnSnapshot(stream, &w, &h)) {
    QImage image = DecodeBmp(stream);
    if (image.isNull()) return false;
    *picture = std::move(image);
    return true;
  }
  const char* pixels = stream.constData() + 54;
  if (picture->width() == w && picture->height() == h &&
      picture->format() == QImage::Format_RGB32) {
    CopyRowsBottomUp(pixels, w, h, picture);  // the picture's own buffer: no fresh memory
    return true;
  }
  QImage image(w, h, QImage::Format_RGB32);
  if (image.isNull()) return false;
  CopyRowsBottomUp(pixels, w, h, &image);
  *picture = std::move(image);
  return true;
}

}  // namespace nabrilo
