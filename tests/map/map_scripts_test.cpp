// Every map symbol and the sand dot against a canvas script written from the symbols' drawing
// tables (tests/rig/scripts/make_scripts.py), not from the program's own tables. The pictures
// start with the canvas of a new picture, so the symbols that use the current brush fill white.
#include <gtest/gtest.h>

#include <QDir>

#include "map/map_stamps.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

using stamp_test::MatchesScript;

QString ScriptDir() {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/map/scripts");
}

std::vector<std::string> Scripts() {
  std::vector<std::string> names;
  for (const QString& f : QDir(ScriptDir()).entryList({"*.txt"}, QDir::Files, QDir::Name)) {
    names.push_back(f.toStdString());
  }
  return names;
}

TEST(MapScripts, EverySymbolAndTheSandDotHaveOne) {
  const std::vector<std::string> expected = {
      "101_tetrapod_1.txt", "102_tetrapod_2.txt", "103_sankaku_nami.txt", "104_shikaku_nami.txt",
      "105_sunahama.txt",   "106_iwaba.txt",      "107_chushajo.txt",     "suna_ten.txt"};
  EXPECT_EQ(Scripts(), expected);
}

class MapScript : public testing::TestWithParam<std::string> {};

TEST_P(MapScript, StampDrawsWhatTheScriptDraws) {
  const QString file = QString::fromStdString(GetParam());
  bool numbered = false;
  const int tag = file.section(QLatin1Char('_'), 0, 0).toInt(&numbered);
  const stamp_test::DrawAt draw = [&](Canvas& c, int x, int y) {
    if (numbered) {
      DrawMapStamp(c, tag, x, y);
    } else {
      DrawSandDot(c, x, y);
    }
  };
  EXPECT_TRUE(MatchesScript(ScriptDir() + "/" + file, draw));
}

INSTANTIATE_TEST_SUITE_P(All, MapScript, testing::ValuesIn(Scripts()), [](const auto& info) {
  return QString::fromStdString(info.param).chopped(4).prepend("s_").toStdString();
});

}  // namespace
}  // namespace nabrilo
