#pragma once
// Reading BMP file images: our own check of the header (sizes within the program's limits, data
// actually present, colour masks that make sense), then our own reader for the pixels (1, 4, 8,
// 16, 24 and 32 bits, RLE, any bit-field layout, top-down and bottom-up, Windows and OS/2
// headers of every size they come in).

#include <QByteArray>
#include <QIODevice>
#include <QImage>

#include "document/bmp_pixels.h"
#include "document/picture_limits.h"
#include "document/picture_refusal.h"

namespace nabrilo {

struct BmpHeader {
  BmpLayout layout;  // height always positive; top_down tells the row order
  quint32 compression = 0;
  qint64 data_start = 0;  // where the pixel data begins in the file
};

// The header of a BMP file, or why the file is refused.
struct CheckedBmpHeader {
  BmpHeader header;                 // when refusal is None
  Refusal refusal = Refusal::None;  // nonsense or too large sizes, unknown kinds, missing data…
};

// The header of `bytes` (a whole BMP file image) when it describes a picture we are willing to
// decode within `limits`, or the reason it does not.
CheckedBmpHeader CheckBmpHeader(const QByteArray& bytes, const PictureLimits& limits);

// The picture in Format_RGB32, or why the bytes are no readable BMP.
Decoded DecodeBmp(const QByteArray& bytes, const PictureLimits& limits = {});

// The same from an open file of `file_size` bytes, whose first `first_read` bytes are read to
// find the header. Uncompressed rows then go straight from the file into the picture, so a large
// picture never needs a second copy of itself in memory.
Decoded ReadBmp(QIODevice* file, qint64 file_size, const PictureLimits& limits = {},
                qint64 first_read = 64 * 1024);

// An undo snapshot back into `picture`. Snapshots we wrote ourselves are copied straight into
// the picture's own buffer when the size matches; anything else goes through DecodeBmp. False,
// with `picture` untouched, when the stream cannot be decoded.
bool DecodeSnapshot(const QByteArray& stream, QImage* picture);

}  // namespace nabrilo
