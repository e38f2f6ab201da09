#include "platform/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <exception>

#include "platform/fonts.h"
#include "platform/user_dialogs.h"

namespace nabrilo {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Before any window exists, so that every widget is made with these.
  UseJapaneseQtTexts(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  setFont(WindowFont());
}

bool UseJapaneseQtTexts(const QString& directory) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), directory)) {
    delete translator;
    std::fprintf(stderr,
                 "nabrilo: Qt's Japanese texts (qtbase_ja.qm) are not in %s; its dialogs speak "
                 "English.\n",
                 qUtf8Printable(directory));
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

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
