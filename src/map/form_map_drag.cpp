// One pointer move in map mode: the live feedback of the chosen map tool. Rubber bands and band
// outlines are drawn in not-xor, so drawing the previous one again at its recorded place erases
// it; nothing of the picture is copied or repainted for a preview.
#include "app/form_main.h"
#include "map/map_tools.h"
#include "platform/arith.h"

namespace nabrilo {

using namespace map_tools;

namespace {

// The pen each bank's drag step sets, whether a tool is chosen or not.
void Drag_Pen(TForm_Main& f, int bank) {
  Canvas& canvas = f.Picture_Canvas();
  if (bank == kHatoBank) {
    canvas.SetPenColor(clBlack);
    canvas.SetPenWidth(1);
    canvas.SetPenMode(pmNotXor);
  } else if (bank == kLineBank) {
    canvas.SetPenMode(pmNotXor);
    canvas.SetBrushStyle(bsClear);  // previews are outlines, whatever the fill chosen
    canvas.SetPenColor(f.ColorBox1->Selected());
    canvas.SetPenWidth(Drag_Pen_Width(f.R_Group_line->ItemIndex()));
  }
}

void Eraser_Drag_Step(TForm_Main& f, int x, int y) {
  const int r = Map_Eraser_Radius(f.R_Group_Keshigomu->ItemIndex());
  // A white disc one move behind the pointer, which also covers the ring drawn there.
  f.Eraser_Disc(f.Last_X, f.Last_Y, r);
  // The white brush in not-xor leaves the inside as it is: only a red ring shows where the
  // next disc will fall.
  Canvas& canvas = f.Picture_Canvas();
  canvas.SetPenMode(pmNotXor);
  canvas.SetPenColor(clRed);
  canvas.Ellipse(SatAdd(x, -r), SatAdd(y, -r), SatAdd(x, r), SatAdd(y, r));
}

void Drag_Step(TForm_Main& f, const MapTool& tool, int x, int y) {
  Canvas& canvas = f.Picture_Canvas();
  const TPoint s{f.Down_X, f.Down_Y};
  switch (tool.gesture) {
    case MapGesture::Band:
      f.Hato_Erase_Preview(f.Point_Tag);
      f.Hato_Preview(f.Point_Tag, s.x, s.y, x, y);  // records the corners, E among them
      break;
    case MapGesture::RubberBand:
      Draw_Figure(canvas, tool.figure, s, {f.Last_X, f.Last_Y});
      Draw_Figure(canvas, tool.figure, s, {x, y});
      break;
    case MapGesture::FreeLine:
      // Drawn for good, from where the press or the previous move left the pen.
      canvas.SetPenMode(pmCopy);
      canvas.SetPenColor(f.ColorBox1->Selected());
      canvas.LineTo(x, y);
      break;
    case MapGesture::Eraser:
      Eraser_Drag_Step(f, x, y);
      break;
    case MapGesture::Stamp:
    case MapGesture::Text:
      break;
  }
}

}  // namespace

void TForm_Main::Map_Drag(int x, int y) {
  // Every move recomputes the band's vectors from the press point to the previous pointer
  // position, held or not: the band's direction follows the pointer one move behind.
  Calc_Haba(Down_X, Down_Y, Last_X, Last_Y, Edit_Haba->Text().toInt());
  if (Mouse_Held) {
    const int bank = R_Group1->ItemIndex();
    Drag_Pen(*this, bank);
    if (const MapTool* tool = Find_Map_Tool(bank, Point_Tag)) Drag_Step(*this, *tool, x, y);
    // The breakwater outline records its own corners; the other banks the pointer, tool or none.
    if (bank == kLineBank || bank == kPartsBank) {
      Last_X = x;
      Last_Y = y;
    }
  }
  Picture_Canvas().SetPenMode(pmCopy);
}

}  // namespace nabrilo
