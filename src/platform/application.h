#pragma once
// The application object. An error raised inside any event handler (an AppError or any other
// std::exception) is shown in the standard error box, Dialogs().ShowError, and the program
// carries on with the next event.

#include <QApplication>
#include <functional>

namespace nabrilo {

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `deliver`; an error it raises goes to the standard error box and counts as handled.
bool DeliverShowingErrors(const std::function<bool()>& deliver);

// True when there is a desktop to show the window on (a display, or a platform asked for).
bool HasDesktop();

}  // namespace nabrilo
