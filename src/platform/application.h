#pragma once
// The application object. An error raised inside any event handler (an AppError or any other
// std::exception) is shown in the standard error box, Dialogs().ShowError, and the program
// carries on with the next event. It speaks the program's language: Qt's own texts (file
// dialogs, message boxes, the text fields' menus) are Japanese whatever the process locale, and
// whatever sets no font of its own (dialogs, boxes, tooltips) uses the window's UI font.

#include <QApplication>
#include <functional>

namespace nabrilo {

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Installs Qt's Japanese translation of its base module from `directory` and makes Japanese the
// widgets' default locale. When the translation is not there, says so in one line on standard
// error and returns false: Qt's texts stay English, nothing else changes.
bool UseJapaneseQtTexts(const QString& directory);

// Runs `deliver`; an error it raises goes to the standard error box and counts as handled.
bool DeliverShowingErrors(const std::function<bool()>& deliver);

// True when there is a desktop to show the window on (a display, or a platform asked for).
bool HasDesktop();

}  // namespace nabrilo
