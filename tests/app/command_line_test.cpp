// The command line of the real program, run as a user runs it: help and version need no
// display; what is not understood is refused with the usage and status 2.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ProgramRun {
  int exit_code = -1;
  QString out, err;
};

// Without any display or Qt platform, as on a console.
ProgramRun Nabrilo(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    env.remove(QLatin1String(name));
  }
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(NABRILO_BINARY), arguments);
  ProgramRun run;
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exit_code = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(CommandLineTest, HelpAndVersionPrintAndBadCommandLinesAreRefused) {
  const ProgramRun version = Nabrilo({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "Nabrilo 3.0.1.0\n");
  EXPECT_EQ(version.err, "");

  for (const char* help : {"--help", "-h"}) {
    const ProgramRun run = Nabrilo({QLatin1String(help), "picture.bmp"});
    EXPECT_EQ(run.exit_code, 0) << help;
    EXPECT_TRUE(run.out.startsWith("Usage: nabrilo [FILE]\n")) << run.out.toStdString();
    EXPECT_EQ(run.err, "");
  }

  const QStringList wrong[] = {{"--frobnicate"}, {"-x", "a.bmp"}, {"a.bmp", "b.jpg"}, {""}};
  for (const QStringList& arguments : wrong) {
    const ProgramRun run = Nabrilo(arguments);
    EXPECT_EQ(run.exit_code, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains("Usage: nabrilo [FILE]")) << run.err.toStdString();
  }
  EXPECT_TRUE(Nabrilo({"--frobnicate"}).err.startsWith("nabrilo: unknown option '--frobnicate'"));

  // A file is for a window: without a desktop the program says so rather than failing quietly.
  const ProgramRun no_desktop = Nabrilo({"--", "-picture.bmp"});
  EXPECT_EQ(no_desktop.exit_code, 1);
  EXPECT_TRUE(no_desktop.err.contains("needs a desktop"));
}

}  // namespace
