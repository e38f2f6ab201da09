// The embedded artwork format: a picture and its hot spot come back exactly, and anything that
// is not a whole picture is refused rather than read past its end.
#include "platform/raw_picture.h"

#include <gtest/gtest.h>

namespace nabrilo {
namespace {

TEST(RawPicture, RoundTripsPixelsAlphaAndHotSpot) {
  QImage image(5, 3, QImage::Format_ARGB32);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgba(x * 40, y * 80, 7, x == 2 ? 0 : 255));
  }
  const std::optional<RawPicture> back = DecodeRawPicture(EncodeRawPicture(image, {4, -1}));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->image, image);
  EXPECT_EQ(back->hot_spot, QPoint(4, -1));
}

TEST(RawPicture, RefusesWhatIsNotAWholePicture) {
  const QByteArray good = EncodeRawPicture(QImage(4, 4, QImage::Format_ARGB32), {1, 1});
  for (qsizetype n : {0, 3, 11, 12, 20, 75}) {
    EXPECT_FALSE(DecodeRawPicture(good.left(n)).has_value()) << n << " bytes";
  }
  QByteArray longer = good;
  longer.append('x');
  EXPECT_FALSE(DecodeRawPicture(longer).has_value());
  QByteArray wrong_magic = good;
  wrong_magic[0] = 'X';
  EXPECT_FALSE(DecodeRawPicture(wrong_magic).has_value());
  QByteArray huge = good;
  huge[4] = '\xFF';  // width 255 with the pixels of a 4-wide picture
  EXPECT_FALSE(DecodeRawPicture(huge).has_value());
  EXPECT_FALSE(LoadRawPicture(QStringLiteral(":/no/such/picture.nbrp")).has_value());
}

}  // namespace
}  // namespace nabrilo
