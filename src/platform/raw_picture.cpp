#include "platform/raw_picture.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace nabrilo {

namespace {
constexpr char kMagic[4] = {'N', 'B', 'R', 'P'};
constexpr int kHeader = 12;
constexpr int kMaxSide = 1024;  // artwork is small; anything larger is not ours
}  // namespace

QByteArray EncodeRawPicture(const QImage& source, QPoint hot_spot) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  QByteArray out(kHeader + image.width() * image.height() * 4, '\0');
  char* p = out.data();
  std::memcpy(p, kMagic, 4);
  qToLittleEndian<quint16>(static_cast<quint16>(image.width()), p + 4);
  qToLittleEndian<quint16>(static_cast<quint16>(image.height()), p + 6);
  qToLittleEndian<qint16>(static_cast<qint16>(hot_spot.x()), p + 8);
  qToLittleEndian<qint16>(static_cast<qint16>(hot_spot.y()), p + 10);
  p += kHeader;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x, p += 4) qToLittleEndian<quint32>(row[x], p);
  }
  return out;
}

std::optional<RawPicture> DecodeRawPicture(const QByteArray& bytes) {
  if (bytes.size() < kHeader || std::memcmp(bytes.constData(), kMagic, 4) != 0) return std::nullopt;
  const char* p = bytes.constData();
  const int w = qFromLittleEndian<quint16>(p + 4), h = qFromLittleEndian<quint16>(p + 6);
  if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return std::nullopt;
  if (bytes.size() != kHeader + qsizetype{w} * h * 4) return std::nullopt;
  RawPicture picture{QImage(w, h, QImage::Format_ARGB32),
                     QPoint(qFromLittleEndian<qint16>(p + 8), qFromLittleEndian<qint16>(p + 10))};
  p += kHeader;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
    for (int x = 0; x < w; ++x, p += 4) row[x] = qFromLittleEndian<quint32>(p);
  }
  return picture;
}

std::optional<RawPicture> LoadRawPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return DecodeRawPicture(file.readAll());
}

}  // namespace nabrilo
