// Loading pictures as "ファイルから" does: the kind of file from the name, every BMP variant the
// reader accepts, the JPEG variants turned upright, PNG, and saved pictures coming back exactly.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <vector>

#include "document/bmp_file.h"
#include "document/document_test_support.h"
#include "document/picture_file.h"
#include "document/png_file.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

using test::CorpusPath;

TEST(PictureKind, IsChosenFromTheUpperCasedFullPathInOrder) {
  EXPECT_EQ(PictureKindOf("drawings/photo.Jpeg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("drawings/photo.jpg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("drawings/PiCtUrE.bMp"), PictureKind::Bmp);
  EXPECT_EQ(PictureKindOf("drawings/picture.PNG"), PictureKind::Png);
  EXPECT_EQ(PictureKindOf("drawings/picture.gif"), PictureKind::None);
  EXPECT_EQ(PictureKindOf("drawings/drawing"), PictureKind::None);
  EXPECT_EQ(PictureKindOf("drawings/photo.png.jpg"), PictureKind::Jpeg);
  // Anywhere in the path, and ".BMP" before ".JPG".
  EXPECT_EQ(PictureKindOf("drawings/old.bmp.files/photo.jpg"), PictureKind::Bmp);
  EXPECT_EQ(PictureKindOf("drawings/x.jpg.d/picture"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOf("drawings/釣り 仕掛け.JPEG"), PictureKind::Jpeg);
}

// Pixels whose channels differ by more than `tolerance`.
long PixelsOff(const QImage& expected, const QImage& actual, int tolerance) {
  long off = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb e = expected.pixel(x, y), a = actual.pixel(x, y);
      off += std::abs(qRed(e) - qRed(a)) > tolerance ||
             std::abs(qGreen(e) - qGreen(a)) > tolerance ||
             std::abs(qBlue(e) - qBlue(a)) > tolerance;
    }
  }
  return off;
}

void ExpectPicture(const QImage& expected, const QString& name, int tolerance = 0) {
  SCOPED_TRACE(name.toStdString());
  ASSERT_FALSE(expected.isNull());
  const PictureLoad load = LoadPictureFile(CorpusPath(name));
  ASSERT_EQ(load.outcome, PictureLoad::Loaded);
  EXPECT_EQ(load.image.format(), QImage::Format_RGB32);
  ASSERT_EQ(load.image.size(), expected.size());
  EXPECT_EQ(PixelsOff(expected, load.image, tolerance), 0);
}

// The pattern's colours have every channel at 0 or its maximum, so any depth and any mask
// layout shows them exactly; the other pictures have expected pictures made with them.
TEST(PictureLoad, ReadsEveryBmpVariantToTheSamePixels) {
  const char* files[] = {"bmp_4bit.bmp",
                         "bmp_8bit.bmp",
                         "bmp_rle8.bmp",
                         "bmp_rle4.bmp",
                         "bmp_24bit.bmp",
                         "bmp_24bit_topdown.bmp",
                         "bmp_32bit.bmp",
                         "bmp_32bit_fields.bmp",
                         "bmp_24bit_v5.bmp",
                         "bmp_os2_24bit.bmp",
                         "bmp_os2_8bit.bmp",
                         "bmp_16bit_555.bmp",
                         "bmp_16bit_565.bmp",
                         "bmp_16bit_231.bmp",
                         "bmp_16bit_4444.bmp",
                         "bmp_16bit_565_info52.bmp",
                         "bmp_16bit_555_info56.bmp",
                         "bmp_32bit_101010.bmp",
                         "bmp_32bit_111110.bmp",
                         "bmp_32bit_7187.bmp",
                         "bmp_os2v2_16.bmp",
                         "bmp_os2v2_64.bmp",
                         "bmp_8bit_300colours.bmp"};
  for (const char* name : files) ExpectPicture(test::CorpusPattern(), name);
  ExpectPicture(test::CorpusPattern1Bit(), "bmp_1bit.bmp");
  // 16-bit levels: 31 of 31 is 255, 16 of 31 is 132; skipped RLE pixels are palette colour 0.
  for (const char* name : {"bmp_16bit_555_levels", "bmp_16bit_565_levels", "bmp_rle8_skips"}) {
    ExpectPicture(QImage(CorpusPath(QString(name) + "_expected.png")), QString(name) + ".bmp");
  }
}

// Pixels an RLE file skips must not show what the memory held before: the picture is decoded
// into memory that has just held a pattern of its own, and its colour 0 is not black.
TEST(PictureLoad, PixelsRleSkipsShowColourZeroWhateverTheMemoryHeld) {
  const QImage expected(CorpusPath("bmp_rle8_skips_expected.png"));
  ASSERT_FALSE(expected.isNull());
  const QByteArray bytes = test::ReadFileBytes(CorpusPath("bmp_rle8_skips.bmp"));
  for (const char junk : {'\x00', '\x5A', '\xFF'}) {
    { std::vector<char> used(static_cast<size_t>(expected.sizeInBytes()), junk); }
    const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes);
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    const PictureDiff diff = ComparePictures(expected, load.image);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
}

