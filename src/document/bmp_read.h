#pragma once
// Reading BMP file images: our own check of the header (sizes within the program's limits, data
// actually present), then Qt's maintained reader for the pixels (1, 4, 8, 16, 24 and 32 bits,
// RLE, bit fields, top-down and bottom-up, OS/2 and Windows headers).

#include <QByteArray>
#include <QImage>
#include <optional>

#include "document/picture_limits.h"

namespace nabrilo {

struct BmpHeader {
  qint64 width = 0;
  qint64 height = 0;  // always positive; top_down tells the row order
  bool top_down = false;
  int bits = 0;
  quint32 compression = 0;
};

// The header of `bytes` (a whole BMP file image) when it describes a picture we are willing to
// decode; nothing for nonsense sizes, sizes beyond `limits`, unknown kinds or missing data.
std::optional<BmpHeader> CheckBmpHeader(const QByteArray& bytes, const PictureLimits& limits);

// The picture in Format_RGB32, or a null image when the bytes are no readable BMP.
QImage DecodeBmp(const QByteArray& bytes, const PictureLimits& limits = {});

// An undo snapshot back into `picture`. Snapshots we wrote ourselves are copied straight into
// the picture's own buffer when the size matches; anything else goes through DecodeBmp. False,
// with `picture` untouched, when the stream cannot be decoded.
bool DecodeSnapshot(const QByteArray& stream, QImage* picture);

}  // namespace nabrilo
