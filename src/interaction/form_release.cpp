// The release over the picture hands over to the release of the mode, the rig's or the map's.
// Here too are the two strokes both modes draw: an arrow head and the eraser's white disc.
#include "app/form_main.h"
#include "platform/arith.h"
#include "rig/stroke_geometry.h"

namespace nabrilo {

void TForm_Main::Image1MouseUp(QObject*, TMouseButton, TShiftState, int X, int Y) {
  if (Is_Rig_Mode()) {
    Rig_Mouse_Up(X, Y);
  } else {
    Map_Mouse_Up(X, Y);
  }
  Haba_DY = 0;
}

void TForm_Main::Draw_Arrow_Head(int x1, int y1, int x2, int y2) {
  Canvas& canvas = Picture_Canvas();
  const TPoint tip{x2, y2};
  const auto [a, b] = ArrowHeadCorners(ArrowHeadLength(canvas.PenWidth()), {x1, y1}, tip);
  canvas.SetBrushStyle(bsSolid);
  canvas.SetBrushColor(canvas.PenColor());
  const TPoint head[] = {tip, a, b};
  canvas.Polygon(head);
  canvas.SetBrushColor(clWhite);
}

void TForm_Main::Eraser_Disc(int x, int y, int r) {
  Canvas& canvas = Picture_Canvas();
  canvas.SetPenMode(pmCopy);
  canvas.SetBrushStyle(bsSolid);
  canvas.SetBrushColor(clWhite);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(clWhite);
  canvas.Ellipse(SatAdd(x, -r), SatAdd(y, -r), SatAdd(x, r), SatAdd(y, r));
}

}  // namespace nabrilo
