// Program entry: the command line, the application object, its title, one main window, the
// message loop.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/form_main.h"
#include "document/recovery.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/quit_signals.h"

namespace {

constexpr char kUsage[] =
    "Usage: nabrilo [FILE]\n"
    "       nabrilo --help | --version\n"
    "\n"
    "Nabrilo draws fishing-rig diagrams and fishing-spot maps.\n"
    "FILE, a BMP, JPEG or PNG picture, is opened once the window is shown.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "      --         end of options (for a FILE that begins with a dash)\n"
    "\n"
    "Keys in the window (each does what its button does; not while a text field is open\n"
    "or the mouse button is held on the picture):\n"
    "  Ctrl+Z  undo (戻る)\n"
    "  Ctrl+S  save to a file (ファイルに保存)\n"
    "  Ctrl+O  load a file (ファイルから)\n"
    "  Ctrl+C  copy to the clipboard (クリップボードへ)\n"
    "  Ctrl+V  paste from the clipboard (ｸﾘｯﾌﾟﾎﾞｰﾄﾞから)\n";

struct CommandLine {
  enum Action { Run, Help, Version, Wrong } action = Run;
  const char* file = nullptr;
  std::string problem;  // Wrong: what was not understood
};

// Read before anything else, so that the help and the version need no display.
CommandLine Parse(int argc, char** argv) {
  CommandLine line;
  bool options_done = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (!options_done && arg == "--") {
      options_done = true;
    } else if (!options_done && (arg == "-h" || arg == "--help")) {
      line.action = CommandLine::Help;
      return line;
    } else if (!options_done && arg == "--version") {
      line.action = CommandLine::Version;
      return line;
    } else if (!options_done && arg.size() > 1 && arg.front() == '-') {
      line.action = CommandLine::Wrong;
      line.problem = "unknown option '" + std::string(arg) + "'";
      return line;
    } else if (arg.empty() || line.file) {
      line.action = CommandLine::Wrong;
      line.problem = arg.empty() ? "empty file name" : "only one FILE can be opened";
      return line;
    } else {
      line.file = argv[i];
    }
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = Parse(argc, argv);
  switch (line.action) {
    case CommandLine::Help:
      std::fputs(kUsage, stdout);
      return 0;
    case CommandLine::Version:
      std::fputs("Nabrilo " NABRILO_FILE_VERSION "\n", stdout);
      return 0;
    case CommandLine::Wrong:
      std::fprintf(stderr, "nabrilo: %s\n%s", line.problem.c_str(), kUsage);
      return 2;
    case CommandLine::Run:
      break;
  }
  if (!nabrilo::HasDesktop()) {
    std::fprintf(stderr, "Nabrilo needs a desktop: no DISPLAY or WAYLAND_DISPLAY is set.\n");
    return 1;
  }
  nabrilo::InstallFontAliases();
  // The command line is ours alone: Qt is given only the program name.
  int qt_argc = 1;
  nabrilo::TApplication app(qt_argc, argv);
  nabrilo::TApplication::setApplicationName(QStringLiteral("Nabrilo"));
  nabrilo::TApplication::setApplicationDisplayName(QStringLiteral("Nabrilo"));
  // Docks and the Wayland compositor match the window to its menu entry and icon by this id.
  nabrilo::TApplication::setDesktopFileName(QStringLiteral(NABRILO_APP_ID));
  // A signal at logout ends the loop, and the window writes the latest picture on its way out.
  nabrilo::QuitOnTerminationSignals();
  nabrilo::TForm_Main form;
  form.Start_Recovery(nabrilo::RecoveryFolder());
  form.show();
  if (line.file) form.Open_At_Start(QString::fromLocal8Bit(line.file));
  return nabrilo::TApplication::exec();
}
