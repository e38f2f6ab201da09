#include "document/bmp_pixels.h"

#include <bit>
#include <optional>
#include <vector>

#include "document/fresh_picture.h"

namespace nabrilo {

namespace {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 is B, G, R, X in memory");

constexpr QRgb kOpaque = 0xFF000000u;

// A channel of n bits, scaled so that 0 stays 0 and n ones become 255, rounded to nearest: a
// 5-bit 31 is 255 and 16 is 132. Channels wider than 16 bits are looked up by their top 16.
class ChannelScale {
 public:
  explicit ChannelScale(BmpChannel c) : shift_(c.shift), drop_(c.bits > 16 ? c.bits - 16 : 0) {
    const int bits = c.bits - drop_;
    const quint32 max = (quint32{1} << bits) - 1;
    mask_ = max;
    table_.resize(max + 1);
    for (quint32 v = 0; v <= max; ++v) table_[v] = static_cast<uchar>((v * 255 + max / 2) / max);
  }
  quint32 operator()(quint32 pixel) const { return table_[(pixel >> shift_ >> drop_) & mask_]; }

 private:
  int shift_, drop_;
  quint32 mask_ = 0;
  std::vector<uchar> table_;
};

// Each row is read into the start of its own scan line and widened there from its end
// backwards: the four bytes of pixel x never reach a stored byte not yet read.
void WidenPalette(uchar* row, qint64 width, int bits, const std::array<QRgb, 256>& palette) {
  auto* out = reinterpret_cast<QRgb*>(row);
  const int per_byte = 8 / bits, mask = (1 << bits) - 1;
  for (qint64 x = width - 1; x >= 0; --x) {
    const int shift = (per_byte - 1 - static_cast<int>(x % per_byte)) * bits;
    out[x] = palette[(row[x / per_byte] >> shift) & mask];
  }
}

void Widen24(uchar* row, qint64 width) {
  auto* out = reinterpret_cast<QRgb*>(row);
  for (qint64 x = width - 1; x >= 0; --x) {
    const uchar* p = row + x * 3;
    out[x] = kOpaque | p[0] | (quint32{p[1]} << 8) | (quint32{p[2]} << 16);
  }
}

class MaskedWidener {
 public:
  explicit MaskedWidener(const BmpLayout& l)
      : bits_(l.bits), red_(l.channels[0]), green_(l.channels[1]), blue_(l.channels[2]) {
    const auto plain = [](BmpChannel c, int shift) { return c.bits == 8 && c.shift == shift; };
    plain_ = bits_ == 32 && plain(l.channels[0], 16) && plain(l.channels[1], 8) &&
             plain(l.channels[2], 0);
  }
  void operator()(uchar* row, qint64 width) const {
    auto* out = reinterpret_cast<QRgb*>(row);
    if (plain_) {  // the usual 32-bit layout: only the unused byte changes
      for (qint64 x = 0; x < width; ++x) out[x] |= kOpaque;
      return;
    }
    for (qint64 x = width - 1; x >= 0; --x) {
      const quint32 pixel =
          bits_ == 16 ? quint32{row[2 * x]} | (quint32{row[2 * x + 1]} << 8) : out[x];
      out[x] = kOpaque | (red_(pixel) << 16) | (green_(pixel) << 8) | blue_(pixel);
    }
  }

