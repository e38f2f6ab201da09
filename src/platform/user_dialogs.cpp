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

bool ScriptedDialogs::NextAnswer(const QString& filter, QString* name) {
  if (answers.empty()) {
    unanswered << filter;
    return false;
  }
  const bool accepted = answers.front().has_value();
  if (accepted) *name = *answers.front();
  answers.pop_front();
  return accepted;
}

std::optional<QString> ScriptedDialogs::OpenPicture(const QString& filter) {
  last_open_filter = filter;
  QString name;
  if (!NextAnswer(filter, &name)) return std::nullopt;
  return Absolute(name);
}

std::optional<QString> ScriptedDialogs::SavePicture(const QString& filter,
                                                    const QString& default_extension) {
  last_save_filter = filter;
  last_save_extension = default_extension;
  QString name;
  if (!NextAnswer(filter, &name)) return std::nullopt;
  // As the save dialog does: a name typed without an extension gets the default one.
  if (!default_extension.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
    name += QLatin1Char('.') + default_extension;
  }
  return Absolute(name);
}

}  // namespace nabrilo
