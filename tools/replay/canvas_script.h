#pragma once
// Canvas scripts: one drawing command per line on a bare canvas (new, pen, rop, brush, moveto,
// lineto, rectangle, roundrect, ellipse, pie, arc, polygon, polybezier, setpixel, save).

#include <QString>
#include <optional>

#include "platform/bitmap.h"

namespace nabrilo {

struct CanvasScriptResult {
  bool ok = true;
  QString error;                  // "FILE:LINE: what went wrong" when !ok
  std::optional<Bitmap> picture;  // the canvas as it stood at the end
};

// Runs the script in `path`. `save` lines write BMP files relative to the current directory
// unless `write_files` is false.
CanvasScriptResult RunCanvasScript(const QString& path, bool write_files = true);

}  // namespace nabrilo
