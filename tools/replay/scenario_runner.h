#pragma once
// The scenario runner: one real main window, shown offscreen with the scripted dialogs, driven
// through real Qt events one command at a time. Each command is one small member function; the
// table that names them and their arguments is in scenario_commands.cpp.

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

#include "platform/user_dialogs.h"
#include "scenario_parse.h"

class QAbstractButton;
class QMouseEvent;

namespace nabrilo {

class TForm_Main;

// One command line of a script, checked against the command table.
struct ScriptLine {
  int number = 0;
  QString command;
  Args args;
};
// Splits and checks the line numbered `number`; nothing for a blank or comment line. Throws
// ScenarioError for an unknown command or arguments that do not fit it.
std::optional<ScriptLine> ParseScriptLine(const QString& text, int number);

// Swallows the pointer events that QCursor::setPos makes the platform send, so that putting the
// screen pointer in place delivers nothing to any widget.
class SyntheticPointerFilter : public QObject {
 public:
  bool active = false;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class ScenarioRunner {
 public:
  ScenarioRunner();
  ~ScenarioRunner();
  // Creates and shows the window; throws when it cannot be shown.
  void Start();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  // Runs one checked line; throws ScenarioError when it fails.
  void Run(const ScriptLine& line);
  // The end of the script: answers queued for dialogs that never came are an error.
  void Finish();
  TForm_Main& Form() { return *form_; }
  // Message boxes nobody checked, oldest first (reported, not failed).
  QStringList UncheckedMessages() const;

  // ---- Driving the window (scenario_drive.cpp) ----
  void Click(const Args& a);
  void Item(const Args& a);
  void Color(const Args& a);
  void UpDown(const Args& a);
  void Type(const Args& a);
  void Key(const Args& a);
  void Answer(const Args& a);
  void Clipboard(const Args& a);
  void ClipboardClear(const Args& a);
  void ClipboardSave(const Args& a);
  void Save(const Args& a);
  // ---- Recovery copies (scenario_recovery.cpp) ----
  void Reply(const Args& a);
  void Recovery(const Args& a);
  void Hold(const Args& a);
  // ---- The pointer (scenario_pointer.cpp) ----
  void Hover(const Args& a);
  void Press(const Args& a);
  void Move(const Args& a);
  void Release(const Args& a);
  // ---- Checking (scenario_checks.cpp) ----
  void Expect(const Args& a);
  void ExpectEnabled(const Args& a);
  void ExpectDown(const Args& a);
  void ExpectMessage(const Args& a);
  void ExpectSomeMessage(const Args& a);
  void ExpectNoMessage(const Args& a);
  void ExpectSize(const Args& a);
  void ExpectWindow(const Args& a);
  void ExpectCursor(const Args& a);
  void ExpectPixel(const Args& a);
  void ExpectPicture(const Args& a);

 private:
  QWidget* Control(const Arg& name) const;
  template <typename T>
  T* ControlAs(const Arg& name, const char* kind) const;
  // Lets Qt deliver everything that is pending (repaints, posted events), without waiting.
  static void Settle();
  // A user's left click at `at` (the centre by default); a disabled button ignores it.
  void ClickAt(QWidget* widget, QPoint at);
  void ClickButton(QAbstractButton* button);
  void RequireReachable(QWidget* widget, QPoint at, const QString& name) const;
  // Puts the screen pointer at `global` without any widget hearing of it.
  void PlacePointer(QPoint global);
  void SendPointer(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button);
  void PicturePointer(QEvent::Type type, const Args& a);

  ScriptedDialogs dialogs_;
  std::unique_ptr<TForm_Main> form_;
  SyntheticPointerFilter synthetic_;
  Qt::MouseButtons held_;
};

template <typename T>
T* ScenarioRunner::ControlAs(const Arg& name, const char* kind) const {
  T* control = dynamic_cast<T*>(Control(name));
  if (!control) {
    throw ScenarioError(QStringLiteral("\"%1\" is not %2").arg(name.text, QLatin1String(kind)));
  }
  return control;
}

}  // namespace nabrilo
