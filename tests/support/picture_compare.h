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

}  // namespace nabrilo
