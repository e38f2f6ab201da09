// The table of the map tools, and the sizes chosen in the map palette's radio groups.
#include "map/map_tools.h"

#include <algorithm>
#include <array>

namespace nabrilo::map_tools {

namespace {

// One function per kind of gesture, taking what that kind needs.
constexpr MapTool Band(int tag, BandEnds ends, BandInner inner, const char16_t* name) {
  return {.bank = kHatoBank,
          .tag = tag,
          .gesture = MapGesture::Band,
          .text = u"",
          .name = name,
          .preview = true,
          .ends = ends,
          .inner = inner};
}
constexpr MapTool Line(int tag, const char16_t* text, Figure figure, EndMark mark = EndMark::None) {
  // The shapes end where their last rubber band was shown, and show a preview; the lines end at
  // the release point and show their text alone.
  const bool shape =
      figure == Figure::Rectangle || figure == Figure::RoundRect || figure == Figure::Ellipse;
  return {.bank = kLineBank,
          .tag = tag,
          .gesture = figure == Figure::Free ? MapGesture::FreeLine : MapGesture::RubberBand,
          .text = text,
          .name = text,
          .preview = shape,
          .figure = figure,
          .corner = shape ? ReleaseCorner::LastMove : ReleaseCorner::Release,
          .mark = mark};
}
constexpr MapTool Part(int tag, MapGesture gesture, const char16_t* text) {
  return {.bank = kPartsBank,
          .tag = tag,
          .gesture = gesture,
          .text = text,
          .name = text,
          .preview = true};
}

using E = BandEnds;
using I = BandInner;
using F = Figure;
using G = MapGesture;

// clang-format off
constexpr MapTool kMapTools[] = {
    // 波止: bands of the width in Edit_Haba, no status text.
    Band(101, E::StartOpen, I::None,         u"波止　片端開き"),
    Band(102, E::StartOpen, I::Quarter,      u"波止　片端開き　軸側に線"),
    Band(103, E::StartOpen, I::ThreeQuarter, u"波止　片端開き　外側に線"),
    Band(104, E::Closed,    I::None,         u"波止　四辺閉じ"),
    Band(105, E::Closed,    I::Quarter,      u"波止　四辺閉じ　軸側に線"),
    Band(106, E::Closed,    I::ThreeQuarter, u"波止　四辺閉じ　外側に線"),
    Band(107, E::BothOpen,  I::None,         u"波止　両端開き"),
    Band(108, E::BothOpen,  I::Quarter,      u"波止　両端開き　軸側に線"),
    Band(109, E::BothOpen,  I::ThreeQuarter, u"波止　両端開き　外側に線"),
    // 線: with the pen of R_Group_line; the shapes filled as R_Group2 says.
    Line(101, u"縦線",   F::Vertical),
    Line(102, u"横線",   F::Horizontal),
    Line(103, u"斜め線", F::Straight),
    Line(104, u"自由線", F::Free),
    Line(105, u"矢印線", F::Straight, EndMark::ArrowHead),
    Line(106, u"×付線",  F::Straight, EndMark::Cross),
    Line(107, u"四角",   F::Rectangle),
    Line(108, u"丸四角", F::RoundRect),
    Line(109, u"丸",     F::Ellipse),
    // 部品: the symbols of map/map_stamps.h, the text and the eraser.
    Part(101, G::Stamp,  u"テトラポッド"),
    Part(102, G::Stamp,  u"テトラポッド"),
    Part(103, G::Stamp,  u"三角　波消"),
    Part(104, G::Stamp,  u"四角　波消"),
    Part(105, G::Stamp,  u"砂浜"),
    Part(106, G::Stamp,  u"岩場"),
    Part(107, G::Stamp,  u"駐車場"),
    Part(108, G::Text,   u"文字入力"),
    Part(109, G::Eraser, u"消しゴム"),
};
// clang-format on

// A row carries what its kind of gesture needs and nothing else: the band style for the bands
// of the breakwater bank, the figure for the lines and shapes of the line bank, a status text for
// all but the bands, and a name for every tool, the bands too.
constexpr bool WellFormed(const MapTool& t) {
  const bool band = t.gesture == MapGesture::Band;
  const bool line = t.gesture == MapGesture::RubberBand || t.gesture == MapGesture::FreeLine;
  const Bank bank = band ? kHatoBank : (line ? kLineBank : kPartsBank);
  return t.bank == bank && (t.text[0] == u'\0') == band && t.name[0] != u'\0' &&
         (band || (t.ends == BandEnds::Closed && t.inner == BandInner::None)) &&
         (line || (t.figure == Figure::Straight && t.corner == ReleaseCorner::Release &&
                   t.mark == EndMark::None)) &&
         (t.gesture == MapGesture::FreeLine) == (line && t.figure == Figure::Free);
}

// Every row well formed, and row n is tool 101 + n % 9 of bank n / 9, as the image list and the
// lookup count them.
constexpr bool WellFormedTable() {
  int n = 0;
  for (const MapTool& t : kMapTools) {
    if (!WellFormed(t)) return false;
    if (t.bank != n / kToolsPerBank || t.tag != kFirstTag + n % kToolsPerBank) return false;
    ++n;
  }
  return n == 3 * kToolsPerBank;
}
static_assert(WellFormedTable(), "a map tool is out of order or carries what its kind does not");

constexpr int kRoundCorner = 30;  // the corner ellipse of 丸四角 is 30 × 30

constexpr std::array kDragPenWidths = {1, 2, 3};
constexpr std::array kReleasePenWidths = {1, 2, 4};
constexpr std::array kEraserRadii = {5, 10};

// A radio group always has an item chosen; should it ever have none, the first item stands in.
template <std::size_t N>
int Pick(const std::array<int, N>& values, int item) {
  return values[static_cast<std::size_t>(std::clamp(item, 0, static_cast<int>(N) - 1))];
}

}  // namespace

std::span<const MapTool> Map_Tools() {
  return kMapTools;
}

const MapTool* Find_Map_Tool(int bank, int tag) {
  if (bank < kHatoBank || bank > kPartsBank || tag < kFirstTag || tag > kLastTag) return nullptr;
  return &kMapTools[bank * kToolsPerBank + tag - kFirstTag];
}

int Picture_Of(const MapTool& tool) {
  return tool.bank * kToolsPerBank + tool.tag - kFirstTag;
}

void Draw_Figure(Canvas& canvas, Figure figure, TPoint s, TPoint p) {
  switch (figure) {
    case Figure::Vertical:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(s.x, p.y);
      break;
    case Figure::Horizontal:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(p.x, s.y);
      break;
    case Figure::Straight:
      canvas.MoveTo(s.x, s.y);
      canvas.LineTo(p.x, p.y);
      break;
    case Figure::Free:
      break;
    case Figure::Rectangle:
      canvas.Rectangle(s.x, s.y, p.x, p.y);
      break;
    case Figure::RoundRect:
      canvas.RoundRect(s.x, s.y, p.x, p.y, kRoundCorner, kRoundCorner);
      break;
    case Figure::Ellipse:
      canvas.Ellipse(s.x, s.y, p.x, p.y);
      break;
  }
}

int Drag_Pen_Width(int thickness_item) {
  return Pick(kDragPenWidths, thickness_item);
}

int Release_Pen_Width(int thickness_item) {
  return Pick(kReleasePenWidths, thickness_item);
}

int Cross_Reach(int thickness_item) {
  return 3 * (std::clamp(thickness_item, 0, 2) + 1);
}

int Map_Eraser_Radius(int size_item) {
  return Pick(kEraserRadii, size_item);
}

}  // namespace nabrilo::map_tools
