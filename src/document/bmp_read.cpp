#include "document/bmp_read.h"

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

// The three families of info header. OS/2 2.x headers may stop after any of their fields, and
// then the missing ones are zero; 40, 52 and 56 bytes are read as Windows headers, which have
// the same fields there.
enum class InfoKind { None, Core, Os2, Windows };

InfoKind KindOfInfo(quint32 size) {
  constexpr quint32 kWindows[] = {40, 52, 56, 108, 124};
  constexpr quint32 kOs2[] = {16, 20, 24, 28, 32, 36, 42, 44, 46, 48, 60, 64};
  if (size == 12) return InfoKind::Core;
  if (std::find(std::begin(kWindows), std::end(kWindows), size) != std::end(kWindows)) {
    return InfoKind::Windows;
  }
  if (std::find(std::begin(kOs2), std::end(kOs2), size) != std::end(kOs2)) return InfoKind::Os2;
  return InfoKind::None;
}

// OS/2 gives compression 3 and 4 other meanings (Huffman, RLE24) that we do not read.
bool KnownLayout(int bits, quint32 compression, InfoKind kind) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
      return kind == InfoKind::Windows && (bits == 16 || bits == 32);
    default:
      return false;
  }
}

// The colour masks of 16- and 32-bit pixels: stored after a 40-byte header or inside a longer
// one; BI_RGB means 5-5-5 or 8-8-8.
bool ReadChannels(const uchar* info, const BmpHeader& h, std::array<BmpChannel, 3>* channels) {
  if (h.compression != kBitFields) {
    return h.layout.bits == 16 ? ChannelsFromMasks(0x7C00, 0x03E0, 0x001F, 16, channels)
                               : ChannelsFromMasks(0xFF0000, 0xFF00, 0xFF, 32, channels);
  }
  const uchar* masks = info + 40;  // right after a 40-byte header, or the header's own fields
  return ChannelsFromMasks(Get32(masks), Get32(masks + 4), Get32(masks + 8), h.layout.bits,
                           channels);
}

CheckedBmpHeader Refused(Refusal why) {
  return {{}, why};
}

