#pragma once
// The rig tools, one row each: the palette button that chooses the tool and its glyph, the status
// text and screen cursor shown while it is chosen, and the kind of gesture the press, the drag and
// the release carry out with it. The palette, the status line, the three pointer handlers and the
// artwork all read this one table; the map tools have theirs in map/map_tools.h.

#include <span>

#include "platform/controls.h"
#include "rig/rig_tags.h"

namespace nabrilo {

class TForm_Main;

// What the press, the drag and the release do with a tool: one kind per row, so that a row
// cannot pair the press of one kind with the drag or the release of another.
enum class RigGesture {
  None,        // no tool: the arrow
  Rod,         // drawn when chosen; the press ends it (no tool, a snapshot)
  Stamp,       // the part at the screen pointer; then no tool, a snapshot, the default cursor
  TracedLine,  // the pointer trail while dragging; once it is put back, the figure at the release
  LiveLine,    // drawn on the picture while dragging, from the press point
  Eraser,      // a white disc where the eraser was, one with a red ring where it is now
  Text,        // the rig text field at the press point
};

// The figure a traced line becomes at the release, from the press point.
enum class TracedFigure { Straight, ArcUp, ArcDown, Arrow };
// Where each drag step of a live line goes from the pen position.
enum class LiveDirection {
  Free,        // to the pointer
  Vertical,    // down the press point's column, to the pointer's row
  Horizontal,  // along the press point's row, to the pointer's column
};

// A row's gesture with what its kind needs and nothing else; rig_tools.cpp builds each row's with
// one function per kind and checks them all when it compiles.
struct RigStroke {
  RigGesture gesture = RigGesture::None;
  TracedFigure traced = TracedFigure::Straight;                // TracedLine
  LiveDirection live = LiveDirection::Free;                    // LiveLine
  int pen_width = 0;                                           // TracedLine and LiveLine
  int eraser_radius = 0;                                       // Eraser: of the disc it leaves
  void (*drawn_when_chosen)(Canvas&, int x, int y) = nullptr;  // Rod
  // Stamp: how the part lies, where another button stamps the same part otherwise; a screen
  // reader says it after the name the two share.
  const char16_t* pose = nullptr;
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
  const char16_t* text;            // Label_Buhin while the tool is chosen
  int cursor;                      // screen cursor while the tool is chosen
  RigStroke stroke;                // what the press, the drag and the release do
  const char16_t* name = nullptr;  // what the button is called where it has no status text
};

// What the tool's button is called (its tooltip, and what a screen reader says): the status
// text, or the row's name where the status text is empty.
inline QString Rig_Tool_Name(const RigTool& tool) {
  return QString::fromUtf16(tool.text[0] != u'\0' || !tool.name ? tool.text : tool.name);
}

// Every rig tool, in the palette's reading order (the order its buttons are made in).
std::span<const RigTool> Rig_Tools();
// The row of `tag`, or nullptr for a tag no rig tool has.
const RigTool* Find_Rig_Tool(int tag);
// The Line_Mode (TForm_Main::kLine...) a stroke's drag runs in: the press sets it, each drag step
// draws only while it holds, the release ends it. kLineNone for tools that do not drag.
int Drag_Line_Mode(const RigStroke& stroke);

}  // namespace nabrilo
