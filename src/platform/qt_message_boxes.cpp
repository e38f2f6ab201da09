// The message and error boxes: the application title as caption, the text, one OK button; and
// the yes-or-no question.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

// The buttons carry their Japanese captions themselves, whatever translation Qt has loaded.
bool QtDialogs::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Nabrilo"), text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace nabrilo
