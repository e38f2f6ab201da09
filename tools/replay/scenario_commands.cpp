// The command table of scenario scripts, and the runner's life: the window it drives.
#include <QCoreApplication>
#include <QTest>

#include "app/form_main.h"
#include "platform/cursors.h"
#include "scenario_runner.h"

namespace nabrilo {

namespace {

struct Command {
  const char* name;
  const char* pattern;  // the arguments, as ParseArgs reads them
  void (ScenarioRunner::*run)(const Args&);
};

using R = ScenarioRunner;

constexpr Command kCommands[] = {
    // Driving the window.
    {"click", "NAME", &R::Click},
    {"item", "NAME INDEX", &R::Item},
    {"color", "COLORNAME", &R::Color},
    {"updown", "up|down [COUNT]", &R::UpDown},
    {"hover", "NAME", &R::Hover},
    {"press", "X Y [left|right]", &R::Press},
    {"move", "X Y", &R::Move},
    {"release", "X Y [left|right]", &R::Release},
    {"type", "TEXT", &R::Type},
    {"key", "KEY", &R::Key},
    {"answer", "FILE|cancel", &R::Answer},
    {"clipboard", "FILE", &R::Clipboard},
    {"clipboard-clear", "", &R::ClipboardClear},
    {"clipboard-save", "FILE", &R::ClipboardSave},
    {"save", "FILE", &R::Save},
    {"reply", "yes|no", &R::Reply},
    {"recovery", "", &R::Recovery},
    {"hold", "", &R::Hold},
    // Checking.
    {"expect", "NAME TEXT", &R::Expect},
    {"expect-enabled", "NAME yes|no", &R::ExpectEnabled},
    {"expect-down", "NAME yes|no", &R::ExpectDown},
    {"expect-message", "TEXT", &R::ExpectMessage},
    {"expect-some-message", "", &R::ExpectSomeMessage},
    {"expect-no-message", "", &R::ExpectNoMessage},
    {"expect-size", "W H", &R::ExpectSize},
    {"expect-window", "W H", &R::ExpectWindow},
    {"expect-cursor", "N", &R::ExpectCursor},
    {"expect-pixel", "X Y COLOR", &R::ExpectPixel},
    {"expect-picture", "FILE", &R::ExpectPicture},
};

const Command* FindCommand(const QString& name) {
  for (const Command& c : kCommands) {
    if (name == QLatin1String(c.name)) return &c;
  }
  return nullptr;
}

}  // namespace

std::optional<ScriptLine> ParseScriptLine(const QString& text, int number) {
  const QString line = text.trimmed();
  if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) return std::nullopt;
  const std::vector<Token> tokens = SplitLine(line);
  const Command* command = tokens.front().quoted ? nullptr : FindCommand(tokens.front().text);
  if (!command)
    throw ScenarioError(QStringLiteral("unknown command \"%1\"").arg(tokens.front().text));
  const std::vector<Token> words(tokens.begin() + 1, tokens.end());
  return ScriptLine{number, tokens.front().text,
                    ParseArgs(tokens.front().text, QLatin1String(command->pattern), words)};
}

ScenarioRunner::ScenarioRunner() {
  SetDialogs(&dialogs_);
  QCoreApplication::instance()->installEventFilter(&synthetic_);
}

void ScenarioRunner::Start() {
  form_ = std::make_unique<TForm_Main>();
  form_->show();
  if (!QTest::qWaitForWindowExposed(form_.get())) {
    throw ScenarioError(QStringLiteral("the main window could not be shown"));
  }
  form_->activateWindow();
  Settle();
}

ScenarioRunner::~ScenarioRunner() {
  form_.reset();
  QCoreApplication::instance()->removeEventFilter(&synthetic_);
  SetDialogs(nullptr);
}

void ScenarioRunner::Run(const ScriptLine& line) {
  const Command* command = FindCommand(line.command);
  (this->*command->run)(line.args);
  Settle();
  if (!dialogs_.unanswered.isEmpty()) {
    dialogs_.unanswered.clear();
    throw ScenarioError(
        QStringLiteral("a file dialog was shown with no answer queued (use \"answer\" first)"));
  }
  if (!dialogs_.unreplied.isEmpty()) {
    dialogs_.unreplied.clear();
    throw ScenarioError(
        QStringLiteral("a question was asked with no reply queued (use \"reply\" first)"));
  }
}

void ScenarioRunner::Finish() {
  if (!dialogs_.answers.empty()) {
    throw ScenarioError(QStringLiteral("%1 answer(s) queued for a dialog that never came")
                            .arg(dialogs_.answers.size()));
  }
  if (!dialogs_.replies.empty()) {
    throw ScenarioError(QStringLiteral("%1 reply(ies) queued for a question that never came")
                            .arg(dialogs_.replies.size()));
  }
}

QStringList ScenarioRunner::UncheckedMessages() const {
  QStringList texts;
  for (const ScriptedDialogs::Shown& s : dialogs_.shown) texts << s.text;
  return texts;
}

void ScenarioRunner::Settle() {
  // Events posted while these are delivered wait for the next round; a few rounds empty the
  // queue without ever waiting for a timer.
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

QWidget* ScenarioRunner::Control(const Arg& name) const {
  if (name.text == form_->objectName()) return form_.get();
  QWidget* found = form_->findChild<QWidget*>(name.text);
  if (!found) throw ScenarioError(QStringLiteral("no control named \"%1\"").arg(name.text));
  return found;
}

}  // namespace nabrilo
