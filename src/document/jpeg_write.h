#pragma once
// Writing JPEG files through libjpeg-turbo, for photos with a map drawn on them. Full colour
// resolution (no chroma subsampling), so that thin coloured lines keep their colour.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace nabrilo {

constexpr int kJpegQuality = 92;

// The JPEG file image of `image`; empty when it cannot be compressed.
QByteArray EncodeJpeg(const QImage& image, int quality = kJpegQuality);

// Writes `image` as a JPEG to `path` the way WriteBmpFile writes a BMP: through a temporary file
// that replaces the target only once complete, regular files only. False when anything fails.
bool WriteJpegFile(const QImage& image, const QString& path);

}  // namespace nabrilo
