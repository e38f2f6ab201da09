// The main window's life: construction, creation, first show, destruction, and the helpers the
// other subsystems use to reach the picture and the window size.
#include "app/form_main.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <vector>

#include "app/form_build.h"
#include "document/recovery.h"
#include "platform/cursors.h"
#include "platform/fonts.h"
#include "platform/panel_scroller.h"
#include "platform/user_dialogs.h"
#include "platform/version_info.h"

namespace nabrilo {

namespace {

struct NamedCursor {
  int number;
  const char* name;
};

// Loaded at creation, in this order.
constexpr NamedCursor kNamedCursors[] = {
    {1, "Cursor_001"},  {2, "Cursor_002"},  {3, "Cursor_003"},  {4, "Cursor_004"},
    {5, "Cursor_005"},  {6, "Cursor_006"},  {7, "Cursor_007"},  {8, "Cursor_008"},
    {9, "Cursor_009"},  {10, "Cursor_010"}, {11, "Cursor_011"}, {12, "Cursor_012"},
    {21, "Cursor_021"}, {25, "Cursor_025"}, {26, "Cursor_026"}, {31, "Cursor_031"},
    {32, "Cursor_032"}, {33, "Cursor_033"}, {34, "Cursor_034"}};

// The program's icon at every size it was drawn at, as installed for the desktop.
QIcon Program_Icon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icon"));
  for (const QString& name : sizes.entryList(QDir::Files)) {
    icon.addPixmap(QPixmap::fromImage(Artwork(sizes.filePath(name))));
  }
  return icon;
}

// The light colours the window's artwork was drawn for: Qt's own (Fusion's) on a desktop without
// a theme. Written out, because the style's standard palette follows the desktop's theme.
QPalette Light_Palette() {
  const QColor face(0xEF, 0xEF, 0xEF);
  QPalette p(Qt::black, face, Qt::white, QColor(0x9F, 0x9F, 0x9F), QColor(0xB8, 0xB8, 0xB8),
             Qt::black, Qt::white, Qt::white, face);
  p.setColor(QPalette::Midlight, QColor(0xCA, 0xCA, 0xCA));
  p.setColor(QPalette::Shadow, QColor(0x76, 0x76, 0x76));
  p.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
  p.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
  p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 0x80));
  const QColor greyed(0xBE, 0xBE, 0xBE);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Dark, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, greyed);
  }
  p.setColor(QPalette::Disabled, QPalette::Base, face);
  p.setColor(QPalette::Disabled, QPalette::Shadow, QColor(0xB1, 0xB1, 0xB1));
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
  return p;
}

// Runs one start-up step; its failure is shown in the standard error box and start-up goes on.
template <typename Fn>
void Report_Failure(const Fn& step) {
  try {
    step();
  } catch (const AppError& e) {
    Dialogs().ShowError(e.Text());
  }
}

}  // namespace

TForm_Main::TForm_Main(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(QStringLiteral("Nabrilo"));
  setWindowIcon(Program_Icon());
  setAcceptDrops(true);
  setFont(WindowFont());
  // The window keeps the light colours its glyphs and title were drawn for, whatever the
  // desktop's theme: black hooks and lines on dark grey buttons all but vanish. Dialogs follow
  // the theme.
  setPalette(Light_Palette());
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kClientWidth, kClientHeight);
  Build_Header(*this);
  Build_Drawing_Surface(*this);
  Build_Rig_Palette(*this);
  Build_Map_Palette(*this);
  Build_Non_Visual(*this);
  Wire_Events(*this);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize outer = Outer_Size();
    const QPoint centre = screen->availableGeometry().center();
    move(centre.x() - outer.width() / 2, centre.y() - outer.height() / 2);
  }
  FormCreate();
}

TForm_Main::~TForm_Main() {
  FormDestroy();
  delete OpenPicDialog1;
  delete SavePictureDialog1;
  delete ImageList1;
}

void TForm_Main::FormCreate() {
  for (TSpeedButton* b : findChildren<TSpeedButton*>()) b->SetCaption(QString());
  SpeedButton13->SetCaption(QStringLiteral("Rod\rｽﾋﾟﾆﾝｸﾞﾘｰﾙ"));
  SpeedButton14->SetCaption(QStringLiteral("Rod\r回転ﾘｰﾙ"));
  for (auto& row : Trail_XY) row.fill(0);
  Trail_Color.fill(ColorText{});
  Trail_Count = 0;
  Point_Tag = 0;
  New_Picture();
  for (const NamedCursor& c : kNamedCursors) {
    Report_Failure([&] { Load_Cursor(c.number, QLatin1String(c.name)); });
  }
  Snap_Now.clear();
  Snap_Prev.clear();
  Undo_State = kUndoEmpty;
}

