// Pointer moves: the map drag step in map mode; in rig mode the trail of the traced strokes, the
// free, vertical and horizontal lines drawn for good, and the erasers.
#include "app/form_main.h"
#include "platform/arith.h"
#include "rig/rig_tools.h"

namespace nabrilo {

namespace {

constexpr TColor kEraserRing = clRed;

void Drag_Line(TForm_Main& f, int pen_width, int X, int Y) {
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenWidth(pen_width);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.LineTo(X, Y);
}

}  // namespace

void TForm_Main::Image1MouseMove(QObject*, TShiftState, int X, int Y) {
  if (!Is_Rig_Mode()) {
    Map_Drag(X, Y);
    return;
  }
  // The gate tests the last press, not the pointer: a drag begun on the top row, the left column
  // or outside the picture draws nothing while it moves.
  if (!(0 < Press_X && Press_X < Image1->width() && 0 < Press_Y && Press_Y < Image1->height())) {
    return;
  }
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (tool && Line_Mode == tool->line_mode) {
    switch (tool->drag) {
      case OnDrag::Nothing:
        break;
      case OnDrag::Trail:
        Trail_Add(X, Y);
        break;
      case OnDrag::Free:
        Drag_Line(*this, tool->pen_width, X, Y);
        break;
      case OnDrag::Vertical:
        Drag_Line(*this, tool->pen_width, Start_X, Y);
        break;
      case OnDrag::Horizontal:
        Drag_Line(*this, tool->pen_width, X, Start_Y);
        break;
      case OnDrag::Eraser: {
        // A white disc where the eraser was, then one with a red ring where it is now.
        const int r = tool->eraser_radius;
        Eraser_Disc(Last_X, Last_Y, r);
        Canvas& canvas = Picture_Canvas();
        canvas.SetPenColor(kEraserRing);
        canvas.Ellipse(SatAdd(X, -r), SatAdd(Y, -r), SatAdd(X, r), SatAdd(Y, r));
        break;
      }
    }
  }
  Last_X = X;
  Last_Y = Y;
}

}  // namespace nabrilo
