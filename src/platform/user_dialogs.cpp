#include "platform/user_dialogs.h"

#include <QDir>
#include <QFileInfo>

#include "platform/qt_dialogs.h"

namespace nabrilo {

namespace {
UserDialogs* g_dialogs = nullptr;

QString Absolute(const QString& name) { return QFileInfo(QDir::current(), name).absoluteFilePath(); }
}  // namespace

UserDialogs& Dialogs() {
  static QtDialogs qt_dialogs;
  return g_dialogs ? *g_dialogs : qt_dialogs;
}

void SetDialogs(UserDialogs* dialogs) { g_dialogs = dialogs; }

std::optional<QString> ScriptedDialogs::NextAnswer(const QString& filter) {
  if (answers.empty()) {
    unanswered << filter;
    return std::nullopt;
  }
  std::optional<QString> a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<QString> ScriptedDialogs::OpenPicture(const QString& filter) {
  last_open_filter = filter;
  const std::optional<QString> a = NextAnswer(filter);
  if (!a) return std::nullopt;
  return Absolute(*a);
}

std::optional<QString> ScriptedDialogs::SavePicture(const QString& filter,
                                                    const QString& default_extension) {
  last_save_filter = filter;
  last_save_extension = default_extension;
  const std::optional<QString> a = NextAnswer(filter);
  if (!a) return std::nullopt;
  // As the save dialog does: a name typed without an extension gets the default one.
  QString name = *a;
  if (!default_extension.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
    name += QLatin1Char('.') + default_extension;
  }
  return Absolute(name);
}

}  // namespace nabrilo
