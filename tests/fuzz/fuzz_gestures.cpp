// Random use of the real main window: the input is read as a sequence of user actions (clicks on
// the tools and commands, radio items, colours, the width spinner, presses, moves and releases
// anywhere, also at the ends of the int range, keys and text, pictures to load or paste), each
// delivered through the scenario runner as real Qt events to the one window of the process.
// Between inputs the window is put back as a user can: buttons released, an open text field
// committed, the settings chosen again, the picture cleared. After every action the things that
// must always hold are checked; a violation aborts.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "app/form_main.h"
#include "document/picture_limits.h"
#include "map/map_tools.h"
#include "offscreen_screen.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "scenario_runner.h"

namespace {

using namespace nabrilo;

// The controls a click may go to, by the number an input gives; names the window lacks are
// skipped. Loading and saving have actions of their own, which answer the dialog first.
const QStringList kButtons =
    QStringLiteral(
        "S_Btn_Default SpeedButton13 SpeedButton14 S_Btn_V_Sarukan S_Btn_H_Sarukan "
        "S_Btn_V_Big_sarukan S_Btn_H_big_Sarukan S_Btn_Omori_Kotei S_Btn_Omori_Yudou "
        "SpeedButton9 SpeedButton10 S_Btn_H_M_Hari S_Btn_V_M_Hari S_Btn_H_B_Hari S_Btn_V_B_Hari "
        "SpeedButton1 SpeedButton2 SpeedButton3 SpeedButton4 SpeedButton15 SpeedButton16 "
        "SpeedButton17 SpeedButton18 SpeedButton19 SpeedButton20 SpeedButton21 SpeedButton22 "
        "SpeedButton23 SpeedButton24 SpeedButton25 SpeedButton26 SpeedButton27 SpeedButton28 "
        "SpeedButton29 SpeedButton30 S2_Btn0 S2_Btn1 S2_Btn2 S2_Btn3 S2_Btn4 S2_Btn5 S2_Btn6 "
        "S2_Btn7 S2_Btn8 S2_Btn9 Btn_Shikake_Or_Point Button_Clear Btn_Undo_1 Btn_Undo_2 "
        "Btn_Clip Btn_ClipBord Button1")
        .split(QLatin1Char(' '));
constexpr const char* kGroups[] = {"R_Group1", "R_Group_line", "R_Group2", "R_Group_Keshigomu"};
constexpr const char* kKeys[] = {"Enter", "Escape", "Backspace", "Tab", "Space", "Delete",
                                 "Left",  "Right",  "Home",      "End", "A",     "0"};
// What typed text is made of: Japanese as an input method commits it, ASCII, and a line break.
const char16_t kTextChars[] = u"仕掛け図釣りポイントｱ漢字abcXYZ 019\r\n";

enum Action : std::uint8_t {
  kPress,
  kMove,
  kRelease,
  kClick,
  kItem,
  kColor,
  kUpDown,
  kType,
  kKey,
  kLoad,
  kSave,
  kPaste,
  kActionCount
};

// Reads the input from the front; past its end every byte is 0.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : p_(data), n_(size) {}
  bool AtEnd() const { return n_ == 0; }
  std::uint8_t Byte() {
    if (n_ == 0) return 0;
    --n_;
    return *p_++;
  }
  std::uint16_t Word() {
    const std::uint8_t low = Byte();  // read first: the operands of | are not sequenced
    return static_cast<std::uint16_t>(low | Byte() << 8);
  }
  // A picture coordinate: mostly on and around the picture, sometimes anywhere in 16 bits, and
  // sometimes within a few pixels of the ends of the int range.
  qint64 Coordinate() {
    const std::uint8_t kind = Byte() % 8;
    const std::uint16_t v = Word();
    if (kind < 5) return v % 600 - 50;
    if (kind == 5) return static_cast<std::int16_t>(v);
    if (kind == 6) return INT32_MAX - v % 64;
    return INT32_MIN + v % 64;
  }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
};

Arg Word(const QString& text) {
  return Arg{text, 0, true, false};
}
Arg Number(qint64 n) {
  return Arg{QString::number(n), n, true, false};
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_gestures: %s\n", what);
  std::abort();
}

