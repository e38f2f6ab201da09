// Undo snapshot streams: a picture encoded into a stream decodes to the same pixels, and the
// repeated path reuses the memory it already has.
#include <gtest/gtest.h>

#include "document/bmp_file.h"
#include "document/bmp_read.h"
#include "document/document_test_support.h"
#include "document/snapshot_streams.h"
#include "support/picture_compare.h"

namespace nabrilo {
namespace {

TEST(SnapshotStream, EncodeThenDecodeGivesTheSamePicture) {
  for (const QSize size : {QSize(1, 1), QSize(500, 500), QSize(123, 45), QSize(45, 123)}) {
    const QImage drawing = test::Drawing(size.width(), size.height(), size.height());
    QByteArray stream;
    EncodeBmpInto(drawing, &stream);
    EXPECT_EQ(stream.size(), BmpFileSize(size.width(), size.height()));
    QImage picture(10, 10, QImage::Format_RGB32);  // another size: the picture takes the stream's
    ASSERT_TRUE(DecodeSnapshot(stream, &picture));
    const PictureDiff diff = ComparePictures(drawing, picture);
    EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  }
}

TEST(SnapshotStream, IsAnOrdinaryBmpFileImage) {
  // Other readers see the same picture: Qt's own reader on the stream.
  const QImage drawing = test::Drawing(37, 11);
  const QImage read = QImage::fromData(EncodeBmp(drawing), "BMP");
  const PictureDiff diff = ComparePictures(drawing, read);
  EXPECT_TRUE(diff.same_size && diff.differing == 0) << diff.Describe();
  // And a BMP written by someone else decodes as a snapshot too.
  QImage picture;
  ASSERT_TRUE(DecodeSnapshot(test::ReadFileBytes(test::CorpusPath("bmp_rle8.bmp")), &picture));
  const PictureDiff corpus = ComparePictures(test::CorpusPattern(), picture);
  EXPECT_TRUE(corpus.same_size && corpus.differing == 0) << corpus.Describe();
}

TEST(SnapshotStream, ReencodingReusesTheStreamAndDecodingReusesThePicture) {
  QByteArray stream;
  EncodeBmpInto(test::Drawing(200, 100, 1), &stream);
  const char* buffer = stream.constData();
  EncodeBmpInto(test::Drawing(200, 100, 2), &stream);
  EXPECT_EQ(stream.constData(), buffer);
  EncodeBmpInto(test::Drawing(50, 60, 3), &stream);  // smaller: still the same memory
  EXPECT_EQ(stream.constData(), buffer);
  EncodeBmpInto(test::Drawing(200, 100, 4), &stream);
  EXPECT_EQ(stream.constData(), buffer);

  QImage picture = test::Drawing(200, 100, 5);
  const uchar* pixels = picture.constBits();
  ASSERT_TRUE(DecodeSnapshot(stream, &picture));
  EXPECT_EQ(picture.constBits(), pixels);
  EXPECT_EQ(picture, test::Drawing(200, 100, 4));
}

TEST(SnapshotStream, DecodingIntoASharedPictureLeavesTheOtherCopyAlone) {
  const QImage original = test::Drawing(64, 32, 1);
  QImage picture = original;  // shares the pixels
  ASSERT_TRUE(DecodeSnapshot(EncodeBmp(test::Drawing(64, 32, 2)), &picture));
  EXPECT_EQ(picture, test::Drawing(64, 32, 2));
  EXPECT_EQ(original, test::Drawing(64, 32, 1));
}

TEST(SnapshotStream, RecordingKeepsThePreviousPictureInTheOtherStream) {
  const QImage a = test::Drawing(80, 60, 1), b = test::Drawing(80, 60, 2),
               c = test::Drawing(80, 60, 3);
  QByteArray now, prev;
  RecordSnapshot(a, true, &now, &prev);  // first after a reset: both hold the picture
  EXPECT_EQ(now, EncodeBmp(a));
  EXPECT_EQ(prev, EncodeBmp(a));
  RecordSnapshot(b, false, &now, &prev);
  EXPECT_EQ(now, EncodeBmp(b));
  EXPECT_EQ(prev, EncodeBmp(a));
  // From here on the two buffers only change roles: no new memory per snapshot.
  const char* buffers[] = {now.constData(), prev.constData()};
  RecordSnapshot(c, false, &now, &prev);
  EXPECT_EQ(now, EncodeBmp(c));
  EXPECT_EQ(prev, EncodeBmp(b));
  EXPECT_EQ(now.constData(), buffers[1]);
  EXPECT_EQ(prev.constData(), buffers[0]);

  // Undo: the picture goes back to b, both streams hold b, in their own buffers.
  QImage picture = c;
  ASSERT_TRUE(RestoreSnapshot(prev, &now, &picture));
  EXPECT_EQ(picture, b);
  EXPECT_EQ(now, prev);
  EXPECT_EQ(now.constData(), buffers[1]);
  // A picture of another size (an import between snapshots) comes back whole, at its size.
  const QImage small = test::Drawing(20, 10, 4);
  RecordSnapshot(small, false, &now, &prev);
  RecordSnapshot(c, false, &now, &prev);
  ASSERT_TRUE(RestoreSnapshot(prev, &now, &picture));
  EXPECT_EQ(picture, small);
}

}  // namespace
}  // namespace nabrilo
