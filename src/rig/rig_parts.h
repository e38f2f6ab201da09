#pragma once
// The tackle parts and rods as drawing on a canvas, apart from the window, so that the same
// drawing serves the picture, the palette glyphs and the stamp cursors.

#include <QRect>

#include "platform/canvas.h"

namespace nabrilo {

// True for the rig tools that stamp a part: tags 1 to 12 and 31 to 34.
bool IsRigStampTag(int tag);
// Draws the part of rig tool `tag` with its anchor at (x, y); other tags draw nothing.
void DrawRigStamp(Canvas& canvas, int tag, int x, int y);
// The rods with their reels; the reel is placed at offsets from (x, y), the rod is fixed.
void DrawRodSpinning(Canvas& canvas, int x, int y);
void DrawRodRevolving(Canvas& canvas, int x, int y);

// Where the part of rig tool `tag` lies around its anchor, for placing it in a glyph or a cursor:
// the offsets of the points it passes to the canvas, from the smallest to the largest (a wide pen
// reaches one pixel further). Empty for tags that stamp no part.
QRect RigStampExtent(int tag);

}  // namespace nabrilo
