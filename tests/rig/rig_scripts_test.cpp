// Every tackle part and both rods against a canvas script written from the parts' drawing tables
// (scripts/make_scripts.py), not from the program's own tables. Both sides draw on the same
// canvas, so a wrong coordinate, a missing step or a pen or brush set in the wrong place shows.
#include <gtest/gtest.h>

#include <QDir>

#include "rig/rig_parts.h"
#include "rig/stamp_check.h"

namespace nabrilo {
namespace {

using stamp_test::MatchesScript;

using stamp_test::DrawTool;

QString ScriptDir() {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/rig/scripts");
}

// A script is named after the tag of its palette button: "05_omori_kotei.txt".
int TagOf(const QString& file) {
  return file.section(QLatin1Char('_'), 0, 0).toInt();
}

std::vector<std::string> Scripts() {
  std::vector<std::string> names;
  for (const QString& f : QDir(ScriptDir()).entryList({"*.txt"}, QDir::Files, QDir::Name)) {
    names.push_back(f.toStdString());
  }
  return names;
}

TEST(RigScripts, EveryPartAndRodHasOne) {
  std::vector<int> tags;
  for (const std::string& name : Scripts()) tags.push_back(TagOf(QString::fromStdString(name)));
  const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 31, 32, 33, 34};
  EXPECT_EQ(tags, expected);
}

class RigScript : public testing::TestWithParam<std::string> {};

TEST_P(RigScript, StampDrawsWhatTheScriptDraws) {
  const QString file = QString::fromStdString(GetParam());
  const int tag = TagOf(file);
  EXPECT_TRUE(MatchesScript(ScriptDir() + "/" + file,
                            [tag](Canvas& c, int x, int y) { DrawTool(tag, c, x, y); }));
}

INSTANTIATE_TEST_SUITE_P(All, RigScript, testing::ValuesIn(Scripts()), [](const auto& info) {
  return QString::fromStdString(info.param).chopped(4).prepend("tag_").toStdString();
});

}  // namespace
}  // namespace nabrilo
