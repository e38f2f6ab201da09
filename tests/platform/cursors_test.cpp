// The named cursors reach the screen as their artwork: the part's black lines and white
// fill, transparent around it, the hot spot where the stamp lands.
#include "platform/cursors.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QDir>

#include "platform/raw_picture.h"

namespace nabrilo {
namespace {

TEST(NamedCursors, ShowTheirArtworkWithTheRestTransparent) {
  const QStringList names = QDir(QStringLiteral(":/cursors")).entryList(QDir::Files);
  ASSERT_EQ(names.size(), 19);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const std::optional<RawPicture> art = LoadRawPicture(QStringLiteral(":/cursors/") + name);
    ASSERT_TRUE(art.has_value());
    const std::optional<QCursor> cursor = LoadCursorResource(name.section(QLatin1Char('.'), 0, 0));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), art->hot_spot);
    const QImage bits = cursor->bitmap().toImage();
    const QImage mask = cursor->mask().toImage();
    ASSERT_EQ(bits.size(), QSize(32, 32));
    ASSERT_EQ(mask.size(), QSize(32, 32));
    // In a QBitmap, colour1 (black) marks a set bit: a black bit is drawn black, and only
    // pixels under a set mask bit are drawn at all.
    int black = 0, drawn = 0, wrong = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QRgb p = art->image.pixel(x, y);
        const bool art_drawn = qAlpha(p) >= 128;
        const bool art_black = art_drawn && qGray(p) < 128;
        const bool is_drawn = mask.pixelColor(x, y) == Qt::black;
        const bool is_black = is_drawn && bits.pixelColor(x, y) == Qt::black;
        wrong += is_drawn != art_drawn || is_black != art_black;
        black += is_black;
        drawn += is_drawn;
      }
    }
    EXPECT_EQ(wrong, 0);
    // A part or an outline, never a filled square.
    EXPECT_GT(black, 0);
    EXPECT_LT(drawn, 32 * 32 / 2);
  }
}

}  // namespace
}  // namespace nabrilo
