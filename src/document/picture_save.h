#pragma once
// What "ファイルに保存" writes. The dialog offers BMP (first, the default), PNG and JPEG. The
// name's extension decides the content (.bmp, .png, .jpg or .jpeg, in any case): a file is what
// its name says, so that the program and others open it again. A name with none of them
// ("drawing", "drawing.txt") gets the kind of the filter chosen in the dialog.

#include <QImage>
#include <QString>

#include "document/picture_file.h"

namespace nabrilo {

// The load dialog's filters: every kind it opens first (the default), then each kind alone.
QString OpenPictureFilter();
// The save dialog's filters and its default extension (the first filter's).
QString SavePictureFilter();
QString SavePictureDefaultExt();

// The kind a save to `path` writes, `filter_index` being the filter chosen (1 for the first).
PictureKind SaveKindOf(const QString& path, int filter_index);

// Writes `image` to `path` as `kind` (BMP for None), through a temporary file that replaces the
// target only once complete. False when anything fails.
bool WritePictureFile(const QImage& image, const QString& path, PictureKind kind);

}  // namespace nabrilo
