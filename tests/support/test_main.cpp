// Test entry: the program's application object on the offscreen platform (fonts, clipboard and
// widgets need one), with the program's font aliases, then GoogleTest.
#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  nabrilo::InstallFontAliases();
  nabrilo::TApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