void TForm_Main::FormShow() {
  Label_Buhin->SetCaption(QString());
  Edit_X->setGeometry(0, 0, 0, 0);
  Edit_Y->setGeometry(0, 0, 0, 0);
  Btn_Undo_1->setEnabled(false);
  Btn_Undo_2->setEnabled(false);
  Btn_Clip->setFocus();
  Line_Mode = kLineNone;
  Label_Size->SetCaption(Size_Text(Image1->width(), Image1->height()));
  Report_Failure([&] { Label_Var->SetCaption(QStringLiteral("Ver ") + Get_File_Version()); });
  Panel_Point->move(512, 59);
  Panel_Shikake->raise();
  Btn_Shikake_Or_Point->setFocus();
}

void TForm_Main::FormDestroy() {
  Snap_Now = QByteArray();
  Snap_Prev = QByteArray();
  // The screen cursor belongs to this window; it goes with it.
  SetScreenCursor(crDefault);
}

void TForm_Main::Button1Click(QObject*) {
  close();
}

void TForm_Main::Load_Cursor(int number, const QString& name) {
  SetCursorEntry(number, LoadCursorResource(name));
  if (!CursorEntry(number)) {
    throw AppError(QStringLiteral("Can not load the cursor [") + name + QStringLiteral("]"));
  }
}

QString TForm_Main::Get_File_Version() {
  const AppError assertion_failure(QStringLiteral("Assertion failure (Main)"));
  const QString file = VersionResourceName();
  const std::uint32_t size = GetFileVersionInfoSize(file);
  if (size == 0) throw assertion_failure;
  std::vector<char> buffer(size);
  if (!GetFileVersionInfo(file, buffer)) throw assertion_failure;
  const std::optional<QString> version =
      VerQueryValue(buffer, QStringLiteral("\\StringFileInfo\\041103A4\\FileVersion"));
  if (!version) throw assertion_failure;
  return *version;
}

QString TForm_Main::Size_Text(int width, int height) {
  return QStringLiteral("BitMapのサイズ　%1 * %2").arg(width).arg(height);
}

bool TForm_Main::Is_Rig_Mode() const {
  return Btn_Shikake_Or_Point->Caption() == QStringLiteral("仕掛け図");
}

Canvas& TForm_Main::Picture_Canvas() {
  return Image1->Picture().GetCanvas();
}

void TForm_Main::New_Picture() {
  Image1_Scroll->ScrollTo({0, 0});
  Image1->setGeometry(6, 6, 500, 500);
  Image1->SetPicture(Bitmap(500, 500));
}

// Nothing on Linux keeps a window on its screen, so the window does: the size asked for is taken
// up to the available area of its screen (without panels and docks), and the window is moved
// back inside that area when its frame reaches past it. The minimum size comes first: on a
// screen smaller than that, the frame's top-left corner stays on the screen.
void TForm_Main::Set_Outer_Size(int width, int height) {
  const QMargins frame = Frame_Margins();
  const QSize frame_size(frame.left() + frame.right(), frame.top() + frame.bottom());
  QSize client(width - kFrameWidth, height - kFrameHeight);
  const QScreen* on = screen();
  const QRect area = on ? on->availableGeometry() : QRect();
  if (!area.isEmpty()) client = client.boundedTo(area.size() - frame_size);
  resize(client.expandedTo(minimumSize()));
  if (area.isEmpty()) return;
  // Placed by its client area: right after the window is shown, the window manager may not have
  // told the frame yet, and a frame position would then put the title bar above the screen.
  const QRect room = area.marginsRemoved(frame);
  const QPoint at = geometry().topLeft();
  const QPoint inside(std::max(room.left(), std::min(at.x(), room.right() + 1 - size().width())),
                      std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size().height())));
  if (inside != at) move(pos() + (inside - at));
}

// The design frame's 8 × 34 taken as 4 at each side, 26 above and 8 below: window managers draw
// title bars of 20 to 30 pixels and bottom edges of up to 5.
QMargins TForm_Main::Frame_Margins() const {
  constexpr int kSide = kFrameWidth / 2, kBelow = 8, kAbove = kFrameHeight - kBelow;
  const QRect outer = frameGeometry(), inner = geometry();
  return QMargins(std::max(inner.left() - outer.left(), kSide),
                  std::max(inner.top() - outer.top(), kAbove),
                  std::max(outer.right() - inner.right(), kSide),
                  std::max(outer.bottom() - inner.bottom(), kBelow));
}

QSize TForm_Main::Outer_Size() const {
  return size() + QSize(kFrameWidth, kFrameHeight);
}

void TForm_Main::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  FormShow();
}

// The user's own close (閉じる or the window's close button): the picture is left behind on
// purpose, so its recovery copy goes too.
void TForm_Main::closeEvent(QCloseEvent* event) {
  if (recovery_) recovery_->Discard();
  event->accept();
}

void TForm_Main::mousePressEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ToMouseButton(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  Image1MouseDown(this, *button, ToShiftState(event->modifiers(), event->buttons()), p.x(), p.y());
  TImage::FlushAll();
}

}  // namespace nabrilo
