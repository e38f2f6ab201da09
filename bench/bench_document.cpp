// The document's heavy paths against the bare work they cannot avoid:
//   - loading a 6000 × 4000 JPEG against a bare TurboJPEG decode of the same file into the same
//     pixel format (goal: at most 1.15 ×);
//   - saving a 6000 × 4000 BMP against writing its bytes raw, and loading a 24-bit one of that
//     size against reading its bytes raw (goal: at most 1.5 ×);
//   - a snapshot and an undo on 500 × 500 and 4000 × 3000 against copying the picture's pixel
//     bytes twice with memcpy (goal: at most 3 ×);
//   - saving a 4032 × 3024 photo (a phone's) as PNG against Qt's PNG writer at its default level
//     (goal: at most 1 s, and a file at most 1.25 × as large: the counter "bytes"), and as JPEG
//     against bare TurboJPEG compression of the same pixels with the same settings.
// The ratios are the quotients of the matching pairs' times. The files are made before the
// timed loops start.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstring>
#include <memory>
#include <vector>

#include "document/bmp_file.h"
#include "document/jpeg_write.h"
#include "document/picture_file.h"
#include "document/png_file.h"
#include "document/snapshot_streams.h"

namespace nabrilo {
namespace {

// Something like a photograph: smooth gradients with fine texture, so the JPEG is not trivial.
QImage Photo(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  unsigned noise = 12345;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int n = static_cast<int>((noise >> 16) & 15);
      row[x] =
          qRgb((x * 255 / w + n) & 255, (y * 255 / h + n) & 255, ((x + y) / 32 * 16 + n) & 255);
    }
  }
  return image;
}

QString BenchPath(const char* name) {
  return QDir::temp().filePath(QString("nabrilo_bench_") + name);
}

const QString& JpegPath() {
  static const QString path = [] {
    const QImage photo = Photo(6000, 4000);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, photo.constBits(), photo.width(), static_cast<int>(photo.bytesPerLine()),
                photo.height(), TJPF_BGRX, &jpeg, &size, TJSAMP_420, 90, 0);
    QFile file(BenchPath("photo.jpg"));
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(jpeg), static_cast<qint64>(size));
    tjFree(jpeg);
    tjDestroy(handle);
    return file.fileName();
  }();
  return path;
}

const QImage& BigPicture() {
  static const QImage picture = Photo(6000, 4000);
  return picture;
}

void BM_LoadJpeg_Program(benchmark::State& state) {
  JpegPath();
  for (auto _ : state) {
    const PictureLoad load = LoadPictureFile(JpegPath());
    if (load.outcome != PictureLoad::Loaded) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(load.image.constBits());
  }
}
BENCHMARK(BM_LoadJpeg_Program)->Unit(benchmark::kMillisecond);

void BM_LoadJpeg_BareTurboJpeg(benchmark::State& state) {
  JpegPath();
  for (auto _ : state) {
    QFile file(JpegPath());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    tjhandle handle = tjInitDecompress();
    int w = 0, h = 0, sub = 0, space = 0;
    auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    tjDecompressHeader3(handle, data, static_cast<unsigned long>(bytes.size()), &w, &h, &sub,
                        &space);
    std::unique_ptr<unsigned char[]> pixels(new unsigned char[size_t(w) * h * 4]);
    tjDecompress2(handle, data, static_cast<unsigned long>(bytes.size()), pixels.get(), w, w * 4, h,
                  TJPF_BGRX, 0);
    tjDestroy(handle);
    benchmark::DoNotOptimize(pixels.get());
  }
}
BENCHMARK(BM_LoadJpeg_BareTurboJpeg)->Unit(benchmark::kMillisecond);

void BM_SaveBmp_Program(benchmark::State& state) {
  const QString path = BenchPath("save.bmp");
  for (auto _ : state) {
    if (!WriteBmpFile(BigPicture(), path)) state.SkipWithError("not saved");
  }
  QFile::remove(path);
}
BENCHMARK(BM_SaveBmp_Program)->Unit(benchmark::kMillisecond);

void BM_SaveBmp_RawWrite(benchmark::State& state) {
  const QByteArray path = QFile::encodeName(BenchPath("raw.bin"));
  const QImage& picture = BigPicture();
  for (auto _ : state) {
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto written = write(fd, picture.constBits(), static_cast<size_t>(picture.sizeInBytes()));
    close(fd);
    if (written != picture.sizeInBytes()) state.SkipWithError("short write");
  }
  unlink(path.constData());
}
BENCHMARK(BM_SaveBmp_RawWrite)->Unit(benchmark::kMillisecond);

