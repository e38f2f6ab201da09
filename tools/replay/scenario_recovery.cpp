// Recovery copies in scenarios: they are off unless a script turns them on, in the state folder
// the environment names ($XDG_STATE_HOME), so a run never offers copies left by another.
#include <QCoreApplication>
#include <cstdio>

#include "app/form_main.h"
#include "document/recovery.h"
#include "scenario_runner.h"

namespace nabrilo {

void ScenarioRunner::Reply(const Args& a) {
  dialogs_.replies.push_back(a[0].text == QLatin1String("yes"));
}

void ScenarioRunner::Recovery(const Args&) {
  if (form_->Recovery()) throw ScenarioError(QStringLiteral("recovery copies are already on"));
  form_->Start_Recovery(RecoveryFolder());
}

// The copy is on disk when "holding" is printed; then only a signal (or a kill) ends the run.
void ScenarioRunner::Hold(const Args&) {
  if (form_->Recovery()) form_->Recovery()->WaitIdle();
  std::fputs("holding\n", stdout);
  std::fflush(stdout);
  QCoreApplication::exec();
}

}  // namespace nabrilo
