// The picture through the clipboard: out and back in unchanged, an empty clipboard, images other
// programs offer, and pictures beyond the limits.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "document/document_test_support.h"
#include "document/picture_clipboard.h"
#include "platform/user_dialogs.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

void Offer(const QString& type, const QByteArray& bytes) {
  auto* mime = new QMimeData;
  mime->setData(type, bytes);
  QGuiApplication::clipboard()->setMimeData(mime);
}

TEST(Clipboard, CopyThenPasteGivesTheSamePicture) {
  const QImage drawing = test::Drawing(300, 200);
  CopyPictureToClipboard(drawing);
  const std::optional<QImage> pasted = PastePictureFromClipboard();
  ASSERT_TRUE(pasted);
  EXPECT_EQ(pasted->format(), QImage::Format_RGB32);
  const PictureDiff diff = ComparePictures(drawing, *pasted);
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
}

TEST(Clipboard, AnEmptyClipboardOrTextHoldsNoPicture) {
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(PastePictureFromClipboard());
  QGuiApplication::clipboard()->setText(QStringLiteral("仕掛け図"));
  EXPECT_FALSE(PastePictureFromClipboard());
}

TEST(Clipboard, ImagesOtherProgramsOfferAreDecoded) {
  const QImage drawing = test::Drawing(64, 48);
  Offer(QStringLiteral("image/png"), Encoded(drawing, "PNG"));
  std::optional<QImage> pasted = PastePictureFromClipboard();
  ASSERT_TRUE(pasted);
  EXPECT_EQ(*pasted, drawing);
  // Transparent parts come in as white paper.
  QImage clear(8, 8, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  Offer(QStringLiteral("image/png"), Encoded(clear, "PNG"));
  pasted = PastePictureFromClipboard();
  ASSERT_TRUE(pasted);
  EXPECT_EQ(pasted->pixel(3, 3), qRgb(255, 255, 255));
  // A BMP shows the colours it shows when loaded from a file.
  Offer(QStringLiteral("image/bmp"),
        test::ReadFileBytes(test::CorpusPath("bmp_16bit_565_levels.bmp")));
  pasted = PastePictureFromClipboard();
  ASSERT_TRUE(pasted);
  const PictureDiff levels =
      ComparePictures(QImage(test::CorpusPath("bmp_16bit_565_levels_expected.png")), *pasted);
  EXPECT_TRUE(levels.same_size && levels.differing == 0) << levels.Describe();
  // Offered but unreadable: an error, not "no picture".
  Offer(QStringLiteral("image/png"), QByteArray("\x89PNG broken", 11));
  EXPECT_THROW(PastePictureFromClipboard(), AppError);
}

TEST(Clipboard, PicturesBeyondTheLimitsAreRefusedWithAnError) {
  const PictureLimits small{100, 5000};
  try {
    CopyPictureToClipboard(test::Drawing(101, 10), small);
    ADD_FAILURE() << "copied a picture beyond the limits";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Text(), ClipboardTooLargeText());
  }
  CopyPictureToClipboard(test::Drawing(100, 50), small);
  EXPECT_TRUE(PastePictureFromClipboard(small));
  CopyPictureToClipboard(test::Drawing(80, 80));
  EXPECT_THROW(PastePictureFromClipboard(small), AppError);
  // An encoded image is refused from its header (the pixels are not even there): a BMP claiming
  // 300 × 300 pixels.
  QByteArray bmp = Encoded(test::Drawing(4, 4), "BMP");
  bmp.replace(18, 8, QByteArray("\x2C\x01\x00\x00\x2C\x01\x00\x00", 8));
  Offer(QStringLiteral("image/bmp"), bmp);
  try {
    PastePictureFromClipboard(small);
    ADD_FAILURE() << "pasted a picture beyond the limits";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Text(), ClipboardTooLargeText());
  }
}

}  // namespace
}  // namespace nabrilo
