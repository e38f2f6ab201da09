// The program's icon: a float on the water line with its hook below, drawn with the canvas at
// every size the desktop asks for rather than scaled from one picture, so that the small sizes
// keep whole pixels. The shapes are laid out on a 32-unit square.
#include "artwork.h"

namespace nabrilo::artwork {

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr TColor kSky = 0xFFECD6;
constexpr TColor kSea = 0xB86820;

void DrawIcon(Canvas& c, int size) {
  const auto u = [size](int units) { return (units * size + 16) / 32; };
  const int line = size < 32 ? 1 : (size + 9) / 18;
  const int corner = u(10);
  c.SetPenWidth(size < 64 ? 1 : size / 32);
  c.SetPenColor(clNavy);
  c.SetBrushColor(kSky);
  c.RoundRect(0, 0, size, size, corner, corner);
  // The sea: square at the water line, rounded with the frame below.
  c.SetPenColor(kSea);
  c.SetBrushColor(kSea);
  c.Rectangle(u(1), u(15), size - u(1), u(24));
  c.RoundRect(u(1), u(15), size - u(1), size - u(1), corner, corner);
  c.SetBrushStyle(bsClear);
  c.SetPenColor(clNavy);
  c.RoundRect(0, 0, size, size, corner, corner);
  // The line from the rod tip, the float half out of the water, the leader and the hook.
  c.SetPenWidth(line);
  c.MoveTo(u(16), u(2));
  c.LineTo(u(16), u(8));
  c.SetPenColor(clWhite);
  c.MoveTo(u(16), u(20));
  c.LineTo(u(16), u(26));
  c.Arc(u(9), u(21), u(17), u(30), u(9), u(25), u(17), u(25));
  c.MoveTo(u(9), u(25));
  c.LineTo(u(10), u(22));
  c.SetPenWidth(size < 64 ? 1 : line / 2);
  c.SetPenColor(clBlack);
  c.SetBrushColor(clWhite);
  c.Ellipse(u(12), u(8), u(20) + 1, u(22));
  c.SetBrushColor(clRed);
  c.Pie(u(12), u(8), u(20) + 1, u(22), u(20), u(15), u(12), u(15));
}

}  // namespace

std::vector<Output> ProgramIcons() {
  std::vector<Output> out;
  for (const int size : kIconSizes) {
    out.push_back({QStringLiteral("icon/nabrilo_%1.nbrp").arg(size, 3, 10, QLatin1Char('0')),
                   Render(size, size, [size](Canvas& c) { DrawIcon(c, size); }),
                   {}});
  }
  return out;
}

}  // namespace nabrilo::artwork
