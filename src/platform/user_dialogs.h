#pragma once
// Everything the program asks of or tells the user through a box: plain messages, the standard
// error box, and the open and save picture dialogs. The program talks to one UserDialogs; the
// real one shows Qt boxes, the scripted one (tests, nabrilo-replay) records what would have
// been shown and answers dialogs from a queue.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>

namespace nabrilo {

// An error raised inside a handler; the application shows its text in the standard error box
// and carries on.
class AppError : public std::runtime_error {
 public:
  explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // A plain message box: the application title as caption, the text, one OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // The application's standard error box for an error raised inside a handler.
  virtual void ShowError(const QString& text) = 0;
  // A question with はい (the default, Enter) and いいえ; true for はい. Closing the box is いいえ.
  virtual bool AskYesNo(const QString& text) = 0;
  // The open and save picture dialogs (filter in the "description|patterns|…" form); the
  // chosen full path, or nothing when the user cancels. The save dialog also tells which filter
  // the user chose (1 for the first); a name typed without an extension gets the chosen
  // filter's, the default extension while the first filter is chosen.
  virtual std::optional<QString> OpenPicture(const QString& filter) = 0;
  virtual std::optional<QString> SavePicture(const QString& filter,
                                             const QString& default_extension,
                                             int* filter_index) = 0;
};

// The extension of the first pattern of filter `index` (1 for the first) in a
// "description|patterns|…" filter: "png" for "PNG (*.png)|*.png"; empty when there is none.
QString FilterExtension(const QString& filter, int index);

// The one instance the program uses. By default the Qt boxes; SetDialogs replaces it (the
// caller keeps ownership; nullptr goes back to the Qt boxes).
UserDialogs& Dialogs();
void SetDialogs(UserDialogs* dialogs);

// Shown boxes are recorded; dialogs are answered from a queue of answers (a file name as if
// typed and accepted, or a cancel) and questions from a queue of replies. A dialog with no
// answer queued is cancelled and noted; a question with no reply is answered いいえ and noted.
class ScriptedDialogs : public UserDialogs {
 public:
  struct Shown {
    enum Kind { Message, Error, Question } kind;
    QString text;
  };
  void ShowMessage(const QString& text) override { shown.push_back({Shown::Message, text}); }
  void ShowError(const QString& text) override { shown.push_back({Shown::Error, text}); }
  bool AskYesNo(const QString& text) override;
  std::optional<QString> OpenPicture(const QString& filter) override;
  std::optional<QString> SavePicture(const QString& filter, const QString& default_extension,
                                     int* filter_index) override;

  // An answer for the next dialog: a file name (relative names are taken from the current
  // directory), or nothing for a cancel.
  void QueueAnswer(std::optional<QString> answer) { answers.push_back(std::move(answer)); }

  std::deque<Shown> shown;  // every box not yet checked, oldest first
  std::deque<std::optional<QString>> answers;
  std::deque<bool> replies;   // for questions: true for はい
  int save_filter_index = 1;  // the filter the save dialog answers with
  QStringList unanswered;     // dialogs that found no answer queued (filters)
  QStringList unreplied;      // questions that found no reply queued
  QString last_open_filter, last_save_filter, last_save_extension;

 private:
  // Takes the answer queued for the next dialog into `name`; false for a cancel, or when no
  // answer was queued (which is noted).
  bool NextAnswer(const QString& filter, QString* name);
};

}  // namespace nabrilo
