#pragma once
// Running nabrilo-replay as a user runs it: a separate process in a working directory of its
// own, with its exit status and what it wrote to standard error.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace nabrilo::testing {

struct ReplayRun {
  bool finished = false;  // ended by itself (no crash, no time-out)
  int exit_code = -1;
  QString err;
};

inline ReplayRun RunReplay(
    const QString& script, const QString& work_dir,
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(work_dir);
  process.start(QStringLiteral(NABRILO_REPLAY), {script});
  ReplayRun run;
  run.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
  run.exit_code = process.exitCode();
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace nabrilo::testing
