// Program entry: the application object, its title, one main window, the message loop.
#include <QApplication>
#include <QTextStream>

#include "platform/fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Nabrilo"));
  nabrilo::InstallFontAliases();
  return 0;
}
