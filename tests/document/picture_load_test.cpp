// Loading pictures as "ファイルから" does: the kind of file from the name, every BMP variant the
// reader accepts, the JPEG variants, and saved pictures coming back exactly.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/bmp_file.h"
#include "document/document_test_support.h"
#include "document/picture_file.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

using test::CorpusPath;

TEST(PictureKind, IsChosenFromTheUpperCasedFullPathInOrder) {
  EXPECT_EQ(PictureKindOf("/home/u/photo.Jpeg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("/home/u/photo.jpg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("/home/u/PiCtUrE.bMp"), PictureKind::Bmp);
  EXPECT_EQ(PictureKindOf("/home/u/picture.png"), PictureKind::None);
  EXPECT_EQ(PictureKindOf("/home/u/drawing"), PictureKind::None);
  // Anywhere in the path, and ".BMP" before ".JPG".
  EXPECT_EQ(PictureKindOf("/home/u/old.bmp.files/photo.jpg"), PictureKind::Bmp);
  EXPECT_EQ(PictureKindOf("/home/u/x.jpg.d/picture"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("/home/u/釣り 仕掛け.JPEG"), PictureKind::Jpeg);
}

TEST(PictureLoad, ReadsEveryBmpVariantToTheSamePixels) {
  const char* files[] = {"bmp_4bit.bmp",      "bmp_8bit.bmp",         "bmp_rle8.bmp",
                         "bmp_rle4.bmp",      "bmp_24bit.bmp",        "bmp_24bit_topdown.bmp",
                         "bmp_32bit.bmp",     "bmp_32bit_fields.bmp", "bmp_24bit_v5.bmp",
                         "bmp_os2_24bit.bmp", "bmp_os2_8bit.bmp"};
  for (const char* name : files) {
    SCOPED_TRACE(name);
    const PictureLoad load = LoadPictureFile(CorpusPath(name));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    EXPECT_EQ(load.image.format(), QImage::Format_RGB32);
    const PictureDiff diff = ComparePictures(test::CorpusPattern(), load.image);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
  // 16-bit channels widen as Windows widens them, by a shift: 31 becomes 248, not 255.
  for (const auto& [name, green_bits] :
       {std::pair{"bmp_16bit_555.bmp", 5}, {"bmp_16bit_565.bmp", 6}}) {
    SCOPED_TRACE(name);
    const PictureLoad load = LoadPictureFile(CorpusPath(name));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    QImage expected = test::CorpusPattern();
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        const QRgb c = expected.pixel(x, y);
        const int green_mask = 0xFF << (8 - green_bits) & 0xFF;
        expected.setPixel(x, y, qRgb(qRed(c) & 0xF8, qGreen(c) & green_mask, qBlue(c) & 0xF8));
      }
    }
    const PictureDiff diff = ComparePictures(expected, load.image);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
  const PictureLoad mono = LoadPictureFile(CorpusPath("bmp_1bit.bmp"));
  ASSERT_EQ(mono.outcome, PictureLoad::Loaded);
  const PictureDiff diff = ComparePictures(test::CorpusPattern1Bit(), mono.image);
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
}

// JPEG is lossy: the centre of each flat 16 × 16 block must keep its colour closely.
void ExpectJpegBlocks(const QImage& image, bool grey) {
  ASSERT_EQ(image.size(), QSize(64, 48));
  ASSERT_EQ(image.format(), QImage::Format_RGB32);
  for (int by = 0; by < 3; ++by) {
    for (int bx = 0; bx < 4; ++bx) {
      QRgb want = test::CorpusJpegBlock(bx, by);
      if (grey) {  // the luma ImageMagick made the grey file with (Rec. 709)
        const int luma = qRound(0.2126 * qRed(want) + 0.7152 * qGreen(want) + 0.0722 * qBlue(want));
        want = qRgb(luma, luma, luma);
      }
      const QRgb got = image.pixel(bx * 16 + 8, by * 16 + 8);
      EXPECT_NEAR(qRed(got), qRed(want), 16) << bx << "," << by;
      EXPECT_NEAR(qGreen(got), qGreen(want), 16) << bx << "," << by;
      EXPECT_NEAR(qBlue(got), qBlue(want), 16) << bx << "," << by;
      EXPECT_EQ(qAlpha(got), 255);
    }
  }
}

TEST(PictureLoad, DecodesBaselineProgressiveGreyAndCmykJpegAtFullSize) {
  for (const char* name : {"jpeg_baseline.jpg", "jpeg_progressive.jpg", "jpeg_cmyk.jpg"}) {
    SCOPED_TRACE(name);
    const PictureLoad load = LoadPictureFile(CorpusPath(name));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    ExpectJpegBlocks(load.image, false);
  }
  const PictureLoad grey = LoadPictureFile(CorpusPath("jpeg_grey.jpg"));
  ASSERT_EQ(grey.outcome, PictureLoad::Loaded);
  ExpectJpegBlocks(grey.image, true);
}

TEST(PictureLoad, TheNameDecidesTheReaderNotTheContent) {
  QTemporaryDir dir;
  const QByteArray bmp = test::ReadFileBytes(CorpusPath("bmp_24bit.bmp"));
  const QByteArray jpeg = test::ReadFileBytes(CorpusPath("jpeg_baseline.jpg"));
  // A .jpg holding a BMP goes to the JPEG reader, which refuses it.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("really a bitmap.jpg"), bmp));
  EXPECT_EQ(LoadPictureFile(dir.filePath("really a bitmap.jpg")).outcome, PictureLoad::BadJpeg);
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("really a photo.bmp"), jpeg));
  EXPECT_EQ(LoadPictureFile(dir.filePath("really a photo.bmp")).outcome, PictureLoad::BadBitmap);
  // Mixed case and Japanese names with spaces.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("写真 一枚.Jpeg"), jpeg));
  EXPECT_EQ(LoadPictureFile(dir.filePath("写真 一枚.Jpeg")).outcome, PictureLoad::Loaded);
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("仕掛け 図.bMp"), bmp));
  EXPECT_EQ(LoadPictureFile(dir.filePath("仕掛け 図.bMp")).outcome, PictureLoad::Loaded);
  // Neither name: nothing is read at all, whatever the content.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("picture.png"), bmp));
  const PictureLoad none = LoadPictureFile(dir.filePath("picture.png"));
  EXPECT_EQ(none.outcome, PictureLoad::NotAPicture);
  EXPECT_TRUE(none.image.isNull());
}

