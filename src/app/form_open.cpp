// Pictures that come in other than through the buttons: the file named on the command line,
// a file dropped on the window, and image data dragged from another program. Files go through
// the load button's own loading and images through the paste button's own pasting, so the same
// rules, limits, messages and window sizing hold whichever way a picture arrives.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <optional>

#include "app/form_main.h"
#include "document/picture_clipboard.h"
#include "document/picture_file.h"
#include "document/regular_file.h"
#include "platform/user_dialogs.h"

namespace nabrilo {

namespace {

struct Drop {
  enum Kind { Refused, OneFile, SeveralFiles, Image } kind = Refused;
  QString path;  // OneFile: the full path
};

// Only local files: a file manager offers them as URLs; a browser dragging an image offers a
// web address, and then the image data beside it is what it means.
Drop Kind_Of_Drop(const QMimeData* mime) {
  if (!mime) return {};
  if (mime->hasUrls()) {
    QStringList paths;
    for (const QUrl& url : mime->urls()) {
      if (url.isLocalFile()) paths << QFileInfo(url.toLocalFile()).absoluteFilePath();
    }
    if (paths.size() > 1) return {Drop::SeveralFiles, {}};
    if (paths.size() == 1 && paths.size() == mime->urls().size()) {
      if (PictureKindOf(paths.front()) == PictureKind::None) return {};
      return {Drop::OneFile, paths.front()};
    }
  }
  if (OffersPicture(*mime)) return {Drop::Image, {}};
  return {};
}

}  // namespace

// After the question about recovery copies, when one is open.
void TForm_Main::Open_At_Start(const QString& path) {
  QTimer::singleShot(0, this, [this, path] {
    if (offering_) {
      open_after_offer_ = path;
    } else {
      Open_Given_File(path);
    }
  });
}

// The load button's dialog only offers files that exist; a name typed on the command line or a
// file deleted since it was dragged may not, and that is said plainly with its name.
void TForm_Main::Open_Given_File(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  switch (KindOfPath(full)) {
    case PathKind::Missing:
      Dialogs().ShowMessage(QStringLiteral("ファイルが見つかりません\n") + full);
      return;
    case PathKind::Other:
      Dialogs().ShowMessage(QStringLiteral("ファイルを読み込めません\n") + full);
      return;
    case PathKind::RegularFile:
      if (!QFileInfo(full).isReadable()) {
        Dialogs().ShowMessage(QStringLiteral("ファイルを読み込めません\n") + full);
        return;
      }
      break;
  }
  Replace_Picture_From_File(full);
}

bool TForm_Main::Gesture_In_Progress() const {
  return Mouse_Held || Line_Mode != kLineNone || Trail_Live;
}

void TForm_Main::dragEnterEvent(QDragEnterEvent* event) {
  if (Gesture_In_Progress() || Kind_Of_Drop(event->mimeData()).kind == Drop::Refused) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

// The work is done once the drop has returned: a message box opened inside the drop would hold
// up the program the picture was dragged from.
void TForm_Main::dropEvent(QDropEvent* event) {
  const Drop drop = Kind_Of_Drop(event->mimeData());
  if (Gesture_In_Progress() || drop.kind == Drop::Refused) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  switch (drop.kind) {
    case Drop::OneFile:
      QTimer::singleShot(0, this, [this, path = drop.path] { Open_Given_File(path); });
      break;
    case Drop::SeveralFiles:
      QTimer::singleShot(0, this, [] {
        Dialogs().ShowMessage(QStringLiteral(
            "ファイルは一つずつドロップしてください（一度に開けるのは一つだけです）"));
      });
      break;
    case Drop::Image:
      // Read now: the dragged data goes away with the drag.
      try {
        const std::optional<QImage> picture = PictureFromMimeData(*event->mimeData());
        if (picture) QTimer::singleShot(0, this, [this, p = *picture] { Paste_Picture(p); });
      } catch (const AppError& e) {
        QTimer::singleShot(0, this, [text = e.Text()] { Dialogs().ShowError(text); });
      }
      break;
    case Drop::Refused:
      break;
  }
}

}  // namespace nabrilo
