// Pointer moves: the map drag step in map mode; in rig mode the trail of the traced strokes, the
// free, vertical and horizontal lines drawn for good, and the erasers.
#include "app/form_main.h"
#include "interaction/rig_tools.h"
#include "platform/arith.h"

namespace nabrilo {

namespace {

enum class Follow { Pointer, StartColumn, StartRow };

struct DragLine {
  int tag;
  int line_mode;
  int pen_width;
  Follow to;
};

constexpr DragLine kDragLines[] = {
    {21, 1, 1, Follow::Pointer},      // "自由細　ライン"
    {22, 1, 2, Follow::Pointer},      // "自由太　ライン"
    {23, 2, 2, Follow::StartColumn},  // "垂直　太　ライン"
    {24, 3, 2, Follow::StartRow},     // "水平　太　ライン"
    {27, 4, 1, Follow::StartColumn},  // "垂直　細　ライン"
    {28, 5, 1, Follow::StartRow},     // "水平　細　ライン"
};

constexpr TColor kEraserRing = clRed;

void Drag_Line(TForm_Main& f, int X, int Y) {
  for (const DragLine& line : kDragLines) {
    if (line.tag != f.Buhin_Tag || line.line_mode != f.Line_Mode) continue;
    Canvas& canvas = f.Picture_Canvas();
    canvas.SetPenWidth(line.pen_width);
    canvas.SetPenColor(f.ColorBox1->Selected());
    switch (line.to) {
      case Follow::Pointer:
        canvas.LineTo(X, Y);
        break;
      case Follow::StartColumn:
        canvas.LineTo(f.Start_X, Y);
        break;
      case Follow::StartRow:
        canvas.LineTo(X, f.Start_Y);
        break;
    }
  }
}

// A white disc where the eraser was, then one with a red ring where it is now.
void Drag_Eraser(TForm_Main& f, int X, int Y) {
  const int r = Eraser_Radius(f.Buhin_Tag);
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetBrushStyle(bsSolid);
  canvas.SetBrushColor(clWhite);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(clWhite);
  canvas.Ellipse(SatAdd(f.Last_X, -r), SatAdd(f.Last_Y, -r), SatAdd(f.Last_X, r),
                 SatAdd(f.Last_Y, r));
  canvas.SetPenColor(kEraserRing);
  canvas.Ellipse(SatAdd(X, -r), SatAdd(Y, -r), SatAdd(X, r), SatAdd(Y, r));
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
  if (Line_Mode == 1 && Is_Traced_Stroke(Buhin_Tag)) Trail_Add(X, Y);
  Drag_Line(*this, X, Y);
  if (Line_Mode == 1 && Eraser_Radius(Buhin_Tag) > 0) Drag_Eraser(*this, X, Y);
  Last_X = X;
  Last_Y = Y;
}

}  // namespace nabrilo
