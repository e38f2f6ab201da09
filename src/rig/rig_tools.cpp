// The table of the rig tools. Rows follow the palette from the top left, row by row, as its
// buttons are made.
#include "rig/rig_tools.h"

#include "app/form_main.h"
#include "platform/cursors.h"
#include "platform/find_by_tag.h"
#include "rig/rig_parts.h"

namespace nabrilo {

namespace {

using namespace rig_tag;
using F = TForm_Main;
using G = GlyphShape;
using T = TracedFigure;
using L = LiveDirection;

constexpr auto kLeft = TButtonLayout::blGlyphLeft;
constexpr auto kTop = TButtonLayout::blGlyphTop;
constexpr int kPencil = 21;  // the named cursor of every line and arc tool

// One function per kind of gesture, taking what that kind needs.
constexpr RigStroke NoTool() {
  return {};
}
constexpr RigStroke Rod(void (*draw)(Canvas&, int, int)) {
  return {.gesture = RigGesture::Rod, .drawn_when_chosen = draw};
}
constexpr RigStroke Stamp(const char16_t* pose = nullptr) {
  return {.gesture = RigGesture::Stamp, .pose = pose};
}
constexpr const char16_t* kUpright = u"縦向き";
constexpr const char16_t* kLying = u"横向き";
constexpr const char16_t* kUprightMirrored = u"縦向き　左右反転";
constexpr const char16_t* kLyingMirrored = u"横向き　左右反転";
constexpr RigStroke Traced(TracedFigure figure, int pen_width) {
  return {.gesture = RigGesture::TracedLine, .traced = figure, .pen_width = pen_width};
}
constexpr RigStroke Live(LiveDirection direction, int pen_width) {
  return {.gesture = RigGesture::LiveLine, .live = direction, .pen_width = pen_width};
}
constexpr RigStroke Eraser(int radius) {
  return {.gesture = RigGesture::Eraser, .eraser_radius = radius};
}
constexpr RigStroke TextField() {
  return {.gesture = RigGesture::Text};
}

// clang-format off
// Columns: tag, {button, name, left, top, layout}, {glyph, width, height, pen}, text, cursor,
// gesture, and the button's name where the text is empty.
constexpr RigTool kRigTools[] = {
    {kNone, {&F::S_Btn_Default, "S_Btn_Default", 16, 8, kLeft}, {G::Pointer, 32, 32, 1},
     u"", crDefault, NoTool(), u"道具なし"},
    {kRodSpinning, {&F::SpeedButton13, "SpeedButton13", 16, 56, kLeft}, {G::None, 0, 0, 1},
     u"", crDefault, Rod(DrawRodSpinning), u"竿とスピニングリール"},
    // The revolving-reel rod ends like its twin, so that the rod drawn at selection can be undone.
    {kRodRevolving, {&F::SpeedButton14, "SpeedButton14", 96, 56, kLeft}, {G::None, 0, 0, 1},
     u"", crDefault, Rod(DrawRodRevolving), u"竿と回転リール"},

    // The parts: each one's cursor is the picture of it, numbered like its tag.
    {kVSarukan, {&F::S_Btn_V_Sarukan, "S_Btn_V_Sarukan", 16, 96, kLeft}, {G::Part, 7, 22, 1},
     u"小　ヨリモドシ", kVSarukan, Stamp(kUpright)},
    {kHSarukan, {&F::S_Btn_H_Sarukan, "S_Btn_H_Sarukan", 56, 96, kTop}, {G::Part, 22, 7, 1},
     u"小　ヨリモドシ", kHSarukan, Stamp(kLying)},
    {kVBigSarukan, {&F::S_Btn_V_Big_sarukan, "S_Btn_V_Big_sarukan", 96, 96, kLeft},
     {G::Part, 12, 32, 1}, u"大　ヨリモドシ", kVBigSarukan, Stamp(kUpright)},
    {kHBigSarukan, {&F::S_Btn_H_big_Sarukan, "S_Btn_H_big_Sarukan", 136, 96, kTop},
     {G::Part, 32, 12, 1}, u"大　ヨリモドシ", kHBigSarukan, Stamp(kLying)},
    {kOmoriKotei, {&F::S_Btn_Omori_Kotei, "S_Btn_Omori_Kotei", 16, 136, kLeft},
     {G::Part, 32, 32, 1}, u"固定テンビン", kOmoriKotei, Stamp()},
    {kOmoriYudou, {&F::S_Btn_Omori_Yudou, "S_Btn_Omori_Yudou", 56, 136, kLeft},
     {G::Part, 32, 32, 1}, u"遊動テンビン", kOmoriYudou, Stamp()},
    {kVOmori, {&F::SpeedButton9, "SpeedButton9", 96, 136, kLeft}, {G::Part, 10, 27, 1},
     u"オモリ", kVOmori, Stamp(kUpright)},
    {kHOmori, {&F::SpeedButton10, "SpeedButton10", 136, 136, kTop}, {G::Part, 27, 10, 1},
     u"オモリ", kHOmori, Stamp(kLying)},
    {kHMHari, {&F::S_Btn_H_M_Hari, "S_Btn_H_M_Hari", 16, 176, kTop}, {G::Part, 15, 8, 1},
     u"小さい針", kHMHari, Stamp(kLying)},
    {kVMHari, {&F::S_Btn_V_M_Hari, "S_Btn_V_M_Hari", 56, 176, kLeft}, {G::Part, 8, 15, 1},
     u"小さい針", kVMHari, Stamp(kUpright)},
    {kHBHari, {&F::S_Btn_H_B_Hari, "S_Btn_H_B_Hari", 96, 176, kTop}, {G::Part, 30, 17, 1},
     u"大きい針", kHBHari, Stamp(kLying)},
    {kVBHari, {&F::S_Btn_V_B_Hari, "S_Btn_V_B_Hari", 136, 176, kLeft}, {G::Part, 17, 30, 1},
     u"大きい針", kVBHari, Stamp(kUpright)},
    {kHMHariMirror, {&F::SpeedButton1, "SpeedButton1", 16, 216, kTop}, {G::Part, 15, 8, 1},
     u"小さい針", kHMHariMirror, Stamp(kLyingMirrored)},
    {kVMHariMirror, {&F::SpeedButton2, "SpeedButton2", 56, 216, kTop}, {G::Part, 8, 15, 1},
     u"小さい針", kVMHariMirror, Stamp(kUprightMirrored)},
    {kHBHariMirror, {&F::SpeedButton3, "SpeedButton3", 96, 216, kTop}, {G::Part, 30, 17, 1},
     u"大きい針", kHBHariMirror, Stamp(kLyingMirrored)},
    {kVBHariMirror, {&F::SpeedButton4, "SpeedButton4", 136, 216, kLeft}, {G::Part, 17, 30, 1},
     u"大きい針", kVBHariMirror, Stamp(kUprightMirrored)},

    // The lines and arcs.
    {kVerticalThin, {&F::SpeedButton27, "SpeedButton27", 16, 256, kLeft}, {G::Vertical, 4, 32, 1},
     u"垂直　細　ライン", kPencil, Live(L::Vertical, 1)},
    {kVerticalThick, {&F::SpeedButton23, "SpeedButton23", 56, 256, kLeft}, {G::Vertical, 4, 32, 3},
     u"垂直　太　ライン", kPencil, Live(L::Vertical, 2)},
    {kThinArcUp, {&F::SpeedButton16, "SpeedButton16", 96, 256, kLeft}, {G::ArcUp, 24, 24, 1},
     u"細　上向きの弧", kPencil, Traced(T::ArcUp, 1)},
    {kThickArcUp, {&F::SpeedButton19, "SpeedButton19", 136, 256, kLeft}, {G::ArcUp, 24, 24, 3},
     u"太　上向きの弧", kPencil, Traced(T::ArcUp, 2)},
    {kHorizontalThin, {&F::SpeedButton28, "SpeedButton28", 16, 296, kTop},
     {G::Horizontal, 32, 4, 1}, u"水平　細　ライン", kPencil, Live(L::Horizontal, 1)},
    {kHorizontalThick, {&F::SpeedButton24, "SpeedButton24", 56, 296, kTop},
     {G::Horizontal, 32, 4, 3}, u"水平　太　ライン", kPencil, Live(L::Horizontal, 2)},
    {kThinArcDown, {&F::SpeedButton17, "SpeedButton17", 96, 296, kLeft}, {G::ArcDown, 24, 24, 1},
     u"細　下向きの弧", kPencil, Traced(T::ArcDown, 1)},
    {kThickArcDown, {&F::SpeedButton20, "SpeedButton20", 136, 296, kLeft}, {G::ArcDown, 24, 24, 3},
     u"太　下向きの弧", kPencil, Traced(T::ArcDown, 2)},
    {kThinLine, {&F::SpeedButton15, "SpeedButton15", 16, 336, kLeft}, {G::Straight, 24, 24, 1},
     u"細　ライン", kPencil, Traced(T::Straight, 1)},
    {kThickLine, {&F::SpeedButton18, "SpeedButton18", 56, 336, kLeft}, {G::Straight, 24, 24, 3},
     u"太　ライン", kPencil, Traced(T::Straight, 2)},
    {kFreeThin, {&F::SpeedButton21, "SpeedButton21", 96, 336, kLeft}, {G::Wave, 23, 23, 1},
     u"自由細　ライン", kPencil, Live(L::Free, 1)},
    {kFreeThick, {&F::SpeedButton22, "SpeedButton22", 136, 336, kLeft}, {G::Wave, 23, 23, 3},
     u"自由太　ライン", kPencil, Live(L::Free, 2)},

    // The erasers, the arrow and the text.
    {kEraserLarge, {&F::SpeedButton25, "SpeedButton25", 16, 376, kTop}, {G::RoundEraser, 26, 26, 1},
     u"消しゴム　大", crDefault, Eraser(15)},
    {kEraserSmall, {&F::SpeedButton26, "SpeedButton26", 56, 376, kTop}, {G::BlockEraser, 21, 11, 1},
     u"消しゴム　小", crDefault, Eraser(10)},
    {kArrow, {&F::SpeedButton30, "SpeedButton30", 96, 376, kLeft}, {G::Arrow, 24, 24, 1},
     u"矢印", crDefault, Traced(T::Arrow, 2)},
    {kText, {&F::SpeedButton29, "SpeedButton29", 136, 376, kLeft}, {G::Letter, 20, 20, 2},
     u"文字入力", crIBeam, TextField()},
};
// clang-format on

// What a row's gesture carries is what its kind needs: a pen for the lines, a radius for the
// erasers, a drawing for the rods, and nothing else.
constexpr bool WellFormed(const RigStroke& s) {
  const bool line = s.gesture == RigGesture::TracedLine || s.gesture == RigGesture::LiveLine;
  return (s.pen_width > 0) == line && (s.eraser_radius > 0) == (s.gesture == RigGesture::Eraser) &&
         (s.drawn_when_chosen != nullptr) == (s.gesture == RigGesture::Rod) &&
         (s.pose == nullptr || s.gesture == RigGesture::Stamp) &&
         (s.gesture == RigGesture::TracedLine || s.traced == TracedFigure::Straight) &&
         (s.gesture == RigGesture::LiveLine || s.live == LiveDirection::Free);
}
constexpr bool AllWellFormed() {
  for (const RigTool& t : kRigTools) {
    if (!WellFormed(t.stroke)) return false;
  }
  return true;
}
static_assert(AllWellFormed(), "a rig tool's gesture carries what another kind needs");

}  // namespace

std::span<const RigTool> Rig_Tools() {
  return kRigTools;
}

const RigTool* Find_Rig_Tool(int tag) {
  return Find_By_Tag(kRigTools, tag);
}

int Drag_Line_Mode(const RigStroke& stroke) {
  switch (stroke.gesture) {
    case RigGesture::TracedLine:
    case RigGesture::Eraser:
      return F::kLineDragging;
    case RigGesture::LiveLine:
      // The thin and the thick straight lines each have a mode of their own.
      switch (stroke.live) {
        case LiveDirection::Free:
          return F::kLineDragging;
        case LiveDirection::Vertical:
          return stroke.pen_width == 1 ? F::kLineVerticalThin : F::kLineVerticalThick;
        case LiveDirection::Horizontal:
          return stroke.pen_width == 1 ? F::kLineHorizontalThin : F::kLineHorizontalThick;
      }
      break;
    case RigGesture::None:
    case RigGesture::Rod:
    case RigGesture::Stamp:
    case RigGesture::Text:
      break;
  }
  return F::kLineNone;
}

}  // namespace nabrilo
