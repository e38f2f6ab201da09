// The release: the traced strokes are drawn from the press point to the release point once the
// trail is put back, the lines drawn during the drag are ended, the eraser paints its last disc;
// each finished stroke is recorded for undo. In map mode the map release does its part.
#include "app/form_main.h"
#include "interaction/rig_tools.h"
#include "interaction/stroke_geometry.h"
#include "platform/arith.h"

namespace nabrilo {

namespace {

enum class Release {
  Line,    // trail back, then a straight line from the press point
  Arc,     // trail back, then the Bezier arc
  Arrow,   // trail back, then the shaft and the head
  Finish,  // the line is already on the picture
  Eraser,  // the last white disc
};

struct RigRelease {
  int tag;
  Release action;
  int pen_width = 1;
  TForm_Main::ArcDirection direction = TForm_Main::ArcDirection::Upward;
};

using enum TForm_Main::ArcDirection;

constexpr RigRelease kRigReleases[] = {
    {15, Release::Line, 1}, {16, Release::Arc, 1, Upward}, {17, Release::Arc, 1, Downward},
    {18, Release::Line, 2}, {19, Release::Arc, 2, Upward}, {20, Release::Arc, 2, Downward},
    {21, Release::Finish},  {22, Release::Finish},         {23, Release::Finish},
    {24, Release::Finish},  {25, Release::Eraser},         {26, Release::Eraser},
    {27, Release::Finish},  {28, Release::Finish},         {30, Release::Arrow, 2},
};

const RigRelease* Find_Rig_Release(int tag) {
  for (const RigRelease& r : kRigReleases) {
    if (r.tag == tag) return &r;
  }
  return nullptr;
}

void Straight_From_Trail(TForm_Main& f, int pen_width, int X, int Y) {
  f.Trail_Restore();
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenWidth(pen_width);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.MoveTo(f.Trail_XY[0][0], f.Trail_XY[1][0]);
  canvas.LineTo(X, Y);
}

void Eraser_Disc(Canvas& canvas, int r, int X, int Y) {
  canvas.SetPenMode(pmCopy);
  canvas.SetBrushStyle(bsSolid);
  canvas.SetBrushColor(clWhite);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(clWhite);
  canvas.Ellipse(SatAdd(X, -r), SatAdd(Y, -r), SatAdd(X, r), SatAdd(Y, r));
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
  const RigRelease* release = Find_Rig_Release(Buhin_Tag);
  // Stamps, rods, text and no tool end nothing here; nor does a release whose press did not
  // begin a stroke on the picture.
  if (!release || Line_Mode == 0) return;
  Canvas& canvas = Picture_Canvas();
  switch (release->action) {
    case Release::Line:
      Straight_From_Trail(*this, release->pen_width, X, Y);
      break;
    case Release::Arc:
      canvas.SetPenColor(ColorBox1->Selected());
      canvas.SetPenWidth(release->pen_width);
      Trail_Restore();
      Draw_Arc(release->direction);
      break;
    case Release::Arrow:
      Straight_From_Trail(*this, release->pen_width, X, Y);
      Draw_Arrow_Head(Begin_X, Begin_Y, X, Y);
      break;
    case Release::Finish:
      break;
    case Release::Eraser:
      Eraser_Disc(canvas, Eraser_Radius(Buhin_Tag), X, Y);
      break;
  }
  Line_Mode = 0;
  Take_Snapshot();
}

void TForm_Main::Draw_Arc(ArcDirection direction) {
  const ArcBulge bulge = direction == Upward ? ArcBulge::Upward : ArcBulge::Downward;
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

}  // namespace nabrilo
