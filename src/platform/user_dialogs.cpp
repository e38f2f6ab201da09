#include "platform/user_dialogs.h"

#include <QDir>
#include <QFileInfo>

#include "platform/qt_dialogs.h"

namespace nabrilo {

namespace {
UserDialogs* g_dialogs = nullptr;

QString Absolute(const QString& name) {
  return QFileInfo(QDir::current(), name).absoluteFilePath();
}
}  // namespace

UserDialogs& Dialogs() {
  static QtDialogs qt_dialogs;
  return g_dialogs ? *g_dialogs : qt_dialogs;
}

void SetDialogs(UserDialogs* dialogs) {
  g_dialogs = dialogs;
}

QString FilterExtension(const QString& filter, int index) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  const int at = 2 * index - 1;
  if (index < 1 || at >= parts.size()) return {};
  const QString first = parts[at].section(QLatin1Char(';'), 0, 0).trimmed();
  return first.startsWith(QLatin1String("*.")) ? first.mid(2) : QString();
}

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

bool ScriptedDialogs::AskYesNo(const QString& text) {
  shown.push_back({Shown::Question, text});
  if (replies.empty()) {
    unreplied << text;
    return false;
  }
  const bool yes = replies.front();
  replies.pop_front();
  return yes;
}

std::optional<QString> ScriptedDialogs::OpenPicture(const QString& filter) {
  last_open_filter = filter;
  QString name;
  if (!NextAnswer(filter, &name)) return std::nullopt;
  return Absolute(name);
}

std::optional<QString> ScriptedDialogs::SavePicture(const QString& filter,
                                                    const QString& default_extension,
                                                    int* filter_index) {
  last_save_filter = filter;
  last_save_extension = default_extension;
  QString name;
  if (!NextAnswer(filter, &name)) return std::nullopt;
  *filter_index = save_filter_index;
  // As the save dialog does: a name typed without an extension gets the chosen filter's.
  const QString extension =
      save_filter_index == 1 ? default_extension : FilterExtension(filter, save_filter_index);
  if (!extension.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
    name += QLatin1Char('.') + extension;
  }
  return Absolute(name);
}

}  // namespace nabrilo
