// Start-up time: from process start to the first paint of the main window (offscreen), against a
// bare Qt window of the same size started the same way in the same run. The goal is a ratio of
// at most 1.5. Each window runs in a child process (this program with a --child-… flag), which
// ends itself the moment its window first paints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "app/form_main.h"
#include "platform/application.h"
#include "platform/fonts.h"

namespace {

// Ends the process at the first paint of the watched window.
class ExitOnFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) std::_Exit(0);
    return false;
  }
};

int RunChild(int argc, char** argv, bool form) {
  if (form) nabrilo::InstallFontAliases();  // before the application object, as the program does
  nabrilo::TApplication app(argc, argv);
  ExitOnFirstPaint watcher;
  if (form) {
    auto* window = new nabrilo::TForm_Main;
    window->installEventFilter(&watcher);
    window->show();
  } else {
    auto* window = new QWidget;
    window->resize(712, 571);
    window->installEventFilter(&watcher);
    window->show();
  }
  return nabrilo::TApplication::exec();
}

QString g_self;

// Milliseconds from starting the child to its exit at the first paint.
double TimeChild(const char* flag) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(env);
  QElapsedTimer timer;
  timer.start();
  child.start(g_self, {QString::fromLatin1(flag)});
  if (!child.waitForFinished(60000) || child.exitCode() != 0) return -1;
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
  double form_total = 0, bare_total = 0;
  for (auto _ : state) {
    const double bare = TimeChild("--child-bare");
    const double form = TimeChild("--child-form");
    if (bare < 0 || form < 0) {
      state.SkipWithError("a child window did not paint");
      return;
    }
    bare_total += bare;
    form_total += form;
    state.SetIterationTime(form / 1000.0);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["form_ms"] = form_total / n;
  state.counters["bare_ms"] = bare_total / n;
  state.counters["ratio"] = form_total / bare_total;
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--child-form") == 0) return RunChild(argc, argv, true);
  if (argc == 2 && std::strcmp(argv[1], "--child-bare") == 0) return RunChild(argc, argv, false);
  QCoreApplication app(argc, argv);
  g_self = QCoreApplication::applicationFilePath();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
