#include "platform/bitmap.h"

namespace nabrilo {

Bitmap::Bitmap(int w, int h) : image_(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32) {
  image_.fill(0xFFFFFFFFu);
}

Bitmap::Bitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

Bitmap::Bitmap(const Bitmap& other) : image_(other.image_) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) {
    image_ = other.image_;
    canvas_.ResetState();
  }
  return *this;
}

}  // namespace nabrilo