// A small picture of its own pattern, for loading and pasting; now and then a larger one.
QImage Generated(Input& in) {
  const std::uint8_t w = in.Byte(), h = in.Byte(), seed = in.Byte();
  const int scale = (seed & 0x80) ? 16 : 1;
  QImage image(scale * (1 + w % 48), scale * (1 + h % 48), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, 0xFF000000u | ((x * 37u + y * 101u) * (seed | 1u) & 0xFFFFFFu));
    }
  }
  return image;
}

// The gesture under way in map mode since the last press, for the rubber-band check.
struct Gesture {
  QImage before;  // the picture as the press found it
  std::optional<QPoint> last_move;
};

bool IsRubberBand(TForm_Main& f) {
  const map_tools::MapTool* tool = map_tools::Find_Map_Tool(f.R_Group1->ItemIndex(), f.Point_Tag);
  return tool && (tool->gesture == map_tools::MapGesture::Band ||
                  tool->gesture == map_tools::MapGesture::RubberBand);
}

// A rubber band erases each preview by drawing it again; released where it last moved, the
// finished figure covers the last one. So nothing of the picture may have changed beyond the
// reach of the finished figure: the press point, the last corner, the release point, the band's
// width vector from each, and a margin for the widest pen, arrow head and cross.
void CheckNoRubberBandLeft(const QImage& before, const QImage& after, const TForm_Main& f,
                           QPoint release, QPoint width_vector) {
  if (before.size() != after.size()) return;
  const qint64 margin = 24;
  qint64 x0 = INT64_MAX, y0 = INT64_MAX, x1 = INT64_MIN, y1 = INT64_MIN;
  const QPoint corners[] = {{f.Down_X, f.Down_Y}, {f.Last_X, f.Last_Y}, release};
  for (const QPoint c : corners) {
    for (const qint64 k : {0, 1}) {
      const qint64 x = c.x() + k * width_vector.x(), y = c.y() + k * width_vector.y();
      x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
  }
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      const bool reached =
          x >= x0 - margin && x <= x1 + margin && y >= y0 - margin && y <= y1 + margin;
      if (!reached && before.pixel(x, y) != after.pixel(x, y)) {
        Fail("a rubber band was left on the picture after its release");
      }
    }
  }
}

void CheckInvariants(TForm_Main& f) {
  const QImage& picture = f.Image1->Picture().Image();
  if (picture.format() != QImage::Format_RGB32) Fail("the picture is not in the canvas format");
  if (!WithinPictureLimits(picture.width(), picture.height())) Fail("picture size out of limits");
  const bool undo1 = f.Btn_Undo_1->isEnabled(), undo2 = f.Btn_Undo_2->isEnabled();
  if (undo1 != undo2) Fail("the two undo buttons disagree");
  if (undo1 && (f.Undo_State != 2 || f.Snap_Prev.isEmpty())) Fail("undo offered with no snapshot");
  if (f.Undo_State > 2) Fail("undo state out of range");
  if (f.Picture_Canvas().PenMode() != pmCopy) Fail("the not-xor pen outlived its gesture");
  if (f.width() < f.minimumWidth() || f.height() < f.minimumHeight()) {
    Fail("the window is below its minimum size");
  }
  if (f.minimumWidth() != 712 || f.minimumHeight() != 571) Fail("the minimum size changed");
}

// The window's settings as it starts, which each input finds again.
struct Settings {
  QString color;
  int line = 0, fill = 0, eraser = 0, width = 0;
  bool operator==(const Settings&) const = default;
};

Settings SettingsOf(const TForm_Main& f) {
  return {f.ColorBox1->currentText(), f.R_Group_line->ItemIndex(), f.R_Group2->ItemIndex(),
          f.R_Group_Keshigomu->ItemIndex(), f.UpDown1->Position()};
}

class Session {
 public:
  explicit Session(const QString& dir) : dir_(dir) {
    runner_.Start();
    // The dialogs are answered here, so that an answer no dialog took can be dropped.
    SetDialogs(&dialogs_);
    start_ = SettingsOf(runner_.Form());
  }

