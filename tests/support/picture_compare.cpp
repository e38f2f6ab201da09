#include "support/picture_compare.h"

#include <sstream>

namespace nabrilo {

PictureDiff ComparePictures(const QImage& expected_in, const QImage& actual_in) {
  PictureDiff d;
  d.same_size = expected_in.size() == actual_in.size();
  if (!d.same_size) return d;
  const QImage e = expected_in.convertToFormat(QImage::Format_RGB32);
  const QImage a = actual_in.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < e.height(); ++y) {
    const auto* pe = reinterpret_cast<const QRgb*>(e.constScanLine(y));
    const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    for (int x = 0; x < e.width(); ++x) {
      if ((pe[x] & 0xFFFFFF) == (pa[x] & 0xFFFFFF)) continue;
      if (d.differing++ == 0) {
        d.first_x = x;
        d.first_y = y;
        d.expected_rgb = pe[x] & 0xFFFFFF;
        d.actual_rgb = pa[x] & 0xFFFFFF;
      }
    }
  }
  return d;
}

long InkedPixels(const QImage& image) {
  long n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu;
  }
  return n;
}

QImage WhitePicture(int w, int h) {
  QImage white(w, h, QImage::Format_RGB32);
  white.fill(Qt::white);
  return white;
}

std::string PictureDiff::Describe() const {
  std::ostringstream s;
  if (!same_size) return "the pictures differ in size";
  s << differing << " differing pixels";
  if (differing > 0) {
    s << ", the first at (" << first_x << ", " << first_y << "): expected #" << std::hex
      << expected_rgb << ", got #" << actual_rgb;
  }
  return s.str();
}

}  // namespace nabrilo
