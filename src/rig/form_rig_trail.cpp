// The pointer trail of the traced strokes: each position the pointer passes is marked as one blue
// pixel, and its earlier colour is kept (as text) so that the release can put it back.
#include <algorithm>

#include "app/form_main.h"

namespace nabrilo {

namespace {
constexpr TColor kTrailColor = clBlue;
}  // namespace

void TForm_Main::Trail_Start(int x, int y) {
  // A trail still shown (a second button pressed during a drag) goes back before its record is
  // overwritten.
  Trail_Restore();
  Trail_Live = true;
  Trail_Count = 0;
  Line_Mode = kLineDragging;
  Trail_XY[0][0] = x;
  Trail_XY[1][0] = y;
  Canvas& canvas = Picture_Canvas();
  // Outside the bitmap the read gives no colour; the restore then writes nowhere, so it is kept
  // like any other.
  Trail_Color[0] = ColorToText(static_cast<TColor>(canvas.Pixel(x, y)));
  Begin_X = x;
  Begin_Y = y;
  canvas.SetPixel(x, y, kTrailColor);
}

void TForm_Main::Trail_Add(int x, int y) {
  // A full trail records no more: nothing is written past the tables, and the stroke still ends
  // where the button is released.
  if (!Trail_Live || Trail_Count >= kTrailCapacity - 1) return;
  const int i = ++Trail_Count;
  Trail_XY[0][i] = x;
  Trail_XY[1][i] = y;
  Canvas& canvas = Picture_Canvas();
  Trail_Color[i] = ColorToText(static_cast<TColor>(canvas.Pixel(x, y)));
  canvas.SetPixel(x, y, kTrailColor);
}

void TForm_Main::Trail_Restore() {
  // Only once per trail: a stale record would paint old colours over newer drawing.
  if (!Trail_Live) return;
  Trail_Live = false;
  Canvas& canvas = Picture_Canvas();
  // Newest first: a pixel passed twice was recorded blue the second time, and its first entry,
  // restored last, gives back the colour it had before the stroke.
  for (int i = std::min(Trail_Count, kTrailCapacity - 1); i >= 0; --i) {
    const std::optional<TColor> kept = TextToColor(Trail_Color[i].View());
    canvas.SetPixel(Trail_XY[0][i], Trail_XY[1][i], kept.value_or(clWhite));
  }
}

}  // namespace nabrilo
