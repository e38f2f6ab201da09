#pragma once
// Bitmap: a picture in memory with its canvas. Copying a bitmap copies its pixels; the copy's
// canvas starts in the state of a new canvas, as a picture that takes its own copy does.

#include <QImage>
#include <algorithm>

#include "platform/canvas.h"

namespace nabrilo {

class Bitmap {
 public:
  // A white picture of w × h (0 × 0 is empty).
  Bitmap(int w = 0, int h = 0);
  // Takes the pixels of `image`, converted to the canvas format.
  explicit Bitmap(const QImage& image);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  Canvas& GetCanvas() { return canvas_; }
  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

 private:
  QImage image_;
  Canvas canvas_{&image_};
};

}  // namespace nabrilo
