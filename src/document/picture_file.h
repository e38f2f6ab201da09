#pragma once
// Pictures from files, as "ファイルから" loads them: the kind of file is told from the name, the
// bytes are decoded by the BMP, JPEG or PNG reader. Nothing here shows a box; the handlers do.
// Every way a file comes in (the load dialog, the command line, a drop) goes through
// LoadPictureFile.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "document/picture_limits.h"
#include "document/picture_refusal.h"

namespace nabrilo {

enum class PictureKind { None, Bmp, Jpeg, Png };

// From the upper-cased full path, in this order: ".BMP" anywhere → BMP; else ".JPG" or ".JPEG"
// anywhere → JPEG; else ".PNG" anywhere → PNG; else none.
PictureKind PictureKindOf(const QString& path);

struct PictureLoad {
  enum Outcome { Loaded, NotAPicture, BadBitmap, BadJpeg, BadPng };
  Outcome outcome = NotAPicture;
  QImage image;                     // Format_RGB32 when Loaded, null otherwise
  Refusal refusal = Refusal::None;  // why a BMP, JPEG or PNG file was refused
  QString detail;                   // the decoding library's words, when it gave some
};

// Decodes a whole file image of the given kind.
PictureLoad DecodePicture(PictureKind kind, const QByteArray& bytes,
                          const PictureLimits& limits = {});

// Reads and decodes the file at `path`. Only regular files are opened (a pipe or a device named
// *.bmp would block or never end).
PictureLoad LoadPictureFile(const QString& path, const PictureLimits& limits = {});

// The line for standard error that names the file and why it was refused: "nabrilo: cannot load
// /tmp/a.bmp: truncated".
QString RefusalLine(const QString& path, const PictureLoad& load);

// The texts the user sees for the failures.
inline QString BadBitmapText() {
  return QStringLiteral("ビットマップイメージが不正です");
}
inline QString UnsupportedFormatText() {
  return QStringLiteral("対応していないフォーマットです");
}

}  // namespace nabrilo
