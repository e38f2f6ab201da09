#pragma once
// The BMP file image of a picture: 32 bits per pixel, BI_RGB, rows bottom-up. For RGB32 pictures
// each row is one block copy.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace nabrilo {

// Appends the BMP file image of `image` (any format; RGB32 is the fast path) to `out`.
void EncodeBmp(const QImage& image, QByteArray* out);
QByteArray EncodeBmp(const QImage& image);

// Writes the BMP file image to `path`; false when the file cannot be written completely.
bool WriteBmpFile(const QImage& image, const QString& path);

}  // namespace nabrilo
