// Damaged and hostile input: every case gives its failure (never a crash, a hang, a huge
// allocation or a changed picture). The valid pictures of corpus/ are cut and bent here.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>

#include "document/bmp_file.h"
#include "document/bmp_read.h"
#include "document/document_test_support.h"
#include "document/picture_file.h"

namespace nabrilo {
namespace {

using test::CorpusPath;

const char* const kBmpFiles[] = {
    "bmp_1bit.bmp",       "bmp_4bit.bmp",           "bmp_8bit.bmp",
    "bmp_rle8.bmp",       "bmp_rle4.bmp",           "bmp_16bit_555.bmp",
    "bmp_16bit_565.bmp",  "bmp_24bit.bmp",          "bmp_24bit_topdown.bmp",
    "bmp_32bit.bmp",      "bmp_32bit_fields.bmp",   "bmp_24bit_v5.bmp",
    "bmp_os2_24bit.bmp",  "bmp_os2_8bit.bmp",       "bmp_rle8_skips.bmp",
    "bmp_16bit_4444.bmp", "bmp_32bit_7187.bmp",     "bmp_os2v2_16.bmp",
    "bmp_os2v2_64.bmp",   "bmp_8bit_300colours.bmp"};
const char* const kJpegFiles[] = {"jpeg_baseline.jpg", "jpeg_progressive.jpg", "jpeg_grey.jpg",
                                  "jpeg_cmyk.jpg"};
const char* const kPngFiles[] = {"png_rgb8.png", "png_rgba16.png", "png_palette8_trns.png",
                                 "png_grey_alpha8.png"};

void Put32(QByteArray* b, int at, quint32 v) {
  qToLittleEndian(v, b->data() + at);
}
void Put16(QByteArray* b, int at, quint16 v) {
  qToLittleEndian(v, b->data() + at);
}

// The CRC-32 of PNG chunks (and zlib).
quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<uchar>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A 32-bit 4 × 2 picture with a BITMAPINFOHEADER, to be bent by each case.
QByteArray SmallBmp() {
  return EncodeBmp(test::Drawing(4, 2));
}

TEST(BadInput, EveryTruncationOfEveryBmpIsRefused) {
  for (const char* name : kBmpFiles) {
    const QByteArray whole = test::ReadFileBytes(CorpusPath(name));
    ASSERT_FALSE(whole.isEmpty()) << name;
    for (qsizetype n = 0; n < whole.size(); ++n) {
      const PictureLoad load = DecodePicture(PictureKind::Bmp, whole.left(n));
      ASSERT_EQ(load.outcome, PictureLoad::BadBitmap) << name << " cut at " << n;
      ASSERT_EQ(load.refusal, Refusal::Truncated) << name << " cut at " << n;
      ASSERT_TRUE(load.image.isNull());
    }
  }
}

// Large files are read row by row from the file rather than whole: cut short, they fail too.
TEST(BadInput, ALargeBmpFileCutShortIsRefused) {
  QTemporaryDir dir;
  const QImage drawing = test::Drawing(300, 200);
  ASSERT_TRUE(drawing.save(dir.filePath("whole.bmp"), "BMP"));  // 24 bits, 180 kB
  const QByteArray whole = test::ReadFileBytes(dir.filePath("whole.bmp"));
  const PictureLoad load = LoadPictureFile(dir.filePath("whole.bmp"));
  ASSERT_EQ(load.outcome, PictureLoad::Loaded);
  EXPECT_EQ(load.image, drawing);
  for (const qsizetype n : {whole.size() - 1, whole.size() / 2, qsizetype{70'000}}) {
    ASSERT_TRUE(test::WriteFileBytes(dir.filePath("cut.bmp"), whole.left(n)));
    const PictureLoad cut = LoadPictureFile(dir.filePath("cut.bmp"));
    EXPECT_EQ(cut.outcome, PictureLoad::BadBitmap) << n;
    EXPECT_EQ(cut.refusal, Refusal::Truncated) << n;
  }
}

// Every cut that loses pixel data; a file cut inside its closing IEND chunk has them all.
TEST(BadInput, EveryTruncationOfEveryPngIsRefused) {
  for (const char* name : kPngFiles) {
    const QByteArray whole = test::ReadFileBytes(CorpusPath(name));
    const qsizetype end_chunk = whole.indexOf("IEND") - 4;
    ASSERT_GT(end_chunk, 0) << name;
    for (qsizetype n = 0; n < end_chunk; ++n) {
      const PictureLoad load = DecodePicture(PictureKind::Png, whole.left(n));
      ASSERT_EQ(load.outcome, PictureLoad::BadPng) << name << " cut at " << n;
      ASSERT_EQ(load.refusal, Refusal::Truncated) << name << " cut at " << n;
    }
  }
  // Sizes beyond the limits are refused from the header (its checksum made good), before the
  // pixels are looked at.
  QByteArray huge = test::ReadFileBytes(CorpusPath("png_rgb8.png"));
  for (const auto& [w, h] : {std::pair{40000u, 10u}, {20000u, 20000u}}) {
    qToBigEndian(w, huge.data() + 16);
    qToBigEndian(h, huge.data() + 20);
    qToBigEndian(Crc32(huge.mid(12, 17)), huge.data() + 29);  // over "IHDR" and its 13 bytes
    const PictureLoad load = DecodePicture(PictureKind::Png, huge);
    EXPECT_EQ(load.outcome, PictureLoad::BadPng) << w << "x" << h;
    EXPECT_EQ(load.refusal, Refusal::TooLarge) << w << "x" << h;
  }
}

TEST(BadInput, EveryTruncationOfEveryJpegIsRefused) {
  for (const char* name : kJpegFiles) {
    const QByteArray whole = test::ReadFileBytes(CorpusPath(name));
    ASSERT_FALSE(whole.isEmpty()) << name;
    for (qsizetype n = 0; n < whole.size(); ++n) {
      const PictureLoad load = DecodePicture(PictureKind::Jpeg, whole.left(n));
      ASSERT_EQ(load.outcome, PictureLoad::BadJpeg) << name << " cut at " << n;
      // libjpeg meets a cut as a premature end or as the structure it breaks, in its words.
      ASSERT_EQ(load.refusal, n == 0 ? Refusal::Truncated : Refusal::Damaged) << name << n;
      ASSERT_EQ(load.detail.isEmpty(), n == 0) << name << " cut at " << n;
    }
  }
}

struct HeaderCase {
  const char* what;
  Refusal why;
  void (*bend)(QByteArray*);
};

const HeaderCase kNonsense[] = {
    {"zero width", Refusal::BadSize, [](QByteArray* b) { Put32(b, 18, 0); }},
    {"zero height", Refusal::BadSize, [](QByteArray* b) { Put32(b, 22, 0); }},
    {"negative width", Refusal::BadSize, [](QByteArray* b) { Put32(b, 18, quint32(-4)); }},
    {"width 2^31 - 1", Refusal::TooLarge, [](QByteArray* b) { Put32(b, 18, 0x7FFFFFFF); }},
    {"width 2^31", Refusal::BadSize, [](QByteArray* b) { Put32(b, 18, 0x80000000u); }},
    {"height 2^31 (INT_MIN)", Refusal::TooLarge, [](QByteArray* b) { Put32(b, 22, 0x80000000u); }},
    {"width 32768", Refusal::TooLarge, [](QByteArray* b) { Put32(b, 18, 32768); }},
    {"height -32768", Refusal::TooLarge, [](QByteArray* b) { Put32(b, 22, quint32(-32768)); }},
    {"20000 × 20000 pixels", Refusal::TooLarge,
     [](QByteArray* b) {
       Put32(b, 18, 20000);
       Put32(b, 22, 20000);
     }},
    {"zero planes", Refusal::Unsupported, [](QByteArray* b) { Put16(b, 26, 0); }},
    {"7 bits per pixel", Refusal::Unsupported, [](QByteArray* b) { Put16(b, 28, 7); }},
    {"JPEG compression", Refusal::Unsupported, [](QByteArray* b) { Put32(b, 30, 4); }},
    {"PNG compression", Refusal::Unsupported, [](QByteArray* b) { Put32(b, 30, 5); }},
    {"unknown compression", Refusal::Unsupported, [](QByteArray* b) { Put32(b, 30, 0x12345678); }},
    {"RLE8 on 32 bits", Refusal::Unsupported, [](QByteArray* b) { Put32(b, 30, 1); }},
    {"info header size 0", Refusal::UnknownHeader, [](QByteArray* b) { Put32(b, 14, 0); }},
    {"info header size 2^32 - 1", Refusal::UnknownHeader,
     [](QByteArray* b) { Put32(b, 14, 0xFFFFFFFFu); }},
    {"pixel data offset past the end", Refusal::Truncated,
     [](QByteArray* b) { Put32(b, 10, 0xFFFFFFF0u); }},
    {"not BM", Refusal::NotThisKind, [](QByteArray* b) { (*b)[0] = 'X'; }},
};

TEST(BadInput, NonsenseSizesAndUnknownKindsAreRefusedFromTheHeader) {
  for (const HeaderCase& c : kNonsense) {
    QByteArray bytes = SmallBmp();
    c.bend(&bytes);
    const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes);
    EXPECT_EQ(load.outcome, PictureLoad::BadBitmap) << c.what;
    EXPECT_EQ(load.refusal, c.why) << c.what;
    QImage picture = test::Drawing(4, 2, 9);
    const QImage before = picture.copy();
    EXPECT_FALSE(DecodeSnapshot(bytes, &picture)) << c.what;
    EXPECT_EQ(picture, before) << c.what;
  }
}

// Masks that cannot describe colours: overlapping, empty, with a gap, or wider than the pixel.
TEST(BadInput, ColourMasksThatCannotBeAPictureAreRefused) {
  const QByteArray fields32 = test::ReadFileBytes(CorpusPath("bmp_32bit_fields.bmp"));
  const QByteArray fields16 = test::ReadFileBytes(CorpusPath("bmp_16bit_565.bmp"));
  ASSERT_FALSE(fields32.isEmpty());
  ASSERT_FALSE(fields16.isEmpty());
  const struct {
    const QByteArray& file;
    quint32 red, green, blue;
  } cases[] = {
      {fields32, 0x00FF00FF, 0x0000FF00, 0x000000FF},  // red overlaps blue
      {fields32, 0x00FF0000, 0x00FFFF00, 0x000000FF},  // green overlaps red
      {fields32, 0x00FF0000, 0, 0x000000FF},           // no green
      {fields32, 0x00F0F000, 0x00000F00, 0x000000FF},  // a gap in red
      {fields16, 0x0001F800, 0x000007E0, 0x0000001F},  // red beyond 16 bits
  };
  for (const auto& c : cases) {
    QByteArray bytes = c.file;
    Put32(&bytes, 54, c.red);
    Put32(&bytes, 58, c.green);
    Put32(&bytes, 62, c.blue);
    const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes);
    EXPECT_EQ(load.outcome, PictureLoad::BadBitmap) << std::hex << c.red << " " << c.green;
    EXPECT_EQ(load.refusal, Refusal::BadBitFields) << std::hex << c.red << " " << c.green;
  }
}

// An 8-bit picture whose colour table claims more entries than its depth can use, running over
// its pixels (257) or past the end of the file.
TEST(BadInput, ColourTablesPastTheirEndAreRefused) {
  QByteArray pal8 = test::ReadFileBytes(CorpusPath("bmp_8bit.bmp"));
  ASSERT_FALSE(pal8.isEmpty());
  for (quint32 colours : {257u, 400u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    QByteArray bytes = pal8;
    Put32(&bytes, 46, colours);
    const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes);
    EXPECT_EQ(load.outcome, PictureLoad::BadBitmap) << colours;
    EXPECT_EQ(load.refusal, Refusal::BadPaletteSize) << colours;
  }
  // 256 entries announced, as many as the depth has: the file ends inside the table.
  QByteArray bytes = pal8.left(54 + 4 * 10);
  Put32(&bytes, 46, 256);
  EXPECT_EQ(DecodePicture(PictureKind::Bmp, bytes).refusal, Refusal::Truncated);
}

// A 4-entry palette with pixels that index past it: no read outside the table.
TEST(BadInput, PixelsIndexingPastThePaletteGiveAPictureOfTheRightSize) {
  QByteArray bytes = test::ReadFileBytes(CorpusPath("bmp_8bit.bmp"));
  const int data = qFromLittleEndian<quint32>(bytes.constData() + 10);
  for (int i = data; i < bytes.size(); ++i) bytes[i] = static_cast<char>(200 + i % 56);
  const PictureLoad load = DecodePicture(PictureKind::Bmp, bytes);
  ASSERT_EQ(load.outcome, PictureLoad::Loaded);
  EXPECT_EQ(load.image.size(), QSize(23, 13));
}

// RLE8 data for a 23 × 13 picture with runs and absolute blocks longer than a row, deltas
// outside the picture, and more rows than the picture has.
QByteArray RleWith(const QByteArray& runs) {
  QByteArray bytes = test::ReadFileBytes(CorpusPath("bmp_rle8.bmp"));
  const int data = qFromLittleEndian<quint32>(bytes.constData() + 10);
  bytes.truncate(data);
  bytes += runs;
  Put32(&bytes, 2, static_cast<quint32>(bytes.size()));
  Put32(&bytes, 34, static_cast<quint32>(runs.size()));
  return bytes;
}

TEST(BadInput, RleRunsPastTheRowOrPastThePictureAreRefused) {
  const QByteArray cases[] = {
      QByteArray("\xFF\x02\xFF\x03\x00\x01", 6),  // runs of 255 in a 23-wide row
      QByteArray("\x00\xFF", 2) + QByteArray(256, '\x01') + QByteArray("\x00\x01", 2),  // absolute
      QByteArray("\x00\x02\xFF\xFF\x05\x01\x00\x01", 8),             // delta far outside
      QByteArray(40 * 2, '\0') + QByteArray("\x05\x01\x00\x01", 4),  // 40 end-of-lines for 13 rows
  };
  for (const QByteArray& runs : cases) {
    const PictureLoad load = DecodePicture(PictureKind::Bmp, RleWith(runs));
    EXPECT_EQ(load.outcome, PictureLoad::BadBitmap) << runs.toHex().left(40).constData();
    EXPECT_EQ(load.refusal, Refusal::BadRle) << runs.toHex().left(40).constData();
  }
  // Cut short: a jump, a literal block of five, or the data before its end-of-bitmap mark.
  for (const QByteArray& runs : {QByteArray("\x00\x02\x10", 3), QByteArray("\x00\x05\x01\x02", 4),
                                 QByteArray("\x05\x01\x00\x00", 4)}) {
    const PictureLoad load = DecodePicture(PictureKind::Bmp, RleWith(runs));
    EXPECT_EQ(load.outcome, PictureLoad::BadBitmap) << runs.toHex().constData();
    EXPECT_EQ(load.refusal, Refusal::Truncated) << runs.toHex().constData();
  }
  // The same file with a well-formed stream of runs, jumps and a literal block loads.
  const PictureLoad fine =
      DecodePicture(PictureKind::Bmp, RleWith(QByteArray("\x17\x01\x00\x00\x00\x02\x03\x02"
                                                         "\x00\x03\x02\x03\x02\x00\x00\x01",
                                                         16)));
  ASSERT_EQ(fine.outcome, PictureLoad::Loaded);
  EXPECT_EQ(fine.image.pixel(0, 12), qRgb(255, 255, 255));  // the run of index 1, bottom row
  EXPECT_EQ(fine.image.pixel(3, 9), qRgb(255, 0, 0));       // the literal block after the jump:
  EXPECT_EQ(fine.image.pixel(4, 9), qRgb(0, 0, 255));       // indices 2, 3, 2
  EXPECT_EQ(fine.image.pixel(5, 9), qRgb(255, 0, 0));
}

TEST(BadInput, ABmpHeaderOnJpegDataAndAJpegHeaderOnBmpDataAreRefused) {
  const QByteArray jpeg = test::ReadFileBytes(CorpusPath("jpeg_baseline.jpg"));
  const QByteArray bmp = test::ReadFileBytes(CorpusPath("bmp_24bit.bmp"));
  const PictureLoad bmp_on_jpeg = DecodePicture(PictureKind::Bmp, bmp.left(54) + jpeg);
  EXPECT_EQ(bmp_on_jpeg.outcome, PictureLoad::BadBitmap);
  EXPECT_EQ(bmp_on_jpeg.refusal, Refusal::Truncated);  // fewer bytes than its rows need
  // Everything of the JPEG up to its scan header, then bitmap bytes as the scan.
  const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
  ASSERT_GT(sos, 0);
  const int sos_length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
  const PictureLoad jpeg_on_bmp =
      DecodePicture(PictureKind::Jpeg, jpeg.left(sos + 2 + sos_length) + bmp);
  EXPECT_EQ(jpeg_on_bmp.outcome, PictureLoad::BadJpeg);
  EXPECT_EQ(jpeg_on_bmp.refusal, Refusal::Damaged);
  EXPECT_FALSE(jpeg_on_bmp.detail.isEmpty());
  const PictureLoad no_jpeg = DecodePicture(PictureKind::Jpeg, QByteArray(4096, '\xFF'));
  EXPECT_EQ(no_jpeg.outcome, PictureLoad::BadJpeg);
  EXPECT_EQ(no_jpeg.refusal, Refusal::Damaged);
  EXPECT_TRUE(no_jpeg.detail.startsWith("Not a JPEG file")) << no_jpeg.detail.toStdString();
}

// The outcome and the reason of loading `path`, for comparing at once.
std::pair<PictureLoad::Outcome, Refusal> Load(const QString& path) {
  const PictureLoad load = LoadPictureFile(path);
  return {load.outcome, load.refusal};
}

TEST(BadInput, FilesThatCannotBeReadGiveTheirFailureWithoutBlocking) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("folder.bmp");
  EXPECT_EQ(Load(dir.filePath("folder.bmp")),
            std::pair(PictureLoad::BadBitmap, Refusal::Unreadable));
  EXPECT_EQ(Load(dir.filePath("missing.jpg")),
            std::pair(PictureLoad::BadJpeg, Refusal::Unreadable));
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("empty.bmp"), {}));
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("empty.jpeg"), {}));
  EXPECT_EQ(Load(dir.filePath("empty.bmp")), std::pair(PictureLoad::BadBitmap, Refusal::Truncated));
  EXPECT_EQ(Load(dir.filePath("empty.jpeg")), std::pair(PictureLoad::BadJpeg, Refusal::Truncated));
  // A named pipe would block a reader until someone writes to it.
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.bmp")).constData(), 0644), 0);
  EXPECT_EQ(Load(dir.filePath("pipe.bmp")), std::pair(PictureLoad::BadBitmap, Refusal::Unreadable));
  // A path through a file, which no one can open.
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("plain"), "x"));
  EXPECT_EQ(Load(dir.filePath("plain/picture.bmp")),
            std::pair(PictureLoad::BadBitmap, Refusal::Unreadable));
  // A file without read permission (root reads anything, so that part runs as nobody).
  const QString locked = dir.filePath("locked 図.bmp");
  ASSERT_TRUE(QFile::copy(CorpusPath("bmp_24bit.bmp"), locked));
  ASSERT_TRUE(QFile::setPermissions(locked, {}));
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
  EXPECT_TRUE(test::RunAsOrdinaryUser(
      [&] { return Load(locked) == std::pair(PictureLoad::BadBitmap, Refusal::Unreadable); }));
}

TEST(BadInput, AFailedSnapshotDecodeLeavesThePictureAsItWas) {
  const QByteArray stream = EncodeBmp(test::Drawing(30, 20, 3));
  for (qsizetype n : {qsizetype{0}, qsizetype{10}, qsizetype{54}, stream.size() - 1}) {
    QImage picture = test::Drawing(30, 20, 4);
    const QImage before = picture.copy();
    EXPECT_FALSE(DecodeSnapshot(stream.left(n), &picture)) << n;
    EXPECT_EQ(picture, before) << n;
  }
}

}  // namespace
}  // namespace nabrilo
