#pragma once
// Replays the "# do ..." gesture lines of a map gesture script on the real window: palette
// choices through the controls as a user makes them, presses, moves and releases through the
// window's map-mode members, the way the pointer handlers call them.

#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTextStream>
#include <optional>

#include "app/form_main.h"
#include "platform/controls.h"
#include "support/picture_compare.h"

namespace nabrilo::map_test {

using ::nabrilo::InkedPixels;

inline void ClickButton(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// A choice in a radio group, as a user's click (which does nothing while the group is disabled).
inline void Click_Item(TRadioGroup* group, int index) {
  group->Item(index)->click();
}

// The pointer handlers' map-mode steps: the press sets the stamp anchor from the pointer before
// the map press, and the release clears Haba_DY after the map release.
inline void Press(TForm_Main& f, int x, int y) {
  f.Press_X = x;
  f.Press_Y = y;
  f.Map_Mouse_Down(x, y);
}
inline void Move(TForm_Main& f, int x, int y) {
  f.Map_Drag(x, y);
}
inline void Release(TForm_Main& f, int x, int y) {
  f.Map_Mouse_Up(x, y);
  f.Haba_DY = 0;
}

// Carries out one gesture line (the words after "# do"); an error text when it cannot.
inline std::optional<QString> Do(TForm_Main& f, const QStringList& w) {
  const QString& cmd = w.value(0);
  const int a = w.value(1).toInt();
  const int b = w.value(2).toInt();
  if (cmd == QLatin1String("mode")) {
    ClickButton(f.Btn_Shikake_Or_Point);
  } else if (cmd == QLatin1String("bank")) {
    Click_Item(f.R_Group1, a);
  } else if (cmd == QLatin1String("tool")) {
    auto* button = f.findChild<TSpeedButton*>(QStringLiteral("S2_Btn%1").arg(a));
    if (!button) return QStringLiteral("no button S2_Btn%1").arg(a);
    ClickButton(button);
  } else if (cmd == QLatin1String("width")) {
    for (int guard = 0; guard < 40 && f.UpDown1->Position() != a; ++guard) {
      ClickButton(f.UpDown1->Position() < a ? f.UpDown1->UpButton() : f.UpDown1->DownButton());
    }
    if (f.Edit_Haba->Text() != QString::number(a)) return QStringLiteral("width not set");
  } else if (cmd == QLatin1String("thickness")) {
    Click_Item(f.R_Group_line, a);
  } else if (cmd == QLatin1String("fill")) {
    Click_Item(f.R_Group2, a);
  } else if (cmd == QLatin1String("eraser")) {
    Click_Item(f.R_Group_Keshigomu, a);
  } else if (cmd == QLatin1String("color")) {
    if (!f.ColorBox1->SelectName(w.value(1))) return QStringLiteral("no colour ") + w.value(1);
  } else if (cmd == QLatin1String("press")) {
    Press(f, a, b);
  } else if (cmd == QLatin1String("move")) {
    Move(f, a, b);
  } else if (cmd == QLatin1String("release")) {
    Release(f, a, b);
  } else {
    return QStringLiteral("unknown gesture ") + cmd;
  }
  return std::nullopt;
}

// Replays every gesture line of the script; an error text naming the line when one fails.
inline std::optional<QString> Replay(TForm_Main& f, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return QStringLiteral("cannot read ") + path;
  QTextStream in(&file);
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine();
    if (!text.startsWith(QLatin1String("# do "))) continue;
    const QStringList words = text.mid(5).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (auto error = Do(f, words))
      return QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(*error);
  }
  return std::nullopt;
}

}  // namespace nabrilo::map_test
