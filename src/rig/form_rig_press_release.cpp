// The rig-mode parts of the press and the release, each by the chosen tool's row: the press
// stamps a part at the screen pointer, ends a rod, starts a stroke or opens the text field; the
// release draws a traced line from the press point once the trail is put back, ends a live line,
// paints the eraser's last disc, and records each finished stroke for undo.
#include "app/form_main.h"
#include "platform/cursors.h"
#include "rig/rig_parts.h"
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

void Finish_Traced(TForm_Main& f, const RigStroke& stroke, int X, int Y) {
  switch (stroke.traced) {
    case TracedFigure::Straight:
      Straight_From_Trail(f, stroke.pen_width, X, Y);
      break;
    case TracedFigure::ArcUp:
      Arc_From_Trail(f, stroke.pen_width, TForm_Main::ArcDirection::Upward);
      break;
    case TracedFigure::ArcDown:
      Arc_From_Trail(f, stroke.pen_width, TForm_Main::ArcDirection::Downward);
      break;
    case TracedFigure::Arrow:
      Straight_From_Trail(f, stroke.pen_width, X, Y);
      f.Draw_Arrow_Head(f.Begin_X, f.Begin_Y, X, Y);
      break;
  }
}

}  // namespace

void TForm_Main::Rig_Mouse_Down(int X, int Y) {
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (!tool) return;
  switch (tool->stroke.gesture) {
    case RigGesture::None:
      break;
    case RigGesture::Stamp:
      DrawRigStamp(Picture_Canvas(), tool->tag, Press_X, Press_Y);
      Buhin_Tag = rig_tag::kNone;
      Take_Snapshot();
      SetScreenCursor(crDefault);
      break;
    case RigGesture::Rod:
      Buhin_Tag = rig_tag::kNone;
      Take_Snapshot();
      break;
    case RigGesture::TracedLine:
      Trail_Start(X, Y);
      break;
    case RigGesture::LiveLine:
      Line_Mode = Drag_Line_Mode(tool->stroke);
      Start_X = X;
      Start_Y = Y;
      Picture_Canvas().MoveTo(X, Y);
      break;
    case RigGesture::Eraser:
      Line_Mode = Drag_Line_Mode(tool->stroke);
      // The first disc of the drag falls where the eraser was last seen; moves the gate held back
      // would leave that somewhere the user never erased, so it starts at the press point.
      Last_X = X;
      Last_Y = Y;
      break;
    case RigGesture::Text:
      Start_X = X;
      Start_Y = Y;
      Open_Text_Edit(Edit_X);
      break;
  }
}

void TForm_Main::Rig_Mouse_Up(int X, int Y) {
  End_X = X;
  End_Y = Y;
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  // A release whose press did not begin a stroke on the picture ends nothing.
  if (!tool || Line_Mode == kLineNone) return;
  switch (tool->stroke.gesture) {
    case RigGesture::None:
    case RigGesture::Rod:
    case RigGesture::Stamp:
    case RigGesture::Text:
      return;  // they end nothing at the release
    case RigGesture::TracedLine:
      Finish_Traced(*this, tool->stroke, X, Y);
      break;
    case RigGesture::LiveLine:
      break;  // already on the picture
    case RigGesture::Eraser:
      Eraser_Disc(X, Y, tool->stroke.eraser_radius);
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

}  // namespace nabrilo
