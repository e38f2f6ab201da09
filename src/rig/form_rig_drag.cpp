// One pointer move in rig mode: the trail of the traced lines, the live lines drawn for good, and
// the erasers, each by its tool's row.
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

void TForm_Main::Rig_Drag(int X, int Y) {
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (tool && Line_Mode == Drag_Line_Mode(tool->stroke)) {
    const RigStroke& stroke = tool->stroke;
    switch (stroke.gesture) {
      case RigGesture::None:
      case RigGesture::Rod:
      case RigGesture::Stamp:
      case RigGesture::Text:
        break;
      case RigGesture::TracedLine:
        Trail_Add(X, Y);
        break;
      case RigGesture::LiveLine:
        switch (stroke.live) {
          case LiveDirection::Free:
            Drag_Line(*this, stroke.pen_width, X, Y);
            break;
          case LiveDirection::Vertical:
            Drag_Line(*this, stroke.pen_width, Start_X, Y);
            break;
          case LiveDirection::Horizontal:
            Drag_Line(*this, stroke.pen_width, X, Start_Y);
            break;
        }
        break;
      case RigGesture::Eraser: {
        // A white disc where the eraser was, then one with a red ring where it is now.
        const int r = stroke.eraser_radius;
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
