#include "platform/application.h"

#include <exception>

#include "platform/user_dialogs.h"

namespace nabrilo {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverShowingErrors([&] { return QApplication::notify(receiver, event); });
}

bool DeliverShowingErrors(const std::function<bool()>& deliver) {
  try {
    return deliver();
  } catch (const AppError& e) {
    Dialogs().ShowError(e.Text());
  } catch (const std::exception& e) {
    Dialogs().ShowError(QString::fromLocal8Bit(e.what()));
  }
  return true;
}

bool HasDesktop() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  return false;
}

}  // namespace nabrilo
