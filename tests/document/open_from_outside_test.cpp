// Pictures that come in other than through the buttons, in the real window: the file named on
// the command line (as the program opens it once the window is shown) and drops on the window.
#include <QBuffer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "app/form_fixture.h"
#include "document/document_test_support.h"
#include "support/picture_compare.h"

namespace nabrilo::testing {
namespace {

class OpenFromOutsideTest : public FormTest {
 protected:
  QImage Picture() const { return form->Image1->Picture().Image().copy(); }
  void ExpectStartPicture() {
    EXPECT_EQ(Picture(), WhitePicture(500, 500));
    EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　500 * 500");
  }
  // Offers `mime` as a drag entering the window; the event starts with the opposite answer, so
  // the window must decide.
  void ExpectDrag(const QMimeData& mime, bool accepted) {
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                          {});
    enter.setAccepted(!accepted);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), accepted) << mime.formats().join(' ').toStdString();
  }
  // Drops `mime` on the window and lets the program finish what the drop started.
  bool Drop(const QMimeData& mime) {
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
    drop.setAccepted(false);
    QApplication::sendEvent(form.get(), &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
  }
  static void SetFiles(QMimeData* mime, const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime->setUrls(urls);
  }
  QTemporaryDir dir;
};

TEST_F(OpenFromOutsideTest, AFileGivenAtStartLoadsAsTheLoadButtonLoadsIt) {
  form->Set_Outer_Size(1000, 800);
  form->Open_At_Start(test::CorpusPath("bmp_rle8.bmp"));
  EXPECT_EQ(Picture().size(), QSize(500, 500));  // not before the window is ready
  QCoreApplication::processEvents();
  test::ExpectCorpusPatternLoaded(*form);
  EXPECT_FALSE(form->Btn_Undo_1->isEnabled());
  EXPECT_TRUE(dialogs.shown.empty());

  // A relative name is taken from the current folder; the kind is told from the name's case-free
  // extension, as for a chosen file.
  ASSERT_TRUE(QFile::copy(test::CorpusPath("jpeg_baseline.jpg"), dir.filePath("photo.JPEG")));
  const QString was = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  form->Open_At_Start(QStringLiteral("photo.JPEG"));
  QCoreApplication::processEvents();
  QDir::setCurrent(was);
  ASSERT_EQ(Picture().size(), QSize(64, 48));
  EXPECT_NEAR(qRed(Picture().pixel(8, 8)), qRed(test::CorpusJpegBlock(0, 0)), 16);
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　64 * 48");
  EXPECT_EQ(form->Outer_Size(), QSize(720, 605));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenFromOutsideTest, AMissingOrUnreadableFileIsNamedAndTheStartPictureStays) {
  const QString missing = dir.filePath("無い図.bmp");
  form->Open_At_Start(missing);
  QCoreApplication::processEvents();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown.front().kind, ScriptedDialogs::Shown::Message);
  EXPECT_TRUE(dialogs.shown.front().text.contains(missing))
      << dialogs.shown.front().text.toStdString();
  dialogs.shown.clear();
  ExpectStartPicture();

  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
  form->Open_Given_File(dir.filePath("folder.jpg"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(dialogs.shown.front().text.contains(dir.filePath("folder.jpg")));
  ExpectStartPicture();
}

TEST_F(OpenFromOutsideTest, DroppingOnePictureFileLoadsItAndDroppedImageDataIsPasted) {
  QMimeData file;
  SetFiles(&file, {test::CorpusPath("bmp_24bit.bmp")});
  ExpectDrag(file, true);
  form->Set_Outer_Size(1000, 800);
  EXPECT_TRUE(Drop(file));
  test::ExpectCorpusPatternLoaded(*form);
  EXPECT_TRUE(dialogs.shown.empty());

  // An image object from another program, then a browser's drag: a web address with the image.
  QMimeData image;
  image.setImageData(test::Drawing(800, 600));
  ExpectDrag(image, true);
  EXPECT_TRUE(Drop(image));
  EXPECT_EQ(Picture(), test::Drawing(800, 600));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　800 * 600");
  EXPECT_EQ(form->Outer_Size(), QSize(1020, 705));

  QMimeData browser;
  browser.setUrls({QUrl(QStringLiteral("https://example.org/rig.png"))});
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(test::Drawing(300, 200, 7).save(&buffer, "PNG"));
  }
  browser.setData(QStringLiteral("image/png"), png);
  ExpectDrag(browser, true);
  EXPECT_TRUE(Drop(browser));
  EXPECT_EQ(Picture(), test::Drawing(300, 200, 7));
  EXPECT_EQ(form->Label_Size->Caption(), "BitMapのサイズ　300 * 200");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenFromOutsideTest, OtherDropsTakeNothing) {
  // Several files: none is taken, and the user is told why.
  QMimeData several;
  SetFiles(&several, {test::CorpusPath("bmp_24bit.bmp"), test::CorpusPath("jpeg_baseline.jpg")});
  ExpectDrag(several, true);
  EXPECT_TRUE(Drop(several));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown.front().kind, ScriptedDialogs::Shown::Message);
  dialogs.shown.clear();
  ExpectStartPicture();

  // Text, a file that is not a picture, a web address alone: the pointer says no.
  QMimeData text, notes, link;
  text.setText(QStringLiteral("仕掛け図"));
  SetFiles(&notes, {dir.filePath("notes.txt")});
  link.setUrls({QUrl(QStringLiteral("https://example.org/rig.bmp"))});
  for (const QMimeData* m : {&text, &notes, &link}) {
    ExpectDrag(*m, false);
    EXPECT_FALSE(Drop(*m));
  }

  // A stroke in progress is not interrupted: the drop is refused and the stroke ends as usual.
  Click(form->SpeedButton18);  // the thick straight line
  QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(40, 40));
  QTest::mouseMove(form->Image1, QPoint(200, 120));
  QMimeData file;
  SetFiles(&file, {test::CorpusPath("bmp_24bit.bmp")});
  ExpectDrag(file, false);
  EXPECT_FALSE(Drop(file));
  QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, QPoint(200, 120));
  EXPECT_EQ(Picture().size(), QSize(500, 500));
  EXPECT_NE(Picture(), WhitePicture(500, 500));
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace nabrilo::testing