TEST(PictureSave, SavedPicturesLoadBackWithExactlyTheSamePixels) {
  QTemporaryDir dir;
  for (const QSize size : {QSize(1, 1), QSize(500, 500), QSize(333, 77), QSize(7, 900)}) {
    const QImage drawing = test::Drawing(size.width(), size.height(), size.width());
    const QString path = dir.filePath(QStringLiteral("図 %1.bmp").arg(size.width()));
    ASSERT_TRUE(WriteBmpFile(drawing, path));
    const PictureLoad load = LoadPictureFile(path);
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    const PictureDiff diff = ComparePictures(drawing, load.image);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
  // Whatever the extension, the content is BMP.
  const QImage drawing = test::Drawing(40, 30);
  ASSERT_TRUE(WriteBmpFile(drawing, dir.filePath("photo.jpg")));
  EXPECT_TRUE(test::ReadFileBytes(dir.filePath("photo.jpg")).startsWith("BM"));
  EXPECT_EQ(DecodePicture(PictureKind::Bmp, test::ReadFileBytes(dir.filePath("photo.jpg"))).outcome,
            PictureLoad::Loaded);
}

TEST(PictureSave, ReplacingAFileLeavesNoTemporaryFileBehind) {
  QTemporaryDir dir;
  const QString path = dir.filePath("drawing.bmp");
  ASSERT_TRUE(WriteBmpFile(test::Drawing(50, 50, 1), path));
  ASSERT_TRUE(WriteBmpFile(test::Drawing(20, 10, 2), path));
  EXPECT_EQ(test::FilesIn(dir.path()), QStringList{"drawing.bmp"});
  const PictureLoad load = LoadPictureFile(path);
  ASSERT_EQ(load.outcome, PictureLoad::Loaded);
  EXPECT_EQ(load.image.size(), QSize(20, 10));
}

}  // namespace
}  // namespace nabrilo
