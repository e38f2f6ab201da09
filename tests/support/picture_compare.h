#pragma once
// Pixel-for-pixel comparison of two pictures on their colour (RGB) only.

#include <QImage>
#include <string>

namespace nabrilo {

struct PictureDiff {
  bool same_size = false;
  long differing = 0;
  int first_x = -1, first_y = -1;
  unsigned expected_rgb = 0, actual_rgb = 0;
  std::string Describe() const;
};

PictureDiff ComparePictures(const QImage& expected, const QImage& actual);

// The number of pixels that are not white.
long InkedPixels(const QImage& image);

// A white picture of w × h, as a new picture is.
QImage WhitePicture(int w, int h);

}  // namespace nabrilo
