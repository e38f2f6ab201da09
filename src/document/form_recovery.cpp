// The window's side of the recovery copies: it starts the keeper, hands it the picture after each
// finished change, offers copies left by an earlier run, and discards its own copy when the user
// closes the window (every other end of the program keeps it).
#include <QFile>
#include <QTimer>
#include <utility>

#include "app/form_main.h"
#include "document/recovery.h"
#include "platform/controls.h"
#include "platform/quit_signals.h"
#include "platform/user_dialogs.h"

namespace nabrilo {

void TForm_Main::Start_Recovery(const QString& folder) {
  recovery_ = std::make_unique<RecoveryKeeper>(folder);
  // Queued before any file named on the command line, which waits for the answers.
  QTimer::singleShot(0, this, [this] { Offer_Recovery(); });
}

// Newest first, one question each. はい loads the copy as the load button loads a file, and it
// becomes this window's own; the older copies then stay for a later start, so that nothing is
// lost by restoring one over another. いいえ deletes the copy. A copy that cannot be loaded is
// refused with the load's own message and deleted.
void TForm_Main::Offer_Recovery() {
  if (!recovery_ || offering_) return;
  offering_ = true;
  std::vector<LeftCopy> copies = recovery_->TakeLeftCopies();
  for (LeftCopy& copy : copies) {
    const bool yes =
        Dialogs().AskYesNo(QStringLiteral("前回保存されていない図があります。復元しますか？"));
    if (QuitRequested()) break;  // the program is ending: nobody answered, the copy stays
    if (!yes) {
      RecoveryKeeper::Remove(&copy);
      continue;
    }
    const QString own = recovery_->Adopt(&copy);
    if (own.isEmpty()) continue;
    // The name says BMP, so the load either takes the picture or raises the error it shows.
    bool loaded = true;
    try {
      Replace_Picture_From_File(own);
    } catch (const AppError& e) {
      loaded = false;
      Dialogs().ShowError(e.Text());
    }
    TImage::FlushAll();
    if (loaded) break;
    QFile::remove(own);
  }
  offering_ = false;
  const QString file = std::exchange(open_after_offer_, QString());
  if (!file.isEmpty() && !QuitRequested()) Open_Given_File(file);
}

void TForm_Main::Keep_For_Recovery() {
  if (recovery_) recovery_->Keep(Image1->Picture().Image());
}

void TForm_Main::Keep_For_Recovery(const QByteArray& snapshot) {
  if (recovery_) recovery_->Keep(snapshot);
}

}  // namespace nabrilo
