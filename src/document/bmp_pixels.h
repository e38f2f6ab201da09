#pragma once
// The pixels of a BMP file image into Format_RGB32, once the header is known to be sound:
// palette rows of 1, 4 and 8 bits, RLE8 and RLE4 data, 16- and 32-bit pixels under any set of
// colour masks, and 24-bit pixels.

#include <QImage>
#include <QtGlobal>
#include <array>
#include <functional>

#include "document/picture_refusal.h"

namespace nabrilo {

// A colour channel of a 16- or 32-bit pixel: where it sits and how many bits it has.
struct BmpChannel {
  int shift = 0;
  int bits = 0;
};

struct BmpLayout {
  qint64 width = 0;
  qint64 height = 0;
  bool top_down = false;
  int bits = 0;
  bool rle = false;
  std::array<QRgb, 256> palette{};       // entries the file does not give are black
  std::array<BmpChannel, 3> channels{};  // red, green, blue (16 and 32 bits only)
};

// The channels of a mask set, or false when the masks cannot describe colours of `bits`-bit
// pixels: a zero, broken or overlapping colour mask, or one reaching past the pixel.
bool ChannelsFromMasks(quint32 red, quint32 green, quint32 blue, int bits,
                       std::array<BmpChannel, 3>* channels);

// The stored bytes of one row, in the file's order. `read(dst, n)` copies the next n bytes of
// the pixel data to dst and is false when they are not there.
using BmpRowReader = std::function<bool(uchar* dst, qint64 n)>;

// Rows of uncompressed data into a new picture; refused when the data runs short or the
// picture's memory cannot be had.
Decoded DecodeBmpRows(const BmpLayout& layout, const BmpRowReader& read);

// Whether RLE data of `size` bytes stays inside a width × height picture (else BadRle) and
// reaches its end-of-bitmap mark (else Truncated): Refusal::None when it does both.
Refusal CheckRle(const uchar* data, qint64 size, qint64 width, qint64 height, bool four_bits);

// RLE data (already checked) into a new picture. Pixels the data skips take palette colour 0.
Decoded DecodeBmpRle(const BmpLayout& layout, const uchar* data, qint64 size);

}  // namespace nabrilo
