#pragma once
// What the rig tools do under the pointer, shared by the press, move and release handlers.

namespace nabrilo {

// The traced strokes: straight lines, arcs and the arrow, whose drag leaves a trail.
constexpr bool Is_Traced_Stroke(int tag) {
  return (tag >= 15 && tag <= 20) || tag == 30;
}

// The eraser radius of tags 25 (large) and 26 (small); 0 for any other tag.
constexpr int Eraser_Radius(int tag) {
  return tag == 25 ? 15 : tag == 26 ? 10 : 0;
}

}  // namespace nabrilo
