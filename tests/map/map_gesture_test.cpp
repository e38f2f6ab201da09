// Map-mode gestures on the real window against the canvas scripts of the calls they must make
// (tests/map/gestures/make_gestures.py): the nine breakwater tools in every direction with
// widths 20, 25 and 100, every line-bank tool in each thickness with both fills, the eraser in
// both sizes, the rectangle example, and symbols stamped after a hollow rectangle.
#include <gtest/gtest.h>

#include <QDir>

#include "app/form_fixture.h"
#include "canvas_script.h"
#include "map/map_gesture_driver.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

QString GestureDir() {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/map/gestures");
}

std::vector<std::string> Scripts() {
  std::vector<std::string> names;
  for (const QString& f : QDir(GestureDir()).entryList({"*.txt"}, QDir::Files, QDir::Name)) {
    names.push_back(f.toStdString());
  }
  return names;
}

class MapGesture : public testing::FormTest, public ::testing::WithParamInterface<std::string> {};

TEST(MapGestureScripts, EveryToolAndCaseHasOne) {
  const std::vector<std::string> names = Scripts();
  EXPECT_EQ(names.size(), 9u * 3 + 9 + 2 + 2 + 1);
  for (int tag = 101; tag <= 109; ++tag) {
    for (int width : {20, 25, 100}) {
      const std::string name =
          "hato_" + std::to_string(tag) + "_w" + std::to_string(width) + ".txt";
      EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
    const std::string line = "line_" + std::to_string(tag) + ".txt";
    EXPECT_NE(std::find(names.begin(), names.end(), line), names.end()) << line;
  }
}

TEST_P(MapGesture, PictureIsWhatTheScriptDraws) {
  const QString path = GestureDir() + "/" + QString::fromStdString(GetParam());
  const CanvasScriptResult expected = RunCanvasScript(path, /*write_files=*/false);
  ASSERT_TRUE(expected.ok && expected.picture) << expected.error.toStdString();
  ASSERT_GT(map_test::InkedPixels(expected.picture->Image()), 0) << "the script draws nothing";
  const std::optional<QString> error = map_test::Replay(*form, path);
  ASSERT_FALSE(error) << error->toStdString();
  const PictureDiff diff =
      ComparePictures(expected.picture->Image(), form->Image1->Picture().Image());
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
}

INSTANTIATE_TEST_SUITE_P(All, MapGesture, ::testing::ValuesIn(Scripts()), [](const auto& info) {
  return info.param.substr(0, info.param.size() - 4);
});

}  // namespace
}  // namespace nabrilo