  void Run(Input& in) {
    for (int actions = 0; actions < 200 && !in.AtEnd(); ++actions) {
      Step(in);
      CheckInvariants(runner_.Form());
    }
    Reset();
    CheckInvariants(runner_.Form());
  }

 private:
  // One line through the runner; what a user could not have done (a click on a hidden control,
  // typing with no focus) is refused by the runner and skipped here.
  void Do(const char* command, Args args) {
    try {
      runner_.Run(ScriptLine{0, QString::fromLatin1(command), std::move(args)});
    } catch (const ScenarioError&) {
    }
  }

  void Pointer(const char* command, Input& in) {
    const qint64 x = in.Coordinate(), y = in.Coordinate();
    const bool right = command[0] != 'm' && (in.Byte() & 1);
    Pointer(command, right ? Qt::RightButton : Qt::LeftButton, x, y);
  }

  void Pointer(const char* command, Qt::MouseButton button, qint64 x, qint64 y) {
    Args args{Number(x), Number(y)};
    if (command[0] != 'm') {
      args.push_back(Word(button == Qt::RightButton ? QStringLiteral("right") : "left"));
    }
    TForm_Main& f = runner_.Form();
    const QPoint at(static_cast<int>(x), static_cast<int>(y));
    if (command[0] == 'p') {
      gesture_.reset();
      if (!f.Is_Rig_Mode()) gesture_ = Gesture{f.Image1->Picture().Image().copy(), std::nullopt};
      ++held_;
    } else if (command[0] == 'm') {
      if (gesture_) gesture_->last_move = at;
    }
    const bool check = command[0] == 'r' && gesture_ && gesture_->last_move == at && f.Mouse_Held &&
                       IsRubberBand(f);
    // The release clears Haba_DY: the width vector the figure is drawn with is read before.
    const QPoint width_vector(f.Haba_DX, f.Haba_DY);
    Do(command, std::move(args));
    if (check) {
      CheckNoRubberBandLeft(gesture_->before, f.Image1->Picture().Image(), f, at, width_vector);
    }
    if (command[0] == 'r') {
      gesture_.reset();
      if (held_ > 0) --held_;
    }
  }

