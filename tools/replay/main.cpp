// nabrilo-replay: runs scenario scripts against the real main window, headless, or canvas
// scripts against a bare canvas.
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <optional>

#include "canvas_script.h"
#include "offscreen_screen.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/quit_signals.h"
#include "scenario.h"

namespace {

// The short form of docs/scenario-format.md.
constexpr char kHelp[] =
    R"(usage: nabrilo-replay [--screen WxH] SCENARIO
                                        play a scenario against the main window
                                        (on one screen of W x H; 4096x4096 if not given)
       nabrilo-replay --canvas SCRIPT   run a canvas script on a bare canvas
       nabrilo-replay --help            this summary

Exit status: 0 when every line ran and every check held; 1 after printing
SCENARIO:LINE: message on standard error; 2 for a wrong command line.

Scenario lines: one command each; blank lines and lines starting with # are
skipped. Arguments are separated by spaces; TEXT is in double quotes, with \"
\\ \r \n inside. Relative paths are from the current directory. NAME is a
control's object name (src/app/form_main.h). X Y are picture pixels and may
lie outside the picture. Any unknown command or name, or a wrong argument,
stops the script at its line.

  click NAME                    click a button where a user would
  item NAME INDEX               choose item INDEX (from 0) of a radio group
  color COLORNAME               choose clBlack ... clMedGray in ColorBox1
  updown up|down [COUNT]        click an arrow of UpDown1 COUNT (>= 1) times
  hover NAME                    move the pointer onto a control
  press X Y [left|right]        pointer to (X, Y), then one press event
  move X Y                      one move event, buttons as they are
  release X Y [left|right]      one release event
  type TEXT                     text committed by an input method
  key KEY                       Enter Escape Backspace Tab Space Delete Left
                                Right Up Down Home End, A-Z, 0-9
  answer FILE|cancel            answer the next file dialog
  reply yes|no                  answer the next question (はい or いいえ)
  clipboard FILE                put a BMP, JPEG or PNG picture on the clipboard
  clipboard-clear               empty the clipboard
  clipboard-save FILE           write the clipboard's picture as BMP
  save FILE                     write the picture as BMP
  recovery                      turn recovery copies on ($XDG_STATE_HOME), as
                                the program does; left copies are offered
  hold                          once the copy is written, print "holding" and
                                run until a signal ends the run

  expect NAME TEXT              caption or text of a control
  expect-enabled NAME yes|no    control enabled or disabled
  expect-down NAME yes|no       speed button shown pressed or not
  expect-message TEXT           the oldest unchecked message box said TEXT
  expect-some-message           some unchecked message box was shown
  expect-no-message             every message box has been checked
  expect-size W H               picture size
  expect-window W H             outer window size (client area + 8 x 34)
  expect-cursor N               screen cursor (0 arrow, -4 text beam, 1-34)
  expect-pixel X Y COLOR        0x00BBGGRR, bare hex, or a name like clRed
  expect-picture FILE           equal to a BMP or PNG picture (RGB only)

A dialog with no answer queued, a question with no reply queued, answers or
replies left over at the end, a click on a covered control and an updown count
below 1 are errors.

Canvas scripts (colours 0x00BBGGRR):
  new W H | pen COLOR WIDTH | rop copy|notxor | brush COLOR solid | brush clear
  moveto X Y | lineto X Y | rectangle X1 Y1 X2 Y2 | roundrect X1 Y1 X2 Y2 W H
  ellipse X1 Y1 X2 Y2 | pie X1 Y1 X2 Y2 X3 Y3 X4 Y4 | arc X1 Y1 X2 Y2 X3 Y3 X4 Y4
  polygon X1 Y1 ... | polybezier X1 Y1 ... | setpixel X Y COLOR | save PATH
)";

}  // namespace

int main(int argc, char** argv) {
  // The screen has to be chosen before the application object exists.
  std::optional<QSize> screen = nabrilo::kLargeScreen;
  if (argc >= 3 && std::strcmp(argv[1], "--screen") == 0) {
    screen = nabrilo::ParseScreenSize(QString::fromLocal8Bit(argv[2]));
    if (!screen) {
      std::fputs("nabrilo-replay: --screen wants a size such as 1280x1024\n", stderr);
      return 2;
    }
    argv[2] = argv[0];
    argv += 2;
    argc -= 2;
  }
  const auto screen_config = nabrilo::UseOffscreenScreen(*screen);
  nabrilo::QuietOffscreenNotes();
  // The program's own application object: an error raised inside a handler goes to the
  // standard error box, where a scenario can check it.
  nabrilo::InstallFontAliases();
  nabrilo::TApplication app(argc, argv);
  nabrilo::TApplication::setApplicationName(QStringLiteral("Nabrilo"));
  nabrilo::TApplication::setApplicationDisplayName(QStringLiteral("Nabrilo"));
  // As in the program: SIGTERM, SIGHUP and SIGINT end the run along its normal road.
  nabrilo::QuitOnTerminationSignals();
  const QStringList args = nabrilo::TApplication::arguments();
  QTextStream err(stderr);
  if (args.size() == 2 && (args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h"))) {
    QTextStream(stdout) << kHelp;
    return 0;
  }
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
  err << "usage: nabrilo-replay [--screen WxH] SCENARIO | --canvas SCRIPT | --help\n";
  return 2;
}
