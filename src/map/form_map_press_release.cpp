// The map-mode parts of the press and the release: the press records where a gesture began (and
// stamps the parts-bank symbols at once); the release draws the finished figure in copy mode and
// records it for undo.
#include "app/form_main.h"
#include "map/map_stamps.h"
#include "map/map_tools.h"
#include "platform/arith.h"

namespace nabrilo {

using namespace map_tools;

namespace {

void Parts_Press(TForm_Main& f, int x, int y) {
  // Stamps sit at the screen pointer, which the press handler turned into Press_X, Press_Y.
  if (IsMapStampTag(f.Point_Tag)) {
    DrawMapStamp(f.Picture_Canvas(), f.Point_Tag, f.Press_X, f.Press_Y);
    f.Take_Snapshot();
  } else if (f.Point_Tag == kTextTag) {
    f.Start_X = x;
    f.Start_Y = y;
    f.Open_Text_Edit(f.Edit_Y);
  }
}

void Hato_Release(TForm_Main& f, int x, int y) {
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenMode(pmCopy);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.SetPenWidth(2);
  canvas.SetBrushStyle(bsSolid);  // its colour is white in map mode
  if (!IsToolTag(f.Point_Tag)) return;
  f.Hato_Fill(f.Point_Tag, f.Down_X, f.Down_Y, x, y);
  f.Take_Snapshot();
}

void Draw_Cross(Canvas& canvas, int x, int y, int d) {
  canvas.MoveTo(SatAdd(x, -d), SatAdd(y, -d));
  canvas.LineTo(SatAdd(x, d), SatAdd(y, d));
  canvas.MoveTo(SatAdd(x, -d), SatAdd(y, d));
  canvas.LineTo(SatAdd(x, d), SatAdd(y, -d));
}

void Line_Release(TForm_Main& f, int x, int y) {
  Canvas& canvas = f.Picture_Canvas();
  const int thickness = f.R_Group_line->ItemIndex();
  canvas.SetPenMode(pmCopy);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.SetPenWidth(2);
  canvas.SetBrushColor(clWhite);
  canvas.SetPenWidth(Release_Pen_Width(thickness));
  // After the colour, so that 無 leaves the brush hollow (setting a colour makes it solid).
  canvas.SetBrushStyle(f.R_Group2->ItemIndex() == 0 ? bsSolid : bsClear);
  const LineTool* tool = Line_Tool(f.Point_Tag);
  if (!tool) return;
  const TPoint s{f.Down_X, f.Down_Y};
  const TPoint corner =
      tool->corner == ReleaseCorner::LastMove ? TPoint{f.Last_X, f.Last_Y} : TPoint{x, y};
  Draw_Figure(canvas, tool->figure, s, corner);
  if (tool->mark == EndMark::ArrowHead) f.Draw_Arrow_Head(s.x, s.y, x, y);
  if (tool->mark == EndMark::Cross) Draw_Cross(canvas, x, y, Cross_Reach(thickness));
  // The free line was drawn while the pointer moved; its release records it like any other.
  f.Take_Snapshot();
}

void Parts_Release(TForm_Main& f, int x, int y) {
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenMode(pmCopy);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.SetPenWidth(2);
  // The stamps took their snapshot at the press, and a text takes its own when it is committed.
  if (f.Point_Tag != kEraserTag) return;
  f.Eraser_Disc(x, y, Map_Eraser_Radius(f.R_Group_Keshigomu->ItemIndex()));
  f.Take_Snapshot();
}

}  // namespace

void TForm_Main::Map_Mouse_Down(int X, int Y) {
  Mouse_Held = true;
  Picture_Canvas().MoveTo(X, Y);  // the free line starts here
  Down_X = Last_X = Last_X2 = Last_X3 = Last_X4 = Last_X5 = X;
  Down_Y = Last_Y = Last_Y2 = Last_Y3 = Last_Y4 = Last_Y5 = Y;
  Haba_DX = 0;
  Haba_DY = 0;
  if (R_Group1->ItemIndex() == kPartsBank) Parts_Press(*this, X, Y);
}

void TForm_Main::Map_Mouse_Up(int X, int Y) {
  // A release that ends no press on the picture would commit a figure of an earlier gesture
  // (its press point and corners are stale): it draws nothing and records nothing.
  if (!Mouse_Held) return;
  switch (R_Group1->ItemIndex()) {
    case kHatoBank:
      Hato_Release(*this, X, Y);
      break;
    case kLineBank:
      Line_Release(*this, X, Y);
      break;
    case kPartsBank:
      Parts_Release(*this, X, Y);
      break;
    default:
      break;
  }
  Mouse_Held = false;
}

}  // namespace nabrilo
