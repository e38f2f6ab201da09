// The message and error boxes: the application title as caption, the text, one OK button.
#include <QApplication>
#include <QMessageBox>

#include "platform/qt_dialogs.h"

namespace nabrilo {

namespace {
void ShowBox(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("Nabrilo"), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
}  // namespace

void QtDialogs::ShowMessage(const QString& text) {
  ShowBox(QMessageBox::NoIcon, text);
}

void QtDialogs::ShowError(const QString& text) {
  ShowBox(QMessageBox::Critical, text);
}

}  // namespace nabrilo
