#pragma once
// The map symbols as drawing on a canvas, apart from the window, so that the same drawing serves
// the picture and the parts-bank pictures of the image list.

#include "platform/canvas.h"

namespace nabrilo {

// True for the parts-bank tools that stamp a symbol: tags 101 to 107.
bool IsMapStampTag(int tag);
// Draws the symbol of parts-bank tool `tag` with its anchor at (x, y); other tags draw nothing.
void DrawMapStamp(Canvas& canvas, int tag, int x, int y);
// One sand dot: the 2 × 2 pixels at (x, y).
void DrawSandDot(Canvas& canvas, int x, int y);

}  // namespace nabrilo
