// The glyphs of the palette buttons: the rig tools at the sizes of their buttons' bitmaps, and
// the arrow of the two "no tool" buttons.
#include <array>

#include "artwork.h"
#include "rig/rig_parts.h"
#include "rig/rig_tools.h"

namespace nabrilo::artwork {

namespace {

void Pen(Canvas& c, int width) {
  c.SetPenColor(clBlack);
  c.SetPenWidth(width);
}

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

void DrawTool(Canvas& c, const RigToolGlyph& g) {
  Pen(c, g.pen);
  switch (g.shape) {
    case GlyphShape::None:
    case GlyphShape::Pointer:
    case GlyphShape::Part:
      break;
    case GlyphShape::Straight:
      Line(c, 3, 20, 21, 3);
      break;
    case GlyphShape::ArcUp:  // the top of an ellipse
      c.Arc(2, 5, 22, 37, 22, 21, 2, 21);
      break;
    case GlyphShape::ArcDown:  // the bottom of an ellipse
      c.Arc(2, -13, 22, 19, 2, 3, 22, 3);
      break;
    case GlyphShape::Wave: {  // the free line
      static constexpr std::array<TPoint, 4> kWave{{{2, 18}, {8, -2}, {14, 26}, {20, 4}}};
      c.PolyBezier(kWave);
      break;
    }
    case GlyphShape::Vertical:
      Line(c, 2, 1, 2, 31);
      break;
    case GlyphShape::Horizontal:
      Line(c, 1, 2, 31, 2);
      break;
    case GlyphShape::RoundEraser:  // the large eraser's round outline
      c.SetBrushColor(clSilver);
      c.Ellipse(0, 0, 26, 26);
      break;
    case GlyphShape::BlockEraser:  // the small eraser: a block with its sleeve
      c.SetBrushColor(clWhite);
      c.Rectangle(0, 0, 21, 11);
      c.SetBrushColor(clBlack);
      c.Rectangle(0, 0, 8, 11);
      break;
    case GlyphShape::Letter:  // a letter A
      Line(c, 3, 18, 10, 2);
      Line(c, 10, 2, 17, 18);
      Line(c, 6, 12, 15, 12);
      break;
    case GlyphShape::Arrow: {
      static constexpr TPoint kHead[] = {{21, 3}, {12, 5}, {19, 12}};
      Line(c, 3, 20, 18, 6);
      c.SetBrushColor(clBlack);
      c.Polygon(kHead);
      break;
    }
  }
}

QImage GlyphPicture(const RigTool& t) {
  const RigToolGlyph& g = t.glyph;
  if (g.shape == GlyphShape::Pointer) return Render(g.width, g.height, DrawPointerArrow);
  if (g.shape == GlyphShape::Part) {
    // Drawn 1:1 with room all round, then fitted to the glyph.
    const QImage part = Render(128, 128, [&](Canvas& c) { DrawRigStamp(c, t.tag, 48, 32); });
    return FitInto(part, QSize(g.width, g.height));
  }
  return Render(g.width, g.height, [&](Canvas& c) { DrawTool(c, g); });
}

}  // namespace

std::vector<Output> Glyphs() {
  std::vector<Output> out;
  for (const RigTool& t : Rig_Tools()) {
    if (t.glyph.shape == GlyphShape::None) continue;
    out.push_back(
        {QStringLiteral("glyphs/%1.nbrp").arg(QLatin1String(t.button.name)), GlyphPicture(t), {}});
  }
  out.push_back({QStringLiteral("glyphs/S2_Btn0.nbrp"), Render(32, 32, DrawPointerArrow), {}});
  return out;
}

}  // namespace nabrilo::artwork
