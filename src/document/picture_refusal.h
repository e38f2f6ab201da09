#pragma once
// Why a picture file was refused. The user is told one message per kind of file whatever the
// reason; the reason goes to standard error with the file's name, for whoever looks into it.

#include <QImage>
#include <QString>
#include <utility>

namespace nabrilo {

enum class Refusal {
  None,
  Unreadable,      // not a regular file, or it cannot be opened or read whole
  NotThisKind,     // it does not begin as a file of its kind does
  UnknownHeader,   // BMP: an info header of a size no BMP kind has
  Unsupported,     // BMP: planes, depth and compression of a kind we do not read
  BadSize,         // a width or height of zero or less
  TooLarge,        // a width, height or number of pixels beyond the picture limits
  BadBitFields,    // BMP: colour masks that cannot describe colours
  BadPaletteSize,  // BMP: more colours than the depth can use, in a table the file does not hold
  Truncated,       // the file ends before its headers or its pixel data do
  BadRle,          // BMP: runs, blocks or jumps that leave their row or the picture
  Damaged,         // the decoding library refused the data (its words go with it)
  NoMemory,        // the picture's memory could not be had
};

// A few words for the log ("too large").
inline const char* RefusalText(Refusal refusal) {
  switch (refusal) {
    case Refusal::None:
      return "not refused";
    case Refusal::Unreadable:
      return "cannot be read";
    case Refusal::NotThisKind:
      return "not a file of its kind";
    case Refusal::UnknownHeader:
      return "unknown header";
    case Refusal::Unsupported:
      return "a kind of picture that is not supported";
    case Refusal::BadSize:
      return "no width or no height";
    case Refusal::TooLarge:
      return "too large";
    case Refusal::BadBitFields:
      return "bad colour masks (bit-fields)";
    case Refusal::BadPaletteSize:
      return "bad palette size";
    case Refusal::Truncated:
      return "truncated";
    case Refusal::BadRle:
      return "RLE data outside the picture";
    case Refusal::Damaged:
      return "damaged";
    case Refusal::NoMemory:
      return "not enough memory";
  }
  return "?";
}

// What a decoder made of the bytes: the picture, or why there is none.
struct Decoded {
  QImage image;  // Format_RGB32; null when refused
  Refusal refusal = Refusal::None;
  QString detail;  // the decoding library's own words, when it gave some

  static Decoded Picture(QImage image) { return {std::move(image), Refusal::None, {}}; }
  static Decoded Refused(Refusal why, const QString& detail = {}) { return {{}, why, detail}; }
};

}  // namespace nabrilo
