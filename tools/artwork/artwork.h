#pragma once
// nabrilo-artwork: draws the program's pictures (named cursors, palette glyphs, the map image
// list, the window icon) with the program's own canvas and stamps, at build time.

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/canvas.h"

namespace nabrilo::artwork {

using Drawing = std::function<void(Canvas&)>;

// Draws `draw` on a w × h picture and keeps what it painted (its own whites included) on a
// transparent ground: the drawing is made on white and on black, and pixels that differ
// between the two were not painted.
QImage Render(int w, int h, const Drawing& draw);
// The same on a white ground, opaque.
QImage RenderOpaque(int w, int h, const Drawing& draw);
// Crops `picture` to what is painted and centres it in `size`, scaled down (aspect kept) when it
// does not fit.
QImage FitInto(const QImage& picture, QSize size);

// A picture written by one of the parts below, with its path inside the resources.
struct Output {
  QString path;  // "cursors/Cursor_001.nbrp"
  QImage image;
  QPoint hot_spot;  // cursors only
};
std::vector<Output> Cursors();
std::vector<Output> Glyphs();
std::vector<Output> ImageList();
// The program's icon at each size the desktop uses, square.
std::vector<Output> ProgramIcons();

// Shapes shared by the glyphs and the image list.
void DrawPointerArrow(Canvas& c);  // the "no tool" arrow, 32 × 32

}  // namespace nabrilo::artwork
