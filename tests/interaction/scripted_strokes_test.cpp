// Each script in scripts/ names a gesture in its "#>" lines (tool, colour, press, move, release)
// and lists, as canvas commands, the drawing calls that gesture must make. The gesture is played
// on the real window and the picture compared with the script's, pixel for pixel.
#include <QDir>
#include <QFile>
#include <QTextStream>

#include "canvas_script.h"
#include "interaction/pointer_fixture.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

QString ScriptDir() {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/interaction/scripts");
}

std::vector<std::string> ScriptNames() {
  std::vector<std::string> names;
  for (const QString& f : QDir(ScriptDir()).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
    names.push_back(f.chopped(4).toStdString());
  }
  return names;
}

class ScriptedStroke : public PointerTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Plays one "#>" line; false when it cannot be understood.
  bool Play(const QStringList& w) {
    const auto num = [&](int i) { return w.value(i).toInt(); };
    const Qt::MouseButton button =
        w.value(3) == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton;
    if (w[0] == QLatin1String("tool") && w.size() == 2) {
      Choose(num(1));
    } else if (w[0] == QLatin1String("color") && w.size() == 2) {
      Color(w[1].toLatin1().constData());
    } else if (w[0] == QLatin1String("press") && w.size() >= 3) {
      Press(num(1), num(2), button);
    } else if (w[0] == QLatin1String("move") && w.size() == 3) {
      Move(num(1), num(2));
    } else if (w[0] == QLatin1String("release") && w.size() >= 3) {
      Release(num(1), num(2), button);
    } else {
      return false;
    }
    return true;
  }
};

TEST_P(ScriptedStroke, GestureDrawsWhatItsScriptDraws) {
  const QString path =
      ScriptDir() + QLatin1Char('/') + QString::fromStdString(GetParam()) + QStringLiteral(".txt");
  const CanvasScriptResult expected = RunCanvasScript(path, /*write_files=*/false);
  ASSERT_TRUE(expected.ok && expected.picture) << expected.error.toStdString();
  const QImage& script_picture = expected.picture->Image();
  ASSERT_NE(script_picture, Bitmap(script_picture.width(), script_picture.height()).Image())
      << "the script draws nothing";

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  QTextStream in(&file);
  int gestures = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (!line.startsWith(QLatin1String("#>"))) continue;
    const QStringList w = line.mid(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_FALSE(w.isEmpty());
    ASSERT_TRUE(Play(w)) << line.toStdString();
    if (HasFatalFailure()) return;
    ++gestures;
  }
  ASSERT_GT(gestures, 0);
  const PictureDiff diff = ComparePictures(expected.picture->Image(), Picture());
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  EXPECT_EQ(form->Line_Mode, TForm_Main::kLineNone) << "every stroke is ended by its release";
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptedStroke, ::testing::ValuesIn(ScriptNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace nabrilo::testing
