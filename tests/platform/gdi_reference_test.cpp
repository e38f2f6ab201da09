// Every script of the GDI reference set is replayed on our canvas and compared with the picture
// the reference GDI rendered. Exact cases must match pixel for pixel; approx_ cases (curves with
// wide pens, not-xor with coloured brushes) must stay close.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "canvas_script.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

QString ReferenceDir() {
  return QStringLiteral(NABRILO_REFERENCE_DIR "/gdi");
}

std::vector<std::string> Cases() {
  std::vector<std::string> names;
  for (const QString& f : QDir(ReferenceDir()).entryList({"*.txt"}, QDir::Files, QDir::Name)) {
    names.push_back(f.chopped(4).toStdString());
  }
  return names;
}

class GdiReference : public testing::TestWithParam<std::string> {};

TEST_P(GdiReference, MatchesTheReferencePicture) {
  const QString name = QString::fromStdString(GetParam());
  const CanvasScriptResult run =
      RunCanvasScript(ReferenceDir() + "/" + name + ".txt", /*write_files=*/false);
  ASSERT_TRUE(run.ok) << run.error.toStdString();
  ASSERT_TRUE(run.picture.has_value());
  const QImage expected(ReferenceDir() + "/" + name + ".bmp");
  ASSERT_FALSE(expected.isNull());
  const PictureDiff diff = ComparePictures(expected, run.picture->Image());
  ASSERT_TRUE(diff.same_size) << diff.Describe();
  if (name.startsWith(QLatin1String("approx_"))) {
    // A clean stroke differs from the reference's ragged one along the edges of the curves only.
    const double share = double(diff.differing) / (expected.width() * expected.height());
    RecordProperty("differing_pixels", diff.differing);
    EXPECT_LT(share, 0.02) << diff.Describe();
  } else {
    EXPECT_EQ(diff.differing, 0) << diff.Describe();
  }
}

INSTANTIATE_TEST_SUITE_P(All, GdiReference, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace nabrilo
