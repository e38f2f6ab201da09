// A map-mode pointer move costs in proportion to what it draws, never to the size of the
// picture: one held move of the breakwater, the rectangle, the ellipse and the eraser, each with
// the repaint it causes, on the start picture and on a 4000 x 4000 one. BM_MapMoveLargeOverSmall
// times both sizes in the same run and reports the ratio of their costs (goal: at most 1.2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <memory>

#include "app/form_main.h"
#include "platform/fonts.h"
#include "platform/user_dialogs.h"

namespace nabrilo {
namespace {

struct MapTool {
  int bank;  // item of R_Group1
  int tag;   // 101 to 109
};
constexpr MapTool kTools[] = {
    {0, 104},  // 波止: closed band
    {1, 107},  // 線: 四角
    {1, 109},  // 線: 丸
    {2, 109},  // 部品: 消しゴム
};

// Counts the paint events of the picture view, to show that the moves really repaint.
class PaintCounter : public QObject {
 public:
  long paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A shown map-mode window whose picture is `size` x `size`, with a tool chosen and a drag under
// way from (200, 200).
class Map {
 public:
  Map(int size, const MapTool& tool) : form_(std::make_unique<TForm_Main>()) {
    form_->show();
    form_->Image1->installEventFilter(&counter_);
    form_->Btn_Shikake_Or_Point->click();
    form_->R_Group1->Item(tool.bank)->click();
    form_->findChild<TSpeedButton*>(QStringLiteral("S2_Btn%1").arg(tool.tag - 100))->click();
    form_->Image1->setGeometry(6, 6, size, size);
    form_->Image1->SetPicture(Bitmap(size, size));
    QCoreApplication::processEvents();
    Send(QEvent::MouseButtonPress, 200, 200, Qt::LeftButton);
  }
  ~Map() { Send(QEvent::MouseButtonRelease, 200, 200, Qt::LeftButton); }

  // One move, and the repaint of what it drew. Step i zigzags between two points so that every
  // move draws about as much as the one before.
  void Move(int i) {
    const int d = (i & 1) ? 60 : 40;
    Send(QEvent::MouseMove, 200 + d, 200 + d / 2, Qt::NoButton);
    QCoreApplication::processEvents();
  }
  long Paints() const { return counter_.paints; }

 private:
  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button) {
    const QPoint p(x, y);
    if (type == QEvent::MouseButtonPress) QCursor::setPos(form_->Image1->mapToGlobal(p));
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, form_->Image1->mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(form_->Image1, &event);
  }
  PaintCounter counter_;
  std::unique_ptr<TForm_Main> form_;
};

// Arguments: tool (index into kTools), picture size.
void BM_MapMove(benchmark::State& state) {
  Map map(static_cast<int>(state.range(1)), kTools[state.range(0)]);
  int i = 0;
  const long paints_before = map.Paints();
  for (auto _ : state) map.Move(i++);
  state.counters["paints_per_move"] = double(map.Paints() - paints_before) / std::max(i, 1);
}
BENCHMARK(BM_MapMove)->ArgNames({"tool", "size"})->ArgsProduct({{0, 1, 2, 3}, {500, 4000}});

double SecondsFor(Map& map, int i) {
  const auto start = std::chrono::steady_clock::now();
  map.Move(i);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Argument: tool. Alternates the two pictures so that both see the same machine state.
void BM_MapMoveLargeOverSmall(benchmark::State& state) {
  const MapTool& tool = kTools[state.range(0)];
  Map small(500, tool), large(4000, tool);
  double small_s = 0, large_s = 0;
  int i = 0;
  for (auto _ : state) {
    small_s += SecondsFor(small, i);
    large_s += SecondsFor(large, i);
    ++i;
  }
  state.counters["large_over_small"] = small_s > 0 ? large_s / small_s : 0;
}
BENCHMARK(BM_MapMoveLargeOverSmall)->ArgName("tool")->DenseRange(0, 3);

}  // namespace
}  // namespace nabrilo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  nabrilo::InstallFontAliases();
  nabrilo::ScriptedDialogs dialogs;
  nabrilo::SetDialogs(&dialogs);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nabrilo::SetDialogs(nullptr);
  return 0;
}