  // Back to the window as it started, the way a user gets there.
  void Reset() {
    dialogs_.answers.clear();
    if (!runner_.Form().isVisible()) {
      // 閉じる was clicked: the program starts again.
      runner_.Start();
      held_ = 0;
    }
    TForm_Main& f = runner_.Form();
    while (held_ > 0) Pointer("release", Qt::LeftButton, -1000, -1000);
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) Pointer("release", b, -1000, -1000);
    QWidget* focus = QApplication::focusWidget();
    if (focus == f.Edit_X || focus == f.Edit_Y) Do("key", {Word("Enter")});
    if (!f.Is_Rig_Mode()) Do("click", {Word("Btn_Shikake_Or_Point")});
    const Settings now = SettingsOf(f);
    if (now.color != start_.color) Do("color", {Word(start_.color)});
    if (now.line != start_.line || now.fill != start_.fill || now.eraser != start_.eraser ||
        now.width != start_.width) {
      // The map settings can be chosen only in map mode, each in the bank that enables it.
      Do("click", {Word("Btn_Shikake_Or_Point")});
      for (int n = 0; n < 20 && f.UpDown1->Position() != start_.width; ++n) {
        Do("updown", {Word(f.UpDown1->Position() < start_.width ? "up" : "down"), Number(1)});
      }
      Do("item", {Word("R_Group1"), Number(1)});
      Do("item", {Word("R_Group_line"), Number(start_.line)});
      Do("item", {Word("R_Group2"), Number(start_.fill)});
      Do("item", {Word("R_Group1"), Number(2)});
      Do("click", {Word("S2_Btn9")});
      Do("item", {Word("R_Group_Keshigomu"), Number(start_.eraser)});
      Do("click", {Word("Btn_Shikake_Or_Point")});
    }
    Do("click", {Word("S_Btn_Default")});
    Do("click", {Word("Button_Clear")});
    QGuiApplication::clipboard()->clear();
    dialogs_.shown.clear();
    dialogs_.answers.clear();
    dialogs_.unanswered.clear();
    gesture_.reset();
    if (!(SettingsOf(f) == start_) || !f.Is_Rig_Mode() || f.Buhin_Tag != 0) {
      Fail("the window could not be put back as it started");
    }
  }

  void Step(Input& in) {
    const std::uint8_t action = in.Byte() % kActionCount;
    // With a button held on the picture, a user's hand is on the pointer: only moves, presses
    // and releases happen.
    if (held_ > 0 && action != kPress && action != kMove && action != kRelease) return;
    switch (action) {
      case kPress:
        return Pointer("press", in);
      case kMove:
        return Pointer("move", in);
      case kRelease:
        return Pointer("release", in);
      case kClick:
        return Do("click", {Word(kButtons[in.Byte() % kButtons.size()])});
      case kItem: {
        const char* group = kGroups[in.Byte() % std::size(kGroups)];
        return Do("item", {Word(group), Number(in.Byte() % 4)});
      }
      case kColor: {
        const int index = in.Byte() % runner_.Form().ColorBox1->count();
        return Do("color", {Word(runner_.Form().ColorBox1->itemText(index))});
      }
      case kUpDown: {
        const std::uint8_t b = in.Byte();
        return Do("updown", {Word((b & 1) ? "up" : "down"), Number(1 + (b >> 1) % 8)});
      }
      case kType: {
        QString text;
        for (int n = in.Byte() % 12; n > 0; --n) {
          text += QChar(kTextChars[in.Byte() % (std::size(kTextChars) - 1)]);
        }
        return Do("type", {Arg{text, 0, true, true}});
      }
      case kKey:
        return Do("key", {Word(kKeys[in.Byte() % std::size(kKeys)])});
      case kLoad:
        return Load(in);
      case kSave: {
        const bool cancel = in.Byte() & 1;
        return Answered("Btn_File", cancel ? std::nullopt : std::optional(dir_ + "/saved.bmp"));
      }
      case kPaste: {
        if (in.Byte() & 1) {
          QGuiApplication::clipboard()->clear();
        } else {
          QGuiApplication::clipboard()->setImage(Generated(in));
        }
        return Do("click", {Word("Btn_ClipBord")});
      }
      default:
        return;
    }
  }

  // A generated picture written as BMP or JPEG, or bytes of the input as a damaged file, then
  // chosen in the open dialog; or the dialog cancelled.
  void Load(Input& in) {
    const std::uint8_t kind = in.Byte() % 4;
    if (kind == 3) {
      return Answered("Button4", std::nullopt);
    }
    const QString path = dir_ + (kind == 1 ? "/load.jpg" : "/load.bmp");
    if (kind == 2) {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly)) Fail("cannot write a file to load");
      QByteArray junk("BM");
      for (int n = in.Byte() % 64; n > 0; --n) junk.append(static_cast<char>(in.Byte()));
      file.write(junk);
    } else if (!Generated(in).save(path, kind == 1 ? "JPG" : "BMP")) {
      Fail("cannot write a picture to load");
    }
    Answered("Button4", path);
  }

  // A click on a button whose dialog takes `answer`; an answer no dialog took is dropped.
  void Answered(const char* button, std::optional<QString> answer) {
    dialogs_.QueueAnswer(std::move(answer));
    Do("click", {Word(button)});
    dialogs_.answers.clear();
  }

  ScenarioRunner runner_;
  ScriptedDialogs dialogs_;
  QString dir_;
  Settings start_;
  std::optional<Gesture> gesture_;
  int held_ = 0;
};

std::unique_ptr<QTemporaryDir> work_dir;
Session* session = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::unique_ptr<QTemporaryFile> screen = UseOffscreenScreen();
  QuietOffscreenNotes();
  InstallFontAliases();
  // Never destroyed: Qt's own objects outlive it at exit, and its destructor would run after
  // theirs.
  new TApplication(*argc, *argv);
  work_dir = std::make_unique<QTemporaryDir>();
  if (!work_dir->isValid()) Fail("no temporary directory");
  // One window for the whole run, never destroyed, like the application.
  session = new Session(work_dir->path());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  session->Run(in);
  return 0;
}
