#pragma once
// Canvas: drawing on a bitmap with the semantics of the Windows GDI calls of the same names.
// A pen (colour, width, mode), a brush (colour, style), a font and a pen position persist between
// calls; each drawing routine of the program sets what it needs and leaves the rest as it is.

#include <QImage>
#include <QRect>
#include <QString>
#include <span>
#include <stdexcept>
#include <vector>

#include "platform/tcolor.h"

namespace nabrilo {

class SpanSet;

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

enum class TPenMode { pmCopy, pmNotXor };
enum class TBrushStyle { bsSolid, bsClear };
using enum TPenMode;
using enum TBrushStyle;

// Raised for a call that cannot be carried out as asked (a PolyBezier whose point count is not
// 3n + 1); nothing is drawn.
class CanvasError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

class Canvas {
 public:
  // Draws on `image`, which must be Format_RGB32 and must outlive the canvas.
  explicit Canvas(QImage* image);

  // The state of a new picture's canvas: black pen of width 1 in copy mode, white solid brush,
  // pen position (0, 0).
  void ResetState();

  // Pen.
  TColor PenColor() const { return pen_color_; }
  void SetPenColor(TColor c) { pen_color_ = c & 0xFFFFFFu; }
  int PenWidth() const { return pen_width_; }
  // Widths are kept within what a picture can show; 0 and less draw as 1, as in GDI.
  void SetPenWidth(int w) { pen_width_ = w < 1 ? 1 : (w > kMaxPenWidth ? kMaxPenWidth : w); }
  static constexpr int kMaxPenWidth = 32767;
  TPenMode PenMode() const { return pen_mode_; }
  void SetPenMode(TPenMode m) { pen_mode_ = m; }
  TPoint PenPos() const { return pen_pos_; }

  // Brush. Setting the colour of a clear brush makes it solid.
  TColor BrushColor() const { return brush_color_; }
  void SetBrushColor(TColor c) {
    brush_color_ = c & 0xFFFFFFu;
    brush_style_ = bsSolid;
  }
  TBrushStyle BrushStyle() const { return brush_style_; }
  void SetBrushStyle(TBrushStyle s) { brush_style_ = s; }

  // Figures. Lines omit their last pixel (width 1); boxes exclude their right and bottom edges.
  void MoveTo(int x, int y) { pen_pos_ = {x, y}; }
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2);
  void RoundRect(int x1, int y1, int x2, int y2, int corner_w, int corner_h);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Polygon(std::span<const TPoint> points);
  // 3n + 1 points: a start point and n cubic segments. Any other count raises CanvasError.
  void PolyBezier(std::span<const TPoint> points);

  // Single pixels; reads outside the bitmap give -1 (CLR_INVALID), writes there do nothing.
  std::int64_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);

  // Text in the canvas's font ("ＭＳ Ｐゴシック", 12 pixels, not antialiased) in the window-text
  // colour; the text cell is filled with the brush colour when the brush is solid.
  void TextOut(int x, int y, const QString& text);

  // The rectangle touched since the last call (clipped to the bitmap), and forget it.
  QRect TakeDirty();

  int Width() const { return image_->width(); }
  int Height() const { return image_->height(); }

 private:
  void PaintSpans(const SpanSet& spans, TColor color);
  void PaintShape(SpanSet& outline, SpanSet* inside);
  SpanSet PenSpans() const;
  bool Filled() const { return brush_style_ == bsSolid; }
  QRect Clip() const { return image_->rect(); }

  QImage* image_;
  TColor pen_color_ = clBlack;
  int pen_width_ = 1;
  TPenMode pen_mode_ = pmCopy;
  TColor brush_color_ = clWhite;
  TBrushStyle brush_style_ = bsSolid;
  TPoint pen_pos_;
  QRect dirty_;
};

}  // namespace nabrilo
