#pragma once
// The program's own artwork (cursors, glyphs, the image list) is embedded as raw 32-bit pixels
// behind a twelve-byte header, so that start-up copies pictures instead of decoding them.
// Header: "NBRP", width and height (16 bits each), the hot spot x and y (16 bits each, signed);
// then width × height ARGB32 pixels, little-endian, top row first.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

namespace nabrilo {

struct RawPicture {
  QImage image;  // Format_ARGB32
  QPoint hot_spot;
};

QByteArray EncodeRawPicture(const QImage& image, QPoint hot_spot = {});
// Nothing when the bytes are not a whole picture of this format.
std::optional<RawPicture> DecodeRawPicture(const QByteArray& bytes);
// Reads and decodes a resource or file; nothing when it is missing or not a picture.
std::optional<RawPicture> LoadRawPicture(const QString& path);

}  // namespace nabrilo
