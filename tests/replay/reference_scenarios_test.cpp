// The reference scenarios: every tests/reference/scenarios/*.nbr run by nabrilo-replay in an
// empty directory, each saved <name>.bmp compared with <case>.<name>.png on its colour.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "replay/replay_process.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

// Cases whose drawing is not built yet. Each is still run and its differences printed; the test
// fails as soon as one of them passes, so that whoever lands the drawing takes it off this list.
const std::vector<std::string> kNotYetDrawn = {};

// A clean wide stroke differs from the reference's ragged one by about a pixel along its edges.
constexpr double kApproxShare = 0.01;

QString ScenarioDir() {
  return QStringLiteral(NABRILO_REFERENCE_DIR "/scenarios");
}

std::vector<std::string> Cases() {
  std::vector<std::string> cases;
  for (const QFileInfo& f : QDir(ScenarioDir()).entryInfoList({QStringLiteral("*.nbr")})) {
    cases.push_back(f.completeBaseName().toStdString());
  }
  return cases;
}

// What is wrong with one case's run; empty when it reproduced every picture.
std::vector<std::string> Problems(const std::string& name) {
  const QString case_name = QString::fromStdString(name);
  QTemporaryDir work;
  const ReplayRun run = RunReplay(ScenarioDir() + '/' + case_name + ".nbr", work.path());
  if (!run.finished || run.exit_code != 0) {
    return {"nabrilo-replay did not finish cleanly: " + run.err.toStdString()};
  }
  const bool approx = case_name.startsWith(QLatin1String("approx_"));
  std::vector<std::string> problems;
  const QStringList expected_files =
      QDir(ScenarioDir()).entryList({case_name + QStringLiteral(".*.png")});
  for (const QString& expected_file : expected_files) {
    const QString picture = expected_file.section('.', 1, 1);
    const QImage expected(ScenarioDir() + '/' + expected_file);
    const QImage saved(work.filePath(picture + QStringLiteral(".bmp")));
    const PictureDiff diff = ComparePictures(expected, saved);
    const long allowed =
        approx ? static_cast<long>(kApproxShare * expected.width() * expected.height()) : 0;
    if (saved.isNull()) {
      problems.push_back(picture.toStdString() + ".bmp was not saved");
    } else if (!diff.same_size || diff.differing > allowed) {
      problems.push_back(picture.toStdString() + ": " + diff.Describe());
    } else if (diff.differing > 0) {
      std::printf("%s %s: %ld pixels differ (within the bound of %ld)\n", name.c_str(),
                  qPrintable(picture), diff.differing, allowed);
    }
  }
  if (expected_files.isEmpty()) problems.push_back("no expected pictures");
  return problems;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "  " + line + "\n";
  return text;
}

class ReferenceScenario : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceScenario, ReproducesEverySavedPicture) {
  const std::string& name = GetParam();
  const std::vector<std::string> problems = Problems(name);
  const bool not_yet =
      std::find(kNotYetDrawn.begin(), kNotYetDrawn.end(), name) != kNotYetDrawn.end();
  if (not_yet) {
    EXPECT_FALSE(problems.empty()) << name << " passes now: take it off kNotYetDrawn";
    std::printf("expected failure, %s:\n%s", name.c_str(), Joined(problems).c_str());
  } else {
    EXPECT_TRUE(problems.empty()) << name << ":\n" << Joined(problems);
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ReferenceScenario, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(ReferenceScenarios, AreFoundAndEveryExpectedFailureIsOne) {
  const std::vector<std::string> cases = Cases();
  EXPECT_GE(cases.size(), 30u);
  for (const std::string& name : kNotYetDrawn) {
    EXPECT_NE(std::find(cases.begin(), cases.end(), name), cases.end()) << name;
  }
}

}  // namespace
}  // namespace nabrilo::testing
