// The release: the traced strokes are drawn from the press point to the release point once the
// trail is put back, the lines drawn during the drag are ended, the eraser paints its last disc;
// each finished stroke is recorded for undo. In map mode the map release does its part.
#include "app/form_main.h"
#include "platform/arith.h"
#include "rig/rig_tools.h"
#include "rig/stroke_geometry.h"

namespace nabrilo {

namespace {

void Straight_From_Trail(TForm_Main& f, int pen_width, int X, int Y) {
  f.Trail_Restore();
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenWidth(pen_width);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.MoveTo(f.Trail_XY[0][0], f.Trail_XY[1][0]);
  canvas.LineTo(X, Y);
}

void Arc_From_Trail(TForm_Main& f, int pen_width, TForm_Main::ArcDirection direction) {
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.SetPenWidth(pen_width);
  f.Trail_Restore();
  f.Draw_Arc(direction);
}

}  // namespace

void TForm_Main::Image1MouseUp(QObject*, TMouseButton, TShiftState, int X, int Y) {
  if (Is_Rig_Mode()) {
    Rig_Mouse_Up(X, Y);
  } else {
    Map_Mouse_Up(X, Y);
  }
  Haba_DY = 0;
}

void TForm_Main::Rig_Mouse_Up(int X, int Y) {
  End_X = X;
  End_Y = Y;
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  // Stamps, rods, text and no tool end nothing here; nor does a release whose press did not
  // begin a stroke on the picture.
  if (!tool || tool->release == OnRelease::Nothing || Line_Mode == kLineNone) return;
  switch (tool->release) {
    case OnRelease::Nothing:
    case OnRelease::Finish:
      break;
    case OnRelease::Line:
      Straight_From_Trail(*this, tool->pen_width, X, Y);
      break;
    case OnRelease::ArcUp:
      Arc_From_Trail(*this, tool->pen_width, ArcDirection::Upward);
      break;
    case OnRelease::ArcDown:
      Arc_From_Trail(*this, tool->pen_width, ArcDirection::Downward);
      break;
    case OnRelease::Arrow:
      Straight_From_Trail(*this, tool->pen_width, X, Y);
      Draw_Arrow_Head(Begin_X, Begin_Y, X, Y);
      break;
    case OnRelease::Eraser:
      Eraser_Disc(X, Y, tool->eraser_radius);
      break;
  }
  Line_Mode = kLineNone;
  Take_Snapshot();
}

void TForm_Main::Draw_Arc(ArcDirection direction) {
  const ArcBulge bulge = direction == ArcDirection::Upward ? ArcBulge::Upward : ArcBulge::Downward;
  Bezier_Pts = ArcBezierPoints(bulge, {Begin_X, Begin_Y}, {End_X, End_Y});
  Picture_Canvas().PolyBezier(Bezier_Pts);
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
