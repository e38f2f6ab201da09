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

// Every bank's release sets its pen and brush, whether a tool is chosen or not: what the next
// gesture draws starts from them.
void Release_Pen(TForm_Main& f, int bank) {
  if (bank < kHatoBank || bank > kPartsBank) return;
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenMode(pmCopy);
  canvas.SetPenColor(f.ColorBox1->Selected());
  canvas.SetPenWidth(2);
  if (bank == kHatoBank) {
    canvas.SetBrushStyle(bsSolid);  // its colour is white in map mode
  } else if (bank == kLineBank) {
    canvas.SetBrushColor(clWhite);
    canvas.SetPenWidth(Release_Pen_Width(f.R_Group_line->ItemIndex()));
    // After the colour, so that 無 leaves the brush hollow (setting a colour makes it solid).
    canvas.SetBrushStyle(f.R_Group2->ItemIndex() == 0 ? bsSolid : bsClear);
  }
}

void Draw_Cross(Canvas& canvas, int x, int y, int d) {
  canvas.MoveTo(SatAdd(x, -d), SatAdd(y, -d));
  canvas.LineTo(SatAdd(x, d), SatAdd(y, d));
  canvas.MoveTo(SatAdd(x, -d), SatAdd(y, d));
  canvas.LineTo(SatAdd(x, d), SatAdd(y, -d));
}

void Figure_Release(TForm_Main& f, const MapTool& tool, int x, int y) {
  Canvas& canvas = f.Picture_Canvas();
  const TPoint s{f.Down_X, f.Down_Y};
  const TPoint corner =
      tool.corner == ReleaseCorner::LastMove ? TPoint{f.Last_X, f.Last_Y} : TPoint{x, y};
  Draw_Figure(canvas, tool.figure, s, corner);
  if (tool.mark == EndMark::ArrowHead) f.Draw_Arrow_Head(s.x, s.y, x, y);
  if (tool.mark == EndMark::Cross) {
    Draw_Cross(canvas, x, y, Cross_Reach(f.R_Group_line->ItemIndex()));
  }
}

}  // namespace

void TForm_Main::Map_Mouse_Down(int X, int Y) {
  Mouse_Held = true;
  Picture_Canvas().MoveTo(X, Y);  // the free line starts here
  Down_X = Last_X = Last_X2 = Last_X3 = Last_X4 = Last_X5 = X;
  Down_Y = Last_Y = Last_Y2 = Last_Y3 = Last_Y4 = Last_Y5 = Y;
  Haba_DX = 0;
  Haba_DY = 0;
  const MapTool* tool = Find_Map_Tool(R_Group1->ItemIndex(), Point_Tag);
  if (!tool) return;
  if (tool->gesture == MapGesture::Stamp) {
    // Stamps sit at the screen pointer, which the press handler turned into Press_X, Press_Y.
    DrawMapStamp(Picture_Canvas(), Point_Tag, Press_X, Press_Y);
    Take_Snapshot();
  } else if (tool->gesture == MapGesture::Text) {
    Start_X = X;
    Start_Y = Y;
    Open_Text_Edit(Edit_Y);
  }
}

void TForm_Main::Map_Mouse_Up(int X, int Y) {
  // A release that ends no press on the picture would commit a figure of an earlier gesture
  // (its press point and corners are stale): it draws nothing and records nothing.
  if (!Mouse_Held) return;
  const int bank = R_Group1->ItemIndex();
  Release_Pen(*this, bank);
  const MapTool* tool = Find_Map_Tool(bank, Point_Tag);
  if (tool) {
    switch (tool->gesture) {
      case MapGesture::Band:
        Hato_Fill(Point_Tag, Down_X, Down_Y, X, Y);
        Take_Snapshot();
        break;
      case MapGesture::RubberBand:
      case MapGesture::FreeLine:
        // The free line was drawn while the pointer moved; its release records it like any other.
        Figure_Release(*this, *tool, X, Y);
        Take_Snapshot();
        break;
      case MapGesture::Eraser:
        Eraser_Disc(X, Y, Map_Eraser_Radius(R_Group_Keshigomu->ItemIndex()));
        Take_Snapshot();
        break;
      case MapGesture::Stamp:
      case MapGesture::Text:
        // The stamps took their snapshot at the press, and a text takes its own when committed.
        break;
    }
  }
  Mouse_Held = false;
}

}  // namespace nabrilo
