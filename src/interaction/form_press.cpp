// The press on the picture (and on the bare window): stamps at the screen pointer, the start of
// strokes, the text field; in map mode the map press.
#include <QCursor>

#include "app/form_main.h"
#include "platform/cursors.h"
#include "rig/rig_parts.h"
#include "rig/rig_tools.h"

namespace nabrilo {

void TForm_Main::Image1MouseDown(QObject*, TMouseButton, TShiftState, int X, int Y) {
  // The stamp anchor is where the screen pointer is, whichever control reported the press.
  const QPoint anchor = Image1->mapFromGlobal(QCursor::pos()) - Image1->PictureOffset();
  Press_X = anchor.x();
  Press_Y = anchor.y();
  if (!Is_Rig_Mode()) {
    Map_Mouse_Down(X, Y);
    return;
  }
  const RigTool* tool = Find_Rig_Tool(Buhin_Tag);
  if (!tool) return;
  switch (tool->press) {
    case OnPress::Nothing:
      break;
    case OnPress::Stamp:
      DrawRigStamp(Picture_Canvas(), tool->tag, Press_X, Press_Y);
      Buhin_Tag = rig_tag::kNone;
      Take_Snapshot();
      SetScreenCursor(crDefault);
      break;
    case OnPress::RodDone:
      Buhin_Tag = rig_tag::kNone;
      Take_Snapshot();
      break;
    case OnPress::Trail:
      Trail_Start(X, Y);
      break;
    case OnPress::StrokeStart:
      Line_Mode = tool->line_mode;
      Start_X = X;
      Start_Y = Y;
      Picture_Canvas().MoveTo(X, Y);
      break;
    case OnPress::Eraser:
      Line_Mode = tool->line_mode;
      // The first disc of the drag falls where the eraser was last seen; moves the gate held back
      // would leave that somewhere the user never erased, so it starts at the press point.
      Last_X = X;
      Last_Y = Y;
      break;
    case OnPress::Text:
      Start_X = X;
      Start_Y = Y;
      Open_Text_Edit(Edit_X);
      break;
  }
}

}  // namespace nabrilo
