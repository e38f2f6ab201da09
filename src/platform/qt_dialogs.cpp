// The open and save picture dialogs: Qt's own (non-native) file dialog, so that it looks the same
// everywhere and can carry a preview of the selected picture beside the file list. The message
// boxes are in qt_message_boxes.cpp.
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

#include "platform/picture_reader_limit.h"

namespace nabrilo {

namespace {

constexpr int kPreviewSide = 200;

// A preview is only a glance: pictures the reader cannot size, or ones beyond what the program
// loads (32767 per side, 100 million pixels), show none.
QPixmap PreviewOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return {};  // never open a pipe or a device: that could block
  QImageReader reader(path);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || size.width() > 32767 || size.height() > 32767 ||
      qint64{size.width()} * size.height() > 100'000'000) {
    return {};
  }
  AdmitProgramPictureSizes();
  if (size.width() > kPreviewSide || size.height() > kPreviewSide) {
    reader.setScaledSize(size.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio));
  }
  const QImage image = reader.read();
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

class PreviewLabel : public QLabel {
 public:
  explicit PreviewLabel(QWidget* parent) : QLabel(parent) {
    setFixedSize(kPreviewSide + 8, kPreviewSide + 8);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setObjectName(QStringLiteral("picturePreview"));
  }
  void ShowFile(const QString& path) {
    const QPixmap pixmap = PreviewOf(path);
    setPixmap(pixmap);
    setToolTip(pixmap.isNull() ? QString() : QDir::toNativeSeparators(path));
  }
};

// Shows the selected file in a preview beside the list; a typed name counts too.
void AddPreview(QFileDialog* dialog) {
  auto* grid = qobject_cast<QGridLayout*>(dialog->layout());
  if (!grid) return;
  auto* preview = new PreviewLabel(dialog);
  grid->addWidget(preview, 1, 3, Qt::AlignTop);
  QObject::connect(dialog, &QFileDialog::currentChanged, preview, &PreviewLabel::ShowFile);
  if (auto* name_edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    QObject::connect(name_edit, &QLineEdit::textChanged, preview,
                     [dialog, preview](const QString& text) {
                       if (!text.isEmpty())
                         preview->ShowFile(dialog->directory().absoluteFilePath(text));
                     });
  }
}

// The file list's type column: Qt's own words for it ("Folder", "bmp File") have no Japanese
// in its translation.
class JapaneseFileTypes : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QStringLiteral("フォルダー");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("ファイル")
                            : suffix.toUpper() + QStringLiteral(" ファイル");
  }
};

QWidget* DialogParent() {
  QWidget* active = QApplication::activeModalWidget();
  return active ? active : QApplication::activeWindow();
}

std::optional<QString> Run(QFileDialog* dialog) {
  AddPreview(dialog);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

// What both picture dialogs share: Qt's own dialog, the Japanese type column, an existing file
// to open or any name to save, the first filter chosen. Returns the filters as Qt names them.
QStringList SetUpPictureDialog(QFileDialog& dialog, JapaneseFileTypes& types,
                               QFileDialog::AcceptMode mode, const QString& filter) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&types);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList filters = QtNameFilters(filter);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
  return filters;
}

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  static const QRegularExpression trailing_patterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    description.remove(trailing_patterns);
    const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters;
}

std::optional<QString> QtDialogs::OpenPicture(const QString& filter) {
  JapaneseFileTypes types;  // made first: the dialog's file list asks it until the dialog goes
  QFileDialog dialog(DialogParent(), QStringLiteral("開く"));
  SetUpPictureDialog(dialog, types, QFileDialog::AcceptOpen, filter);
  return Run(&dialog);
}

std::optional<QString> QtDialogs::SavePicture(const QString& filter,
                                              const QString& default_extension, int* filter_index) {
  JapaneseFileTypes types;  // made first: the dialog's file list asks it until the dialog goes
  QFileDialog dialog(DialogParent(), QStringLiteral("名前を付けて保存"));
  const QStringList filters = SetUpPictureDialog(dialog, types, QFileDialog::AcceptSave, filter);
  dialog.setDefaultSuffix(default_extension);  // the overwrite question stays on (Qt's default)
  // A name typed without an extension gets the one of the filter the user chose.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
    const int index = static_cast<int>(filters.indexOf(chosen)) + 1;
    const QString extension = FilterExtension(filter, index);
    dialog.setDefaultSuffix(index <= 1 || extension.isEmpty() ? default_extension : extension);
  });
  std::optional<QString> name = Run(&dialog);
  if (name) {
    *filter_index = std::max(1, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1);
  }
  return name;
}

}  // namespace nabrilo
