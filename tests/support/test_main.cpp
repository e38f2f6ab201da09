// Test entry: the program's application object on the offscreen platform (fonts, clipboard and
// widgets need one), with the program's font aliases, then GoogleTest. The screen is as large as
// nabrilo-replay's, or the size NABRILO_TEST_SCREEN names ("1280x1024") for the tests of a small
// screen.
#include <gtest/gtest.h>

#include "offscreen_screen.h"
#include "platform/application.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::optional<QSize> size =
      nabrilo::ParseScreenSize(QString::fromLocal8Bit(qgetenv("NABRILO_TEST_SCREEN")));
  const auto screen_config = nabrilo::UseOffscreenScreen(size.value_or(nabrilo::kLargeScreen));
  nabrilo::InstallFontAliases();
  nabrilo::TApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
