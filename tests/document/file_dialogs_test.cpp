// The real open and save dialogs, driven headless: Qt's own dialog with the program's filters,
// the first filter chosen, a preview of the picture named, the chosen filter's extension added
// on save; and the reader's size limit across the file, clipboard and preview paths.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "document/document_test_support.h"
#include "document/picture_clipboard.h"
#include "document/picture_file.h"
#include "platform/qt_dialogs.h"

namespace nabrilo {
namespace {

const QString kOpenFilter = QStringLiteral("ビットマップ (*.bmp)|*.bmp|写真 jpg|*.jpg;*.jpeg");

TEST(FileDialogs, FiltersAreConvertedInOrder) {
  EXPECT_EQ(QtNameFilters(kOpenFilter),
            (QStringList{"ビットマップ (*.bmp)", "写真 jpg (*.jpg *.jpeg)"}));
  EXPECT_EQ(QtNameFilters(QStringLiteral("ビットマップ (*.bmp)|*.bmp")),
            QStringList{"ビットマップ (*.bmp)"});
}

// Runs `answer` on the dialog once it is showing.
void WhenShown(std::function<void(QFileDialog*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(dialog);
  });
}

void Type(QFileDialog* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(edit, nullptr);
  // Typing happens with the focus in the field; the dialog follows the name only then.
  QApplication::setActiveWindow(dialog);
  edit->setFocus();
  edit->setText(name);
}

QSize PreviewSize(QFileDialog* dialog) {
  auto* preview = dialog->findChild<QLabel*>(QStringLiteral("picturePreview"));
  return preview ? preview->pixmap().size() : QSize(-1, -1);
}

TEST(FileDialogs, OpenShowsTheFiltersAndAPreviewOfTheNamedPicture) {
  QSize shown_bmp, shown_missing;
  WhenShown([&](QFileDialog* dialog) {
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->nameFilters(), QtNameFilters(kOpenFilter));
    EXPECT_EQ(dialog->selectedNameFilter(), QtNameFilters(kOpenFilter).first());
    dialog->setDirectory(test::CorpusPath(QString()));
    Type(dialog, QStringLiteral("bmp_24bit.bmp"));
    shown_bmp = PreviewSize(dialog);
    Type(dialog, QStringLiteral("no such picture.bmp"));
    shown_missing = PreviewSize(dialog);
    Type(dialog, QStringLiteral("bmp_rle8.bmp"));
    static_cast<QDialog*>(dialog)->accept();  // as the Open button does
  });
  const std::optional<QString> chosen = QtDialogs().OpenPicture(kOpenFilter);
  EXPECT_EQ(shown_bmp, QSize(23, 13));
  EXPECT_EQ(shown_missing, QSize(0, 0));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(QFileInfo(*chosen).canonicalFilePath().toStdString(),
            QFileInfo(test::CorpusPath(QStringLiteral("bmp_rle8.bmp")))
                .canonicalFilePath()
                .toStdString());

  // A photo under the second filter; a cancel chooses nothing.
  QSize shown_jpeg;
  WhenShown([&](QFileDialog* dialog) {
    dialog->selectNameFilter(QtNameFilters(kOpenFilter).at(1));
    dialog->setDirectory(test::CorpusPath(QString()));
    Type(dialog, QStringLiteral("jpeg_progressive.jpg"));
    shown_jpeg = PreviewSize(dialog);
    dialog->reject();
  });
  EXPECT_FALSE(QtDialogs().OpenPicture(kOpenFilter));
  EXPECT_EQ(shown_jpeg, QSize(64, 48));
}

const QString kSaveFilter = QStringLiteral("ビットマップ (*.bmp)|*.bmp|PNG (*.png)|*.png");

TEST(FileDialogs, SaveAddsTheChosenFiltersExtensionAsksBeforeOverwritingAndCanBeCancelled) {
  QTemporaryDir dir;
  WhenShown([&](QFileDialog* dialog) {
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bmp"));
    dialog->setDirectory(dir.path());
    Type(dialog, QStringLiteral("仕掛け 図"));
    static_cast<QDialog*>(dialog)->accept();  // as the Open/Save button does
  });
  int filter_index = 0;
  std::optional<QString> chosen = QtDialogs().SavePicture(kSaveFilter, "bmp", &filter_index);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->toStdString(), dir.filePath(QStringLiteral("仕掛け 図.bmp")).toStdString());
  EXPECT_EQ(filter_index, 1);

  // The PNG filter chosen as a user does, from the list.
  WhenShown([&](QFileDialog* dialog) {
    dialog->setDirectory(dir.path());
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setCurrentIndex(1);  // and the signals a click in the list gives
    emit types->activated(1);
    emit types->textActivated(types->currentText());
    Type(dialog, QStringLiteral("map"));
    static_cast<QDialog*>(dialog)->accept();
  });
  chosen = QtDialogs().SavePicture(kSaveFilter, "bmp", &filter_index);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->toStdString(), dir.filePath(QStringLiteral("map.png")).toStdString());
  EXPECT_EQ(filter_index, 2);

  WhenShown([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_FALSE(QtDialogs().SavePicture(kSaveFilter, "bmp", &filter_index));
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

std::optional<QImage> Paste(const QImage& image) {
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/png"), Png(image));
  QGuiApplication::clipboard()->setMimeData(mime);
  return PastePictureFromClipboard();
}

// Qt's reader has one allocation limit for the whole process: a tiny picture read on one path
// must not keep a large one out of the next.
TEST(FileDialogs, ATinyPictureReadFirstKeepsNoLargePictureOutOnAnyPath) {
  QTemporaryDir dir;
  const QImage tiny = test::Drawing(1, 1), large = test::Drawing(1000, 750);
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("tiny.png"), Png(tiny)));
  ASSERT_TRUE(test::WriteFileBytes(dir.filePath("large.png"), Png(large)));
  ASSERT_TRUE(large.save(dir.filePath("large.bmp"), "BMP"));
  // File, then clipboard.
  ASSERT_EQ(LoadPictureFile(dir.filePath("tiny.png")).outcome, PictureLoad::Loaded);
  std::optional<QImage> pasted = Paste(large);
  ASSERT_TRUE(pasted);
  EXPECT_EQ(pasted->size(), QSize(1000, 750));
  // Clipboard, then the preview, then files of both kinds.
  ASSERT_TRUE(Paste(tiny));
  QSize shown_large, shown_tiny;
  WhenShown([&](QFileDialog* dialog) {
    dialog->setDirectory(dir.path());
    Type(dialog, QStringLiteral("large.png"));
    shown_large = PreviewSize(dialog);
    Type(dialog, QStringLiteral("tiny.png"));
    shown_tiny = PreviewSize(dialog);
    dialog->reject();
  });
  EXPECT_FALSE(QtDialogs().OpenPicture(kOpenFilter));
  EXPECT_EQ(shown_large, QSize(200, 150));
  EXPECT_EQ(shown_tiny, QSize(1, 1));
  for (const char* name : {"large.png", "large.bmp"}) {
    const PictureLoad load = LoadPictureFile(dir.filePath(name));
    ASSERT_EQ(load.outcome, PictureLoad::Loaded) << name;
    EXPECT_EQ(load.image, large) << name;
  }
  // The clipboard after the preview's tiny picture.
  pasted = Paste(large);
  ASSERT_TRUE(pasted);
  EXPECT_EQ(*pasted, large);
}

}  // namespace
}  // namespace nabrilo
