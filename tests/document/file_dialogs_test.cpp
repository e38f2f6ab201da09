// The real open and save dialogs, driven headless: Qt's own dialog with the program's filters,
// the first filter chosen, a preview of the picture named, "bmp" added on save.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "document/document_test_support.h"
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

TEST(FileDialogs, SaveAddsBmpAsksBeforeOverwritingAndCanBeCancelled) {
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
  const std::optional<QString> chosen =
      QtDialogs().SavePicture(QStringLiteral("ビットマップ (*.bmp)|*.bmp"), QStringLiteral("bmp"));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->toStdString(), dir.filePath(QStringLiteral("仕掛け 図.bmp")).toStdString());

  WhenShown([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_FALSE(
      QtDialogs().SavePicture(QStringLiteral("ビットマップ (*.bmp)|*.bmp"), QStringLiteral("bmp")));
}

}  // namespace
}  // namespace nabrilo
