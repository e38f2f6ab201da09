// The press on the picture (and on the bare window): it records where the screen pointer is and
// hands over to the press of the mode, the rig's or the map's.
#include <QCursor>

#include "app/form_main.h"

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
  Rig_Mouse_Down(X, Y);
}

}  // namespace nabrilo
