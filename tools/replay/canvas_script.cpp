#include "canvas_script.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
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
    const QString line = in.readLine();
    ++line_no;
    const QString trimmed = line.section(QLatin1Char('#'), 0, 0).trimmed();
    if (trimmed.isEmpty()) continue;
    const QStringList w = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString& cmd = w[0];
    std::vector<int> n;
    auto ints = [&](qsizetype from, qsizetype count) {
      n.clear();
      if (count >= 0 && w.size() != from + count) return false;
      for (qsizetype i = from; i < w.size(); ++i) {
        int v = 0;
        if (!ParseInt(w[i], &v)) return false;
        n.push_back(v);
      }
      return true;
    };
    if (cmd == QLatin1String("new")) {
      if (!ints(1, 2) || n[0] < 0 || n[1] < 0) return fail(QStringLiteral("new W H"));
      result.picture.emplace(n[0], n[1]);
      continue;
    }
    if (!result.picture)
      return fail(QStringLiteral("no canvas yet: the script must begin with new"));
    Canvas& c = result.picture->GetCanvas();
    if (cmd == QLatin1String("pen")) {
      TColor color = 0;
      int width = 0;
      if (w.size() != 3 || !ParseColor(w[1], &color) || !ParseInt(w[2], &width)) {
        return fail(QStringLiteral("pen COLOR WIDTH"));
      }
      c.SetPenColor(color);
      c.SetPenWidth(width);
    } else if (cmd == QLatin1String("rop")) {
      if (w.size() == 2 && w[1] == QLatin1String("copy")) {
        c.SetPenMode(pmCopy);
      } else if (w.size() == 2 && w[1] == QLatin1String("notxor")) {
        c.SetPenMode(pmNotXor);
      } else {
        return fail(QStringLiteral("rop copy|notxor"));
      }
    } else if (cmd == QLatin1String("brush")) {
      TColor color = 0;
      if (w.size() == 2 && w[1] == QLatin1String("clear")) {
        c.SetBrushStyle(bsClear);
      } else if (w.size() == 3 && w[2] == QLatin1String("solid") && ParseColor(w[1], &color)) {
        c.SetBrushColor(color);
        c.SetBrushStyle(bsSolid);
      } else {
        return fail(QStringLiteral("brush COLOR solid | brush clear"));
      }
    } else if (cmd == QLatin1String("moveto") || cmd == QLatin1String("lineto")) {
      if (!ints(1, 2)) return fail(cmd + QStringLiteral(" X Y"));
      if (cmd == QLatin1String("moveto")) {
        c.MoveTo(n[0], n[1]);
      } else {
        c.LineTo(n[0], n[1]);
      }
    } else if (cmd == QLatin1String("rectangle") || cmd == QLatin1String("ellipse")) {
      if (!ints(1, 4)) return fail(cmd + QStringLiteral(" X1 Y1 X2 Y2"));
      if (cmd == QLatin1String("rectangle")) {
        c.Rectangle(n[0], n[1], n[2], n[3]);
      } else {
        c.Ellipse(n[0], n[1], n[2], n[3]);
      }
    } else if (cmd == QLatin1String("roundrect")) {
      if (!ints(1, 6)) return fail(QStringLiteral("roundrect X1 Y1 X2 Y2 W H"));
      c.RoundRect(n[0], n[1], n[2], n[3], n[4], n[5]);
    } else if (cmd == QLatin1String("pie") || cmd == QLatin1String("arc")) {
      if (!ints(1, 8)) return fail(cmd + QStringLiteral(" X1 Y1 X2 Y2 X3 Y3 X4 Y4"));
      if (cmd == QLatin1String("pie")) {
        c.Pie(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
      } else {
        c.Arc(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
      }
    } else if (cmd == QLatin1String("polygon") || cmd == QLatin1String("polybezier")) {
      if (!ints(1, -1) || n.size() % 2 != 0 || n.empty()) {
        return fail(cmd + QStringLiteral(" X1 Y1 X2 Y2 …"));
      }
      std::vector<TPoint> pts;
      for (size_t i = 0; i < n.size(); i += 2) pts.push_back({n[i], n[i + 1]});
      try {
        if (cmd == QLatin1String("polygon")) {
          c.Polygon(pts);
        } else {
          c.PolyBezier(pts);
        }
      } catch (const CanvasError& e) {
        return fail(QString::fromUtf8(e.what()));
      }
    } else if (cmd == QLatin1String("setpixel")) {
      int x = 0, y = 0;
      TColor color = 0;
      if (w.size() != 4 || !ParseInt(w[1], &x) || !ParseInt(w[2], &y) ||
          !ParseColor(w[3], &color)) {
        return fail(QStringLiteral("setpixel X Y COLOR"));
      }
      c.SetPixel(x, y, color);
    } else if (cmd == QLatin1String("getpixel")) {
      if (!ints(1, 2)) return fail(QStringLiteral("getpixel X Y"));
      QTextStream(stdout) << ColorToString(static_cast<TColor>(c.Pixel(n[0], n[1]))) << '\n';
    } else if (cmd == QLatin1String("save")) {
      if (w.size() != 2) return fail(QStringLiteral("save PATH"));
      if (write_files && !WriteBmpFile(result.picture->Image(), w[1])) {
        return fail(QStringLiteral("cannot write ") + w[1]);
      }
    } else {
      return fail(QStringLiteral("unknown command ") + cmd);
    }
  }
  return result;
}

}  // namespace nabrilo
