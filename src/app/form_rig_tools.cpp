// Choosing a rig tool: its status text and screen cursor, and the rods drawn at once.
#include "app/form_main.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "rig/rig_tools.h"

namespace nabrilo {

void TForm_Main::_cursor_sel_(QObject* Sender) {
  const auto* button = qobject_cast<TSpeedButton*>(Sender);
  Buhin_Tag = button ? button->Tag() : rig_tag::kNone;
  Show_Buhin();
}

void TForm_Main::S_Btn_DefaultClick(QObject* Sender) {
  _cursor_sel_(Sender);
}

void TForm_Main::Show_Buhin() {
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (!tool) {
    SetScreenCursor(crDefault);
    return;
  }
  SetScreenCursor(tool->cursor);
  Label_Buhin->SetCaption(QString::fromUtf16(tool->text));
  if (tool->stroke.drawn_when_chosen) {
    tool->stroke.drawn_when_chosen(Picture_Canvas(), 0, 0);
    Keep_For_Recovery();  // a rod takes no undo snapshot, but it is a finished change
  }
}

// Moving onto the header or the colour box frame puts the rig tool down.
void TForm_Main::Panel2MouseMove(QObject*, TShiftState, int, int) {
  S_Btn_Default->SetDown(true);
  Buhin_Tag = rig_tag::kNone;
  Label_Buhin->SetCaption(QString());
  SetScreenCursor(crDefault);
}

void TForm_Main::Panel_ColorMouseMove(QObject* Sender, TShiftState Shift, int X, int Y) {
  Panel2MouseMove(Sender, Shift, X, Y);
}

void TForm_Main::Btn_Undo_1MouseMove(QObject*, TShiftState, int, int) {
  SetScreenCursor(crDefault);
}

}  // namespace nabrilo