// `p` holds the first `available` bytes of a file of `file_size` bytes. Every field and table
// read must lie within `available`; RLE data is walked, so it needs the whole file.
CheckedBmpHeader ParseHeader(const uchar* p, qint64 available, qint64 file_size,
                             const PictureLimits& limits) {
  if (available >= 2 && (p[0] != 'B' || p[1] != 'M')) return Refused(Refusal::NotThisKind);
  if (available < kFileHeader + 4) return Refused(Refusal::Truncated);
  const qint64 offset = Get32(p + 10);
  const quint32 info_size = Get32(p + 14);
  const InfoKind kind = KindOfInfo(info_size);
  if (kind == InfoKind::None) return Refused(Refusal::UnknownHeader);
  if (available < kFileHeader + info_size) return Refused(Refusal::Truncated);
  const uchar* info = p + kFileHeader;
  BmpHeader h;
  BmpLayout& l = h.layout;
  qint64 planes = 0, entry_size = 4, masks = 0;
  quint32 colours_used = 0;
  if (kind == InfoKind::Core) {  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
    l.width = Get16(info + 4);
    l.height = Get16(info + 6);
    planes = Get16(info + 8);
    l.bits = static_cast<int>(Get16(info + 10));
    entry_size = 3;
  } else {
    l.width = GetSigned32(info + 4);
    l.height = GetSigned32(info + 8);
    planes = Get16(info + 12);
    l.bits = static_cast<int>(Get16(info + 14));
    if (info_size >= 20) h.compression = Get32(info + 16);
    if (info_size >= 36) colours_used = Get32(info + 32);
    if (info_size == 40 && h.compression == kBitFields) masks = 12;
  }
  if (l.height < 0) {
    l.top_down = true;
    l.height = -l.height;
  }
  l.rle = h.compression == kRle8 || h.compression == kRle4;
  if (planes != 1 || !KnownLayout(l.bits, h.compression, kind)) {
    return Refused(Refusal::Unsupported);
  }
  if (l.top_down && l.rle) return Refused(Refusal::Unsupported);
  if (l.width <= 0 || l.height <= 0) return Refused(Refusal::BadSize);
  if (!WithinPictureLimits(l.width, l.height, limits)) return Refused(Refusal::TooLarge);
  const qint64 depth_colours = l.bits <= 8 ? qint64{1} << l.bits : 0;
  qint64 colours = 0;
  if (l.bits <= 8) colours = colours_used ? colours_used : depth_colours;
  const qint64 headers_end = kFileHeader + info_size + masks + colours * entry_size;
  // A table of more colours than the depth can use is allowed when the file holds it; when it
  // also runs over where the header puts the pixels, it is why the file comes up short.
  const Refusal short_file = colours > depth_colours && headers_end > offset
                                 ? Refusal::BadPaletteSize
                                 : Refusal::Truncated;
  if (headers_end > file_size) return Refused(short_file);
  if (kFileHeader + info_size + masks > available) return Refused(Refusal::Truncated);
  if (l.bits == 16 || l.bits == 32) {
    if (!ReadChannels(info, h, &l.channels)) return Refused(Refusal::BadBitFields);
  }
  // A longer table than the depth needs is allowed; pixels can only reach its first entries.
  const qint64 entries = std::min(colours, depth_colours);
  const qint64 table = kFileHeader + info_size + masks;
  if (table + entries * entry_size > available) return Refused(Refusal::Truncated);
  l.palette.fill(0xFF000000u);
  for (qint64 i = 0; i < entries; ++i) {
    const uchar* e = p + table + i * entry_size;
    l.palette[i] = qRgb(e[2], e[1], e[0]);
  }
  h.data_start = std::max(offset, headers_end);
  if (h.data_start > file_size) return Refused(Refusal::Truncated);
  if (l.rle) {
    if (available < file_size) return Refused(Refusal::Truncated);
    const Refusal rle = CheckRle(p + h.data_start, file_size - h.data_start, l.width, l.height,
                                 h.compression == kRle4);
    if (rle != Refusal::None) return Refused(rle);
  } else {
    const qint64 stride = (l.width * l.bits + 31) / 32 * 4;
    if (h.data_start + stride * l.height > file_size) return Refused(short_file);
  }
  return {h, Refusal::None};
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

CheckedBmpHeader CheckBmpHeader(const QByteArray& bytes, const PictureLimits& limits) {
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  return ParseHeader(p, bytes.size(), bytes.size(), limits);
}

Decoded DecodeBmp(const QByteArray& bytes, const PictureLimits& limits) {
  const CheckedBmpHeader checked = CheckBmpHeader(bytes, limits);
  if (checked.refusal != Refusal::None) return Decoded::Refused(checked.refusal);
  const BmpHeader& header = checked.header;
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  const qint64 size = bytes.size();
  if (header.layout.rle) {
    return DecodeBmpRle(header.layout, p + header.data_start, size - header.data_start);
  }
  qint64 at = header.data_start;
  return DecodeBmpRows(header.layout, [&](uchar* dst, qint64 n) {
    if (at + n > size) return false;
    std::memcpy(dst, p + at, static_cast<size_t>(n));
    at += n;
    return true;
  });
}

// The first read holds the headers and the colour table of any file we are likely to meet; when
// it does not (or for RLE data, which is walked whole), the rest is read and decoded whole.
Decoded ReadBmp(QIODevice* file, qint64 file_size, const PictureLimits& limits, qint64 first_read) {
  QByteArray bytes = file->read(std::min(file_size, first_read));
  if (bytes.size() == file_size) return DecodeBmp(bytes, limits);
  const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
  const CheckedBmpHeader checked = ParseHeader(p, bytes.size(), file_size, limits);
  if (checked.refusal != Refusal::None || checked.header.layout.rle) {
    if (bytes.size() < file_size) bytes += file->read(file_size - bytes.size());
    return DecodeBmp(bytes, limits);
  }
  if (!file->seek(checked.header.data_start)) return Decoded::Refused(Refusal::Unreadable);
  return DecodeBmpRows(checked.header.layout, [file](uchar* dst, qint64 n) {
    return file->read(reinterpret_cast<char*>(dst), n) == n;
  });
}

bool DecodeSnapshot(const QByteArray& stream, QImage* picture) {
  int w = 0, h = 0;
  if (!IsOwnSnapshot(stream, &w, &h)) {
    QImage image = DecodeBmp(stream).image;
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
