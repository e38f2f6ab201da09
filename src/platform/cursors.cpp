#include "platform/cursors.h"

#include <QBitmap>
#include <QGuiApplication>
#include <map>

#include "platform/raw_picture.h"

namespace nabrilo {

namespace {

std::map<int, QCursor>& Table() {
  static std::map<int, QCursor> table{{crDefault, QCursor(Qt::ArrowCursor)},
                                      {crIBeam, QCursor(Qt::IBeamCursor)}};
  return table;
}

int g_screen_cursor = crDefault;

}  // namespace

QCursor CursorFromImage(const QImage& image, QPoint hot_spot) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  // A fresh Format_Mono image calls index 0 black and 1 white, while QBitmap::fromImage makes
  // black its set bit; name index 1 black so that a pixel set to 1 is a set bit. The bitmap
  // holds the black pixels, the mask every drawn one.
  const QList<QRgb> set_is_black{qRgb(255, 255, 255), qRgb(0, 0, 0)};
  QImage bits(argb.size(), QImage::Format_Mono);
  QImage mask(argb.size(), QImage::Format_Mono);
  bits.setColorTable(set_is_black);
  mask.setColorTable(set_is_black);
  bits.fill(0);
  mask.fill(0);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      mask.setPixel(x, y, 1);
      if (qGray(p) < 128) bits.setPixel(x, y, 1);
    }
  }
  return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), hot_spot.x(), hot_spot.y());
}

std::optional<QCursor> LoadCursorResource(const QString& name) {
  const std::optional<RawPicture> picture =
      LoadRawPicture(QStringLiteral(":/cursors/%1.nbrp").arg(name));
  if (!picture || picture->image.size() != QSize(32, 32)) return std::nullopt;
  if (!picture->image.rect().contains(picture->hot_spot)) return std::nullopt;
  return CursorFromImage(picture->image, picture->hot_spot);
}

void SetCursorEntry(int number, std::optional<QCursor> cursor) {
  if (cursor) {
    Table()[number] = *cursor;
  } else {
    Table().erase(number);
  }
  if (number == g_screen_cursor) SetScreenCursor(number);
}

std::optional<QCursor> CursorEntry(int number) {
  const auto it = Table().find(number);
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

void SetScreenCursor(int number) {
  g_screen_cursor = number;
  // One level of override cursor stands for the screen cursor; 0 removes it.
  if (number == crDefault) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    return;
  }
  const QCursor cursor = CursorEntry(number).value_or(QCursor(Qt::ArrowCursor));
  if (QGuiApplication::overrideCursor()) {
    QGuiApplication::changeOverrideCursor(cursor);
  } else {
    QGuiApplication::setOverrideCursor(cursor);
  }
}

int ScreenCursor() {
  return g_screen_cursor;
}

BusyCursor::BusyCursor() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace nabrilo
