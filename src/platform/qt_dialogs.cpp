// Placeholder boxes until the real ones are written.
#include "platform/qt_dialogs.h"

namespace nabrilo {

void QtDialogs::ShowMessage(const QString&) {}
void QtDialogs::ShowError(const QString&) {}
std::optional<QString> QtDialogs::OpenPicture(const QString&) { return std::nullopt; }
std::optional<QString> QtDialogs::SavePicture(const QString&, const QString&) {
  return std::nullopt;
}

}  // namespace nabrilo
