#pragma once
// A set of pixels kept as horizontal runs, clipped to a rectangle as it is built. Every figure is
// collected into one such set and painted once, so that no pixel is touched twice by the same
// operation (which matters in not-xor mode).

#include <QRect>
#include <cstdint>
#include <vector>

namespace nabrilo {

struct Span {
  int y;
  int x0;  // first pixel
  int x1;  // one past the last pixel
};

class SpanSet {
 public:
  // Union: a pixel added several times is in the set once. Parity: a pixel is in the set when it
  // was added an odd number of times, as when each piece of a figure is inverted on its own.
  enum class Mode { Union, Parity };
  explicit SpanSet(QRect clip, Mode mode = Mode::Union) : clip_(clip), mode_(mode) {}

  const QRect& clip() const { return clip_; }

  // Adds the pixels x0 … x1-1 of row y (empty when x1 <= x0); coordinates may be any 64-bit value.
  void Add(std::int64_t y, std::int64_t x0, std::int64_t x1);
  void AddPixel(std::int64_t x, std::int64_t y) { Add(y, x, x + 1); }
  void AddSet(const SpanSet& other);

  // Sorts the runs by row and column and merges the ones that overlap or touch.
  void Normalise();
  // Removes the pixels of `other` (both normalised) from this set.
  void Subtract(const SpanSet& other);

  bool empty() const { return spans_.empty(); }
  const std::vector<Span>& spans() const { return spans_; }
  QRect Bounds() const;  // of a normalised set

 private:
  void NormaliseParity();

  QRect clip_;
  Mode mode_;
  std::vector<Span> spans_;
  bool normalised_ = true;
};

}  // namespace nabrilo