 private:
  int bits_;
  bool plain_ = false;
  ChannelScale red_, green_, blue_;
};

// Walks RLE8/RLE4 data: every run, literal block and jump must stay inside its row and the
// picture, and the data must reach its end-of-bitmap mark. `put(x, y, index)` receives each
// pixel the data gives, y counted from the bottom row.
template <typename Put>
Refusal WalkRle(const uchar* p, qint64 size, qint64 width, qint64 height, bool four_bits, Put put) {
  qint64 x = 0, y = 0, i = 0;
  while (i + 1 < size) {
    const int count = p[i], code = p[i + 1];
    i += 2;
    if (count > 0) {  // a run of `count` pixels, alternating two indices in RLE4
      if (x + count > width || y >= height) return Refusal::BadRle;
      for (int k = 0; k < count; ++k) {
        put(x + k, y, four_bits ? (k % 2 ? code & 15 : code >> 4) : code);
      }
      x += count;
      continue;
    }
    switch (code) {
      case 0:  // end of line
        x = 0;
        if (++y > height) return Refusal::BadRle;
        break;
      case 1:  // end of bitmap
        return Refusal::None;
      case 2:  // jump
        if (i + 1 >= size) return Refusal::Truncated;
        x += p[i];
        y += p[i + 1];
        i += 2;
        if (x > width || y >= height) return Refusal::BadRle;
        break;
      default: {  // `code` literal pixels, padded to a 16-bit boundary
        const qint64 bytes = four_bits ? (code + 1) / 2 : code;
        if (x + code > width || y >= height) return Refusal::BadRle;
        if (i + bytes > size) return Refusal::Truncated;
        for (int k = 0; k < code; ++k) {
          const int byte = four_bits ? p[i + k / 2] : p[i + k];
          put(x + k, y, four_bits ? (k % 2 ? byte & 15 : byte >> 4) : byte);
        }
        x += code;
        i += bytes + (bytes & 1);
        if (i > size) return Refusal::Truncated;
      }
    }
  }
  return Refusal::Truncated;  // no end-of-bitmap mark
}

}  // namespace

bool ChannelsFromMasks(quint32 red, quint32 green, quint32 blue, int bits,
                       std::array<BmpChannel, 3>* channels) {
  const quint32 masks[] = {red, green, blue};
  if ((red & green) || (red & blue) || (green & blue)) return false;
  for (int i = 0; i < 3; ++i) {
    const quint32 m = masks[i];
    if (m == 0 || (bits < 32 && (m >> bits) != 0)) return false;
    const int shift = std::countr_zero(m);
    const quint32 ones = m >> shift;
    if ((ones & (ones + 1)) != 0) return false;  // a mask with a gap in it
    (*channels)[i] = {shift, std::popcount(ones)};
  }
  return true;
}

Decoded DecodeBmpRows(const BmpLayout& l, const BmpRowReader& read) {
  QImage image = FreshPicture(static_cast<int>(l.width), static_cast<int>(l.height));
  if (image.isNull()) return Decoded::Refused(Refusal::NoMemory);
  const qint64 stride = (l.width * l.bits + 31) / 32 * 4;
  std::optional<MaskedWidener> masked;
  if (l.bits == 16 || l.bits == 32) masked.emplace(l);
  for (qint64 r = 0; r < l.height; ++r) {
    uchar* row = image.scanLine(static_cast<int>(l.top_down ? r : l.height - 1 - r));
    if (!read(row, stride)) return Decoded::Refused(Refusal::Truncated);
    if (l.bits <= 8) {
      WidenPalette(row, l.width, l.bits, l.palette);
    } else if (l.bits == 24) {
      Widen24(row, l.width);
    } else {
      (*masked)(row, l.width);
    }
  }
  return Decoded::Picture(image);
}

Refusal CheckRle(const uchar* data, qint64 size, qint64 width, qint64 height, bool four_bits) {
  return WalkRle(data, size, width, height, four_bits, [](qint64, qint64, int) {});
}

Decoded DecodeBmpRle(const BmpLayout& l, const uchar* data, qint64 size) {
  QImage image = FreshPicture(static_cast<int>(l.width), static_cast<int>(l.height));
  if (image.isNull()) return Decoded::Refused(Refusal::NoMemory);
  image.fill(l.palette[0]);
  const qint64 bottom = l.height - 1;
  const Refusal refusal =
      WalkRle(data, size, l.width, l.height, l.bits == 4, [&](qint64 x, qint64 y, int index) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(bottom - y)));
        row[x] = l.palette[index];
      });
  if (refusal != Refusal::None) return Decoded::Refused(refusal);
  return Decoded::Picture(image);
}

}  // namespace nabrilo
