#pragma once
// The orientation a camera records in a JPEG's EXIF block, and turning a decoded picture so that
// it shows as a photo viewer shows it.

#include <QByteArray>
#include <QImage>

namespace nabrilo {

// The EXIF orientation tag of a JPEG file image (1 to 8), or 1 when there is none or it is
// damaged: such a file is shown as stored.
int ExifOrientation(const QByteArray& jpeg);

// `stored` turned as `orientation` asks: 2 to 8 mirror and rotate, anything else leaves it as
// it is. A null image when memory runs out.
QImage Oriented(const QImage& stored, int orientation);

}  // namespace nabrilo
