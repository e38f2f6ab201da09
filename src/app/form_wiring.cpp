// Every control's events bound to the window's handlers, and the keyboard shortcuts.
#include <QShortcut>

#include "app/form_build.h"
#include "app/form_main.h"
#include "platform/controls.h"

namespace nabrilo {

namespace {

// A callback that runs member `handler` of the window with the event's arguments.
template <typename... Args>
auto Handler(TForm_Main& f, void (TForm_Main::*handler)(Args...)) {
  return [&f, handler](Args... args) { (f.*handler)(std::forward<Args>(args)...); };
}

// The usual shortcuts, each pressing its button: the same handler, the same messages.
struct ShortcutKey {
  QKeyCombination key;
  TButton* TForm_Main::*button;
};

const ShortcutKey kShortcuts[] = {
    {Qt::CTRL | Qt::Key_Z, &TForm_Main::Btn_Undo_1},
    {Qt::CTRL | Qt::Key_S, &TForm_Main::Btn_File},
    {Qt::CTRL | Qt::Key_O, &TForm_Main::Button4},
    {Qt::CTRL | Qt::Key_C, &TForm_Main::Btn_Clip},
    {Qt::CTRL | Qt::Key_V, &TForm_Main::Btn_ClipBord},
};

void Wire_Shortcuts(TForm_Main& f) {
  for (const ShortcutKey& s : kShortcuts) {
    auto* shortcut = new QShortcut(QKeySequence(s.key), &f);
    QObject::connect(shortcut, &QShortcut::activated, &f, [&f, button = f.*s.button] {
      // An open text field owns the keys (its Ctrl+C and Ctrl+V copy and paste text), and a
      // gesture in progress is never cut short, as for a drop.
      if (f.Text_Field_Open() || f.Gesture_In_Progress() || !button->isEnabled()) return;
      button->click();
    });
  }
}

}  // namespace

void Wire_Events(TForm_Main& f) {
  f.Panel2->OnMouseMove = Handler(f, &TForm_Main::Panel2MouseMove);
  f.Btn_Shikake_Or_Point->OnClick = Handler(f, &TForm_Main::Btn_Shikake_Or_PointClick);
  f.Button_Clear->OnClick = Handler(f, &TForm_Main::Button_ClearClick);
  f.Btn_File->OnClick = Handler(f, &TForm_Main::Btn_FileClick);
  f.Btn_Clip->OnClick = Handler(f, &TForm_Main::Btn_ClipClick);
  f.Button1->OnClick = Handler(f, &TForm_Main::Button1Click);

  f.Image1->OnMouseDown = Handler(f, &TForm_Main::Image1MouseDown);
  f.Image1->OnMouseMove = Handler(f, &TForm_Main::Image1MouseMove);
  f.Image1->OnMouseUp = Handler(f, &TForm_Main::Image1MouseUp);
  f.Edit_X->OnKeyPress = Handler(f, &TForm_Main::Edit_XKeyPress);
  f.Edit_Y->OnKeyPress = Handler(f, &TForm_Main::Edit_YKeyPress);

  for (TSpeedButton* b : f.Panel_Shikake->findChildren<TSpeedButton*>()) {
    b->OnClick = Handler(f, &TForm_Main::_cursor_sel_);
  }
  f.S_Btn_Default->OnClick = Handler(f, &TForm_Main::S_Btn_DefaultClick);
  f.Btn_Undo_1->OnClick = Handler(f, &TForm_Main::Btn_Undo_1Click);
  f.Btn_Undo_1->OnMouseMove = Handler(f, &TForm_Main::Btn_Undo_1MouseMove);
  f.Panel_Color->OnMouseMove = Handler(f, &TForm_Main::Panel_ColorMouseMove);
  f.Btn_ClipBord->OnClick = Handler(f, &TForm_Main::Btn_ClipBordClick);
  f.Button4->OnClick = Handler(f, &TForm_Main::Button4Click);

  for (TSpeedButton* b : f.Panel_Point->findChildren<TSpeedButton*>()) {
    b->OnClick = Handler(f, &TForm_Main::S2_Btn_Click);
  }
  f.Btn_Undo_2->OnClick = Handler(f, &TForm_Main::Btn_Undo_1Click);
  f.R_Group1->OnClick = Handler(f, &TForm_Main::R_Group1Click);
  Wire_Shortcuts(f);
}

}  // namespace nabrilo
