#pragma once
// The map symbols as drawing on a canvas, apart from the window, so that the same drawing serves
// the picture and the parts-bank pictures of the image list.

#include <QRect>

#include "platform/canvas.h"
#include "stamps/stamp_table.h"

namespace nabrilo {

// True for the parts-bank tools that stamp a symbol: tags 101 to 107.
bool IsMapStampTag(int tag);
// Draws the symbol of parts-bank tool `tag` with its anchor at (x, y); other tags draw nothing.
void DrawMapStamp(Canvas& canvas, int tag, int x, int y);
// One sand dot: the 2 × 2 pixels at (x, y).
void DrawSandDot(Canvas& canvas, int x, int y);

// Where the symbol of tool `tag` lies around its anchor, for placing it in a picture of the image
// list: the offsets of the points it passes, from the smallest to the largest (a wide pen reaches
// one pixel further). Empty for tags that stamp no symbol.
QRect MapStampExtent(int tag);

// The operations behind DrawMapStamp, for running them on a stand-in canvas that records the
// calls (stamp::RunTable). Empty for tags that stamp no symbol.
stamp::Table MapStampTable(int tag);

}  // namespace nabrilo