// 24 bits per pixel, as most programs write a photograph (Qt's writer does for RGB32).
const QString& BmpPath() {
  static const QString path = [] {
    const QString p = BenchPath("load.bmp");
    BigPicture().save(p, "BMP");
    return p;
  }();
  return path;
}

void BM_LoadBmp_Program(benchmark::State& state) {
  BmpPath();
  for (auto _ : state) {
    const PictureLoad load = LoadPictureFile(BmpPath());
    if (load.outcome != PictureLoad::Loaded) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(load.image.constBits());
  }
}
BENCHMARK(BM_LoadBmp_Program)->Unit(benchmark::kMillisecond);

void BM_LoadBmp_RawRead(benchmark::State& state) {
  BmpPath();
  for (auto _ : state) {
    QFile file(BmpPath());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    benchmark::DoNotOptimize(bytes.constData());
  }
}
BENCHMARK(BM_LoadBmp_RawRead)->Unit(benchmark::kMillisecond);

// Snapshots and undo: the picture, the two streams and the copy targets are warmed up before
// timing, as they are in a running program after the first few actions.
void BM_Snapshot_Program(benchmark::State& state) {
  const QImage picture = Photo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  QByteArray now, prev;
  RecordSnapshot(picture, true, &now, &prev);
  RecordSnapshot(picture, false, &now, &prev);
  for (auto _ : state) {
    RecordSnapshot(picture, false, &now, &prev);
    benchmark::DoNotOptimize(now.constData());
  }
}
BENCHMARK(BM_Snapshot_Program)->Args({500, 500})->Args({4000, 3000})->Unit(benchmark::kMicrosecond);

void BM_Undo_Program(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  QImage picture = Photo(w, h);
  QByteArray now, prev;
  RecordSnapshot(Photo(w, h), true, &now, &prev);
  RecordSnapshot(picture, false, &now, &prev);
  for (auto _ : state) {
    if (!RestoreSnapshot(prev, &now, &picture)) state.SkipWithError("not restored");
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_Undo_Program)->Args({500, 500})->Args({4000, 3000})->Unit(benchmark::kMicrosecond);

void BM_TwoMemcpy(benchmark::State& state) {
  const QImage picture = Photo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const auto bytes = static_cast<size_t>(picture.sizeInBytes());
  std::vector<char> a(bytes, 1), b(bytes, 1);
  for (auto _ : state) {
    std::memcpy(a.data(), picture.constBits(), bytes);
    std::memcpy(b.data(), picture.constBits(), bytes);
    benchmark::DoNotOptimize(a.data());
    benchmark::DoNotOptimize(b.data());
  }
}
BENCHMARK(BM_TwoMemcpy)->Args({500, 500})->Args({4000, 3000})->Unit(benchmark::kMicrosecond);

// A phone photo's size; the same synthetic photo as above (gradients and noise).
const QImage& PhonePhoto() {
  static const QImage photo = Photo(4032, 3024);
  return photo;
}

// Argument: how to save. Each pass saves the photo; the file's size is reported.
void BM_SavePhoto(benchmark::State& state, bool (*save)(const QImage&, const QString&),
                  const char* name) {
  const QString path = BenchPath(name);
  for (auto _ : state) {
    if (!save(PhonePhoto(), path)) state.SkipWithError("not saved");
  }
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
  QFile::remove(path);
}
bool SavePngAtQtsDefaultLevel(const QImage& image, const QString& path) {
  return image.save(path, "PNG");
}
BENCHMARK_CAPTURE(BM_SavePhoto, Png_Program, &WritePngFile, "photo.png")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePhoto, Png_QtDefaultLevel, &SavePngAtQtsDefaultLevel, "photo_qt.png")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePhoto, Jpeg_Program, &WriteJpegFile, "photo_save.jpg")
    ->Unit(benchmark::kMillisecond);

void BM_SaveJpeg_BareTurboJpeg(benchmark::State& state) {
  const QImage& photo = PhonePhoto();
  tjhandle handle = tjInitCompress();
  for (auto _ : state) {
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, photo.constBits(), photo.width(), static_cast<int>(photo.bytesPerLine()),
                photo.height(), TJPF_BGRX, &jpeg, &size, TJSAMP_444, kJpegQuality, 0);
    benchmark::DoNotOptimize(jpeg);
    state.counters["bytes"] = static_cast<double>(size);
    tjFree(jpeg);
  }
  tjDestroy(handle);
}
BENCHMARK(BM_SaveJpeg_BareTurboJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nabrilo

BENCHMARK_MAIN();
