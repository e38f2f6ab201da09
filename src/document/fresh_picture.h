#pragma once
// A new picture for a decoder to fill.

#include <QImage>

namespace nabrilo {

// A w × h picture in Format_RGB32, its pixels not yet set; a null image when the memory cannot
// be had. Touching fresh memory page by page costs more than reading a whole file (a fault per
// 4 kB), so large pictures ask for 2 MB pages where the system offers them.
QImage FreshPicture(int width, int height);

}  // namespace nabrilo
