#pragma once
// Decoding JPEG files with libjpeg-turbo at full size into Format_RGB32: baseline and
// progressive, greyscale, colour and CMYK/YCCK, turned upright as the EXIF orientation asks.

#include <QByteArray>
#include <QImage>

#include "document/picture_limits.h"
#include "document/picture_refusal.h"

namespace nabrilo {

// The picture, or why there is none: the bytes describe a picture beyond `limits`, or are
// damaged in any way libjpeg notices (a cut-off file included; its words go in the detail).
Decoded DecodeJpeg(const QByteArray& bytes, const PictureLimits& limits = {});

}  // namespace nabrilo
