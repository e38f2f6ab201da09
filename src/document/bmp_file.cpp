#include "document/bmp_file.h"

#include <QFile>
#include <cstring>

namespace nabrilo {

namespace {

void Put16(char* p, quint16 v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}
void Put32(char* p, quint32 v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;

}  // namespace

void EncodeBmp(const QImage& source, QByteArray* out) {
  const QImage image = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
  const qint64 w = image.width(), h = image.height();
  const qint64 row = w * 4;
  const qint64 size = kFileHeader + kInfoHeader + row * h;
  const qsizetype base = out->size();
  out->resize(base + size);
  char* p = out->data() + base;
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<quint32>(size));
  Put32(p + 6, 0);
  Put32(p + 10, kFileHeader + kInfoHeader);
  char* info = p + kFileHeader;
  Put32(info, kInfoHeader);
  Put32(info + 4, static_cast<quint32>(w));
  Put32(info + 8, static_cast<quint32>(h));
  Put16(info + 12, 1);
  Put16(info + 14, 32);
  Put32(info + 16, 0);  // BI_RGB
  Put32(info + 20, static_cast<quint32>(row * h));
  Put32(info + 24, 3780);  // 96 dots per inch
  Put32(info + 28, 3780);
  Put32(info + 32, 0);
  Put32(info + 36, 0);
  char* pixels = info + kInfoHeader;
  for (qint64 y = 0; y < h; ++y) {
    std::memcpy(pixels + (h - 1 - y) * row, image.constScanLine(static_cast<int>(y)),
                static_cast<size_t>(row));
  }
}

QByteArray EncodeBmp(const QImage& image) {
  QByteArray out;
  EncodeBmp(image, &out);
  return out;
}

bool WriteBmpFile(const QImage& image, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = EncodeBmp(image);
  return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace nabrilo
