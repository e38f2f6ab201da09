#pragma once
// The BMP file image of a picture: 32 bits per pixel, BI_RGB, rows bottom-up. For RGB32 pictures
// each row is one block copy. The same bytes serve as undo snapshots and as saved files.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace nabrilo {

// Size in bytes of the BMP file image of a w × h picture.
qint64 BmpFileSize(int width, int height);

// Appends the BMP file image of `image` (any format; RGB32 is the fast path) to `out`.
void EncodeBmp(const QImage& image, QByteArray* out);
QByteArray EncodeBmp(const QImage& image);

// Replaces the content of `out` by the BMP file image of `image`, reusing the buffer `out`
// already has when it is large enough (snapshots: no fresh memory on the repeated path).
void EncodeBmpInto(const QImage& image, QByteArray* out);

// Writes the BMP file image to `path` through a temporary file in the same folder that replaces
// the target only once it is complete. False when anything fails; the target is then as it was
// and no temporary file is left. Only regular files are written (never a device or a pipe).
bool WriteBmpFile(const QImage& image, const QString& path);

}  // namespace nabrilo
