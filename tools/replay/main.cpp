// nabrilo-replay: runs scenario scripts against the real main window, headless, or canvas
// scripts against a bare canvas.
#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "canvas_script.h"
#include "platform/fonts.h"
#include "scenario.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  nabrilo::InstallFontAliases();
  const QStringList args = QApplication::arguments();
  QTextStream err(stderr);
  if (args.size() == 3 && args[1] == QLatin1String("--canvas")) {
    const nabrilo::CanvasScriptResult r = nabrilo::RunCanvasScript(args[2]);
    if (!r.ok) {
      err << r.error << '\n';
      return 1;
    }
    return 0;
  }
  if (args.size() == 2 && !args[1].startsWith(QLatin1String("--"))) {
    return nabrilo::RunScenarioFile(args[1], err) ? 0 : 1;
  }
  err << "usage: nabrilo-replay SCENARIO | nabrilo-replay --canvas SCRIPT\n";
  return 2;
}
