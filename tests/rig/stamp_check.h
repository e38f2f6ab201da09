#pragma once
// Helpers shared by the rig and map stamp tests: a stamp is drawn at the anchors named in a canvas
// script ("# anchor X Y" comment lines) and compared with what the script draws, and the canvas
// state a stamp leaves is read back in one piece.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextStream>
#include <functional>
#include <ostream>
#include <vector>

#include "canvas_script.h"
#include "platform/bitmap.h"
#include "rig/rig_parts.h"
#include "support/picture_compare.h"

namespace nabrilo::stamp_test {

using DrawAt = std::function<void(Canvas&, int x, int y)>;

inline std::vector<TPoint> ScriptAnchors(const QString& path) {
  std::vector<TPoint> anchors;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return anchors;
  static const QRegularExpression anchor_line(QStringLiteral(R"(^#\s*anchor\s+(-?\d+)\s+(-?\d+))"));
  QTextStream in(&file);
  while (!in.atEnd()) {
    const auto m = anchor_line.match(in.readLine());
    if (m.hasMatch()) anchors.push_back({m.captured(1).toInt(), m.captured(2).toInt()});
  }
  return anchors;
}

using ::nabrilo::InkedPixels;

// Draws the part or rod of rig tool `tag` at (x, y).
inline void DrawTool(int tag, Canvas& canvas, int x, int y) {
  if (tag == 13) {
    DrawRodSpinning(canvas, x, y);
  } else if (tag == 14) {
    DrawRodRevolving(canvas, x, y);
  } else {
    DrawRigStamp(canvas, tag, x, y);
  }
}

struct CanvasState {
  int pen_width = 1;
  TColor pen_color = clBlack;
  TPenMode pen_mode = pmCopy;
  TColor brush_color = clWhite;
  TBrushStyle brush_style = bsSolid;
  TPoint pen_pos;
  friend bool operator==(const CanvasState&, const CanvasState&) = default;
  friend std::ostream& operator<<(std::ostream& os, const CanvasState& s) {
    return os << "pen width " << s.pen_width << " colour " << std::hex << s.pen_color << std::dec
              << (s.pen_mode == pmCopy ? " copy" : " not-xor") << ", brush " << std::hex
              << s.brush_color << std::dec << (s.brush_style == bsSolid ? " solid" : " clear")
              << ", pen at (" << s.pen_pos.x << ", " << s.pen_pos.y << ")";
  }
};

inline CanvasState StateOf(const Canvas& c) {
  return {c.PenWidth(), c.PenColor(), c.PenMode(), c.BrushColor(), c.BrushStyle(), c.PenPos()};
}

inline void SetState(Canvas& c, const CanvasState& s) {
  c.SetPenWidth(s.pen_width);
  c.SetPenColor(s.pen_color);
  c.SetPenMode(s.pen_mode);
  c.SetBrushColor(s.brush_color);
  c.SetBrushStyle(s.brush_style);
  c.MoveTo(s.pen_pos.x, s.pen_pos.y);
}

// Runs the script, draws the stamp at its anchors on a fresh picture of the same size, and
// compares the pixels. The script must draw something, so that two blank pictures cannot pass
// for a match.
inline testing::AssertionResult MatchesScript(const QString& path, const DrawAt& draw) {
  const CanvasScriptResult run = RunCanvasScript(path, /*write_files=*/false);
  if (!run.ok || !run.picture) return testing::AssertionFailure() << run.error.toStdString();
  const std::vector<TPoint> anchors = ScriptAnchors(path);
  if (anchors.empty()) return testing::AssertionFailure() << "the script names no anchor";
  if (InkedPixels(run.picture->Image()) == 0) {
    return testing::AssertionFailure() << "the script draws nothing";
  }
  Bitmap mine(run.picture->Width(), run.picture->Height());
  for (const TPoint& a : anchors) draw(mine.GetCanvas(), a.x, a.y);
  const PictureDiff diff = ComparePictures(run.picture->Image(), mine.Image());
  if (!diff.same_size || diff.differing != 0) {
    return testing::AssertionFailure() << diff.Describe();
  }
  return testing::AssertionSuccess();
}

}  // namespace nabrilo::stamp_test
