#pragma once
// PNG files. Reading through Qt's reader: 1- to 16-bit, palette, grey and colour, with or without
// alpha, into Format_RGB32 with transparent areas laid on white paper. Writing through libpng
// itself, 24-bit colour at a fast level: a phone photo is written in about half a second at
// about 1.05 times the size of Qt's writer at its default level, which takes over five seconds.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "document/picture_limits.h"
#include "document/picture_refusal.h"

namespace nabrilo {

// The picture, or why the bytes cannot be decoded: they describe a picture beyond `limits`
// (checked from the header, before anything of the picture's size is allocated), end before the
// closing chunk, or are refused by libpng.
Decoded DecodePng(const QByteArray& bytes, const PictureLimits& limits = {});

// `image` in Format_RGB32 as it shows over white paper; a null image when memory runs out.
QImage LaidOnWhite(const QImage& image);

// The zlib level the PNG writer uses (1 fastest … 9 smallest), with the "up" filter on every row.
constexpr int kPngCompression = 1;

// Writes `image` as a PNG to `path` the way WriteBmpFile writes a BMP: through a temporary file
// that replaces the target only once complete, regular files only. False when anything fails.
bool WritePngFile(const QImage& image, const QString& path);

}  // namespace nabrilo
