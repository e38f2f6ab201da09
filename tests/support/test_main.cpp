// Test entry: a QApplication on the offscreen platform (fonts, clipboard and widgets need one),
// with the program's font aliases, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  nabrilo::InstallFontAliases();
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
