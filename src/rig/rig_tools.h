#pragma once
// The rig tools, one row each: the palette button that chooses the tool and its glyph, the status
// text and screen cursor shown while it is chosen, and what the press, the drag and the release
// do with it. The palette, the status line, the three pointer handlers and the artwork all read
// this one table; the map tools have theirs in map/map_tools.h.

#include <span>

#include "platform/controls.h"
#include "rig/rig_tags.h"

namespace nabrilo {

class TForm_Main;

enum class OnPress {
  Nothing,
  Stamp,        // the part at the screen pointer; then no tool, a snapshot, the default cursor
  RodDone,      // no tool, and a snapshot of the rod drawn when it was chosen
  Trail,        // the pointer trail starts at the press point
  StrokeStart,  // Line_Mode, the start point and the pen position at the press point
  Eraser,       // Line_Mode 1; the eraser is under the pointer
  Text,         // the start point, then the rig text field
};

// Each drag step runs only while Line_Mode holds the row's line_mode (the press set it).
enum class OnDrag {
  Nothing,
  Trail,       // each pointer position joins the trail
  Free,        // a line to the pointer
  Vertical,    // a line down the press point's column, to the pointer's row
  Horizontal,  // a line along the press point's row, to the pointer's column
  Eraser,      // a white disc where the eraser was, one with a red ring where it is now
};

enum class OnRelease {
  Nothing,  // stamps, rods, text and no tool end nothing at the release
  Line,     // trail back, then a straight line from the press point
  ArcUp,    // trail back, then the Bezier arc bulging upward
  ArcDown,  // trail back, then the Bezier arc bulging downward
  Arrow,    // trail back, then the shaft and the head
  Finish,   // the line is already on the picture
  Eraser,   // the last white disc
};

// What the artwork draws on the tool's palette button.
enum class GlyphShape {
  None,  // the rod buttons show their caption only
  Pointer,
  Part,  // the stamped part, fitted into the glyph
  Straight,
  ArcUp,
  ArcDown,
  Wave,
  Vertical,
  Horizontal,
  RoundEraser,
  BlockEraser,
  Letter,
  Arrow,
};

struct RigToolButton {
  TSpeedButton* TForm_Main::*field;
  const char* name;  // object name, and the name of its glyph in the resources
  int left, top;     // in Panel_Shikake; every button is 41 × 41 but the rods'
  TButtonLayout layout;
};

struct RigToolGlyph {
  GlyphShape shape;
  int width, height;
  int pen;  // of the drawn shapes; the thick tools' glyphs use 3
};

struct RigTool {
  int tag;
  RigToolButton button;
  RigToolGlyph glyph;
  const char16_t* text;  // Label_Buhin while the tool is chosen
  int cursor;            // screen cursor while the tool is chosen
  OnPress press;
  OnDrag drag;
  OnRelease release;
  int line_mode = 0;      // the Line_Mode of a drag in progress (TForm_Main::kLine...)
  int pen_width = 0;      // of the line drawn while dragging or at the release
  int eraser_radius = 0;  // of the disc the eraser leaves
  void (*drawn_when_chosen)(Canvas&, int x, int y) = nullptr;  // the rods
};

// Every rig tool, in the palette's reading order (the order its buttons are made in).
std::span<const RigTool> Rig_Tools();
// The row of `tag`, or nullptr for a tag no rig tool has.
const RigTool* Find_Rig_Tool(int tag);

}  // namespace nabrilo
