#include "document/document_test_support.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "app/form_main.h"
#include "support/picture_compare.h"

namespace nabrilo::test {

namespace {
constexpr QRgb kColours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255)};
}

QImage CorpusPattern() {
  QImage image(23, 13, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, kColours[(x / 5 + 2 * (y / 4)) % 4]);
    }
  }
  return image;
}

QImage CorpusPattern1Bit() {
  QImage image(23, 13, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, kColours[(x / 3 + y / 2) % 2]);
  }
  return image;
}

QRgb CorpusJpegBlock(int bx, int by) {
  return kColours[(bx + 2 * by) % 4];
}

void ExpectCorpusPatternLoaded(const TForm_Main& form) {
  const PictureDiff diff = ComparePictures(CorpusPattern(), form.Image1->Picture().Image());
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  EXPECT_TRUE(form.Image1->AutoSize());
  EXPECT_EQ(form.Image1->size(), QSize(23, 13));
  EXPECT_EQ(form.Outer_Size(), QSize(720, 605));
  EXPECT_EQ(form.Label_Size->Caption(), "BitMapのサイズ　23 * 13");
}

QString CorpusPath(const QString& name) {
  return QStringLiteral(NABRILO_TEST_DATA_DIR "/document/corpus/") + name;
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage Drawing(int w, int h, unsigned seed) {
  QImage image(w, h, QImage::Format_RGB32);
  unsigned v = seed * 2654435761u;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      v = v * 1664525u + 1013904223u;
      row[x] = 0xFF000000u | (v >> 8);
    }
  }
  return image;
}

bool RunningAsRoot() {
  return geteuid() == 0;
}

bool RunAsOrdinaryUser(const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    constexpr gid_t kNobody = 65534;
    if (RunningAsRoot() &&
        (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
         setresuid(kNobody, kNobody, kNobody) != 0)) {
      _exit(2);
    }
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QStringList FilesIn(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name);
}

}  // namespace nabrilo::test
