#pragma once
// The largest picture the program takes in. Checked from a file's header (or the clipboard's
// image) before anything of the picture's size is allocated, so a damaged or hostile file cannot
// make the program reserve gigabytes.

#include <QtGlobal>

namespace nabrilo {

struct PictureLimits {
  qint64 max_side = 32767;          // widest and highest, in pixels
  qint64 max_pixels = 100'000'000;  // width × height
};

inline bool WithinPictureLimits(qint64 width, qint64 height, const PictureLimits& limits = {}) {
  return width > 0 && height > 0 && width <= limits.max_side && height <= limits.max_side &&
         width * height <= limits.max_pixels;
}

}  // namespace nabrilo
