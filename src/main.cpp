// Program entry: the application object, its title, one main window, the message loop.
#include <cstdio>

#include "app/form_main.h"
#include "platform/application.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
  if (!nabrilo::HasDesktop()) {
    std::fprintf(stderr, "Nabrilo needs a desktop: no DISPLAY or WAYLAND_DISPLAY is set.\n");
    return 1;
  }
  nabrilo::InstallFontAliases();
  nabrilo::TApplication app(argc, argv);
  nabrilo::TApplication::setApplicationName(QStringLiteral("Nabrilo"));
  nabrilo::TApplication::setApplicationDisplayName(QStringLiteral("Nabrilo"));
  nabrilo::TForm_Main form;
  form.show();
  return nabrilo::TApplication::exec();
}
