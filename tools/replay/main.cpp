// nabrilo-replay: runs scenario scripts against the real main window, headless, or canvas
// scripts against a bare canvas.
#include <QTextStream>
#include <cstdio>

#include "canvas_script.h"
#include "offscreen_screen.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "scenario.h"

int main(int argc, char** argv) {
  const auto screen_config = nabrilo::UseLargeOffscreenScreen();
  nabrilo::QuietOffscreenNotes();
  // The program's own application object: an error raised inside a handler goes to the
  // standard error box, where a scenario can check it.
  nabrilo::InstallFontAliases();
  nabrilo::TApplication app(argc, argv);
  nabrilo::TApplication::setApplicationName(QStringLiteral("Nabrilo"));
  nabrilo::TApplication::setApplicationDisplayName(QStringLiteral("Nabrilo"));
  const QStringList args = nabrilo::TApplication::arguments();
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
