#pragma once
// The tags of the rig tools: the number each palette button carries and Buhin_Tag holds while
// the tool is chosen. The parts keep the numbers of their stamp tables and cursors.

namespace nabrilo::rig_tag {

inline constexpr int kNone = 0;  // no tool: the arrow
// Parts stamped at the press.
inline constexpr int kVSarukan = 1;     // small swivel, upright
inline constexpr int kHSarukan = 2;     // small swivel, lying
inline constexpr int kVBigSarukan = 3;  // large swivel, upright
inline constexpr int kHBigSarukan = 4;  // large swivel, lying
inline constexpr int kOmoriKotei = 5;   // fixed sinker arm
inline constexpr int kOmoriYudou = 6;   // sliding sinker arm
inline constexpr int kVOmori = 7;       // sinker, upright
inline constexpr int kHOmori = 8;       // sinker, lying
inline constexpr int kHMHari = 9;       // small hook, lying
inline constexpr int kVMHari = 10;      // small hook, upright
inline constexpr int kHBHari = 11;      // large hook, lying
inline constexpr int kVBHari = 12;      // large hook, upright
inline constexpr int kHMHariMirror = 31;
inline constexpr int kVMHariMirror = 32;
inline constexpr int kHBHariMirror = 33;
inline constexpr int kVBHariMirror = 34;
// Rods, drawn when chosen.
inline constexpr int kRodSpinning = 13;
inline constexpr int kRodRevolving = 14;
// Strokes traced from the press to the release.
inline constexpr int kThinLine = 15;
inline constexpr int kThinArcUp = 16;
inline constexpr int kThinArcDown = 17;
inline constexpr int kThickLine = 18;
inline constexpr int kThickArcUp = 19;
inline constexpr int kThickArcDown = 20;
inline constexpr int kArrow = 30;
// Lines drawn for good while the pointer moves.
inline constexpr int kFreeThin = 21;
inline constexpr int kFreeThick = 22;
inline constexpr int kVerticalThick = 23;
inline constexpr int kHorizontalThick = 24;
inline constexpr int kVerticalThin = 27;
inline constexpr int kHorizontalThin = 28;
// The rest.
inline constexpr int kEraserLarge = 25;
inline constexpr int kEraserSmall = 26;
inline constexpr int kText = 29;

}  // namespace nabrilo::rig_tag
