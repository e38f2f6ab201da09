#include "document/bmp_file.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <vector>

#include "document/regular_file.h"

namespace nabrilo {

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr int kHeaders = kFileHeader + kInfoHeader;

void Put16(char* p, quint16 v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}
void Put32(char* p, quint32 v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

QImage AsRgb32(const QImage& image) {
  return image.format() == QImage::Format_RGB32 ? image
                                                : image.convertToFormat(QImage::Format_RGB32);
}

// The file header and the BITMAPINFOHEADER of a 32-bit bottom-up BI_RGB picture.
void WriteHeaders(int w, int h, char* p) {
  const qint64 pixels = qint64{w} * h * 4;
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<quint32>(kHeaders + pixels));
  Put32(p + 6, 0);
  Put32(p + 10, kHeaders);
  char* info = p + kFileHeader;
  Put32(info, kInfoHeader);
  Put32(info + 4, static_cast<quint32>(w));
  Put32(info + 8, static_cast<quint32>(h));
  Put16(info + 12, 1);
  Put16(info + 14, 32);
  Put32(info + 16, 0);  // BI_RGB
  Put32(info + 20, static_cast<quint32>(pixels));
  Put32(info + 24, 3780);  // 96 dots per inch
  Put32(info + 28, 3780);
  Put32(info + 32, 0);
  Put32(info + 36, 0);
}

// Headers and rows of an RGB32 picture into `p`, which holds BmpFileSize bytes.
void WriteBmpImage(const QImage& image, char* p) {
  const int w = image.width(), h = image.height();
  WriteHeaders(w, h, p);
  const size_t row = static_cast<size_t>(w) * 4;
  char* pixels = p + kHeaders;
  for (int y = 0; y < h; ++y) {
    std::memcpy(pixels + static_cast<size_t>(h - 1 - y) * row, image.constScanLine(y), row);
  }
}

bool WriteAll(QIODevice* file, const char* data, qint64 size) {
  return file->write(data, size) == size;
}

// Streams the file image row by row through one small buffer: a save never needs a second copy
// of the whole picture in memory.
bool StreamBmp(const QImage& image, QIODevice* file) {
  const int w = image.width(), h = image.height();
  char headers[kHeaders];
  WriteHeaders(w, h, headers);
  if (!WriteAll(file, headers, kHeaders)) return false;
  const qint64 row = qint64{w} * 4;
  const int rows_per_chunk =
      static_cast<int>(std::max<qint64>(1, (1 << 20) / std::max<qint64>(row, 1)));
  std::vector<char> chunk(static_cast<size_t>(row * rows_per_chunk));
  for (int y = h - 1; y >= 0;) {
    int n = 0;
    for (; n < rows_per_chunk && y >= 0; ++n, --y) {
      std::memcpy(chunk.data() + n * row, image.constScanLine(y), static_cast<size_t>(row));
    }
    if (!WriteAll(file, chunk.data(), n * row)) return false;
  }
  return true;
}

}  // namespace

qint64 BmpFileSize(int width, int height) {
  return kHeaders + qint64{width} * height * 4;
}

void EncodeBmp(const QImage& source, QByteArray* out) {
  const QImage image = AsRgb32(source);
  const qsizetype base = out->size();
  out->resize(base + BmpFileSize(image.width(), image.height()));
  WriteBmpImage(image, out->data() + base);
}

QByteArray EncodeBmp(const QImage& image) {
  QByteArray out;
  EncodeBmp(image, &out);
  return out;
}

void EncodeBmpInto(const QImage& source, QByteArray* out) {
  const QImage image = AsRgb32(source);
  // resize() keeps the allocation when shrinking or when the capacity suffices.
  out->resize(BmpFileSize(image.width(), image.height()));
  WriteBmpImage(image, out->data());
}

bool WriteBmpFile(const QImage& source, const QString& path) {
  if (KindOfPath(path) == PathKind::Other) return false;
  const QImage image = AsRgb32(source);
  return WriteRegularFile(path, [&](QIODevice* file) { return StreamBmp(image, file); });
}

}  // namespace nabrilo
