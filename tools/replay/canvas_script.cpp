#include "canvas_script.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <iterator>
#include <span>
#include <vector>

#include "document/bmp_file.h"

namespace nabrilo {

namespace {

bool ParseInt(const QString& s, int* out) {
  bool ok = false;
  const qlonglong v = s.toLongLong(&ok, 0);
  if (!ok || v < INT32_MIN || v > INT32_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

bool ParseColor(const QString& s, TColor* out) {
  bool ok = false;
  const qulonglong v = s.toULongLong(&ok, 0);
  if (!ok || v > 0xFFFFFF) return false;
  *out = static_cast<TColor>(v);
  return true;
}

// One line of a script as its command sees it.
struct Line {
  const QStringList& w;  // the words, the command first
  std::vector<int> n;    // the numbers after the command, for commands that take numbers
  std::optional<Bitmap>& picture;
  bool write_files;
  QString error;  // set by a command that fails for a reason other than its arguments
  Canvas& c() const { return picture->GetCanvas(); }
};

// A command's work: false when the line cannot be done (its `error`, or else the usage, is then
// reported).
using Run = bool (*)(Line&);

constexpr int kOwnWords = -1;  // the command reads its words itself
constexpr int kPairs = -2;     // any number of X Y pairs, at least one

struct Command {
  const char* name;
  int numbers;  // how many numbers follow the command, or kOwnWords, or kPairs
  const char* usage;
  Run run;
};

bool Points(Line& l, void (Canvas::*draw)(std::span<const TPoint>)) {
  std::vector<TPoint> pts;
  for (size_t i = 0; i < l.n.size(); i += 2) pts.push_back({l.n[i], l.n[i + 1]});
  try {
    (l.c().*draw)(pts);
  } catch (const CanvasError& e) {
    l.error = QString::fromUtf8(e.what());
    return false;
  }
  return true;
}

const Command kCommands[] = {
    {"new", 2, "new W H",
     [](Line& l) {
       if (l.n[0] < 0 || l.n[1] < 0) return false;
       l.picture.emplace(l.n[0], l.n[1]);
       return true;
     }},
    {"pen", kOwnWords, "pen COLOR WIDTH",
     [](Line& l) {
       TColor color = 0;
       int width = 0;
       if (l.w.size() != 3 || !ParseColor(l.w[1], &color) || !ParseInt(l.w[2], &width)) {
         return false;
       }
       l.c().SetPenColor(color);
       l.c().SetPenWidth(width);
       return true;
     }},
    {"rop", kOwnWords, "rop copy|notxor",
     [](Line& l) {
       if (l.w.size() != 2) return false;
       if (l.w[1] == QLatin1String("copy")) {
         l.c().SetPenMode(pmCopy);
       } else if (l.w[1] == QLatin1String("notxor")) {
         l.c().SetPenMode(pmNotXor);
       } else {
         return false;
       }
       return true;
     }},
    {"brush", kOwnWords, "brush COLOR solid | brush clear",
     [](Line& l) {
       TColor color = 0;
       if (l.w.size() == 2 && l.w[1] == QLatin1String("clear")) {
         l.c().SetBrushStyle(bsClear);
       } else if (l.w.size() == 3 && l.w[2] == QLatin1String("solid") &&
                  ParseColor(l.w[1], &color)) {
         l.c().SetBrushColor(color);
         l.c().SetBrushStyle(bsSolid);
       } else {
         return false;
       }
       return true;
     }},
    {"moveto", 2, "moveto X Y",
     [](Line& l) {
       l.c().MoveTo(l.n[0], l.n[1]);
       return true;
     }},
    {"lineto", 2, "lineto X Y",
     [](Line& l) {
       l.c().LineTo(l.n[0], l.n[1]);
       return true;
     }},
    {"rectangle", 4, "rectangle X1 Y1 X2 Y2",
     [](Line& l) {
       l.c().Rectangle(l.n[0], l.n[1], l.n[2], l.n[3]);
       return true;
     }},
    {"ellipse", 4, "ellipse X1 Y1 X2 Y2",
     [](Line& l) {
       l.c().Ellipse(l.n[0], l.n[1], l.n[2], l.n[3]);
       return true;
     }},
    {"roundrect", 6, "roundrect X1 Y1 X2 Y2 W H",
     [](Line& l) {
       l.c().RoundRect(l.n[0], l.n[1], l.n[2], l.n[3], l.n[4], l.n[5]);
       return true;
     }},
    {"pie", 8, "pie X1 Y1 X2 Y2 X3 Y3 X4 Y4",
     [](Line& l) {
       const std::vector<int>& n = l.n;
       l.c().Pie(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
       return true;
     }},
    {"arc", 8, "arc X1 Y1 X2 Y2 X3 Y3 X4 Y4",
     [](Line& l) {
       const std::vector<int>& n = l.n;
       l.c().Arc(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
       return true;
     }},
    {"polygon", kPairs, "polygon X1 Y1 X2 Y2 …",
     [](Line& l) { return Points(l, &Canvas::Polygon); }},
    {"polybezier", kPairs, "polybezier X1 Y1 X2 Y2 …",
     [](Line& l) { return Points(l, &Canvas::PolyBezier); }},
    {"setpixel", kOwnWords, "setpixel X Y COLOR",
     [](Line& l) {
       int x = 0, y = 0;
       TColor color = 0;
       if (l.w.size() != 4 || !ParseInt(l.w[1], &x) || !ParseInt(l.w[2], &y) ||
           !ParseColor(l.w[3], &color)) {
         return false;
       }
       l.c().SetPixel(x, y, color);
       return true;
     }},
    {"getpixel", 2, "getpixel X Y",
     [](Line& l) {
       const TColor colour = static_cast<TColor>(l.c().Pixel(l.n[0], l.n[1]));
       QTextStream(stdout) << ColorToString(colour) << '\n';
       return true;
     }},
    {"save", kOwnWords, "save PATH",
     [](Line& l) {
       if (l.w.size() != 2) return false;
       if (l.write_files && !WriteBmpFile(l.picture->Image(), l.w[1])) {
         l.error = QStringLiteral("cannot write ") + l.w[1];
         return false;
       }
       return true;
     }},
};

// The numbers after the command, when there are as many as `command` takes.
bool ReadNumbers(const Command& command, Line* line) {
  const qsizetype count = line->w.size() - 1;
  if (command.numbers >= 0 && count != command.numbers) return false;
  if (command.numbers == kPairs && (count == 0 || count % 2 != 0)) return false;
  for (qsizetype i = 1; i <= count; ++i) {
    int v = 0;
    if (!ParseInt(line->w[i], &v)) return false;
    line->n.push_back(v);
  }
  return true;
}

}  // namespace

CanvasScriptResult RunCanvasScript(const QString& path, bool write_files) {
  CanvasScriptResult result;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return {false, path + QStringLiteral(": cannot open"), std::nullopt};
  }
  QTextStream in(&file);
  int line_no = 0;
  auto fail = [&](const QString& what) {
    result.ok = false;
    result.error = QStringLiteral("%1:%2: %3").arg(path).arg(line_no).arg(what);
    return result;
  };
  while (!in.atEnd()) {
    const QString text = in.readLine();
    ++line_no;
    const QString trimmed = text.section(QLatin1Char('#'), 0, 0).trimmed();
    if (trimmed.isEmpty()) continue;
    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                       [&](const Command& c) { return words[0] == c.name; });
    // Everything but the first command, new, draws on the canvas it makes.
    if (command != std::begin(kCommands) && !result.picture) {
      return fail(QStringLiteral("no canvas yet: the script must begin with new"));
    }
    if (command == std::end(kCommands)) return fail(QStringLiteral("unknown command ") + words[0]);
    Line line{words, {}, result.picture, write_files, {}};
    if (command->numbers == kOwnWords || ReadNumbers(*command, &line)) {
      if (command->run(line)) continue;
    }
    return fail(line.error.isEmpty() ? QString::fromUtf8(command->usage) : line.error);
  }
  return result;
}

}  // namespace nabrilo
