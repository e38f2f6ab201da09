// The glyphs of the palette buttons: the rig tools at the sizes of their buttons' bitmaps, and
// the arrow of the two "no tool" buttons.
#include <array>

#include "artwork.h"
#include "rig/rig_parts.h"

namespace nabrilo::artwork {

namespace {

struct GlyphSpec {
  const char* button;
  int tag;
  int w, h;
};

constexpr GlyphSpec kGlyphs[] = {
    {"S_Btn_Default", 0, 32, 32},       {"S_Btn_V_Sarukan", 1, 7, 22},
    {"S_Btn_H_Sarukan", 2, 22, 7},      {"S_Btn_V_Big_sarukan", 3, 12, 32},
    {"S_Btn_H_big_Sarukan", 4, 32, 12}, {"S_Btn_Omori_Kotei", 5, 32, 32},
    {"S_Btn_Omori_Yudou", 6, 32, 32},   {"SpeedButton9", 7, 10, 27},
    {"SpeedButton10", 8, 27, 10},       {"S_Btn_H_M_Hari", 9, 15, 8},
    {"S_Btn_V_M_Hari", 10, 8, 15},      {"S_Btn_H_B_Hari", 11, 30, 17},
    {"S_Btn_V_B_Hari", 12, 17, 30},     {"SpeedButton1", 31, 15, 8},
    {"SpeedButton2", 32, 8, 15},        {"SpeedButton3", 33, 30, 17},
    {"SpeedButton4", 34, 17, 30},       {"SpeedButton27", 27, 4, 32},
    {"SpeedButton23", 23, 4, 32},       {"SpeedButton16", 16, 24, 24},
    {"SpeedButton19", 19, 24, 24},      {"SpeedButton28", 28, 32, 4},
    {"SpeedButton24", 24, 32, 4},       {"SpeedButton17", 17, 24, 24},
    {"SpeedButton20", 20, 24, 24},      {"SpeedButton15", 15, 24, 24},
    {"SpeedButton18", 18, 24, 24},      {"SpeedButton21", 21, 23, 23},
    {"SpeedButton22", 22, 23, 23},      {"SpeedButton25", 25, 26, 26},
    {"SpeedButton26", 26, 21, 11},      {"SpeedButton30", 30, 24, 24},
    {"SpeedButton29", 29, 20, 20},
};

void Pen(Canvas& c, int width) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(width);
}

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// The thin tools and their thick twins differ only in the pen.
int PenFor(int tag) {
  switch (tag) {
    case 18:
    case 19:
    case 20:
    case 22:
    case 23:
    case 24:
      return 3;
    default:
      return 1;
  }
}

void DrawTool(Canvas& c, int tag) {
  Pen(c, PenFor(tag));
  switch (tag) {
    case 15:
    case 18:  // straight line
      Line(c, 3, 20, 21, 3);
      break;
    case 16:
    case 19:  // upward arc: the top of an ellipse
      c.Arc(2, 5, 22, 37, 22, 21, 2, 21);
      break;
    case 17:
    case 20:  // downward arc: the bottom of an ellipse
      c.Arc(2, -13, 22, 19, 2, 3, 22, 3);
      break;
    case 21:
    case 22: {  // free line
      static constexpr std::array<TPoint, 4> kWave{{{2, 18}, {8, -2}, {14, 26}, {20, 4}}};
      c.PolyBezier(kWave);
      break;
    }
    case 23:
    case 27:  // vertical line
      Line(c, 2, 1, 2, 31);
      break;
    case 24:
    case 28:  // horizontal line
      Line(c, 1, 2, 31, 2);
      break;
    case 25:  // large eraser: its round outline
      c.SetBrushColor(clSilver);
      c.Ellipse(0, 0, 26, 26);
      break;
    case 26:  // small eraser: a block with its sleeve
      c.SetBrushColor(clWhite);
      c.Rectangle(0, 0, 21, 11);
      c.SetBrushColor(clBlack);
      c.Rectangle(0, 0, 8, 11);
      break;
    case 29:  // text: a letter A
      Pen(c, 2);
      Line(c, 3, 18, 10, 2);
      Line(c, 10, 2, 17, 18);
      Line(c, 6, 12, 15, 12);
      break;
    case 30: {  // arrow
      static constexpr TPoint kHead[] = {{21, 3}, {12, 5}, {19, 12}};
      Line(c, 3, 20, 18, 6);
      c.SetBrushColor(clBlack);
      c.Polygon(kHead);
      break;
    }
    default:
      break;
  }
}

QImage GlyphPicture(const GlyphSpec& g) {
  if (g.tag == 0) return Render(g.w, g.h, DrawPointerArrow);
  if (IsRigStampTag(g.tag)) {
    // Drawn 1:1 with room all round, then fitted to the glyph.
    const QImage part = Render(128, 128, [&](Canvas& c) { DrawRigStamp(c, g.tag, 48, 32); });
    return FitInto(part, QSize(g.w, g.h));
  }
  return Render(g.w, g.h, [&](Canvas& c) { DrawTool(c, g.tag); });
}

}  // namespace

std::vector<Output> Glyphs() {
  std::vector<Output> out;
  for (const GlyphSpec& g : kGlyphs) {
    out.push_back(
        {QStringLiteral("glyphs/%1.nbrp").arg(QLatin1String(g.button)), GlyphPicture(g), {}});
  }
  out.push_back({QStringLiteral("glyphs/S2_Btn0.nbrp"), Render(32, 32, DrawPointerArrow), {}});
  return out;
}

}  // namespace nabrilo::artwork
