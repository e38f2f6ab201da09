// Checking: captions, states, messages, sizes, the screen cursor and the picture.
#include <QComboBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

#include "app/form_main.h"
#include "platform/cursors.h"
#include "scenario_runner.h"

namespace nabrilo {

namespace {

QString Quoted(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
      .replace(QLatin1Char('"'), QLatin1String("\\\""));
  shown.replace(QLatin1Char('\r'), QLatin1String("\\r"))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"));
  return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString Hex(quint32 color) {
  return QStringLiteral("0x%1").arg(color, 8, 16, QLatin1Char('0'));
}

// The caption or text a user reads on the control.
std::optional<QString> ShownText(QWidget* control) {
  if (auto* b = dynamic_cast<TSpeedButton*>(control)) return b->Caption();
  if (auto* b = dynamic_cast<QAbstractButton*>(control)) return b->text();
  if (auto* l = dynamic_cast<QLabel*>(control)) return l->text();
  if (auto* e = dynamic_cast<QLineEdit*>(control)) return e->text();
  if (auto* g = dynamic_cast<QGroupBox*>(control)) return g->title();
  if (auto* c = dynamic_cast<QComboBox*>(control)) return c->currentText();
  if (control->isWindow()) return control->windowTitle();
  return std::nullopt;
}

bool Yes(const Arg& arg) {
  return arg.text == QLatin1String("yes");
}

// The first pixel whose colour (RGB) differs, and how many differ; both pictures RGB32.
void ComparePixels(const QImage& expected, const QImage& actual, const QString& file) {
  long differing = 0;
  QPoint first;
  quint32 want = 0, got = 0;
  for (int y = 0; y < expected.height(); ++y) {
    const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
    const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
    for (int x = 0; x < expected.width(); ++x) {
      if ((e[x] & 0xFFFFFFu) == (a[x] & 0xFFFFFFu)) continue;
      if (differing++ == 0) {
        first = QPoint(x, y);
        want = FromRgb32(e[x]);
        got = FromRgb32(a[x]);
      }
    }
  }
  if (differing == 0) return;
  throw ScenarioError(QStringLiteral("the picture differs from \"%1\" in %2 pixel(s); the first "
                                     "at (%3, %4) is %5, expected %6")
                          .arg(file)
                          .arg(differing)
                          .arg(first.x())
                          .arg(first.y())
                          .arg(Hex(got), Hex(want)));
}

}  // namespace

void ScenarioRunner::Expect(const Args& a) {
  const std::optional<QString> shown = ShownText(Control(a[0]));
  if (!shown) throw ScenarioError(QStringLiteral("\"%1\" shows no caption or text").arg(a[0].text));
  if (*shown != a[1].text) {
    throw ScenarioError(QStringLiteral("%1 reads %2, expected %3")
                            .arg(a[0].text, Quoted(*shown), Quoted(a[1].text)));
  }
}

void ScenarioRunner::ExpectEnabled(const Args& a) {
  const bool enabled = Control(a[0])->isEnabled();
  if (enabled != Yes(a[1])) {
    throw ScenarioError(
        QStringLiteral("%1 is %2").arg(a[0].text, enabled ? "enabled" : "disabled"));
  }
}

void ScenarioRunner::ExpectDown(const Args& a) {
  const bool down = ControlAs<TSpeedButton>(a[0], "a speed button")->Down();
  if (down != Yes(a[1])) {
    throw ScenarioError(QStringLiteral("%1 is %2").arg(a[0].text, down ? "down" : "not down"));
  }
}

void ScenarioRunner::ExpectMessage(const Args& a) {
  if (dialogs_.shown.empty()) {
    throw ScenarioError(QStringLiteral("no message was shown; expected %1").arg(Quoted(a[0].text)));
  }
  const QString text = dialogs_.shown.front().text;
  dialogs_.shown.pop_front();
  if (text != a[0].text) {
    throw ScenarioError(
        QStringLiteral("the message read %1, expected %2").arg(Quoted(text), Quoted(a[0].text)));
  }
}

void ScenarioRunner::ExpectSomeMessage(const Args&) {
  if (dialogs_.shown.empty()) throw ScenarioError(QStringLiteral("no message was shown"));
  dialogs_.shown.pop_front();
}

void ScenarioRunner::ExpectNoMessage(const Args&) {
  if (dialogs_.shown.empty()) return;
  throw ScenarioError(QStringLiteral("%1 message(s) not checked; the first read %2")
                          .arg(dialogs_.shown.size())
                          .arg(Quoted(dialogs_.shown.front().text)));
}

void ScenarioRunner::ExpectSize(const Args& a) {
  const Bitmap& picture = form_->Image1->Picture();
  if (picture.Width() != a[0].number || picture.Height() != a[1].number) {
    throw ScenarioError(
        QStringLiteral("the picture is %1 x %2").arg(picture.Width()).arg(picture.Height()));
  }
}

void ScenarioRunner::ExpectWindow(const Args& a) {
  const QSize outer = form_->Outer_Size();
  if (outer.width() != a[0].number || outer.height() != a[1].number) {
    throw ScenarioError(
        QStringLiteral("the window is %1 x %2").arg(outer.width()).arg(outer.height()));
  }
}

void ScenarioRunner::ExpectCursor(const Args& a) {
  if (ScreenCursor() != a[0].number) {
    throw ScenarioError(QStringLiteral("the screen cursor is %1").arg(ScreenCursor()));
  }
}

void ScenarioRunner::ExpectPixel(const Args& a) {
  const QImage& image = form_->Image1->Picture().Image();
  const QPoint p(static_cast<int>(a[0].number), static_cast<int>(a[1].number));
  if (!image.rect().contains(p)) {
    throw ScenarioError(QStringLiteral("(%1, %2) lies outside the %3 x %4 picture")
                            .arg(p.x())
                            .arg(p.y())
                            .arg(image.width())
                            .arg(image.height()));
  }
  const TColor color = FromRgb32(image.pixel(p));
  if (color != a[2].number) {
    throw ScenarioError(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                            .arg(p.x())
                            .arg(p.y())
                            .arg(Hex(color), Hex(static_cast<quint32>(a[2].number))));
  }
}

void ScenarioRunner::ExpectPicture(const Args& a) {
  const QString& path = a[0].text;
  QImageReader reader(path);
  const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
  if (expected.isNull()) {
    throw ScenarioError(
        QStringLiteral("cannot read the picture \"%1\": %2").arg(path, reader.errorString()));
  }
  const QImage& actual = form_->Image1->Picture().Image();
  if (actual.size() != expected.size()) {
    throw ScenarioError(QStringLiteral("the picture is %1 x %2, \"%3\" is %4 x %5")
                            .arg(actual.width())
                            .arg(actual.height())
                            .arg(a[0].text)
                            .arg(expected.width())
                            .arg(expected.height()));
  }
  ComparePixels(expected, actual.convertToFormat(QImage::Format_RGB32), a[0].text);
}

}  // namespace nabrilo