TEST(PictureLoad, ReadsPngOfEveryColourTypeWithTransparencyOnWhite) {
  for (const char* name : {"png_rgb8.png", "png_rgb16.png", "png_palette4.png"}) {
    ExpectPicture(test::CorpusPattern(), name);
  }
  const QImage grey(CorpusPath("png_grey8_expected.png"));
  for (const char* name : {"png_grey8.png", "png_grey16.png", "png_grey_alpha8.png"}) {
    ExpectPicture(grey, name);
  }
  // Black is transparent (white paper shows) and blue half covered; rounding may differ by one.
  const QImage on_white(CorpusPath("png_rgba8_expected.png"));
  for (const char* name : {"png_rgba8.png", "png_rgba16.png", "png_palette8_trns.png"}) {
    ExpectPicture(on_white, name, 1);
  }
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

// An APP1 segment whose EXIF block holds only the orientation tag, in either byte order.
QByteArray ExifSegment(int orientation, bool big_endian) {
  const auto put = [big_endian](QByteArray* out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (big_endian ? bytes - 1 - i : i);
      out->append(static_cast<char>((v >> shift) & 0xFF));
    }
  };
  QByteArray tiff(big_endian ? "MM" : "II");
  put(&tiff, 42, 2);
  put(&tiff, 8, 4);      // the first directory follows
  put(&tiff, 1, 2);      // one entry:
  put(&tiff, 0x112, 2);  // orientation,
  put(&tiff, 3, 2);      // a 16-bit number,
  put(&tiff, 1, 4);      // one of them,
  put(&tiff, orientation, 2);
  put(&tiff, 0, 2);
  put(&tiff, 0, 4);  // no next directory
  const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
  const int length = static_cast<int>(body.size()) + 2;
  return QByteArray("\xFF\xE1", 2) + static_cast<char>(length >> 8) +
         static_cast<char>(length & 0xFF) + body;
}

// Where the shown pixel (x, y) comes from in the stored w × h picture, for each orientation as
// the EXIF standard defines it (checked against ImageMagick's -auto-orient).
QPoint StoredPoint(int orientation, int x, int y, int w, int h) {
  switch (orientation) {
    case 2:
      return {w - 1 - x, y};
    case 3:
      return {w - 1 - x, h - 1 - y};
    case 4:
      return {x, h - 1 - y};
    case 5:
      return {y, x};
    case 6:
      return {y, h - 1 - x};
    case 7:
      return {w - 1 - y, h - 1 - x};
    case 8:
      return {w - 1 - y, x};
    default:
      return {x, y};
  }
}

TEST(PictureLoad, PhotosAreTurnedAsTheirExifOrientationSays) {
  const QByteArray jpeg = test::ReadFileBytes(CorpusPath("jpeg_baseline.jpg"));
  ASSERT_FALSE(jpeg.isEmpty());
  for (int orientation = 1; orientation <= 8; ++orientation) {
    for (const bool big_endian : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << "orientation " << orientation << (big_endian ? " MM" : " II"));
      const QByteArray file = jpeg.left(2) + ExifSegment(orientation, big_endian) + jpeg.mid(2);
      const PictureLoad load = DecodePicture(PictureKind::Jpeg, file);
      ASSERT_EQ(load.outcome, PictureLoad::Loaded);
      const QSize shown = orientation >= 5 ? QSize(48, 64) : QSize(64, 48);
      ASSERT_EQ(load.image.size(), shown);
      for (int y = 8; y < shown.height(); y += 16) {
        for (int x = 8; x < shown.width(); x += 16) {
          const QPoint from = StoredPoint(orientation, x, y, 64, 48);
          const QRgb want = test::CorpusJpegBlock(from.x() / 16, from.y() / 16);
          const QRgb got = load.image.pixel(x, y);
          EXPECT_NEAR(qRed(got), qRed(want), 16) << x << "," << y;
          EXPECT_NEAR(qGreen(got), qGreen(want), 16) << x << "," << y;
          EXPECT_NEAR(qBlue(got), qBlue(want), 16) << x << "," << y;
        }
      }
    }
  }
  // Values outside 1 to 8 and a cut-off EXIF block show the photo as stored.
  for (const QByteArray& odd :
       {ExifSegment(0, false), ExifSegment(9, true), ExifSegment(6, false).left(20)}) {
    QByteArray segment = odd;
    segment[2] = 0;
    segment[3] = static_cast<char>(segment.size() - 2);
    const PictureLoad load = DecodePicture(PictureKind::Jpeg, jpeg.left(2) + segment + jpeg.mid(2));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded);
    ExpectJpegBlocks(load.image, false);
  }
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
  // A .png holding a BMP goes to the PNG reader.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("picture.png"), bmp));
  EXPECT_EQ(LoadPictureFile(dir.filePath("picture.png")).outcome, PictureLoad::BadPng);
  // No known name: nothing is read at all, whatever the content.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("picture.gif"), bmp));
  const PictureLoad none = LoadPictureFile(dir.filePath("picture.gif"));
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
  // PNG likewise.
  const QImage png_drawing = test::Drawing(333, 77, 5);
  ASSERT_TRUE(WritePngFile(png_drawing, dir.filePath("図.png")));
  const PictureLoad png = LoadPictureFile(dir.filePath("図.png"));
  ASSERT_EQ(png.outcome, PictureLoad::Loaded);
  const PictureDiff png_diff = ComparePictures(png_drawing, png.image);
  EXPECT_TRUE(png_diff.same_size && png_diff.differing == 0) << png_diff.Describe();
  // Whatever the extension, the content of WriteBmpFile is BMP.
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
